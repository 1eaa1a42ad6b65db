#pragma once

#include "browser/paste_rule.h"
#include "compose/link_rules.h"
#include "compose/link_template.h"
#include "shell/branding.h"
#include "store/app_settings.h"
#include "store/file_result.h"
#include "watch/fetch_result.h"
#include "watch/thread_model.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

class QAbstractItemModel;
class QNetworkCookie;

namespace quillbox {

class AutoInsert;
class BackgroundCheck;
class BrowserPage;
class Clock;
class CookieFileKeeper;
class ForumCookieJar;
class ForumPasswords;
class InsertFollowUp;
class ListsPreload;
class ListsAutosave;
class Notifier;
class PageFetcher;
class PagePaste;
class PasswordStore;
class PostQueue;
struct LoadListStateResult;
struct MessagesFile;
struct PostRecord;
class PostHistory;
class PostMeasurer;
class ReplyCheck;
class SavedMessages;
class SettingsStore;
class SingleInstance;
class UserMessages;
class WatchLists;

// The text the message editor shows until a message has been stored.
QString designTimeMessage();

// What the program works with from the platform: the page is the browser pane's, where an
// inserted message is looked for. Without a notifier nobody is told of new replies found in the
// background; without a password store there is no keyring, and the passwords stay in posts2.txt.
struct ProgramSeams {
    QString dataFolder;
    SettingsStore& store;
    UserMessages& messages;
    Clock& clock;
    BrowserPage& page;
    Notifier* notifier = nullptr;
    PasswordStore* passwords = nullptr;
};

// What the main window shows once the program has started.
struct StartView {
    QString caption;
    QString websiteButtonCaption; // "" when the build names no website: no Visit button
    QString startPage;
    QStringList formatNames;
    int formatRow = 0;
    QString subject;
    std::optional<QString> message; // none: the editor keeps the text it has
    bool skin = true;
    bool showHelp = false;
    QByteArray geometry; // empty when none was stored
};

// What the window shows of the message and the login at the moment: Auto-Insert, the Paste
// buttons and a run over many forums read it when they need it.
struct Draft {
    QString subject;
    QString message;  // as the program sees it: line breaks as CR LF
    QString format;   // the format chosen
    int forum = -1;   // the forum selected in the lists, -1 for none
    QString userName; // the login boxes, for a page of no forum selected
    QString password;
};

// What the main window hands back when it closes.
struct CloseView {
    QString message;
    int formatRow = -1; // -1 when none is selected
    QByteArray geometry;
};

// The program's logic and its wiring. The window sends it what the user does, as intents
// (addForumFromPage, removeForum, watchPage, startCheck, autoInsert, postToForums...), and shows
// what it signals; nothing in it calls back into a window. Views get the lists' item models
// (QAbstractItemModel: rows to show, a forum's name to edit) and read-only looks at the rest.
//
// Who owns what (each made in this order, destroyed the other way round):
//   AppSettings      the settings table over the settings store
//   WatchLists       the forums, the watched threads, the new replies, and Undo of a removal
//   ForumCookieJar   the browser's cookies, sent by every fetch while "as the logged-in user"
//   CookieFileKeeper the jar mirrored to a file for quillbox-check
//   PageFetcher      "Watch This Post"'s fetch
//   PostMeasurer     measures a page with it and puts it on watch, or renews its size
//   ReplyCheck       the window's check             \ both check the WatchLists; the background
//   BackgroundCheck  the scheduled check            /  one waits for the window's and notifies
//   ListsAutosave    writes the lists a while after each change
//   ForumPasswords   the logins of the forums, in posts2.txt or the keyring
//   InsertFollowUp   finds the thread an inserted message shows up in -> PostMeasurer
//   PostQueue        a run over many forums: asks the page to navigate, AutoInsert to insert
//   AutoInsert       the message into the page's posting form (Draft, converted)
//   PagePaste        one value of the Draft into the page's focused field
//   SavedMessages    messages.txt, the messages the user saved
//   PostHistory      post-log.jsonl as Post History shows it, read at its first open
//
// Who signals whom:
//   PostMeasurer, ReplyCheck, ForumPasswords, InsertFollowUp -> panelText -> window status bar
//   PageFetcher -> fetchStage/fetchProgress -> window status bar
//   PostQueue::insertRequested -> formatRequested (window's format box) -> AutoInsert
//   AutoInsert::finished -> the post log (a single insert, once the follow-up finds the thread)
//                           and PostQueue::insertMade
//   logPost -> postLogged (PostHistory, and the window) ; the forums' names -> PostHistory
//   InsertFollowUp::postFound/threadNotFound -> PostQueue or the post log -> postLogged
//   BackgroundCheck -> checkFinished (panelText), runningChanged (backgroundCheckRunning)
//   WatchLists::undoAvailableChanged -> undoAvailable; removals -> rowRemoved, removalUndone
//   AppSettings::changed -> the background check's interval, the cookie jar, the templates
// Outside it: main() (or a test) owns the program, the page and the main window; the window
// owns its panes, hands the program the Draft source, and calls no part of the program but
// these methods.
class Program final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Program)

public:
    explicit Program(const ProgramSeams& seams, QObject* parent = nullptr);
    ~Program() override;

    // Start-up: the data files are made where missing, the lists loaded (what could not be
    // read or was damaged is told in a box), the templates read; returns what the window
    // shows.
    StartView startUp();
    // Shutdown: the lists are written (when they cannot be, the user may retry, quit without
    // saving them, or cancel: false, nothing else happens and the program stays open), then
    // the message, the format row and the window's place are stored.
    bool shutDown(const CloseView& view);
    // Ends the program: the skin engine is shut down, then quitRequested().
    void endProcess();
    // Answers the messages another start on the same data folder sends to this program (see
    // SingleInstance): "activate" asks for the window (activateRequested), "mark-read …" hands
    // over marks of the command-line check (see ReadMark). Called before startUp: an instance
    // that could not lock the folder keeps the lists read-only for the run (another copy may be
    // writing them), and one that cannot be reached by a later start is told once at start-up.
    void listen(SingleInstance& instance);
    // Starts the background check's schedule; a check missed while the program was closed
    // runs soon after.
    void startBackgroundChecks();
    // Quitting mid-check applies nothing of it.
    void abandonChecks();
    // The browser's cookie store changed: the checks send the same cookies.
    void browserCookieAdded(const QNetworkCookie& cookie);
    void browserCookieRemoved(const QNetworkCookie& cookie);

    // The subject box's change handling: every change is stored at once.
    void subjectChanged(const QString& subject);
    // Keeps the templates and the link rules and writes them to the settings; a failure is
    // reported every time, since the user has just asked for them to be kept.
    bool storeTemplates(const TemplateSet& templates, LinkRules rules);
    // The background check's interval in minutes (0: off), as stored; setting it keeps it in
    // the settings, which the check follows.
    int replyCheckMinutes() const;
    bool setReplyCheckMinutes(int minutes);
    // Reports a settings write that failed, once per run: the subject is stored on every
    // keystroke.
    void keep(bool written);
    // Writes one setting; a failure is told as keep() tells it.
    template <typename T>
    void keepSetting(SettingKey<T> key, const std::type_identity_t<T>& value) {
        keep(m_settings->set(key, value));
    }

    // The window's title: the program and its maker, and the number of threads with unread
    // replies when there are any, as in "Quillbox by the Quillbox developers (3)".
    QString windowTitle() const;
    int unreadCount() const;

    const Branding& branding() const { return m_branding; }
    const TemplateSet& templates() const { return m_templates; }
    LinkRules linkRules() const { return m_linkRules; }
    QString dataFolder() const { return m_dataFolder; }
    UserMessages& messages() { return m_messages; }
    // Read-only looks for the views: the settings (and their changed signal), the lists, the
    // logins, the run over many forums.
    const AppSettings& settings() const { return *m_settings; }
    const WatchLists& lists() const { return *m_lists; }
    const ForumPasswords& passwords() const { return *m_passwords; }
    const PostQueue& postQueue() const { return *m_queue; }
    const SavedMessages& savedMessages() const { return *m_savedMessages; }
    const PostHistory& postHistory() const;
    // The item models the lists pane shows; a forum's name is edited in its row.
    QAbstractItemModel* forumsModel() const;
    QAbstractItemModel* threadsModel() const;
    QAbstractItemModel* newRepliesModel() const;

    // The forums.
    // Adds the page shown as a forum, named after its title, with no login yet; -1 when it is
    // listed already or is not on the web (the user is told).
    int addForumFromPage(const QString& address, const QString& title);
    // Empties a forum's login ("|"), as a new forum's boxes show it.
    void clearForumLogin(int row);
    void storeLogin(int row, const QString& userName, const QString& password);
    void setPasswordsInKeyring(bool on);
    // Keeps the page as the forum's posting page; false when it is not on the web (told).
    bool usePageAsPostingPage(int row, const QString& page);
    // The forum whose site the page belongs to, or -1 (see forumForPage).
    int forumOfPage(const QString& address) const;
    // The format the forum was last posted in, when it is still one of the templates; "" when
    // it has none, or its format is gone.
    QString forumFormat(int row) const;
    // Choosing a format while a forum is selected keeps it for that forum; a name that is no
    // template's is not kept (false).
    bool setForumFormat(int row, const QString& format);

    // Removing rows, with Undo until the lists change otherwise (see WatchLists).
    bool removeForum(int row);
    bool removeThread(int row);
    bool undoRemoval();

    // The watched threads and their replies.
    // Fetches the page and puts it on watch (refused, with a box, when it is not on the web).
    void watchPage(const QString& address);
    void startCheck();
    bool markRead(int newReplyRow);
    void markThreadRead(ThreadModel::PostId id);
    void markAllRead();
    // A thread is about to be opened in the browser (from New Replies: newReplyRow, else -1):
    // a new reply opened is read, and the page may show the message just posted.
    void openingThread(int newReplyRow);
    // A thread whose last check found it moved to another site is watched at its new address
    // instead.
    void watchMovedThread(ThreadModel::PostId id);

    // The saved messages (messages.txt): a message kept, or one taken off the file.
    FileResult saveMessage(const QString& body, const QString& subject);
    FileResult removeSavedMessage(const QByteArray& line);
    // The saved-messages window opens: messages.txt is read into its list, unfiltered, and the
    // list follows the file from then on. What was read, for the window to tell.
    MessagesFile openSavedMessages();
    void filterSavedMessages(const QString& text);

    // Posting.
    // Where Auto-Insert, the Paste buttons and a run over many forums read the message from.
    void setDraftSource(std::function<Draft()> source);
    // The Auto-Insert button.
    void autoInsert();
    // Whether a Paste button's value goes into the page shown at once, or only once the user
    // says so (a forum's password into another site's page).
    PasteDecision pasteDecision(int which) const;
    // Pastes one value (PagePaste::Index) into the page's focused field, without asking.
    void paste(int which);
    // The browser pane has shown a page that finished loading: it may show an inserted message.
    void pageShown();
    // An Auto-Insert of one message (not a queue's) reached the page at postingPage: its post is
    // logged, under the forum of that page's site, once the follow-up finds the thread or gives
    // up looking. A subject the form had no field for is not logged as inserted.
    void singleInsertMade(const QString& postingPage, const QString& subject, const QString& format,
                          bool subjectInserted = true);
    // Posts again to the forums a run passed over (by address; a forum removed since is left
    // out), each with its posting page and format as they are now.
    bool retrySkipped(const QStringList& forums, const QString& subject, const QString& message);
    // The run's own skipped forums, with its subject and message.
    bool retrySkippedOfRun();
    // A logged run's skipped forums get the draft's message (the log keeps no text), and its
    // subject when the run had none.
    bool retrySkippedFromLog(const QStringList& forums, const QString& subject);
    // Starts a queue run over the forums of these rows, each with its own format and posting
    // page; false when no row is given or a run is on already. Without a subject and message,
    // the draft's.
    bool postToForums(const QList<int>& forumRows, const QString& subject, const QString& message);
    bool postToForums(const QList<int>& forumRows);
    // A run going on: on to the next forum, past the one at hand, or stopped.
    void nextForum();
    void skipForum();
    void stopRun();
    // Appends a record to the post log; a failure is told once per run.
    void logPost(const PostRecord& record);
    // Post History: the log is read at the first open (the newest first, as far as the list is
    // scrolled), and read again for each filter text; posts logged meanwhile join it.
    void openPostHistory();
    void filterPostHistory(const QString& text);

signals:
    void panelText(int panel, const QString& text);
    // The stage and progress of "Watch This Post"'s fetch, for the status bar to show.
    void fetchStage(quillbox::FetchStage stage);
    void fetchProgress(qint64 bodyBytes, qint64 declaredLength);
    void templatesChanged();
    // The user clicked the notification of new replies.
    void newRepliesNoticeActivated();
    // A post was logged (post-log.jsonl), as the history window shows it.
    void postLogged(const quillbox::PostRecord& record);
    // Another start on the same data folder asked for the running program's window.
    void activateRequested();
    void quitRequested();
    // Start-up is over: the lists are loaded, so closing now saves what the user has.
    void started();
    // The state beside the lists (titles, checks, unread replies, forums' names and formats) is
    // on them: at once at start-up, or, for many thousand threads, once it is read after the
    // window shows. Until then every intent that changes or reads it waits for it.
    void listStateApplied();
    // The number of threads with unread replies changed; so did the window's title.
    void unreadCountChanged(int count);
    // The background check started or ended: the window's check waits meanwhile.
    void backgroundCheckRunning(bool running);
    // A forum or thread was removed (its address), and Undo can bring it back.
    void rowRemoved(const QString& address);
    void removalUndone(const QString& address);
    void undoAvailable(bool available);
    // A run over many forums inserts in each forum's format: the format box shows it first.
    void formatRequested(const QString& format);

private:
    // Tests reach the parts through it (tests/support/program_probe.h).
    friend struct ProgramProbe;

    void settingChanged(Setting id);
    // The checks' cookies and their file follow "Check threads as the logged-in user".
    void followCheckAsLoggedIn();
    void backgroundCheckFinished(const QStringList& newlyFound);
    bool saveListsAsking();
    void takeUpState(const LoadListStateResult& state);
    // Puts the state read after the window showed onto the lists, waiting for the read when it
    // is not over yet; nothing when it is on them already.
    void applyPendingState();
    void reportProblems(const QString& intro, const QStringList& problems);
    void followUnreadCount();
    void connectLists();
    // A row's address taken out undoably is told (rowRemoved); "" is no removal.
    bool toldRemoved(const QString& address);
    void makePosting(const ProgramSeams& seams);
    Draft draft() const;

    QString m_dataFolder;
    SettingsStore& m_store;
    UserMessages& m_messages;
    BrowserPage& m_page;
    QStringList m_readOnlyLists; // list files that could not be read: never written this run
    QString m_lockProblem;       // the folder could not be locked: no list is written this run
    QString m_channelProblem;    // a later start cannot reach this program
    Branding m_branding;
    TemplateSet m_templates;
    LinkRules m_linkRules = LinkRules::Classic;
    bool m_started = false;
    bool m_ready = false; // the lists are loaded and the start-up questions answered
    bool m_stateUnwritten = false;
    bool m_statePending = false;     // the lists are shown, their state is still being read
    bool m_backgroundWanted = false; // the background checks start once it is on them
    // A state file up to this size is read before the window shows (a few milliseconds).
    qint64 m_stateWaitBytes = 1 << 20;
    QTimer m_statePoll;
    bool m_storingTemplates = false;
    bool m_settingsFailureShown = false;
    bool m_cookieFileFailureShown = false;
    // In the order they depend on one another; destroyed the other way round.
    std::unique_ptr<ListsPreload> m_preload; // the lists, read while the window is made
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<WatchLists> m_lists;
    std::unique_ptr<ForumCookieJar> m_cookies;
    std::unique_ptr<CookieFileKeeper> m_cookieFile;
    std::unique_ptr<PageFetcher> m_sizesFetcher;
    std::unique_ptr<PostMeasurer> m_measurer;
    std::unique_ptr<ReplyCheck> m_replyCheck;
    std::unique_ptr<ListsAutosave> m_autosave;
    std::unique_ptr<BackgroundCheck> m_background;
    std::unique_ptr<InsertFollowUp> m_followUp;
    std::unique_ptr<PostQueue> m_queue;
    std::unique_ptr<ForumPasswords> m_passwords;
    std::unique_ptr<AutoInsert> m_autoInsert;
    std::unique_ptr<PagePaste> m_paste;
    std::unique_ptr<SavedMessages> m_savedMessages;
    std::unique_ptr<PostHistory> m_postHistory;
    std::unique_ptr<PostRecord> m_pendingInsert; // a single Auto-Insert waiting for its thread
    std::function<Draft()> m_draft;
    bool m_logFailureShown = false;
    Notifier* m_notifier = nullptr;
    QString m_caption;
    int m_unread = 0;
};

// A name followed by the number of unread threads, as the title and the tray show it: "Quillbox
// (3)"; the name alone when there are none.
QString withUnreadCount(const QString& name, int unread);

} // namespace quillbox

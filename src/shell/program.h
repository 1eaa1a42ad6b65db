#pragma once

#include "compose/link_rules.h"
#include "compose/link_template.h"
#include "shell/branding.h"
#include "store/app_settings.h"
#include "watch/fetch_result.h"
#include "watch/thread_model.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace quillbox {

class BackgroundCheck;
class BrowserPage;
class Clock;
class CookieFileKeeper;
class ForumCookieJar;
class ForumPasswords;
class InsertFollowUp;
class ListStatePreload;
class ListsAutosave;
class Notifier;
class PageFetcher;
class PasswordStore;
class PostQueue;
struct PostRecord;
class PostMeasurer;
class ReplyCheck;
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

// What the main window hands back when it closes.
struct CloseView {
    QString message;
    int formatRow = -1; // -1 when none is selected
    QByteArray geometry;
};

// The program's logic and its wiring: the settings, the lists, the page fetcher that measures
// pages put on watch, the measurer, the checks (the window's and the background one, on one
// engine), the autosave, the cookie jar the checks send from, the background check and the
// follow-up of an inserted message. It signals what the window shows; nothing in it calls back
// into a window.
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

    // The window's title: the program and its maker, and the number of threads with unread
    // replies when there are any, as in "Quillbox by the Quillbox developers (3)".
    QString windowTitle() const;
    int unreadCount() const;

    const Branding& branding() const { return m_branding; }
    const TemplateSet& templates() const { return m_templates; }
    LinkRules linkRules() const { return m_linkRules; }
    QString dataFolder() const { return m_dataFolder; }
    AppSettings& settings() { return *m_settings; }
    UserMessages& messages() { return m_messages; }
    WatchLists& lists() { return *m_lists; }
    PageFetcher& sizesFetcher() { return *m_sizesFetcher; }
    PostMeasurer& measurer() { return *m_measurer; }
    ReplyCheck& replyCheck() { return *m_replyCheck; }
    ListsAutosave& autosave() { return *m_autosave; }
    ForumCookieJar& cookies() { return *m_cookies; }
    CookieFileKeeper& cookieFile() { return *m_cookieFile; }
    BackgroundCheck& background() { return *m_background; }
    InsertFollowUp& followUp() { return *m_followUp; }
    PostQueue& postQueue() { return *m_queue; }
    ForumPasswords& passwords() { return *m_passwords; }

    // An Auto-Insert of one message (not a queue's) reached the page at postingPage: its post is
    // logged, under the forum of that page's site, once the follow-up finds the thread or gives
    // up looking. A subject the form had no field for is not logged as inserted.
    void singleInsertMade(const QString& postingPage, const QString& subject, const QString& format,
                          bool subjectInserted = true);
    // Posts again to the forums a run passed over (by address; a forum removed since is left
    // out), each with its posting page and format as they are now.
    bool retrySkipped(const QStringList& forums, const QString& subject, const QString& message);
    // Starts a queue run over the forums of these rows, each with its own format and posting
    // page; false when no row is given or a run is on already.
    bool postToForums(const QList<int>& forumRows, const QString& subject, const QString& message);
    // Appends a record to the post log; a failure is told once per run.
    void logPost(const PostRecord& record);
    // A thread whose last check found it moved to another site is watched at its new address
    // instead.
    void watchMovedThread(ThreadModel::PostId id);

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
    // The number of threads with unread replies changed; so did the window's title.
    void unreadCountChanged(int count);

private:
    void settingChanged(Setting id);
    // The checks' cookies and their file follow "Check threads as the logged-in user".
    void followCheckAsLoggedIn();
    void backgroundCheckFinished(const QStringList& newlyFound);
    bool saveListsAsking();
    void reportProblems(const QString& intro, const QStringList& problems);
    void followUnreadCount();

    QString m_dataFolder;
    SettingsStore& m_store;
    UserMessages& m_messages;
    QStringList m_readOnlyLists; // list files that could not be read: never written this run
    QString m_lockProblem;       // the folder could not be locked: no list is written this run
    QString m_channelProblem;    // a later start cannot reach this program
    Branding m_branding;
    TemplateSet m_templates;
    LinkRules m_linkRules = LinkRules::Classic;
    bool m_started = false;
    bool m_ready = false; // the lists are loaded and the start-up questions answered
    bool m_stateUnwritten = false;
    bool m_storingTemplates = false;
    bool m_settingsFailureShown = false;
    bool m_cookieFileFailureShown = false;
    // In the order they depend on one another; destroyed the other way round.
    std::unique_ptr<ListStatePreload> m_statePreload; // read while the window is made
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
    std::unique_ptr<PostRecord> m_pendingInsert; // a single Auto-Insert waiting for its thread
    bool m_logFailureShown = false;
    Notifier* m_notifier = nullptr;
    QString m_caption;
    int m_unread = 0;
};

// A name followed by the number of unread threads, as the title and the tray show it: "Quillbox
// (3)"; the name alone when there are none.
QString withUnreadCount(const QString& name, int unread);

} // namespace quillbox

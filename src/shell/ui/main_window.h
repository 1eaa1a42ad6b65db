#pragma once

#include "shell/main_window_host.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QToolButton;

namespace quillbox {

class AboutWindow;
class AutoInsert;
class BackgroundCheck;
class Notifier;
class ThreadCookieJar;
class BrowserPage;
class BrowserPane;
class WebsiteWindow;
class Clipboard;
class HelpWindow;
class InsertFollowUp;
class PagePaste;
class ListsAutosave;
class PageFetcher;
class PostMeasurer;
class ReplyCheck;
class SavedMessages;
class SavedMessagesWindow;
class Session;
class TemplateEditor;
class SkinLabel;
class WatchLists;

// What the main window works with; the program makes them and the window uses them for its
// whole life.
struct MainWindowParts {
    Session& session;
    BrowserPage& page; // the page the browser pane shows
    QWidget* pageView; // the view that shows it; the window takes it
    Clipboard& clipboard;
    WatchLists& lists;
    PageFetcher& sizesFetcher; // measures pages for "Watch This Post"
    PageFetcher& postsFetcher; // serves the reply check
    PostMeasurer& measurer;
    ReplyCheck& replyCheck;
    ListsAutosave* autosave = nullptr;     // writes the lists as they change; none in some tests
    BackgroundCheck* background = nullptr; // the scheduled reply check; none in some tests
    Notifier* notifier = nullptr;          // tells of new replies found in the background
    ThreadCookieJar* cookies = nullptr;    // the browser's cookies, for logged-in checks
};

// The main window: message editor, forum and watched-post lists, browser pane, menus and status
// bar. Handlers read the controls, call the program's logic and write the result back. Controls
// carry their traditional names as objectName; tests and tools find them by those names.
class MainWindow : public QMainWindow, public MainWindowHost {
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowParts& parts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the start-up sequence and restores the window's place; call once, before showing.
    void load();

    // The message as the program sees it: line breaks as CR LF, every character as typed.
    QString messageText() const;
    // The text every output action converts: the message followed by two line breaks.
    QString convertedMessage() const;
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    int statusPanelCount() const;
    BrowserPage& browserPage();
    // Countdown of page loads in which an inserted message is looked for; a double-click on a
    // watched post or new reply sets it to 4.
    int insertWatchCount() const;

    // MainWindowHost
    void setCaption(const QString& caption) override;
    void setWebsiteButtonCaption(const QString& caption) override;
    void navigateBrowser(const QString& address) override;
    void addStatusPanels() override;
    void setLists(const ListsData& lists) override;
    void setFormatNames(const QStringList& names) override;
    void setSubject(const QString& subject) override;
    void setMessage(const QString& message) override;
    int formatRowCount() const override;
    void selectFormatRow(int row) override;
    void skinWindow() override;
    void showHelpWindow() override;
    ListsData lists() const override;
    QString message() const override;
    int selectedFormatRow() const override;
    void unloadSecondaryWindows() override;
    bool websiteWindowVisible() const override;
    void endProcess() override;

signals:
    // The program should end now (the main window has shut down).
    void endProcessRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Actions of the buttons and menus.
    void previewMessage();
    void copyMessage();
    void newMessage();
    void saveMessage();
    void loadMessage();
    void openTemplateEditor();
    void exitProgram();
    void showAllPosts();
    void showNewReplies();
    void checkReplies();
    void visitWebsite();
    void showAboutWindow();
    void autoInsert();
    void pasteSubject();
    void pasteUserName();
    void pastePassword();
    void pasteMessage();

    void buildControls(QWidget* pageView);
    void buildTopRow(QWidget* central);
    void buildMessageEditor(QWidget* central);
    void buildListsPanel(QWidget* central);
    void buildBrowserPane(QWidget* central, QWidget* pageView);
    void buildStatusBar();
    void buildMenus();
    void connectControls();
    void connectWatchLists();
    void connectBrowser();
    void connectCompose();
    void unloadComposeWindows();
    void insertSavedMessage(const QString& body, const QString& subject, bool hasSubject);
    void layoutControls();
    void applyPostsTab();
    void applyListsTab();
    void watchThisPost();
    void removeWatch();
    void addCurrentUrl();
    void removeUrl();
    void forumRowClicked(int row);
    void postRowClicked(QListWidget* list, int row);
    void postRowDoubleClicked(QListWidget* list, int row);
    void storeLogin();
    // New replies: mark as read, row tooltips, the background check and its settings.
    void connectReplies();
    void markSelectedRead();
    void markAllRead();
    void openReplyCheckOptions();
    void showNewRepliesFromNotice();
    void refreshPostRow(int row);
    void refreshNewReplyRow(int row);

    Session& m_session;
    Clipboard& m_clipboard;
    WatchLists& m_watch;
    PageFetcher& m_sizesFetcher;
    PageFetcher& m_postsFetcher;
    PostMeasurer& m_measurer;
    ReplyCheck& m_replyCheck;
    ListsAutosave* m_autosave;
    BackgroundCheck* m_background;
    Notifier* m_notifier;
    ThreadCookieJar* m_cookies;
    BrowserPage& m_browserPage;
    std::unique_ptr<InsertFollowUp> m_followUp;
    std::unique_ptr<AutoInsert> m_autoInsert;
    std::unique_ptr<PagePaste> m_paste;
    SavedMessages* m_savedMessages = nullptr;
    QPointer<SavedMessagesWindow> m_savedMessagesWindow;
    QPointer<TemplateEditor> m_templateEditor;
    bool m_quietSelection = false;
    bool m_loaded = false;
    bool m_shutDown = false;
    bool m_exitRequested = false;
    bool m_inLayout = false;

    // Top row
    QPushButton* autoInsertButton = nullptr;
    QLabel* formatLabel = nullptr;
    QComboBox* formatBox = nullptr;
    QToolButton* previewButton = nullptr;
    QToolButton* copyButton = nullptr;
    QToolButton* saveButton = nullptr;
    QToolButton* loadButton = nullptr;
    QToolButton* optionsButton = nullptr;
    QToolButton* visitButton = nullptr;
    // Message editor
    QGroupBox* editorFrame = nullptr;
    QLabel* subjectLabel = nullptr;
    QLineEdit* subjectBox = nullptr;
    QLabel* messageLabel = nullptr;
    QPlainTextEdit* messageBox = nullptr;
    // Indexed as the paste values: subject, user name, password, message.
    std::array<QPushButton*, 4> pasteButtons{};
    // Lists panel
    QTabBar* listsTabs = nullptr;
    QFrame* forumsView = nullptr;
    QFrame* postsView = nullptr;
    QPushButton* addForumButton = nullptr;
    QPushButton* removeForumButton = nullptr;
    QLabel* userNameLabel = nullptr;
    QLineEdit* userNameBox = nullptr;
    QLabel* passwordLabel = nullptr;
    QLineEdit* passwordBox = nullptr;
    QListWidget* forumList = nullptr;
    QToolButton* watchButton = nullptr;
    QToolButton* unwatchButton = nullptr;
    QTabBar* postsTabs = nullptr;
    QPushButton* checkRepliesButton = nullptr;
    QListWidget* postList = nullptr;
    QListWidget* newRepliesList = nullptr;
    BrowserPane* browserPane = nullptr;
    std::unique_ptr<WebsiteWindow> websiteWindow; // made at the first Visit
    QPointer<HelpWindow> helpWindow;
    QPointer<AboutWindow> aboutWindow;
    // Element 0 of SkinLabel1 (on the window), SkinLabel2 (in Frame1) and SkinLabel3 (in Frame2).
    std::array<SkinLabel*, 3> skinLabelPrototypes{};
    // Status bar
    std::array<QLabel*, 3> statusPanels{};
};

} // namespace quillbox

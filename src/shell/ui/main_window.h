#pragma once

#include "shell/main_window_host.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
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
class QWebEngineView;

namespace quillbox {

class BrowserPage;
class Clipboard;
class PageFetcher;
class PostMeasurer;
class ReplyCheck;
class Session;
class WatchLists;

// The main window: message editor, forum and watched-post lists, browser pane, menus and status
// bar. Handlers read the controls, call the program's logic and write the result back.
class MainWindow : public QMainWindow, public MainWindowHost {
    Q_OBJECT

public:
    MainWindow(Session& session, Clipboard& clipboard, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the start-up sequence; call once, before showing the window.
    void load();

    // The message as the program sees it: line breaks as CR LF.
    QString messageText() const;
    // The text every output action converts: the message followed by two line breaks.
    QString convertedMessage() const;
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    int statusPanelCount() const;
    BrowserPage& browserPage();
    WatchLists& watchLists() { return *m_watch; }
    PageFetcher& sizesFetcher() { return *wscSizes; }
    PageFetcher& postsFetcher() { return *wscPosts; }
    ReplyCheck& replyCheck() { return *m_replyCheck; }
    // Countdown of page loads in which an inserted message is looked for; a double-click on a
    // watched post or new reply sets it to 4.
    qint16 insertWatchCount() const { return m_insertWatchCount; }

    // Actions of the buttons and menus.
    void previewMessage();
    void copyMessage();
    void newMessage();
    void exitProgram();
    void selectPostsTab(int index); // 0 "Show All", 1 "New Replies "
    void checkReplies();

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
    void buildControls();
    void buildTopRow(QWidget* central);
    void buildMessageEditor(QWidget* central);
    void buildListsPanel(QWidget* central);
    void buildBrowserPane(QWidget* central);
    void buildMenus();
    void connectControls();
    void layoutControls();
    void tabStrip1Clicked();
    void tabStrip2Clicked();
    void connectWatchLists();
    void watchThisPost();
    void removeWatch();
    void addCurrentUrl();
    void removeUrl();
    void forumRowClicked(int row);
    void postRowClicked(QListWidget* list, int row);
    void postRowDoubleClicked(QListWidget* list, int row);
    void storeLogin();
    void fileMenuClicked(int index);
    void toolsMenuClicked(int index);
    void viewMenuClicked(int index);

    Session& m_session;
    Clipboard& m_clipboard;
    std::unique_ptr<WatchLists> m_watch;
    std::unique_ptr<PostMeasurer> m_measurer;
    std::unique_ptr<ReplyCheck> m_replyCheck;
    qint16 m_insertWatchCount = 0;
    bool m_quietSelection = false;
    bool m_loaded = false;
    bool m_shutDown = false;
    bool m_exitRequested = false;
    bool m_inLayout = false;

public:
    // Controls, named as the program's windows have always named them (objectName too).
    QPushButton* cmdMessage = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cmbConvert = nullptr;
    QToolButton* cmdPreview = nullptr;
    QToolButton* cmdCopy = nullptr;
    QToolButton* cmdSave = nullptr;
    QToolButton* cmdLoad = nullptr;
    QToolButton* cmdOptions = nullptr;
    QToolButton* Command1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtSubject = nullptr;
    QLabel* Label7 = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    std::array<QPushButton*, 4> cmdPaste{};
    QTabBar* TabStrip2 = nullptr;
    QFrame* Frame4 = nullptr;
    QFrame* Frame3 = nullptr;
    QPushButton* cmdAdd2 = nullptr;
    QPushButton* cmdDel2 = nullptr;
    QLabel* SkinLabel4 = nullptr;
    QLineEdit* txtUsername = nullptr;
    QLabel* SkinLabel5 = nullptr;
    QLineEdit* txtPassword = nullptr;
    QListWidget* lstPosts2 = nullptr;
    QToolButton* cmdAdd = nullptr;
    QToolButton* cmdDel = nullptr;
    QTabBar* TabStrip1 = nullptr;
    QPushButton* cmdReplies = nullptr;
    QListWidget* lstPosts = nullptr;
    QListWidget* lstNew = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Text5 = nullptr;
    QToolButton* Command3 = nullptr;
    QToolButton* Command4 = nullptr;
    QToolButton* Command5 = nullptr;
    QToolButton* Command6 = nullptr;
    QToolButton* Command7 = nullptr;
    QCheckBox* Check1 = nullptr;
    QWebEngineView* WebBrowser1 = nullptr;
    std::array<QLabel*, 3> statusPanels{};
    // The two page fetchers: one measures watched pages, the other serves the reply check.
    std::unique_ptr<PageFetcher> wscSizes;
    std::unique_ptr<PageFetcher> wscPosts;

    QMenu* fileMenu = nullptr;
    QMenu* toolsMenu = nullptr;
    QMenu* viewMenu = nullptr;
    QMenu* aboutMenu = nullptr;
    QMenu* mnuAbout = nullptr;
    QList<QAction*> fileMenuItem;
    QList<QAction*> toolsMenuItem;
    QList<QAction*> viewMenuItem;
    QList<QAction*> aboutMenuItem;
    QList<QAction*> mnuAboutItem;

private:
    std::unique_ptr<BrowserPage> m_browserPage;
};

} // namespace quillbox

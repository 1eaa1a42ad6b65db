#pragma once

#include "watch/check_outcome.h"
#include "watch/thread_record.h"

#include <QWidget>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTabBar;
class QToolButton;

namespace quillbox {

class BrowserPage;
class Clipboard;
class Program;
struct MainLayout;

// The main window's lists: the forums with their logins, and the watched threads with the new
// replies of the last check, on two tab strips. It shows the program's models, and passes what
// the user does with them to the program.
class ListsPane final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListsPane)

public:
    ListsPane(Program& program, BrowserPage& page, Clipboard& clipboard, QWidget* parent);

    QString userName() const;
    QString password() const;
    // The Paste buttons of the user name and the password; the window connects them.
    QPushButton* userNamePasteButton() const { return pasteUserNameButton; }
    QPushButton* passwordPasteButton() const { return pastePasswordButton; }
    // The selected forum's row, or -1.
    int selectedForum() const;
    // Every selected forum row, in list order (several for posting to many forums).
    QList<int> selectedForums() const;
    // Shows the forums, to choose from.
    void showForums();
    // The page shown belongs to the forum at row (-1: to none): that forum becomes the
    // selected row, so the Paste buttons use its login.
    void selectForum(int row);
    // Keeps the page shown as the selected forum's posting page.
    void useCurrentPageAsPostingPage();
    // Heights that follow the window's size.
    // Heights and widths from the window's layout; the row icons fit the lists' text.
    void applyLayout(const MainLayout& layout);
    // Gives every caption of the two views the width its text needs (see fitCaptions); answers
    // how many pixels wider the pane must be for them.
    int fitCaptions();

    // Menu commands.
    void showAllPosts();
    void showNewReplies();
    void checkReplies(); // shows where the results go, then starts the check
    void markSelectedRead();
    void markAllRead();
    void openReplyCheckOptions();

signals:
    void panelText(int panel, const QString& text);
    // A forum row was selected (clicked, by the keyboard, or following the page).
    void forumSelected(int row);

private:
    void fitRowIcons();
    void build();
    void connectViews();
    void applyPostsTab();
    void applyListsTab();
    void watchThisPost();
    void removeWatch();
    void addCurrentUrl();
    void removeUrl();
    // Edits the selected forum's name in its row (Enter keeps it, Esc leaves it).
    void renameForum();
    void forumRowClicked(int row);
    void postRowClicked(QListView* list, int row);
    void postRowDoubleClicked(QListView* list, int row);
    void storeLogin();
    void showNewRepliesMenu(const QPoint& at);
    void showForumMenu(const QPoint& at);
    void showPostMenu(const QPoint& at);
    void showNewRepliesFromNotice();

    Program& m_program;
    BrowserPage& m_page;
    Clipboard& m_clipboard;
    bool m_quietSelection = false;

    QTabBar* listsTabs = nullptr;
    QFrame* forumsView = nullptr;
    QFrame* postsView = nullptr;
    QPushButton* addForumButton = nullptr;
    QPushButton* removeForumButton = nullptr;
    QLabel* userNameLabel = nullptr;
    QLineEdit* userNameBox = nullptr;
    QLabel* passwordLabel = nullptr;
    QLineEdit* passwordBox = nullptr;
    QPushButton* pasteUserNameButton = nullptr;
    QPushButton* pastePasswordButton = nullptr;
    QListView* forumList = nullptr;
    QToolButton* watchButton = nullptr;
    QToolButton* unwatchButton = nullptr;
    QTabBar* postsTabs = nullptr;
    QPushButton* checkRepliesButton = nullptr;
    QListView* postList = nullptr;
    QListView* newRepliesList = nullptr;
};

} // namespace quillbox

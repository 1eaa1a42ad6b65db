// The menu bar. One table names every menu item, its handler, its keys and whether it is
// available yet; items are found by name (the menu's item array and index, as objectName), never
// by position. Keys that have no menu item (the browser's buttons, Copy) are actions of the window
// with a name of their own.
#include "platform/browser_page.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace quillbox {

namespace {

struct MenuBarEntry {
    const char* name;
    const char* caption;
    const char* itemArray;
};

constexpr MenuBarEntry menus[] = {
    {"fileMenu", "&File", "fileMenuItem"}, {"toolsMenu", "&Tools", "toolsMenuItem"},
    {"viewMenu", "&View", "viewMenuItem"}, {"aboutMenu", "&Help", "aboutMenuItem"},
    {"mnuAbout", "About", "mnuAboutItem"},
};

using Keys = QList<QKeySequence>;

// The desktop's keys for a standard action; the usual key where the platform names none (as
// some leave Quit without one).
Keys keys(QKeySequence::StandardKey key, QKeyCombination usual) {
    const Keys desktop = QKeySequence::keyBindings(key);
    return desktop.isEmpty() ? Keys{QKeySequence(usual)} : desktop;
}

Keys keys(QKeyCombination key, QKeyCombination other = {}) {
    Keys out{QKeySequence(key)};
    if (other.key() != Qt::Key(0))
        out << QKeySequence(other);
    return out;
}

// A window's keys work whichever of its controls has the focus, the page's view included: the
// view passes on the keys a page does not claim for editing, and none of these is one of those.
void giveKeys(QAction* action, const Keys& keys) {
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
}

} // namespace

void MainWindow::buildMenus() {
    // Items that repeat a button run the same handler as the button.
    struct Item {
        int menu;
        const char* caption;
        std::function<void()> handler;
        bool available;
        Keys keys = {};
    };
    const Item items[] = {
        {0, "&New Message", [this] { newMessage(); }, true,
         keys(QKeySequence::New, Qt::CTRL | Qt::Key_N)},
        {0, "&Save Message", [this] { saveMessage(); }, true,
         keys(QKeySequence::Save, Qt::CTRL | Qt::Key_S)},
        {0, "&Load Message", [this] { loadMessage(); }, true,
         keys(QKeySequence::Open, Qt::CTRL | Qt::Key_O)},
        {0, "E&xit", [this] { exitProgram(); }, true,
         keys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q)},
        // Print's key, but the program prints nothing: Preview shows what would be posted.
        {1, "&Preview", [this] { previewMessage(); }, true, keys(Qt::CTRL | Qt::Key_P)},
        {1, "Auto &Insert", [this] { autoInsert(); }, true, keys(Qt::CTRL | Qt::Key_I)},
        {1, "&Check Replies", [this] { listsPane->checkReplies(); }, true,
         keys(Qt::CTRL | Qt::Key_R)},
        {1, "&Options", [this] { openTemplateEditor(); }, true},
        {1, "Paste Message", [this] { pasteMessage(); }, true},
        {1, "Paste Subject", [this] { pasteSubject(); }, true},
        {1, "Paste Username", [this] { pasteUserName(); }, true},
        {1, "Paste Password", [this] { pastePassword(); }, true},
        {1, "&Mark as Read", [this] { listsPane->markSelectedRead(); }, true},
        {1, "Mark &All as Read", [this] { listsPane->markAllRead(); }, true},
        {1, "Reply Check Se&ttings...", [this] { listsPane->openReplyCheckOptions(); }, true},
        {1, "Post to &Selected Forums", [this] { postToSelectedForums(); }, true},
        {1, "Use Current Page as &Posting Page",
         [this] { listsPane->useCurrentPageAsPostingPage(); }, true},
        {2, "&Saved Messages", [this] { loadMessage(); }, true},
        {2, "&All posts", [this] { listsPane->showAllPosts(); }, true},
        {2, "&Replies", [this] { listsPane->showNewReplies(); }, true},
        {2, "&Templates", [this] { openTemplateEditor(); }, true},
        {2, "Post &History", [this] { showPostHistory(); }, true},
        {2, "Use the system's colours", nullptr, true},
        {3, "View &Help", [this] { showHelpWindow(); }, true,
         keys(QKeySequence::HelpContents, Qt::Key_F1)},
        {4, "About this software", [this] { showAboutWindow(); }, true},
    };

    QMenuBar* bar = menuBar();
    QList<QMenu*> built;
    for (const MenuBarEntry& entry : menus) {
        QMenu* menu = bar->addMenu(tr(entry.caption));
        menu->setObjectName(QString::fromLatin1(entry.name));
        built.append(menu);
    }
    QList<int> counts(built.size(), 0);
    for (const Item& item : items) {
        QAction* action = built[item.menu]->addAction(tr(item.caption));
        action->setObjectName(QString::fromLatin1(menus[item.menu].itemArray) +
                              QString::number(counts[item.menu]++));
        action->setEnabled(item.available);
        giveKeys(action, item.keys);
        if (item.handler)
            connect(action, &QAction::triggered, this, item.handler);
    }
    // The one item that is a switch: a click changes it, start-up and the settings show it.
    auto* colours = built[2]->actions().constLast();
    colours->setProperty("switches", QStringLiteral("systemColours"));
    colours->setCheckable(true);
    connect(colours, &QAction::triggered, this, &MainWindow::chooseSystemColours);

    // Refresh's standard keys include Ctrl+R on some desktops, which checks for replies here.
    struct Command {
        const char* name;
        const char* caption;
        std::function<void()> handler;
        Keys keys;
    };
    const Command commands[] = {
        {"copyMessageAction", "Copy", [this] { copyMessage(); },
         keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {"addressBoxAction", "Address", [this] { focusAddressBox(); },
         keys(Qt::CTRL | Qt::Key_L, Qt::Key_F6)},
        {"refreshAction", "Refresh", [this] { m_browserPage.reload(); }, keys(Qt::Key_F5)},
        {"backAction", "Back", [this] { m_browserPage.goBack(); },
         keys(QKeySequence::Back, Qt::ALT | Qt::Key_Left)},
        {"forwardAction", "Forward", [this] { m_browserPage.goForward(); },
         keys(QKeySequence::Forward, Qt::ALT | Qt::Key_Right)},
        {"stopAction", "Stop", [this] { m_browserPage.stop(); },
         keys(QKeySequence::Cancel, Qt::Key_Escape)},
    };
    for (const Command& command : commands) {
        auto* action = new QAction(QString::fromLatin1(command.caption), this);
        action->setObjectName(QString::fromLatin1(command.name));
        giveKeys(action, command.keys);
        connect(action, &QAction::triggered, this, command.handler);
        addAction(action);
    }
}

void MainWindow::focusAddressBox() {
    if (auto* box = findChild<QLineEdit*>(QStringLiteral("Text5"))) {
        box->setFocus(Qt::ShortcutFocusReason);
        box->selectAll();
    }
}

} // namespace quillbox

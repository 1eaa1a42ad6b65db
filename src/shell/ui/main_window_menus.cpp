// The menu bar. One table names every menu item, its handler, its keys and whether it is
// available yet; items are found by name (the menu's item array and index, as objectName), never
// by position. Keys that have no menu item (Copy, and the browser pane's) are actions of the
// window with a name of their own.
#include "browser/ui/browser_pane.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"
#include "shell/ui/posting_controls.h"
#include "widgets/window_keys.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QtGlobal>

namespace quillbox {

namespace {

struct MenuBarEntry {
    const char* name;
    const char* caption;
    const char* itemArray;
};

constexpr MenuBarEntry menus[] = {
    {"fileMenu", QT_TRANSLATE_NOOP("quillbox::MainWindow", "&File"), "fileMenuItem"},
    {"toolsMenu", QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Tools"), "toolsMenuItem"},
    {"viewMenu", QT_TRANSLATE_NOOP("quillbox::MainWindow", "&View"), "viewMenuItem"},
    {"aboutMenu", QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Help"), "aboutMenuItem"},
    {"mnuAbout", QT_TRANSLATE_NOOP("quillbox::MainWindow", "About"), "mnuAboutItem"},
};

// The items that are switches, each found by its caption's own constant.
constexpr const char* systemColoursCaption =
    QT_TRANSLATE_NOOP("quillbox::MainWindow", "Use the system's colours");
constexpr const char* wholeLinksCaption =
    QT_TRANSLATE_NOOP("quillbox::MainWindow", "Link &Whole Addresses");
constexpr const char* keyringCaption =
    QT_TRANSLATE_NOOP("quillbox::MainWindow", "Keep forum passwords in the desktop &keyring");

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
        {0, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&New Message"), [this] { newMessage(); },
         true, keys(QKeySequence::New, Qt::CTRL | Qt::Key_N)},
        {0, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Save Message"), [this] { saveMessage(); },
         true, keys(QKeySequence::Save, Qt::CTRL | Qt::Key_S)},
        {0, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Load Message"), [this] { loadMessage(); },
         true, keys(QKeySequence::Open, Qt::CTRL | Qt::Key_O)},
        {0, QT_TRANSLATE_NOOP("quillbox::MainWindow", "E&xit"), [this] { exitProgram(); }, true,
         keys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q)},
        // Print's key, but the program prints nothing: Preview shows what would be posted.
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Preview"), [this] { previewMessage(); },
         true, keys(Qt::CTRL | Qt::Key_P)},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "Auto &Insert"), [this] { autoInsert(); },
         true, keys(Qt::CTRL | Qt::Key_I)},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Check Replies"),
         [this] { listsPane->checkReplies(); }, true, keys(Qt::CTRL | Qt::Key_R)},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Options"), [this] { openTemplateEditor(); },
         true},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "Paste Message"), [this] { pasteMessage(); },
         true},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "Paste Subject"), [this] { pasteSubject(); },
         true},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "Paste Username"),
         [this] { pasteUserName(); }, true},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "Paste Password"),
         [this] { pastePassword(); }, true},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Mark as Read"),
         [this] { listsPane->markSelectedRead(); }, true},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "Mark &All as Read"),
         [this] { listsPane->markAllRead(); }, true},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "Reply Check Se&ttings..."),
         [this] { listsPane->openReplyCheckOptions(); }, true},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "Post to &Selected Forums"),
         [this] { posting->postToSelectedForums(); }, true},
        {1, QT_TRANSLATE_NOOP("quillbox::MainWindow", "Use Current Page as &Posting Page"),
         [this] { listsPane->useCurrentPageAsPostingPage(); }, true},
        {1, wholeLinksCaption, nullptr, true},
        {1, keyringCaption, nullptr, true},
        {2, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Saved Messages"), [this] { loadMessage(); },
         true},
        {2, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&All posts"),
         [this] { listsPane->showAllPosts(); }, true},
        {2, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Replies"),
         [this] { listsPane->showNewReplies(); }, true},
        {2, QT_TRANSLATE_NOOP("quillbox::MainWindow", "&Templates"),
         [this] { openTemplateEditor(); }, true},
        {2, QT_TRANSLATE_NOOP("quillbox::MainWindow", "Post &History"),
         [this] { posting->showPostHistory(); }, true},
        {2, systemColoursCaption, nullptr, true},
        {3, QT_TRANSLATE_NOOP("quillbox::MainWindow", "View &Help"), [this] { showHelpWindow(); },
         true, keys(QKeySequence::HelpContents, Qt::Key_F1)},
        {4, QT_TRANSLATE_NOOP("quillbox::MainWindow", "About this software"),
         [this] { showAboutWindow(); }, true},
    };

    QMenuBar* bar = menuBar();
    QList<QMenu*> built;
    for (const MenuBarEntry& entry : menus) {
        QMenu* menu = bar->addMenu(tr(entry.caption));
        menu->setObjectName(QString::fromLatin1(entry.name));
        built.append(menu);
    }
    QList<int> counts(built.size(), 0);
    QAction* colours = nullptr;
    QAction* wholeLinks = nullptr;
    QAction* keyring = nullptr;
    for (const Item& item : items) {
        QAction* action = built[item.menu]->addAction(tr(item.caption));
        action->setObjectName(QString::fromLatin1(menus[item.menu].itemArray) +
                              QString::number(counts[item.menu]++));
        action->setEnabled(item.available);
        giveKeys(action, item.keys);
        if (item.handler)
            connect(action, &QAction::triggered, this, item.handler);
        if (item.caption == systemColoursCaption)
            colours = action;
        if (item.caption == wholeLinksCaption)
            wholeLinks = action;
        if (item.caption == keyringCaption)
            keyring = action;
    }
    // The switch: a click changes it, start-up and the settings show it.
    colours->setProperty("switches", QStringLiteral("systemColours"));
    colours->setCheckable(true);
    connect(colours, &QAction::triggered, this, &MainWindow::chooseSystemColours);
    // The same choice as the template editor's box; whichever changes it, both show it.
    wholeLinks->setProperty("switches", QStringLiteral("wholeLinks"));
    wholeLinks->setCheckable(true);
    connect(wholeLinks, &QAction::triggered, this, &MainWindow::chooseWholeLinks);
    makeKeyringSwitch(keyring);

    auto* copy = new QAction(QStringLiteral("Copy"), this);
    copy->setObjectName(QStringLiteral("copyMessageAction"));
    giveKeys(copy, keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copy, &QAction::triggered, this, &MainWindow::copyMessage);
    addAction(copy);
    browserPane->addKeyboardCommands(this);
}

} // namespace quillbox

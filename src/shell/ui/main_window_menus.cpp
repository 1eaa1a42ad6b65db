// The menu bar. One table names every menu item, its handler and whether it is available yet;
// items are found by name (the menu's item array and index, as objectName), never by position.
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"

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

} // namespace

void MainWindow::buildMenus() {
    // Items that repeat a button run the same handler as the button.
    struct Item {
        int menu;
        const char* caption;
        std::function<void()> handler;
        bool available;
    };
    const Item items[] = {
        {0, "&New Message", [this] { newMessage(); }, true},
        {0, "&Save Message", [this] { saveMessage(); }, true},
        {0, "&Load Message", [this] { loadMessage(); }, true},
        {0, "E&xit", [this] { exitProgram(); }, true},
        {1, "&Preview", [this] { previewMessage(); }, true},
        {1, "Auto &Insert", [this] { autoInsert(); }, true},
        {1, "&Check Replies", [this] { listsPane->checkReplies(); }, true},
        {1, "&Options", [this] { openTemplateEditor(); }, true},
        {1, "Paste Message", [this] { pasteMessage(); }, true},
        {1, "Paste Subject", [this] { pasteSubject(); }, true},
        {1, "Paste Username", [this] { pasteUserName(); }, true},
        {1, "Paste Password", [this] { pastePassword(); }, true},
        {1, "&Mark as Read", [this] { listsPane->markSelectedRead(); }, true},
        {1, "Mark &All as Read", [this] { listsPane->markAllRead(); }, true},
        {1, "Reply Check Se&ttings...", [this] { listsPane->openReplyCheckOptions(); }, true},
        {2, "&Saved Messages", [this] { loadMessage(); }, true},
        {2, "&All posts", [this] { listsPane->showAllPosts(); }, true},
        {2, "&Replies", [this] { listsPane->showNewReplies(); }, true},
        {2, "&Templates", [this] { openTemplateEditor(); }, true},
        {3, "View &Help", [this] { showHelpWindow(); }, true},
        {4, "About this software", [this] { showAboutWindow(); }, true},
    };

    QMenuBar* bar = menuBar();
    QList<QMenu*> built;
    for (const MenuBarEntry& entry : menus) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(entry.caption));
        menu->setObjectName(QString::fromLatin1(entry.name));
        built.append(menu);
    }
    QList<int> counts(built.size(), 0);
    for (const Item& item : items) {
        QAction* action = built[item.menu]->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(menus[item.menu].itemArray) +
                              QString::number(counts[item.menu]++));
        action->setEnabled(item.available);
        connect(action, &QAction::triggered, this, item.handler);
    }
}

} // namespace quillbox

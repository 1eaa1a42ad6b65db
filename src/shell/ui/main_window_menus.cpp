// The menu bar. One table names every menu item, its handler and whether it is available yet;
// items are found by name (the menu's item array and index, as objectName), never by position.
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
        void (MainWindow::*handler)();
        bool available;
    };
    const Item items[] = {
        {0, "&New Message", &MainWindow::newMessage, true},
        {0, "&Save Message", &MainWindow::saveMessage, true},
        {0, "&Load Message", &MainWindow::loadMessage, true},
        {0, "E&xit", &MainWindow::exitProgram, true},
        {1, "&Preview", &MainWindow::previewMessage, true},
        {1, "Auto &Insert", &MainWindow::autoInsert, true},
        {1, "&Check Replies", &MainWindow::checkReplies, true},
        {1, "&Options", &MainWindow::openTemplateEditor, true},
        {1, "Paste Message", &MainWindow::pasteMessage, true},
        {1, "Paste Subject", &MainWindow::pasteSubject, true},
        {1, "Paste Username", &MainWindow::pasteUserName, true},
        {1, "Paste Password", &MainWindow::pastePassword, true},
        {1, "&Mark as Read", &MainWindow::markSelectedRead, true},
        {1, "Mark &All as Read", &MainWindow::markAllRead, true},
        {1, "Reply Check Se&ttings...", &MainWindow::openReplyCheckOptions, true},
        {2, "&Saved Messages", &MainWindow::loadMessage, true},
        {2, "&All posts", &MainWindow::showAllPosts, true},
        {2, "&Replies", &MainWindow::showNewReplies, true},
        {2, "&Templates", &MainWindow::openTemplateEditor, true},
        {3, "View &Help", &MainWindow::showHelpWindow, true},
        {4, "About this software", &MainWindow::showAboutWindow, true},
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
        if (item.handler)
            connect(action, &QAction::triggered, this, item.handler);
    }
}

} // namespace quillbox

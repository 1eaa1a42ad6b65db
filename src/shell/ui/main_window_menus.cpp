// The menu bar: five menus whose items form index-addressed arrays, one handler per menu.
#include "shell/ui/main_window.h"

#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

namespace quillbox {

namespace {

QList<QAction*> addItems(QMenu* menu, const char* arrayName, const QStringList& captions) {
    QList<QAction*> items;
    for (int i = 0; i < captions.size(); ++i) {
        QAction* a = menu->addAction(captions[i]);
        a->setObjectName(QString::fromLatin1(arrayName) + QString::number(i));
        a->setData(i);
        items.append(a);
    }
    return items;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    fileMenu = addMenu(bar, "fileMenu", QStringLiteral("&File"));
    fileMenuItem = addItems(fileMenu, "fileMenuItem",
                            {QStringLiteral("&New Message"), QStringLiteral("&Save Message"),
                             QStringLiteral("&Load Message"), QStringLiteral("E&xit")});
    toolsMenu = addMenu(bar, "toolsMenu", QStringLiteral("&Tools"));
    toolsMenuItem = addItems(toolsMenu, "toolsMenuItem",
                             {QStringLiteral("&Preview"), QStringLiteral("Auto &Insert"),
                              QStringLiteral("&Check Replies"), QStringLiteral("&Options"),
                              QStringLiteral("Paste Message"), QStringLiteral("Paste Subject"),
                              QStringLiteral("Paste Username"), QStringLiteral("Paste Password")});
    viewMenu = addMenu(bar, "viewMenu", QStringLiteral("&View"));
    viewMenuItem = addItems(viewMenu, "viewMenuItem",
                            {QStringLiteral("&Saved Messages"), QStringLiteral("&All posts"),
                             QStringLiteral("&Replies"), QStringLiteral("&Templates")});
    aboutMenu = addMenu(bar, "aboutMenu", QStringLiteral("&Help"));
    aboutMenuItem = addItems(aboutMenu, "aboutMenuItem", {QStringLiteral("View &Help")});
    mnuAbout = addMenu(bar, "mnuAbout", QStringLiteral("About"));
    mnuAboutItem = addItems(mnuAbout, "mnuAboutItem", {QStringLiteral("About this software")});

    connect(fileMenu, &QMenu::triggered, this,
            [this](QAction* a) { fileMenuClicked(a->data().toInt()); });
    connect(toolsMenu, &QMenu::triggered, this,
            [this](QAction* a) { toolsMenuClicked(a->data().toInt()); });
    connect(viewMenu, &QMenu::triggered, this,
            [this](QAction* a) { viewMenuClicked(a->data().toInt()); });
}

void MainWindow::fileMenuClicked(int index) {
    switch (index) {
    case 0:
        newMessage();
        break;
    case 3:
        exitProgram();
        break;
    default:
        break; // saving and loading messages come with the saved-messages window
    }
}

void MainWindow::toolsMenuClicked(int index) {
    switch (index) {
    case 0:
        previewMessage();
        break;
    case 2:
        selectPostsTab(1);
        checkReplies();
        break;
    default:
        break;
    }
}

void MainWindow::viewMenuClicked(int index) {
    switch (index) {
    case 1:
        selectPostsTab(0);
        break;
    case 2:
        selectPostsTab(1);
        break;
    default:
        break;
    }
}

} // namespace quillbox

// The forum and watched-post lists of the main window: views on the program's models, their
// buttons, clicks and double-clicks, the logins of the forums, the reply check and marking new
// replies as read.
#include "browser/insert_follow_up.h"
#include "platform/browser_page.h"
#include "shell/program.h"
#include "shell/ui/main_window.h"
#include "store/records.h"
#include "watch/background_check.h"
#include "watch/fetch_messages.h"
#include "watch/post_measurer.h"
#include "watch/reply_check.h"
#include "watch/ui/reply_check_options.h"
#include "watch/ui/warning_icons.h"
#include "watch/watch_lists.h"

#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

namespace quillbox {

namespace {

int currentRow(const QListView* view) {
    return view->currentIndex().isValid() ? view->currentIndex().row() : -1;
}

QString rowText(const QListView* view, int row) {
    return view->model()->index(row, 0).data().toString();
}

} // namespace

void MainWindow::connectWatchLists() {
    WatchLists& lists = m_program.lists();
    forumList->setModel(&lists.forumModel());
    postList->setModel(new WarningIcons(&lists.threadModel(), postList));
    newRepliesList->setModel(&lists.newRepliesModel());

    connect(watchButton, &QToolButton::clicked, this, &MainWindow::watchThisPost);
    connect(unwatchButton, &QToolButton::clicked, this, &MainWindow::removeWatch);
    connect(addForumButton, &QPushButton::clicked, this, &MainWindow::addCurrentUrl);
    connect(removeForumButton, &QPushButton::clicked, this, &MainWindow::removeUrl);
    connect(checkRepliesButton, &QPushButton::clicked, &m_program.replyCheck(), &ReplyCheck::start);

    // A row counts as clicked whether the mouse or the keyboard selected it.
    connect(forumList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& at) { forumRowClicked(at.isValid() ? at.row() : -1); });
    connect(forumList, &QListView::clicked, this,
            [this](const QModelIndex& at) { forumRowClicked(at.row()); });
    connect(forumList, &QListView::doubleClicked, this,
            [this](const QModelIndex& at) { m_browserPage.navigate(at.data().toString()); });
    for (QListView* list : {postList, newRepliesList}) {
        connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, list](const QModelIndex& at) {
                    postRowClicked(list, at.isValid() ? at.row() : -1);
                });
        connect(list, &QListView::clicked, this,
                [this, list](const QModelIndex& at) { postRowClicked(list, at.row()); });
        connect(list, &QListView::doubleClicked, this,
                [this, list](const QModelIndex& at) { postRowDoubleClicked(list, at.row()); });
    }
    connect(userNameBox, &QLineEdit::textChanged, this, &MainWindow::storeLogin);
    connect(passwordBox, &QLineEdit::textChanged, this, &MainWindow::storeLogin);

    newRepliesList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(newRepliesList, &QListView::customContextMenuRequested, this,
            &MainWindow::showNewRepliesMenu);
    connect(&m_program, &Program::newRepliesNoticeActivated, this,
            &MainWindow::showNewRepliesFromNotice);
    // The window's check waits while the background check runs; the background check waits
    // for the window's (BackgroundCheck::poll).
    connect(&m_program.background(), &BackgroundCheck::runningChanged, this, [this](bool running) {
        checkRepliesButton->setEnabled(!running);
        checkRepliesButton->setToolTip(running ? QStringLiteral("Checking in the background...")
                                               : QString());
    });
}

void MainWindow::watchThisPost() {
    // The measurer refuses a page that is not on the web (the start page, about:, file:).
    m_program.measurer().watchPost(m_browserPage.currentUrl());
}

void MainWindow::removeWatch() {
    const int row = currentRow(postList);
    if (row < 0)
        return;
    // The removed row's neighbour is not clicked: after a removal no row is selected.
    m_quietSelection = true;
    m_program.lists().removePost(row);
    postList->setCurrentIndex({});
    m_quietSelection = false;
}

void MainWindow::addCurrentUrl() {
    WatchLists& lists = m_program.lists();
    const QString url = m_browserPage.currentUrl();
    if (lists.forumIndex(url) >= 0)
        return;
    if (!acceptWebAddress(url, m_program.messages()))
        return;
    // The new row is selected while it has no login yet, so the boxes keep their text; only then
    // does it get its empty login, which the boxes below rewrite only where they change.
    const int row = lists.appendForum(url, QString());
    forumList->setCurrentIndex(forumList->model()->index(row, 0));
    lists.setForumLogin(row, QStringLiteral("|"));
    userNameBox->setText(QStringLiteral("Enter Username"));
    passwordBox->clear();
}

void MainWindow::removeUrl() {
    const int row = currentRow(forumList);
    if (row < 0)
        return;
    m_quietSelection = true;
    m_program.lists().removeForum(row);
    forumList->setCurrentIndex({});
    m_quietSelection = false;
}

void MainWindow::forumRowClicked(int row) {
    const WatchLists& lists = m_program.lists();
    if (m_quietSelection || row < 0 || row >= lists.forumCount())
        return;
    const Forum& forum = lists.forums().at(row);
    setPanelText(2, forum.address);
    userNameBox->setEnabled(true);
    passwordBox->setEnabled(true);
    if (forum.login.isEmpty())
        return;
    const LoginParts parts = splitLogin(forum.login);
    userNameBox->setText(parts.userName);
    passwordBox->setText(parts.password);
}

void MainWindow::storeLogin() {
    const int row = currentRow(forumList);
    if (row < 0)
        return;
    m_program.lists().setForumLogin(row, joinLogin(userNameBox->text(), passwordBox->text()));
}

void MainWindow::postRowClicked(QListView* list, int row) {
    if (m_quietSelection || row < 0 || row >= list->model()->rowCount())
        return;
    setPanelText(2, rowText(list, row));
}

void MainWindow::postRowDoubleClicked(QListView* list, int row) {
    if (row < 0 || row >= list->model()->rowCount())
        return;
    // The page may show the message just posted: look for it in the next pages loaded.
    m_program.followUp().armFollowUp();
    m_browserPage.navigate(rowText(list, row));
}

void MainWindow::showNewRepliesMenu(const QPoint& at) {
    const QModelIndex item = newRepliesList->indexAt(at);
    if (item.isValid())
        newRepliesList->setCurrentIndex(item);
    QMenu menu(this);
    QAction* one =
        menu.addAction(QStringLiteral("Mark as Read"), this, &MainWindow::markSelectedRead);
    one->setEnabled(item.isValid());
    QAction* all =
        menu.addAction(QStringLiteral("Mark All as Read"), this, &MainWindow::markAllRead);
    all->setEnabled(newRepliesList->model()->rowCount() > 0);
    menu.exec(newRepliesList->viewport()->mapToGlobal(at));
}

void MainWindow::markSelectedRead() {
    const int row = currentRow(newRepliesList);
    if (row >= 0)
        m_program.lists().markAsRead(row);
}

void MainWindow::markAllRead() {
    WatchLists& lists = m_program.lists();
    for (int row = int(lists.newReplies().size()) - 1; row >= 0; --row)
        lists.markAsRead(row);
}

void MainWindow::openReplyCheckOptions() {
    ReplyCheckOptions dialog(this);
    AppSettings& settings = m_program.settings();
    dialog.setIntervalHours(settings.get(keys::replyCheckHours));
    dialog.setCheckAsLoggedIn(settings.get(keys::checkAsLoggedIn));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The background check and the cookie jar follow the settings.
    m_program.keep(settings.set(keys::replyCheckHours, dialog.intervalHours()) &&
                   settings.set(keys::checkAsLoggedIn, dialog.checkAsLoggedIn()));
}

void MainWindow::showNewRepliesFromNotice() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    listsTabs->setCurrentIndex(1);
    showNewReplies();
}

} // namespace quillbox

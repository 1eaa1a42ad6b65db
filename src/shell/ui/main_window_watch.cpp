// The forum and watched-post lists of the main window: their buttons, clicks and double-clicks,
// the logins of the forums, and the reply check.
#include "browser/insert_follow_up.h"
#include "platform/browser_page.h"
#include "shell/session.h"
#include "shell/ui/main_window.h"
#include "store/records.h"
#include "watch/fetch_messages.h"
#include "watch/page_fetcher.h"
#include "watch/post_measurer.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace quillbox {

namespace {

void fillList(QListWidget* list, const QStringList& rows) {
    list->clear();
    list->addItems(rows);
}

QStringList addresses(const QList<WatchedPost>& posts) {
    QStringList out;
    for (const WatchedPost& p : posts)
        out << p.address;
    return out;
}

QStringList addresses(const QList<Forum>& forums) {
    QStringList out;
    for (const Forum& f : forums)
        out << f.address;
    return out;
}

} // namespace

void MainWindow::connectWatchLists() {
    WatchLists* w = &m_watch;
    // The list widgets show the records row for row.
    connect(w, &WatchLists::postsReset, this,
            [this] { fillList(postList, addresses(m_watch.posts())); });
    connect(w, &WatchLists::postAppended, this,
            [this](int row) { postList->insertItem(row, m_watch.posts().at(row).address); });
    connect(w, &WatchLists::postRemoved, this, [this](int row) { delete postList->takeItem(row); });
    connect(w, &WatchLists::forumsReset, this,
            [this] { fillList(forumList, addresses(m_watch.forums())); });
    connect(w, &WatchLists::forumAppended, this,
            [this](int row) { forumList->insertItem(row, m_watch.forums().at(row).address); });
    connect(w, &WatchLists::forumRemoved, this,
            [this](int row) { delete forumList->takeItem(row); });
    connect(w, &WatchLists::newRepliesCleared, newRepliesList, &QListWidget::clear);
    connect(w, &WatchLists::newReplyAdded, this,
            [this](int row) { newRepliesList->insertItem(row, m_watch.newReplies().at(row)); });

    for (PageFetcher* fetcher : {&m_sizesFetcher, &m_postsFetcher})
        connect(fetcher, &PageFetcher::panelText, this, &MainWindow::setPanelText);
    connect(&m_measurer, &PostMeasurer::panelText, this, &MainWindow::setPanelText);
    connect(&m_replyCheck, &ReplyCheck::panelText, this, &MainWindow::setPanelText);

    connect(watchButton, &QToolButton::clicked, this, &MainWindow::watchThisPost);
    connect(unwatchButton, &QToolButton::clicked, this, &MainWindow::removeWatch);
    connect(addForumButton, &QPushButton::clicked, this, &MainWindow::addCurrentUrl);
    connect(removeForumButton, &QPushButton::clicked, this, &MainWindow::removeUrl);
    connect(checkRepliesButton, &QPushButton::clicked, &m_replyCheck, &ReplyCheck::start);

    // A row counts as clicked whether the mouse or the keyboard selected it.
    connect(forumList, &QListWidget::currentRowChanged, this, &MainWindow::forumRowClicked);
    connect(forumList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { forumRowClicked(forumList->row(item)); });
    connect(forumList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { m_browserPage.navigate(item->text()); });
    for (QListWidget* list : {postList, newRepliesList}) {
        connect(list, &QListWidget::currentRowChanged, this,
                [this, list](int row) { postRowClicked(list, row); });
        connect(list, &QListWidget::itemClicked, this,
                [this, list](QListWidgetItem* item) { postRowClicked(list, list->row(item)); });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, list](QListWidgetItem* item) {
            postRowDoubleClicked(list, list->row(item));
        });
    }
    connect(userNameBox, &QLineEdit::textChanged, this, &MainWindow::storeLogin);
    connect(passwordBox, &QLineEdit::textChanged, this, &MainWindow::storeLogin);
}

void MainWindow::watchThisPost() {
    // The measurer refuses a page that is not on the web (the start page, about:, file:).
    m_measurer.watchPost(m_browserPage.currentUrl());
}

void MainWindow::removeWatch() {
    const int row = postList->currentRow();
    if (row < 0)
        return;
    // The removed row's neighbour is not clicked: after a removal no row is selected.
    m_quietSelection = true;
    m_watch.removePost(row);
    postList->setCurrentRow(-1);
    m_quietSelection = false;
}

void MainWindow::addCurrentUrl() {
    const QString url = m_browserPage.currentUrl();
    if (m_watch.forumIndex(url) >= 0)
        return;
    if (!acceptWebAddress(url, m_session.messages()))
        return;
    // The new row is selected while it has no login yet, so the boxes keep their text; only then
    // does it get its empty login, which the boxes below rewrite only where they change.
    const int row = m_watch.appendForum(url, QString());
    forumList->setCurrentRow(row);
    m_watch.setForumLogin(row, QStringLiteral("|"));
    userNameBox->setText(QStringLiteral("Enter Username"));
    passwordBox->clear();
}

void MainWindow::removeUrl() {
    const int row = forumList->currentRow();
    if (row < 0)
        return;
    m_quietSelection = true;
    m_watch.removeForum(row);
    forumList->setCurrentRow(-1);
    m_quietSelection = false;
}

void MainWindow::forumRowClicked(int row) {
    if (m_quietSelection || row < 0 || row >= m_watch.forumCount())
        return;
    const Forum& forum = m_watch.forums().at(row);
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
    const int row = forumList->currentRow();
    if (row < 0)
        return;
    m_watch.setForumLogin(row, joinLogin(userNameBox->text(), passwordBox->text()));
}

void MainWindow::postRowClicked(QListWidget* list, int row) {
    if (m_quietSelection || row < 0 || row >= list->count())
        return;
    setPanelText(2, list->item(row)->text());
}

void MainWindow::postRowDoubleClicked(QListWidget* list, int row) {
    if (row < 0 || row >= list->count())
        return;
    // The page may show the message just posted: look for it in the next pages loaded.
    m_followUp->armFollowUp();
    m_browserPage.navigate(list->item(row)->text());
}

} // namespace quillbox

// The forum and watched-post lists of the main window: their buttons, clicks and double-clicks,
// the logins of the forums, and the reply check.
#include "platform/browser_page.h"
#include "shell/ui/main_window.h"
#include "store/records.h"
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
    WatchLists* w = m_watch.get();
    // The list widgets show the records row for row.
    connect(w, &WatchLists::postsReset, this,
            [this] { fillList(lstPosts, addresses(m_watch->posts())); });
    connect(w, &WatchLists::postAppended, this,
            [this](int row) { lstPosts->insertItem(row, m_watch->posts().at(row).address); });
    connect(w, &WatchLists::postRemoved, this, [this](int row) { delete lstPosts->takeItem(row); });
    connect(w, &WatchLists::forumsReset, this,
            [this] { fillList(lstPosts2, addresses(m_watch->forums())); });
    connect(w, &WatchLists::forumAppended, this,
            [this](int row) { lstPosts2->insertItem(row, m_watch->forums().at(row).address); });
    connect(w, &WatchLists::forumRemoved, this,
            [this](int row) { delete lstPosts2->takeItem(row); });
    connect(w, &WatchLists::newRepliesCleared, lstNew, &QListWidget::clear);
    connect(w, &WatchLists::newReplyAdded, this,
            [this](int row) { lstNew->insertItem(row, m_watch->newReplies().at(row)); });

    for (PageFetcher* fetcher : {wscSizes.get(), wscPosts.get()})
        connect(fetcher, &PageFetcher::panelText, this, &MainWindow::setPanelText);
    connect(m_measurer.get(), &PostMeasurer::panelText, this, &MainWindow::setPanelText);
    connect(m_replyCheck.get(), &ReplyCheck::panelText, this, &MainWindow::setPanelText);

    connect(cmdAdd, &QToolButton::clicked, this, &MainWindow::watchThisPost);
    connect(cmdDel, &QToolButton::clicked, this, &MainWindow::removeWatch);
    connect(cmdAdd2, &QPushButton::clicked, this, &MainWindow::addCurrentUrl);
    connect(cmdDel2, &QPushButton::clicked, this, &MainWindow::removeUrl);
    connect(cmdReplies, &QPushButton::clicked, m_replyCheck.get(), &ReplyCheck::start);

    // A row counts as clicked whether the mouse or the keyboard selected it.
    connect(lstPosts2, &QListWidget::currentRowChanged, this, &MainWindow::forumRowClicked);
    connect(lstPosts2, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { forumRowClicked(lstPosts2->row(item)); });
    connect(lstPosts2, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { m_browserPage->navigate(item->text()); });
    for (QListWidget* list : {lstPosts, lstNew}) {
        connect(list, &QListWidget::currentRowChanged, this,
                [this, list](int row) { postRowClicked(list, row); });
        connect(list, &QListWidget::itemClicked, this,
                [this, list](QListWidgetItem* item) { postRowClicked(list, list->row(item)); });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, list](QListWidgetItem* item) {
            postRowDoubleClicked(list, list->row(item));
        });
    }
    connect(txtUsername, &QLineEdit::textChanged, this, &MainWindow::storeLogin);
    connect(txtPassword, &QLineEdit::textChanged, this, &MainWindow::storeLogin);
}

void MainWindow::watchThisPost() {
    const QString url = m_browserPage->currentUrl();
    // Before the browser has shown any page there is nothing to watch.
    if (url.isEmpty())
        return;
    m_measurer->watchPost(url);
}

void MainWindow::removeWatch() {
    const int row = lstPosts->currentRow();
    if (row < 0)
        return;
    // The removed row's neighbour is not clicked: after a removal no row is selected.
    m_quietSelection = true;
    m_watch->removePost(row);
    lstPosts->setCurrentRow(-1);
    m_quietSelection = false;
}

void MainWindow::addCurrentUrl() {
    const QString url = m_browserPage->currentUrl();
    if (url.isEmpty() || m_watch->forumIndex(url) >= 0)
        return;
    const int row = m_watch->appendForum(url);
    lstPosts2->setCurrentRow(row);
    txtUsername->setText(QStringLiteral("Enter Username"));
    txtPassword->clear();
}

void MainWindow::removeUrl() {
    const int row = lstPosts2->currentRow();
    if (row < 0)
        return;
    m_quietSelection = true;
    m_watch->removeForum(row);
    lstPosts2->setCurrentRow(-1);
    m_quietSelection = false;
}

void MainWindow::forumRowClicked(int row) {
    if (m_quietSelection || row < 0 || row >= m_watch->forumCount())
        return;
    const Forum& forum = m_watch->forums().at(row);
    setPanelText(2, forum.address);
    txtUsername->setEnabled(true);
    txtPassword->setEnabled(true);
    if (forum.login.isEmpty())
        return;
    const LoginParts parts = splitLogin(forum.login);
    txtUsername->setText(parts.userName);
    txtPassword->setText(parts.password);
}

void MainWindow::storeLogin() {
    const int row = lstPosts2->currentRow();
    if (row < 0)
        return;
    m_watch->setForumLogin(row, joinLogin(txtUsername->text(), txtPassword->text()));
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
    m_insertWatchCount = 4;
    m_browserPage->navigate(list->item(row)->text());
}

} // namespace quillbox

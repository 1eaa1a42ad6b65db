// The lists pane's right-click menus and their commands; removing a row, and putting back the
// row removed last.
#include "platform/browser_page.h"
#include "platform/clipboard.h"
#include "shell/program.h"
#include "shell/ui/lists_pane.h"
#include "watch/forum_model.h"
#include "watch/shown_address.h"
#include "watch/thread_model.h"
#include "watch/watch_lists.h"

#include <QLineEdit>
#include <QListView>
#include <QMenu>

namespace quillbox {

void ListsPane::removeWatch() {
    const int row = postList->currentIndex().isValid() ? postList->currentIndex().row() : -1;
    if (row < 0)
        return;
    // The removed row's neighbour is not clicked: after a removal no row is selected.
    m_quietSelection = true;
    m_program.removeThread(row);
    postList->setCurrentIndex({});
    m_quietSelection = false;
}

void ListsPane::removeUrl() {
    const int row = forumList->currentIndex().isValid() ? forumList->currentIndex().row() : -1;
    if (row < 0)
        return;
    m_quietSelection = true;
    m_program.removeForum(row);
    forumList->setCurrentIndex({});
    // The boxes no longer belong to any forum: they show no one's login.
    userNameBox->clear();
    passwordBox->clear();
    m_quietSelection = false;
}

void ListsPane::showPostMenu(const QPoint& at) {
    const QModelIndex item = postList->indexAt(at);
    if (item.isValid())
        postList->setCurrentIndex(item);
    const QString address = item.data(ThreadModel::AddressRole).toString();
    const bool unread = item.data(ThreadModel::UnreadRole).toBool();
    const WatchLists::PostId id = item.data(ThreadModel::PostIdRole).value<WatchLists::PostId>();
    QMenu menu(this);
    menu.addAction(tr("Open"), this, [this, item] { postRowDoubleClicked(postList, item.row()); })
        ->setEnabled(item.isValid());
    menu.addAction(tr("Copy Address"), this, [this, address] { m_clipboard.setText(address); })
        ->setEnabled(item.isValid());
    menu.addAction(tr("Mark as Read"), this, [this, id] { m_program.markThreadRead(id); })
        ->setEnabled(unread);
    const QString movedTo = item.data(ThreadModel::MovedToRole).toString();
    if (!movedTo.isEmpty()) {
        menu.addAction(tr("Watch the New Address"), this,
                       [this, id] { m_program.watchMovedThread(id); })
            ->setToolTip(shownAddress(movedTo));
    }
    menu.addAction(tr("Remove Watch"), this, &ListsPane::removeWatch)->setEnabled(item.isValid());
    menu.exec(postList->viewport()->mapToGlobal(at));
}

void ListsPane::showForumMenu(const QPoint& at) {
    const QModelIndex item = forumList->indexAt(at);
    if (item.isValid())
        forumList->setCurrentIndex(item);
    const QString address = item.data(ForumModel::AddressRole).toString();
    const QString postingPage = item.data(ForumModel::PostingPageRole).toString();
    QMenu menu(this);
    menu.addAction(tr("Open"), this, [this, address] { m_page.navigate(address); })
        ->setEnabled(item.isValid());
    menu.addAction(tr("Open Posting Page"), this,
                   [this, postingPage] { m_page.navigate(postingPage); })
        ->setEnabled(!postingPage.isEmpty());
    menu.addAction(tr("Use Current Page as Posting Page"), this,
                   &ListsPane::useCurrentPageAsPostingPage)
        ->setEnabled(item.isValid());
    menu.addAction(tr("Copy Address"), this, [this, address] { m_clipboard.setText(address); })
        ->setEnabled(item.isValid());
    menu.addAction(tr("Rename"), this, &ListsPane::renameForum)->setEnabled(item.isValid());
    menu.addAction(tr("Remove"), this, &ListsPane::removeUrl)->setEnabled(item.isValid());
    menu.exec(forumList->viewport()->mapToGlobal(at));
}

void ListsPane::renameForum() {
    const QModelIndex current = forumList->currentIndex();
    if (current.isValid())
        forumList->edit(current);
}

void ListsPane::showNewRepliesMenu(const QPoint& at) {
    const QModelIndex item = newRepliesList->indexAt(at);
    if (item.isValid())
        newRepliesList->setCurrentIndex(item);
    QMenu menu(this);
    QAction* one = menu.addAction(tr("Mark as Read"), this, &ListsPane::markSelectedRead);
    one->setEnabled(item.isValid());
    QAction* all = menu.addAction(tr("Mark All as Read"), this, &ListsPane::markAllRead);
    all->setEnabled(newRepliesList->model()->rowCount() > 0);
    menu.exec(newRepliesList->viewport()->mapToGlobal(at));
}

void ListsPane::markSelectedRead() {
    const QModelIndex current = newRepliesList->currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    if (row >= 0)
        m_program.markRead(row);
}

void ListsPane::markAllRead() {
    m_program.markAllRead();
}

} // namespace quillbox

// The new replies beyond the window's own check: marking them as read, what the rows of the
// watched threads tell in their tooltips, the background check and its settings.
#include "platform/notifier.h"
#include "shell/session.h"
#include "shell/ui/main_window.h"
#include "watch/background_check.h"
#include "watch/post_summary.h"
#include "watch/thread_cookie_jar.h"
#include "watch/ui/reply_check_options.h"
#include "watch/watch_lists.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <algorithm>

namespace quillbox {

void MainWindow::connectReplies() {
    WatchLists* w = &m_watch;
    // Connected after the lists' own handlers, so the rows exist when they are described.
    connect(w, &WatchLists::postsReset, this, [this] {
        for (int row = 0; row < postList->count(); ++row)
            refreshPostRow(row);
    });
    connect(w, &WatchLists::postAppended, this, &MainWindow::refreshPostRow);
    connect(w, &WatchLists::postSizeChanged, this, &MainWindow::refreshPostRow);
    connect(w, &WatchLists::postCheckChanged, this, [this](int row) {
        refreshPostRow(row);
        const int newRow = m_watch.newReplyRow(m_watch.postId(row));
        if (newRow >= 0)
            refreshNewReplyRow(newRow);
    });
    connect(w, &WatchLists::newReplyAdded, this, &MainWindow::refreshNewReplyRow);
    connect(w, &WatchLists::newReplyRemoved, this,
            [this](int row) { delete newRepliesList->takeItem(row); });

    newRepliesList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(
        newRepliesList, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
            QListWidgetItem* item = newRepliesList->itemAt(at);
            if (item)
                newRepliesList->setCurrentItem(item);
            QMenu menu(this);
            QAction* one =
                menu.addAction(QStringLiteral("Mark as Read"), this, &MainWindow::markSelectedRead);
            one->setEnabled(item != nullptr);
            QAction* all =
                menu.addAction(QStringLiteral("Mark All as Read"), this, &MainWindow::markAllRead);
            all->setEnabled(newRepliesList->count() > 0);
            menu.exec(newRepliesList->viewport()->mapToGlobal(at));
        });

    if (m_cookies)
        m_cookies->setEnabled(m_session.settings().checkAsLoggedIn());
    if (m_notifier)
        m_notifier->setActivationHandler([this] { showNewRepliesFromNotice(); });
    if (!m_background)
        return;
    // The time the schedule counts from is kept whenever it moves, so a restart goes on from it.
    connect(m_background, &BackgroundCheck::scheduleMoved, this, [this](const QDateTime& from) {
        m_session.settingsWritten(m_session.settings().setLastBackgroundCheck(from));
    });
    m_background->restoreSchedule(m_session.settings().replyCheckHours() * 60,
                                  m_session.settings().lastBackgroundCheck());
    // The window's check waits while the background check runs; the background check waits
    // for the window's (BackgroundCheck::poll).
    connect(m_background, &BackgroundCheck::runningChanged, this, [this](bool running) {
        checkRepliesButton->setEnabled(!running);
        checkRepliesButton->setToolTip(running ? QStringLiteral("Checking in the background...")
                                               : QString());
    });
    connect(m_background, &BackgroundCheck::checkFinished, this,
            [this](const QStringList& newlyFound) {
                setPanelText(1, QStringLiteral("background check - ") +
                                    QString::number(m_watch.newReplies().size()) +
                                    QStringLiteral(" new replies listed, ") +
                                    QString::number(newlyFound.size()) + QStringLiteral(" new"));
            });
}

void MainWindow::refreshPostRow(int row) {
    QListWidgetItem* item = postList->item(row);
    if (!item || row >= m_watch.postCount())
        return;
    const std::optional<PostCheck> check = m_watch.lastCheck(row);
    item->setToolTip(postToolTip(m_watch.posts().at(row), check));
    // The mark is an icon: the row's text stays the thread's address.
    const bool failed = check && check->outcome == CheckOutcome::Failed;
    item->setIcon(failed ? style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
    item->setData(Qt::UserRole, failed);
}

void MainWindow::refreshNewReplyRow(int row) {
    QListWidgetItem* item = newRepliesList->item(row);
    const int postRow = m_watch.rowOfPost(m_watch.newReplyPost(row));
    if (!item || postRow < 0)
        return;
    item->setToolTip(postToolTip(m_watch.posts().at(postRow), m_watch.lastCheck(postRow)));
}

void MainWindow::markSelectedRead() {
    const int row = newRepliesList->currentRow();
    if (row < 0)
        return;
    m_watch.markAsRead(row);
}

void MainWindow::markAllRead() {
    for (int row = int(m_watch.newReplies().size()) - 1; row >= 0; --row)
        m_watch.markAsRead(row);
}

void MainWindow::openReplyCheckOptions() {
    ReplyCheckOptions dialog(this);
    AppSettings& settings = m_session.settings();
    dialog.setIntervalMinutes(settings.replyCheckHours() * 60);
    dialog.setCheckAsLoggedIn(settings.checkAsLoggedIn());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int minutes = dialog.intervalMinutes();
    const bool loggedIn = dialog.checkAsLoggedIn();
    // The settings keep whole hours: a shorter interval is kept as one hour.
    const int hours = minutes <= 0 ? 0 : std::max(1, (minutes + 59) / 60);
    m_session.settingsWritten(settings.setReplyCheckHours(hours) &&
                              settings.setCheckAsLoggedIn(loggedIn));
    if (m_background)
        m_background->setIntervalMinutes(minutes);
    if (m_cookies)
        m_cookies->setEnabled(loggedIn);
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

// Posting to many forums in one pass, the post log and its history window.
#include "browser/auto_insert.h"
#include "browser/post_log.h"
#include "browser/post_queue.h"
#include "browser/ui/browser_pane.h"
#include "browser/ui/post_history_window.h"
#include "browser/ui/queue_strip.h"
#include "platform/browser_page.h"
#include "platform/clipboard.h"
#include "shell/main_layout.h"
#include "shell/program.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"
#include "skin/ui/apply_skin.h"
#include "watch/forum_match.h"
#include "watch/post_measurer.h"
#include "watch/watch_lists.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace quillbox {

void MainWindow::connectPosting() {
    PostQueue& queue = m_program.postQueue();
    queueStrip = new QueueStrip(queue, centralWidget());
    // The strip takes the top of the browser pane's place while a queue runs.
    connect(&queue, &PostQueue::changed, this, &MainWindow::layoutControls);
    connect(&queue, &PostQueue::finished, this, &MainWindow::layoutControls);
    connect(queuePostButton, &QPushButton::clicked, this, &MainWindow::postToSelectedForums);
    // The queue's insert goes through Auto-Insert, in the forum's format.
    connect(&queue, &PostQueue::insertRequested, this,
            [this](const QString&, const QString&, const QString& format) {
                const int row = formatBox->findText(format, Qt::MatchExactly);
                if (row >= 0)
                    formatBox->setCurrentIndex(row);
                m_autoInsert->insertMessage();
            });
    // A single Auto-Insert is logged once the follow-up knows where it went.
    connect(m_autoInsert.get(), &AutoInsert::finished, this, [this](bool inserted) {
        if (!inserted || m_program.postQueue().isRunning())
            return;
        const QString page = m_browserPage.currentUrl();
        const int forum = forumForPage(m_program.lists().forums(), page);
        const QString forumAddress =
            forum >= 0 ? m_program.lists().forums().at(forum).address : QString();
        m_program.singleInsertMade(forumAddress, page, subjectBox->text(),
                                   formatBox->currentText());
    });
}

void MainWindow::connectUndo() {
    // A removed forum or thread can be brought back for a few seconds from the status bar (and
    // with Ctrl+Z in its list), instead of a question before every removal.
    undoRemoveButton = new QPushButton(tr("Undo"), statusBar());
    undoRemoveButton->setObjectName(QStringLiteral("cmdUndoRemove"));
    undoRemoveButton->setAccessibleName(tr("Undo the removal"));
    undoRemoveButton->hide();
    statusBar()->addPermanentWidget(undoRemoveButton);
    undoTimer.setSingleShot(true);
    undoTimer.setInterval(8000);
    connect(&undoTimer, &QTimer::timeout, undoRemoveButton, &QWidget::hide);
    connect(listsPane, &ListsPane::rowRemoved, this, [this](const QString& what) {
        setPanelText(1, tr("Removed: ") + what);
        undoRemoveButton->show();
        undoTimer.start();
    });
    connect(undoRemoveButton, &QPushButton::clicked, this, [this] {
        listsPane->undoRemove();
        undoRemoveButton->hide();
    });
}

void MainWindow::placeQueueStrip() {
    const int height = queueStrip->isVisible() ? queueStrip->sizeHint().height() : 0;
    const int top = toPixels(this, design::frame2Top);
    if (height > 0) {
        queueStrip->setGeometry(browserPane->x(), top, browserPane->width(), height);
        queueStrip->raise();
    }
    browserPane->move(browserPane->x(), top + height);
    browserPane->resize(browserPane->width(), browserPane->height() - height);
}

void MainWindow::postToSelectedForums() {
    const WatchLists& lists = m_program.lists();
    QList<QueueForum> forums;
    for (int row : listsPane->selectedForums()) {
        const QString address = lists.forums().at(row).address;
        forums.append({address, siteHost(address).isEmpty() ? address : siteHost(address),
                       lists.forumModel().format(row), lists.forumModel().postingPage(row)});
    }
    if (forums.isEmpty()) {
        listsPane->showForums();
        setPanelText(1, tr("Select the forums to post to in Your Forums"));
        return;
    }
    m_program.postQueue().start(forums, subjectBox->text(), messageText());
}

void MainWindow::showPostHistory() {
    if (!postHistoryWindow) {
        postHistoryWindow = new PostHistoryWindow(this);
        applySkin(postHistoryWindow);
        postHistoryWindow->loadLog(m_program.dataFolder());
        connect(&m_program, &Program::postLogged, postHistoryWindow.data(),
                &PostHistoryWindow::addRecord);
        connect(postHistoryWindow.data(), &PostHistoryWindow::openRequested, &m_browserPage,
                &BrowserPage::navigate);
        connect(postHistoryWindow.data(), &PostHistoryWindow::copyAddressRequested, this,
                [this](const QString& address) { m_clipboard.setText(address); });
        connect(postHistoryWindow.data(), &PostHistoryWindow::watchAgainRequested, this,
                [this](const QString& thread) { m_program.measurer().watchPost(thread); });
    }
    postHistoryWindow->show();
    postHistoryWindow->raise();
    postHistoryWindow->activateWindow();
}

} // namespace quillbox

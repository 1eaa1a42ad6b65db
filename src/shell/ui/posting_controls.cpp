#include "shell/ui/posting_controls.h"

#include "browser/auto_insert.h"
#include "browser/post_log.h"
#include "browser/post_log_model.h"
#include "browser/post_queue.h"
#include "browser/ui/browser_pane.h"
#include "browser/ui/post_history_window.h"
#include "browser/ui/queue_strip.h"
#include "platform/browser_page.h"
#include "platform/clipboard.h"
#include "shell/program.h"
#include "shell/ui/lists_pane.h"
#include "skin/ui/apply_skin.h"
#include "watch/forum_model.h"
#include "watch/post_measurer.h"
#include "watch/watch_lists.h"
#include "widgets/on_top.h"
#include "widgets/placed_controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace quillbox {

PostingControls::PostingControls(const Parts& parts, QObject* parent)
    : QObject(parent), m_parts(parts) {
    // Beside Auto-Insert: the same message to every forum chosen, one after the other.
    m_queueButton = makeButton(parts.central, "cmdQueue", tr("Post to Selected Forums"),
                               tr("Post the message to each forum selected in Your "
                                  "Forums, one after the other."),
                               1740, 60, 1995, 375);
    connect(m_queueButton, &QPushButton::clicked, this, &PostingControls::postToSelectedForums);
    PostQueue& queue = parts.program.postQueue();
    m_strip = new QueueStrip(queue, parts.central);
    connect(&queue, &PostQueue::changed, this, &PostingControls::layoutNeeded);
    connect(&queue, &PostQueue::finished, this, &PostingControls::layoutNeeded);
    connect(m_strip, &QueueStrip::dismissed, this, &PostingControls::layoutNeeded);
    connect(m_strip, &QueueStrip::retrySkippedRequested, this, [this] {
        const PostQueue& queue = m_parts.program.postQueue();
        QStringList forums;
        for (const QueueForum& forum : queue.skippedForums())
            forums.append(forum.address);
        m_parts.program.retrySkipped(forums, queue.subject(), queue.message());
    });
    // The queue's insert goes through Auto-Insert, in the forum's format.
    connect(&queue, &PostQueue::insertRequested, this,
            [this](const QString&, const QString&, const QString& format) {
                const int row = m_parts.formatBox.findText(format, Qt::MatchExactly);
                if (row >= 0)
                    m_parts.formatBox.setCurrentIndex(row);
                m_parts.autoInsert.insertMessage();
            });
    // A single Auto-Insert is logged once the follow-up knows where it went.
    connect(&parts.autoInsert, &AutoInsert::finished, this, [this](bool inserted) {
        if (inserted)
            m_parts.program.singleInsertMade(m_parts.page.currentUrl(), m_parts.subjectBox.text(),
                                             m_parts.formatBox.currentText(),
                                             m_parts.autoInsert.subjectInserted());
        // A queue's insert went through the same button: its log says whether the subject did.
        m_parts.program.postQueue().insertMade(inserted && m_parts.autoInsert.subjectInserted());
    });
    connectUndo();
}

PostingControls::~PostingControls() {
    closeWindows();
}

void PostingControls::connectUndo() {
    // A removed forum or thread can be brought back for a few seconds from the status bar (and
    // with Ctrl+Z in its list), instead of a question before every removal.
    m_undoButton = new QPushButton(tr("Undo"), m_parts.statusBar);
    m_undoButton->setObjectName(QStringLiteral("cmdUndoRemove"));
    m_undoButton->setAccessibleName(tr("Undo the removal"));
    m_undoButton->hide();
    m_parts.statusBar->addPermanentWidget(m_undoButton);
    // It stays for as long as the removal can be undone: until the next change to the lists.
    connect(&m_parts.lists, &ListsPane::undoAvailable, m_undoButton, &QWidget::setVisible);
    connect(&m_parts.lists, &ListsPane::rowRemoved, this, [this](const QString& what) {
        //: The status bar after a row was removed from a list: %1 is the row.
        emit panelText(1, tr("Removed: %1").arg(what));
        m_undoButton->show();
    });
    connect(m_undoButton, &QPushButton::clicked, this, [this] { m_parts.lists.undoRemove(); });
}

void PostingControls::placeStrip(BrowserPane& pane, int top) {
    const int height = m_strip->isVisible() ? m_strip->sizeHint().height() : 0;
    if (height > 0) {
        m_strip->setGeometry(pane.x(), top, pane.width(), height);
        m_strip->raise();
    }
    pane.move(pane.x(), top + height);
    pane.resize(pane.width(), pane.height() - height);
}

void PostingControls::postToSelectedForums() {
    const QList<int> rows = m_parts.lists.selectedForums();
    if (rows.isEmpty()) {
        m_parts.lists.showForums();
        emit panelText(1, tr("Select the forums to post to in Your Forums"));
        return;
    }
    m_parts.program.postToForums(rows, m_parts.subjectBox.text(), m_parts.message());
}

void PostingControls::showPostHistory() {
    if (!m_history) {
        m_history = new PostHistoryWindow(m_parts.central->window());
        applySkin(m_history);
        m_history->restoreColumnWidths(m_parts.program.settings().get(keys::postHistoryColumns));
        m_history->loadLog(m_parts.program.dataFolder());
        // The forums' names as the list has them now, and as the user renames them.
        const auto names = [this] {
            QHash<QString, QString> out;
            const ForumModel& forums = m_parts.program.lists().forumModel();
            for (int row = 0; row < forums.rowCount(); ++row) {
                if (!forums.name(row).isEmpty())
                    out.insert(forums.forums().at(row).address, forums.name(row));
            }
            m_history->model().setForumNames(out);
        };
        names();
        const ForumModel& forums = m_parts.program.lists().forumModel();
        for (const auto signal :
             {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(&forums, signal, m_history.data(), names);
        connect(&forums, &QAbstractItemModel::dataChanged, m_history.data(), names);
        connect(&forums, &QAbstractItemModel::modelReset, m_history.data(), names);
        connect(m_history.data(), &PostHistoryWindow::columnsResized, this, [this] {
            m_parts.program.keep(m_parts.program.settings().set(keys::postHistoryColumns,
                                                                m_history->columnWidths()));
        });
        connect(&m_parts.program, &Program::postLogged, m_history.data(),
                &PostHistoryWindow::addRecord);
        connect(m_history.data(), &PostHistoryWindow::openRequested, &m_parts.page,
                &BrowserPage::navigate);
        connect(m_history.data(), &PostHistoryWindow::copyAddressRequested, this,
                [this](const QString& address) { m_parts.clipboard.setText(address); });
        connect(m_history.data(), &PostHistoryWindow::watchAgainRequested, this,
                [this](const QString& thread) { m_parts.program.measurer().watchPost(thread); });
        // A run's skipped forums get the message now in the editor: the log keeps no text.
        connect(m_history.data(), &PostHistoryWindow::retrySkippedRequested, this,
                [this](const QStringList& forums, const QString& subject) {
                    m_parts.program.retrySkipped(
                        forums, subject.isEmpty() ? m_parts.subjectBox.text() : subject,
                        m_parts.message ? m_parts.message() : QString());
                });
    }
    showAtFront(m_history);
}

void PostingControls::closeWindows() {
    // Closed first, so widths the user set are kept.
    if (m_history)
        m_history->close();
    delete m_history.data();
}

} // namespace quillbox

#include "shell/ui/posting_controls.h"

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
#include "watch/shown_address.h"
#include "watch/watch_lists.h"
#include "widgets/on_top.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace quillbox {

PostingControls::PostingControls(Program& program, BrowserPage& page, Clipboard& clipboard,
                                 ListsPane& lists, QWidget* parent)
    : QWidget(parent), m_program(program), m_page(page), m_clipboard(clipboard), m_lists(lists) {
    // Beside Auto-Insert: the same message to every forum chosen, one after the other.
    m_queueButton = new QPushButton(tr("Post to Selected Forums"), this);
    m_queueButton->setObjectName(QStringLiteral("cmdQueue"));
    m_queueButton->setToolTip(tr("Post the message to each forum selected in Your "
                                 "Forums, one after the other."));
    // The button fills the place the window gives this widget.
    m_queueButton->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_queueButton);
    connect(m_queueButton, &QPushButton::clicked, this, &PostingControls::postToSelectedForums);
    const PostQueue& queue = m_program.postQueue();
    m_strip = new QueueStrip(queue);
    m_strip->hide();
    connect(&queue, &PostQueue::changed, this, &PostingControls::layoutNeeded);
    connect(&queue, &PostQueue::finished, this, &PostingControls::layoutNeeded);
    connect(m_strip, &QueueStrip::dismissed, this, &PostingControls::layoutNeeded);
    connect(m_strip, &QueueStrip::retrySkippedRequested, &m_program, &Program::retrySkippedOfRun);
    connect(m_strip, &QueueStrip::nextRequested, &m_program, &Program::nextForum);
    connect(m_strip, &QueueStrip::skipRequested, &m_program, &Program::skipForum);
    connect(m_strip, &QueueStrip::stopRequested, &m_program, &Program::stopRun);
    connectUndo();
}

PostingControls::~PostingControls() {
    closeWindows();
    // Placed by the window, the strip and the button go with it; never placed, they go here.
    if (m_strip && !m_strip->parent())
        delete m_strip.data();
    if (m_undoButton && !m_undoButton->parent())
        delete m_undoButton.data();
}

void PostingControls::connectUndo() {
    // A removed forum or thread can be brought back for a few seconds from the status bar (and
    // with Ctrl+Z in its list), instead of a question before every removal.
    m_undoButton = new QPushButton(tr("Undo"));
    m_undoButton->setObjectName(QStringLiteral("cmdUndoRemove"));
    m_undoButton->setAccessibleName(tr("Undo the removal"));
    m_undoButton->hide();
    // It stays for as long as the removal can be undone: until the next change to the lists.
    connect(&m_program, &Program::undoAvailable, m_undoButton, &QWidget::setVisible);
    connect(&m_program, &Program::rowRemoved, this, [this](const QString& address) {
        //: The status bar after a row was removed from a list: %1 is the row.
        emit panelText(1, tr("Removed: %1").arg(shownAddress(address)));
    });
    connect(m_undoButton, &QPushButton::clicked, &m_program, &Program::undoRemoval);
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
    const QList<int> rows = m_lists.selectedForums();
    if (rows.isEmpty()) {
        m_lists.showForums();
        emit panelText(1, tr("Select the forums to post to in Your Forums"));
        return;
    }
    m_program.postToForums(rows);
}

void PostingControls::showPostHistory() {
    if (!m_history) {
        m_history = new PostHistoryWindow(m_program.postHistory(), window());
        applySkin(m_history);
        m_history->restoreColumnWidths(m_program.settings().get(keys::postHistoryColumns));
        connect(m_history.data(), &PostHistoryWindow::filterChanged, &m_program,
                &Program::filterPostHistory);
        connect(m_history.data(), &PostHistoryWindow::columnsResized, this, [this] {
            m_program.keepSetting(keys::postHistoryColumns, m_history->columnWidths());
        });
        connect(m_history.data(), &PostHistoryWindow::openRequested, &m_page,
                &BrowserPage::navigate);
        connect(m_history.data(), &PostHistoryWindow::copyAddressRequested, this,
                [this](const QString& address) { m_clipboard.setText(address); });
        connect(m_history.data(), &PostHistoryWindow::watchAgainRequested, &m_program,
                &Program::watchPage);
        connect(m_history.data(), &PostHistoryWindow::retrySkippedRequested, &m_program,
                &Program::retrySkippedFromLog);
    }
    m_program.openPostHistory();
    showAtFront(m_history);
}

void PostingControls::closeWindows() {
    // Closed first, so widths the user set are kept.
    if (m_history)
        m_history->close();
    delete m_history.data();
}

} // namespace quillbox

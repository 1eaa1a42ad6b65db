#include "browser/ui/post_history_window.h"

#include "browser/post_history.h"
#include "browser/post_log_model.h"
#include "widgets/window_close.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>
#include <utility>

namespace quillbox {

PostHistoryWindow::PostHistoryWindow(const PostHistory& history, QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(history) {
    setObjectName(QStringLiteral("frmPostHistory"));
    setWindowTitle(tr("Post History"));

    filterBox = new QLineEdit(this);
    filterBox->setObjectName(QStringLiteral("txtFilter"));
    filterBox->setPlaceholderText(tr("Filter: forum, subject, thread or result"));
    filterBox->setClearButtonEnabled(true);
    filterBox->setText(history.model().filter());

    postList = new QTreeView(this);
    postList->setObjectName(QStringLiteral("tvwPosts"));
    postList->setModel(history.itemModel());
    // Equal rows let the view skip measuring each one, which a long log needs.
    postList->setUniformRowHeights(true);
    postList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    postList->setSelectionMode(QAbstractItemView::SingleSelection);
    postList->setContextMenuPolicy(Qt::CustomContextMenu);
    // Every column as wide as its content when the log is first shown, then as the user drags
    // it; the address, the widest, no longer takes the room of the others.
    postList->header()->setStretchLastSection(false);
    postList->header()->setSectionResizeMode(QHeaderView::Interactive);
    connect(postList->header(), &QHeaderView::sectionResized, this, [this](int, int, int) {
        if (m_sizingColumns)
            return;
        m_columnsKept = true;
        m_columnsMoved = true;
    });

    noticeLabel = new QLabel(this);
    noticeLabel->setObjectName(QStringLiteral("lblNotice"));
    noticeLabel->setWordWrap(true);
    noticeLabel->hide();

    copyButton = new QPushButton(tr("&Copy Thread Address"), this);
    copyButton->setObjectName(QStringLiteral("cmdCopyAddress"));
    watchButton = new QPushButton(tr("&Watch Again"), this);
    watchButton->setObjectName(QStringLiteral("cmdWatchAgain"));
    retryButton = new QPushButton(tr("&Retry Skipped"), this);
    retryButton->setObjectName(QStringLiteral("cmdRetrySkipped"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filterBox);
    layout->addWidget(postList, 1);
    layout->addWidget(noticeLabel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copyButton);
    buttons->addWidget(watchButton);
    buttons->addWidget(retryButton);
    buttons->addWidget(makeCloseButton(this));
    layout->addLayout(buttons);
    resize(760, 480);

    // The history reads the log again for what holds the filter's text, so it finds what was
    // never read into the list, and types as fast over a log of a million records as over ten.
    connect(filterBox, &QLineEdit::textChanged, this, &PostHistoryWindow::filterChanged);
    connect(&history, &PostHistory::newestRead, this, &PostHistoryWindow::showNewest);
    connect(&history, &PostHistory::readNotice, this, &PostHistoryWindow::logRead);
    connect(postList, &QTreeView::doubleClicked, this, &PostHistoryWindow::openEntry);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter =
            new QShortcut(QKeySequence(key), postList, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this,
                [this] { openEntry(postList->currentIndex()); });
    }
    connect(postList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PostHistoryWindow::updateButtons);
    connect(postList, &QTreeView::customContextMenuRequested, this,
            &PostHistoryWindow::showContextMenu);
    connect(copyButton, &QPushButton::clicked, this, [this] {
        if (const QString thread = currentThread(); !thread.isEmpty())
            emit copyAddressRequested(thread);
    });
    connect(watchButton, &QPushButton::clicked, this, [this] {
        if (const QString thread = currentThread(); !thread.isEmpty())
            emit watchAgainRequested(thread);
    });
    connect(retryButton, &QPushButton::clicked, this, [this] {
        const SkippedRetry retry = m_history.skippedRetryAt(postList->currentIndex());
        if (!retry.forums.isEmpty())
            emit retrySkippedRequested(retry.forums, retry.subject);
    });
    updateButtons();
}

PostHistoryWindow::~PostHistoryWindow() = default;

// Kept once the window goes, not at every step of a drag.
void PostHistoryWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (std::exchange(m_columnsMoved, false))
        emit columnsResized();
}

void PostHistoryWindow::logRead(int damagedLines, const QString& failure) {
    QString notice = failure;
    if (notice.isEmpty() && damagedLines == 1)
        notice = tr("1 damaged line of the log was skipped; the file still holds it.");
    else if (notice.isEmpty() && damagedLines > 1)
        notice = tr("%1 damaged lines of the log were skipped; the file still holds "
                    "them.")
                     .arg(damagedLines);
    noticeLabel->setText(notice);
    noticeLabel->setVisible(!notice.isEmpty());
}

QByteArray PostHistoryWindow::columnWidths() const {
    return postList->header()->saveState();
}

void PostHistoryWindow::restoreColumnWidths(const QByteArray& state) {
    m_columnsKept = !state.isEmpty() && postList->header()->restoreState(state);
    // A state that holds other columns, or none, leaves the columns to their content.
    if (m_columnsKept && postList->header()->count() == PostLogModel::ColumnCount)
        return;
    m_columnsKept = false;
    fitColumns();
}

void PostHistoryWindow::fitColumns() {
    if (m_columnsKept)
        return;
    m_sizingColumns = true;
    for (int column = 0; column < PostLogModel::ColumnCount; ++column)
        postList->resizeColumnToContents(column);
    m_sizingColumns = false;
}

void PostHistoryWindow::showNewest() {
    // Runs stay folded under their summary, except the newest, which is what the user came to
    // see; unfolding them all would cost a long log seconds.
    const QModelIndex newest = m_history.model().index(0, 0);
    if (m_history.model().isRunRow(newest) || m_history.model().filter().size() > 0) {
        if (m_history.model().filter().isEmpty())
            postList->expand(newest);
        else
            postList->expandAll(); // the matches, which are few or wanted all the same
    }
    fitColumns();
    updateButtons();
}

void PostHistoryWindow::openEntry(const QModelIndex& index) {
    const QString address = m_history.model().openAddress(index);
    if (!address.isEmpty())
        emit openRequested(address);
}

QString PostHistoryWindow::currentThread() const {
    const PostRecord* record = m_history.model().recordAt(postList->currentIndex());
    return record && record->thread ? *record->thread : QString();
}

void PostHistoryWindow::updateButtons() {
    const bool hasThread = !currentThread().isEmpty();
    copyButton->setEnabled(hasThread);
    watchButton->setEnabled(hasThread);
    retryButton->setEnabled(!m_history.model().skippedInRun(postList->currentIndex()).isEmpty());
}

void PostHistoryWindow::showContextMenu(const QPoint& position) {
    const QModelIndex index = postList->indexAt(position);
    const PostRecord* record = m_history.model().recordAt(index);
    if (!record)
        return;
    QMenu menu(this);
    const QString open = m_history.model().openAddress(index);
    const QString thread = record->thread.value_or(QString());
    QAction* openAction =
        menu.addAction(thread.isEmpty() ? tr("Open Posting Page") : tr("Open Thread"));
    openAction->setEnabled(!open.isEmpty());
    QAction* copyAction = menu.addAction(tr("Copy Thread Address"));
    QAction* watchAction = menu.addAction(tr("Watch Again"));
    copyAction->setEnabled(!thread.isEmpty());
    watchAction->setEnabled(!thread.isEmpty());
    QAction* chosen = menu.exec(postList->viewport()->mapToGlobal(position));
    if (chosen == openAction)
        emit openRequested(open);
    else if (chosen == copyAction)
        emit copyAddressRequested(thread);
    else if (chosen == watchAction)
        emit watchAgainRequested(thread);
}

} // namespace quillbox

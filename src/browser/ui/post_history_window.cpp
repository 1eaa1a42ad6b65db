#include "browser/ui/post_history_window.h"

#include "browser/post_log.h"
#include "browser/post_log_loader.h"
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

PostHistoryWindow::PostHistoryWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(new PostLogModel(this)),
      m_loader(new PostLogLoader(this)) {
    setObjectName(QStringLiteral("frmPostHistory"));
    setWindowTitle(tr("Post History"));

    filterBox = new QLineEdit(this);
    filterBox->setObjectName(QStringLiteral("txtFilter"));
    filterBox->setPlaceholderText(tr("Filter: forum, subject, thread or result"));
    filterBox->setClearButtonEnabled(true);

    postList = new QTreeView(this);
    postList->setObjectName(QStringLiteral("tvwPosts"));
    postList->setModel(m_model);
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

    // The filter reads the log again for what holds its text, so it finds what was never
    // read into the list, and types as fast over a log of a million records as over ten.
    connect(filterBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_folder.isEmpty())
            startReading(text);
        else
            m_model->setFilter(text);
    });
    connect(m_model, &PostLogModel::moreWanted, m_loader, &PostLogLoader::readMore);
    connect(m_model, &QAbstractItemModel::modelReset, this, &PostHistoryWindow::showNewest);
    connect(m_loader, &PostLogLoader::recordsRead, this, [this](const QList<PostRecord>& records) {
        const bool first = m_model->rowCount() == 0;
        m_model->addOlderRecords(records);
        if (first)
            showNewest();
    });
    connect(m_loader, &PostLogLoader::damagedLinesRead, this,
            [this](int damaged) { logRead(damaged, {}); });
    connect(m_loader, &PostLogLoader::finished, this,
            [this](int damaged, const FileResult& status) {
                m_model->setMoreToCome(false);
                logRead(damaged, status.ok ? QString() : status.message);
            });
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
        QStringList forums;
        QString subject;
        for (const PostRecord& record : m_model->skippedInRun(postList->currentIndex())) {
            if (!forums.contains(record.forum))
                forums.append(record.forum);
            if (subject.isEmpty())
                subject = record.subject;
        }
        if (!forums.isEmpty())
            emit retrySkippedRequested(forums, subject);
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

void PostHistoryWindow::loadLog(const QString& folder) {
    m_folder = folder;
    startReading(filterBox->text());
}

void PostHistoryWindow::startReading(const QString& filter) {
    // Emptied first: the model's own filter then has nothing to go through.
    m_model->clear();
    m_model->setFilter(filter);
    m_model->setMoreToCome(true);
    noticeLabel->hide();
    m_loader->start(m_folder, filter);
}

bool PostHistoryWindow::isLoading() const {
    return m_loader->isLoading();
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

void PostHistoryWindow::addRecord(const PostRecord& record) {
    m_model->appendRecord(record);
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
    const QModelIndex newest = m_model->index(0, 0);
    if (m_model->isRunRow(newest) || m_model->filter().size() > 0) {
        if (m_model->filter().isEmpty())
            postList->expand(newest);
        else
            postList->expandAll(); // the matches, which are few or wanted all the same
    }
    fitColumns();
    updateButtons();
}

void PostHistoryWindow::openEntry(const QModelIndex& index) {
    const QString address = m_model->openAddress(index);
    if (!address.isEmpty())
        emit openRequested(address);
}

QString PostHistoryWindow::currentThread() const {
    const PostRecord* record = m_model->recordAt(postList->currentIndex());
    return record && record->thread ? *record->thread : QString();
}

void PostHistoryWindow::updateButtons() {
    const bool hasThread = !currentThread().isEmpty();
    copyButton->setEnabled(hasThread);
    watchButton->setEnabled(hasThread);
    retryButton->setEnabled(!m_model->skippedInRun(postList->currentIndex()).isEmpty());
}

void PostHistoryWindow::showContextMenu(const QPoint& position) {
    const QModelIndex index = postList->indexAt(position);
    const PostRecord* record = m_model->recordAt(index);
    if (!record)
        return;
    QMenu menu(this);
    const QString open = m_model->openAddress(index);
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

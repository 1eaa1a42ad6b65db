#include "browser/post_log_model.h"

#include "watch/shown_address.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <algorithm>

namespace quillbox {

namespace {

// Child rows carry their run's row + 1; top-level rows carry 0.
constexpr quintptr topLevel = 0;

} // namespace

PostLogModel::PostLogModel(QObject* parent) : QAbstractItemModel(parent) {}

void PostLogModel::setRecords(QList<PostRecord> records) {
    beginResetModel();
    m_records = std::move(records);
    rebuild();
    endResetModel();
}

void PostLogModel::appendRecord(const PostRecord& record) {
    beginResetModel();
    m_records.append(record);
    rebuild();
    endResetModel();
}

void PostLogModel::setFilter(const QString& text) {
    const QString filter = text.trimmed();
    if (filter == m_filter)
        return;
    beginResetModel();
    m_filter = filter;
    rebuild();
    endResetModel();
}

bool PostLogModel::matches(const PostRecord& record) const {
    if (m_filter.isEmpty())
        return true;
    const auto has = [this](const QString& field) {
        return field.contains(m_filter, Qt::CaseInsensitive);
    };
    // Not the time: writing 100,000 times in local time would make typing crawl. Addresses as
    // shown, so a password an older line holds is found no more than it is seen.
    return has(maskedAddress(record.forum)) || has(maskedAddress(record.postingPage)) ||
           has(maskedAddress(record.thread.value_or(QString()))) ||
           has(record.subject) || has(record.format) || has(record.result) || has(record.note);
}

void PostLogModel::rebuild() {
    m_entries.clear();
    QHash<QString, int> runs;
    for (int i = 0; i < m_records.size(); ++i) {
        const PostRecord& record = m_records.at(i);
        if (!matches(record))
            continue;
        const qint64 when = record.time.toMSecsSinceEpoch();
        if (record.queueRun.isEmpty()) {
            m_entries.append({{i}, false, when});
            continue;
        }
        const auto found = runs.constFind(record.queueRun);
        if (found == runs.cend()) {
            runs.insert(record.queueRun, int(m_entries.size()));
            m_entries.append({{i}, true, when});
            continue;
        }
        Entry& entry = m_entries[*found];
        entry.records.append(i);
        entry.latest = std::max(entry.latest, when);
    }
    // The file is in the order things happened; the sort only corrects for a clock that was
    // set back, and keeps that order among equal times.
    std::reverse(m_entries.begin(), m_entries.end());
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const Entry& a, const Entry& b) { return a.latest > b.latest; });
}

const PostRecord* PostLogModel::recordAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return nullptr;
    if (index.internalId() == topLevel) {
        const Entry& entry = m_entries.at(index.row());
        return entry.run ? nullptr : &m_records.at(entry.records.first());
    }
    const Entry& entry = m_entries.at(int(index.internalId() - 1));
    return &m_records.at(entry.records.at(index.row()));
}

bool PostLogModel::isRunRow(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.internalId() == topLevel &&
           m_entries.at(index.row()).run;
}

QString PostLogModel::openAddress(const QModelIndex& index) const {
    const PostRecord* record = recordAt(index);
    if (!record)
        return {};
    return record->thread && !record->thread->isEmpty() ? *record->thread : record->postingPage;
}

QModelIndex PostLogModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount)
        return {};
    if (!parent.isValid())
        return row < m_entries.size() ? createIndex(row, column, topLevel) : QModelIndex();
    if (!isRunRow(parent) || row >= m_entries.at(parent.row()).records.size())
        return {};
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex PostLogModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == topLevel)
        return {};
    return createIndex(int(child.internalId() - 1), 0, topLevel);
}

int PostLogModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return int(m_entries.size());
    if (parent.column() != 0 || !isRunRow(parent))
        return 0;
    return int(m_entries.at(parent.row()).records.size());
}

int PostLogModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QVariant PostLogModel::recordData(const PostRecord& record, int column) const {
    switch (column) {
    case TimeColumn:
        return QLocale().toString(record.time.toLocalTime(), QLocale::ShortFormat);
    case ForumColumn:
        return shownAddress(record.forum);
    case ResultColumn:
        return record.note.isEmpty() ? record.result
                                     : QStringLiteral("%1 (%2)").arg(record.result, record.note);
    case SubjectColumn:
        return record.subject;
    case AddressColumn:
        return shownAddress(record.thread.value_or(record.postingPage));
    case FormatColumn:
        return record.format;
    default:
        return {};
    }
}

QVariant PostLogModel::runData(const Entry& entry, int column) const {
    const PostRecord& first = m_records.at(entry.records.first());
    switch (column) {
    case TimeColumn:
        return QLocale().toString(first.time.toLocalTime(), QLocale::ShortFormat);
    case ForumColumn:
        return entry.records.size() == 1
                   ? QCoreApplication::translate("quillbox::PostLogModel", "Queue run: 1 forum")
                   : QCoreApplication::translate("quillbox::PostLogModel", "Queue run: %1 forums")
                         .arg(entry.records.size());
    case ResultColumn: {
        int watched = 0;
        for (const int i : entry.records)
            watched += m_records.at(i).result == postResult::watched() ? 1 : 0;
        return QCoreApplication::translate("quillbox::PostLogModel", "%1 of %2 watched")
            .arg(watched)
            .arg(entry.records.size());
    }
    case SubjectColumn:
        return first.subject;
    default:
        return {};
    }
}

QVariant PostLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.model() != this)
        return {};
    if (role == Qt::ToolTipRole && index.column() == AddressColumn)
        return shownAddress(openAddress(index));
    if (role != Qt::DisplayRole)
        return {};
    if (isRunRow(index))
        return runData(m_entries.at(index.row()), index.column());
    const PostRecord* record = recordAt(index);
    return record ? recordData(*record, index.column()) : QVariant();
}

QVariant PostLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case TimeColumn:
        return QCoreApplication::translate("quillbox::PostLogModel", "Time");
    case ForumColumn:
        return QCoreApplication::translate("quillbox::PostLogModel", "Forum");
    case ResultColumn:
        return QCoreApplication::translate("quillbox::PostLogModel", "Result");
    case SubjectColumn:
        return QCoreApplication::translate("quillbox::PostLogModel", "Subject");
    case AddressColumn:
        return QCoreApplication::translate("quillbox::PostLogModel", "Thread or posting page");
    case FormatColumn:
        return QCoreApplication::translate("quillbox::PostLogModel", "Format");
    default:
        return {};
    }
}

} // namespace quillbox

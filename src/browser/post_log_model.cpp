#include "browser/post_log_model.h"

#include "platform/background_release.h"
#include "watch/shown_address.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <tuple>
#include <utility>

namespace quillbox {

namespace {

// Top-level rows carry 0, or 1 for a run's row, so a view laying out a million of them learns
// which can unfold without the model looking each one up; child rows carry their entry's key:
// 2n + 2 for m_below[n], 2n + 3 for m_above[n].
constexpr quintptr singleRow = 0;
constexpr quintptr runRow = 1;

bool isTopLevel(const QModelIndex& index) {
    return index.internalId() <= runRow;
}

quintptr belowKey(qsizetype n) {
    return quintptr(2 * n + 2);
}

quintptr aboveKey(qsizetype n) {
    return quintptr(2 * n + 3);
}

} // namespace

PostLogModel::PostLogModel(QObject* parent) : QAbstractItemModel(parent) {}

bool PostLogModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_moreToCome;
}

void PostLogModel::fetchMore(const QModelIndex& parent) {
    if (canFetchMore(parent))
        emit moreWanted();
}

void PostLogModel::setRecords(const QList<PostRecord>& records) {
    beginResetModel();
    releaseAll();
    for (auto it = records.crbegin(); it != records.crend(); ++it)
        m_older.append(*it);
    rebuild();
    endResetModel();
}

void PostLogModel::clear() {
    beginResetModel();
    releaseAll();
    endResetModel();
}

// A long log read to its end holds a million records, which take the window's thread a second
// or more to free: they are freed on another, and the model is empty at once.
void PostLogModel::releaseAll() {
    releaseInBackground(std::tuple(std::exchange(m_older, {}), std::exchange(m_newer, {}),
                                   std::exchange(m_below, {}), std::exchange(m_above, {}),
                                   std::exchange(m_runs, {})));
}

void PostLogModel::addOlderRecords(const QList<PostRecord>& newestFirst) {
    addOlder(newestFirst, true);
}

// `tell`: the rows are told as they come (not inside a reset).
void PostLogModel::addOlder(const QList<PostRecord>& newestFirst, bool tell) {
    QList<Entry> fresh;
    for (const PostRecord& added : newestFirst) {
        const RecordRef ref = m_older.size();
        m_older.append(added);
        if (!matches(added))
            continue;
        if (!added.queueRun.isEmpty()) {
            if (const auto run = m_runs.constFind(added.queueRun); run != m_runs.cend()) {
                const qsizetype n = qsizetype(*run / 2 - 1);
                if (*run % 2 == 0 && n >= m_below.size()) {
                    fresh[n - m_below.size()].records.prepend(ref);
                } else {
                    if (tell)
                        beginInsertRows(createIndex(rowOf(*run), 0, runRow), 0, 0);
                    entry(*run).records.prepend(ref);
                    if (tell)
                        endInsertRows();
                }
                continue;
            }
            m_runs.insert(added.queueRun, belowKey(m_below.size() + fresh.size()));
        }
        fresh.append({{ref}, !added.queueRun.isEmpty()});
    }
    if (fresh.isEmpty())
        return;
    const int first = rowCount();
    if (tell)
        beginInsertRows({}, first, first + int(fresh.size()) - 1);
    m_below.appendMoved(fresh.begin(), fresh.end());
    if (tell)
        endInsertRows();
}

void PostLogModel::appendRecord(const PostRecord& added) {
    const RecordRef ref = -(m_newer.size() + 1);
    m_newer.append(added);
    if (!matches(added))
        return;
    if (!added.queueRun.isEmpty()) {
        if (const auto run = m_runs.constFind(added.queueRun); run != m_runs.cend()) {
            Entry& found = entry(*run);
            const int row = int(found.records.size());
            beginInsertRows(createIndex(rowOf(*run), 0, runRow), row, row);
            found.records.append(ref);
            endInsertRows();
            return;
        }
        m_runs.insert(added.queueRun, aboveKey(m_above.size()));
    }
    beginInsertRows({}, 0, 0);
    m_above.append(Entry{{ref}, !added.queueRun.isEmpty()});
    endInsertRows();
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
    if (postRecordMatches(record, m_filter))
        return true;
    // The forum's name too, as the list shows it.
    const QString filter = m_filter.trimmed();
    return !filter.isEmpty() &&
           m_forumNames.value(record.forum).contains(filter, Qt::CaseInsensitive);
}

bool postRecordMatches(const PostRecord& record, const QString& text) {
    const QString filter = text.trimmed();
    if (filter.isEmpty())
        return true;
    const auto has = [&filter](const QString& field) {
        return field.contains(filter, Qt::CaseInsensitive);
    };
    // Not the time: writing 100,000 times in local time would make typing crawl. Addresses as
    // shown, so a password an older line holds is found no more than it is seen.
    return has(maskedAddress(record.forum)) || has(maskedAddress(record.postingPage)) ||
           has(maskedAddress(record.thread.value_or(QString()))) || has(record.subject) ||
           has(record.threadTitle) || has(record.format) || has(record.result) || has(record.note);
}

// Every row again, newest first, as the log would come in from its end.
void PostLogModel::rebuild() {
    QList<PostRecord> newestFirst;
    newestFirst.reserve(m_newer.size() + m_older.size());
    for (auto it = m_newer.crbegin(); it != m_newer.crend(); ++it)
        newestFirst.append(*it);
    for (const PostRecord& record : m_older)
        newestFirst.append(record);
    m_newer.clear();
    m_older.clear();
    m_below.clear();
    m_above.clear();
    m_runs.clear();
    addOlder(newestFirst, false); // inside a reset: no rows are told one by one
}

const PostRecord& PostLogModel::record(RecordRef ref) const {
    return ref >= 0 ? m_older.at(ref) : m_newer.at(-ref - 1);
}

int PostLogModel::rowOf(Key key) const {
    const qsizetype n = qsizetype(key / 2 - 1);
    return key % 2 == 0 ? int(m_above.size() + n) : int(m_above.size() - 1 - n);
}

PostLogModel::Entry& PostLogModel::entry(Key key) {
    const qsizetype n = qsizetype(key / 2 - 1);
    return key % 2 == 0 ? m_below[n] : m_above[n];
}

const PostLogModel::Entry* PostLogModel::entryAt(int row) const {
    if (row < 0 || row >= rowCount())
        return nullptr;
    return row < m_above.size() ? &m_above.at(m_above.size() - 1 - row)
                                : &m_below.at(row - m_above.size());
}

const PostLogModel::Entry* PostLogModel::parentEntry(const QModelIndex& child) const {
    const Key key = child.internalId();
    const qsizetype n = qsizetype(key / 2 - 1);
    return key % 2 == 0 ? &m_below.at(n) : &m_above.at(n);
}

const PostRecord* PostLogModel::recordAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return nullptr;
    if (isTopLevel(index)) {
        const Entry* row = entryAt(index.row());
        return row && !row->run ? &record(row->records.first()) : nullptr;
    }
    return &record(parentEntry(index)->records.at(index.row()));
}

QList<PostRecord> PostLogModel::skippedInRun(const QModelIndex& index) const {
    QList<PostRecord> skipped;
    if (!index.isValid() || index.model() != this)
        return skipped;
    const Entry* entry = isTopLevel(index) ? entryAt(index.row()) : parentEntry(index);
    if (!entry || !entry->run || entry->records.isEmpty())
        return skipped;
    // A run comes in whole, so its posts are all here, whatever the filter shows.
    const QString run = record(entry->records.first()).queueRun;
    // In the order they were posted: the older records are held newest first.
    const auto take = [&](const PostRecord& r) {
        if (r.queueRun == run && r.result == postResult::skipped())
            skipped.append(r);
    };
    std::for_each(m_older.crbegin(), m_older.crend(), take);
    std::for_each(m_newer.cbegin(), m_newer.cend(), take);
    return skipped;
}

bool PostLogModel::isRunRow(const QModelIndex& index) const {
    return runAt(index) != nullptr;
}

const PostLogModel::Entry* PostLogModel::runAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this || index.internalId() != runRow)
        return nullptr;
    return entryAt(index.row());
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
    if (!parent.isValid()) {
        const Entry* entry = entryAt(row);
        return entry ? createIndex(row, column, entry->run ? runRow : singleRow) : QModelIndex();
    }
    const Entry* run = runAt(parent);
    if (!run || row >= run->records.size())
        return {};
    const int above = int(m_above.size());
    const Key key =
        parent.row() < above ? aboveKey(above - 1 - parent.row()) : belowKey(parent.row() - above);
    return createIndex(row, column, key);
}

QModelIndex PostLogModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || isTopLevel(child))
        return {};
    return createIndex(rowOf(child.internalId()), 0, runRow);
}

int PostLogModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return int(m_above.size() + m_below.size());
    const Entry* run = parent.column() == 0 ? runAt(parent) : nullptr;
    return run ? int(run->records.size()) : 0;
}

// A view asks these of every row each time it lays out its rows, which a million rows make
// dear: answered with one look at the row each.
bool PostLogModel::hasChildren(const QModelIndex& parent) const {
    if (!parent.isValid())
        return rowCount() > 0;
    // A run's row holds at least one post.
    return parent.column() == 0 && parent.model() == this && parent.internalId() == runRow;
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
        // A thread by its title where it is known, as the watched list shows it; the address
        // is in the tooltip.
        if (record.thread && !record.threadTitle.isEmpty())
            return record.threadTitle;
        return shownAddress(record.thread.value_or(record.postingPage));
    case FormatColumn:
        return record.format;
    default:
        return {};
    }
}

QVariant PostLogModel::runData(const Entry& entry, int column) const {
    const PostRecord& first = record(entry.records.first());
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
        for (const RecordRef ref : entry.records)
            watched += record(ref).result == postResult::watched() ? 1 : 0;
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

void PostLogModel::setForumNames(const QHash<QString, QString>& names) {
    if (names == m_forumNames)
        return;
    m_forumNames = names;
    const int rows = rowCount();
    if (rows > 0)
        emit dataChanged(index(0, ForumColumn), index(rows - 1, ForumColumn));
    // The rows of runs, one level down, change with them.
    for (int row = 0; row < rows; ++row) {
        const int count = rowCount(index(row, 0));
        if (count > 0)
            emit dataChanged(index(0, ForumColumn, index(row, 0)),
                             index(count - 1, ForumColumn, index(row, 0)));
    }
}

Qt::ItemFlags PostLogModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return index.internalId() == runRow ? flags : flags | Qt::ItemNeverHasChildren;
}

QVariant PostLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.model() != this)
        return {};
    if (role == Qt::ToolTipRole && index.column() == AddressColumn)
        return shownAddress(openAddress(index));
    if (role == Qt::ToolTipRole && index.column() == ForumColumn && recordAt(index))
        return recordData(*recordAt(index), ForumColumn);
    if (role == Qt::DisplayRole && index.column() == ForumColumn && recordAt(index)) {
        const QString name = m_forumNames.value(recordAt(index)->forum);
        if (!name.isEmpty())
            return name;
    }
    if (role != Qt::DisplayRole)
        return {};
    if (isRunRow(index))
        return runData(*entryAt(index.row()), index.column());
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

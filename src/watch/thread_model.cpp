#include "watch/thread_model.h"

#include "watch/post_summary.h"
#include "watch/shown_address.h"

#include <algorithm>

namespace quillbox {

namespace {

QVariant sizeValue(const std::optional<qint64>& size) {
    return size ? QVariant::fromValue(*size) : QVariant();
}

} // namespace

ThreadModel::ThreadModel(QObject* parent) : QAbstractListModel(parent) {}

int ThreadModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_records.size());
}

QVariant ThreadModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !valid(index.row()))
        return {};
    const ThreadRecord& r = m_records.at(index.row());
    const std::optional<PostCheck>& check = r.check;
    switch (role) {
    case Qt::DisplayRole:
        // Shown with its password masked; the address itself is for navigating and saving.
        return r.title.isEmpty() ? shownAddress(r.post.address) : r.title;
    case AddressRole:
        return r.post.address;
    case Qt::ToolTipRole:
        return postToolTip(r);
    case RecordedSizeRole:
        return sizeValue(r.post.size);
    case LastCheckedRole:
        return check ? check->checkedAt : QDateTime();
    case LastResultRole:
        return int(check ? check->outcome : CheckOutcome::Pending);
    case ReasonRole:
        return check ? check->reason : QString();
    case MeasuredRole:
        return check ? sizeValue(check->measured) : QVariant();
    case UnreadRole:
        return r.unread;
    case FailedRole:
        return check && check->outcome == CheckOutcome::Failed;
    case PostIdRole:
        return QVariant::fromValue(r.id);
    case TitleRole:
        return r.title;
    case CurrentAddressRole:
        return r.current;
    case MovedToRole:
        return check && check->outcome == CheckOutcome::Failed ? check->movedTo : QString();
    case NewPostsRole:
        return check && check->outcome == CheckOutcome::NewReplies ? check->newPosts : 0;
    default:
        return {};
    }
}

QHash<int, QByteArray> ThreadModel::roleNames() const {
    return {{Qt::DisplayRole, "display"},
            {Qt::ToolTipRole, "toolTip"},
            {AddressRole, "address"},
            {RecordedSizeRole, "recordedSize"},
            {LastCheckedRole, "lastChecked"},
            {LastResultRole, "lastResult"},
            {ReasonRole, "reason"},
            {MeasuredRole, "measured"},
            {UnreadRole, "unread"},
            {FailedRole, "failed"},
            {PostIdRole, "postId"},
            {TitleRole, "title"},
            {CurrentAddressRole, "currentAddress"},
            {MovedToRole, "movedTo"},
            {NewPostsRole, "newPosts"}};
}

QList<WatchedPost> ThreadModel::posts() const {
    QList<WatchedPost> out;
    out.reserve(m_records.size());
    for (const ThreadRecord& r : m_records)
        out.append(r.post);
    return out;
}

void ThreadModel::setPosts(const QList<WatchedPost>& posts) {
    beginResetModel();
    m_records.clear();
    m_records.reserve(posts.size());
    for (const WatchedPost& post : posts) {
        ThreadRecord r;
        r.id = m_nextId++;
        r.post = post;
        m_records.append(std::move(r));
    }
    m_rowsStale = true;
    endResetModel();
}

int ThreadModel::indexOf(const QString& url) const {
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        if (m_records[i].post.address == url)
            return int(i);
    }
    return -1;
}

int ThreadModel::append(const QString& url) {
    const int row = int(m_records.size());
    beginInsertRows({}, row, row);
    ThreadRecord r;
    r.id = m_nextId++;
    r.post = WatchedPost{url, std::nullopt};
    m_records.append(std::move(r));
    m_rowsStale = true;
    endInsertRows();
    return row;
}

ThreadRecord ThreadModel::record(int row) const {
    return valid(row) ? m_records.at(row) : ThreadRecord();
}

void ThreadModel::insert(int row, const ThreadRecord& record) {
    row = std::clamp(row, 0, int(m_records.size()));
    beginInsertRows({}, row, row);
    ThreadRecord r = record;
    if (r.id == 0 || r.id >= m_nextId || rowOf(r.id) >= 0)
        r.id = m_nextId++;
    m_records.insert(row, r);
    m_rowsStale = true;
    endInsertRows();
}

bool ThreadModel::remove(int row) {
    if (!valid(row))
        return false;
    beginRemoveRows({}, row, row);
    m_records.removeAt(row);
    m_rowsStale = true;
    endRemoveRows();
    return true;
}

bool ThreadModel::setSize(int row, std::optional<qint64> size) {
    if (!valid(row))
        return false;
    m_records[row].post.size = size;
    const QModelIndex at = index(row);
    emit dataChanged(at, at, {RecordedSizeRole, Qt::ToolTipRole});
    return true;
}

void ThreadModel::updateRecord(PostId id, const std::function<void(ThreadRecord&)>& change) {
    const int row = rowOf(id);
    if (row < 0)
        return;
    ThreadRecord& r = m_records[row];
    const WatchedPost kept = r.post;
    const ThreadRecord before = r;
    change(r);
    r.id = id;
    r.post.address = kept.address;
    if (r == before)
        return;
    const QModelIndex at = index(row);
    emit dataChanged(at, at);
}

ThreadModel::PostId ThreadModel::id(int row) const {
    return valid(row) ? m_records[row].id : 0;
}

int ThreadModel::rowOf(PostId id) const {
    if (id == 0)
        return -1;
    if (m_rowsStale) {
        m_rows.clear();
        m_rows.reserve(m_records.size());
        for (qsizetype i = 0; i < m_records.size(); ++i)
            m_rows.insert(m_records[i].id, int(i));
        m_rowsStale = false;
    }
    return m_rows.value(id, -1);
}

std::optional<PostCheck> ThreadModel::lastCheck(int row) const {
    return valid(row) ? m_records[row].check : std::nullopt;
}

void ThreadModel::setLastCheck(PostId id, const PostCheck& check) {
    const int row = rowOf(id);
    if (row < 0)
        return;
    ThreadRecord& r = m_records[row];
    r.check = check;
    // The title a check reads is the thread's title from then on.
    if (check.page && !check.page->title.isEmpty())
        r.title = check.page->title;
    if (check.page && check.outcome != CheckOutcome::Failed)
        r.current = check.page->current;
    rowChanged(row);
}

bool ThreadModel::isUnread(int row) const {
    return valid(row) && m_records[row].unread;
}

void ThreadModel::setUnread(PostId id, bool unread) {
    const int row = rowOf(id);
    if (row < 0 || m_records[row].unread == unread)
        return;
    m_records[row].unread = unread;
    const QModelIndex at = index(row);
    emit dataChanged(at, at, {UnreadRole});
}

void ThreadModel::rowChanged(int row) {
    const QModelIndex at = index(row);
    emit dataChanged(at, at,
                     {Qt::DisplayRole, Qt::ToolTipRole, LastCheckedRole, LastResultRole, ReasonRole,
                      MeasuredRole, FailedRole, TitleRole, CurrentAddressRole, MovedToRole,
                      NewPostsRole});
}

} // namespace quillbox

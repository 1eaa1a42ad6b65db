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
    return parent.isValid() ? 0 : int(m_posts.size());
}

QVariant ThreadModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !valid(index.row()))
        return {};
    const int row = index.row();
    const WatchedPost& post = m_posts.at(row);
    const std::optional<PostCheck> check = lastCheck(row);
    switch (role) {
    case Qt::DisplayRole:
        // Shown with its password masked; the address itself is for navigating and saving.
        return shownAddress(post.address);
    case AddressRole:
        return post.address;
    case Qt::ToolTipRole:
        return postToolTip(post, check);
    case RecordedSizeRole:
        return sizeValue(post.size);
    case LastCheckedRole:
        return check ? check->checkedAt : QDateTime();
    case LastResultRole:
        return int(check ? check->outcome : CheckOutcome::Pending);
    case ReasonRole:
        return check ? check->reason : QString();
    case MeasuredRole:
        return check ? sizeValue(check->measured) : QVariant();
    case UnreadRole:
        return m_unread.contains(m_ids[row]);
    case FailedRole:
        return check && check->outcome == CheckOutcome::Failed;
    case PostIdRole:
        return QVariant::fromValue(m_ids[row]);
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
            {PostIdRole, "postId"}};
}

void ThreadModel::setPosts(const QList<WatchedPost>& posts) {
    beginResetModel();
    m_posts = posts;
    m_ids.clear();
    m_checks.clear();
    m_unread.clear();
    for (qsizetype i = 0; i < m_posts.size(); ++i)
        m_ids.append(m_nextId++);
    endResetModel();
}

int ThreadModel::indexOf(const QString& url) const {
    for (qsizetype i = 0; i < m_posts.size(); ++i) {
        if (m_posts[i].address == url)
            return int(i);
    }
    return -1;
}

int ThreadModel::append(const QString& url) {
    const int row = int(m_posts.size());
    beginInsertRows({}, row, row);
    m_posts.append(WatchedPost{url, std::nullopt});
    m_ids.append(m_nextId++);
    endInsertRows();
    return row;
}

void ThreadModel::insert(int row, const WatchedPost& post, const std::optional<PostCheck>& check) {
    row = std::clamp(row, 0, int(m_posts.size()));
    beginInsertRows({}, row, row);
    m_posts.insert(row, post);
    m_ids.insert(row, m_nextId++);
    if (check)
        m_checks.insert(m_ids[row], *check);
    endInsertRows();
}

bool ThreadModel::remove(int row) {
    if (!valid(row))
        return false;
    beginRemoveRows({}, row, row);
    m_posts.removeAt(row);
    m_checks.remove(m_ids[row]);
    m_unread.remove(m_ids[row]);
    m_ids.removeAt(row);
    endRemoveRows();
    return true;
}

bool ThreadModel::setSize(int row, std::optional<qint64> size) {
    if (!valid(row))
        return false;
    m_posts[row].size = size;
    const QModelIndex at = index(row);
    emit dataChanged(at, at, {RecordedSizeRole, Qt::ToolTipRole});
    return true;
}

ThreadModel::PostId ThreadModel::id(int row) const {
    return valid(row) ? m_ids[row] : 0;
}

int ThreadModel::rowOf(PostId id) const {
    return id == 0 ? -1 : int(m_ids.indexOf(id));
}

std::optional<PostCheck> ThreadModel::lastCheck(int row) const {
    if (!valid(row))
        return std::nullopt;
    const auto it = m_checks.constFind(m_ids[row]);
    if (it == m_checks.cend())
        return std::nullopt;
    return *it;
}

void ThreadModel::setLastCheck(PostId id, const PostCheck& check) {
    const int row = rowOf(id);
    if (row < 0)
        return;
    m_checks.insert(id, check);
    rowChanged(row);
}

bool ThreadModel::isUnread(int row) const {
    return valid(row) && m_unread.contains(m_ids[row]);
}

void ThreadModel::setUnread(PostId id, bool unread) {
    const int row = rowOf(id);
    if (row < 0 || m_unread.contains(id) == unread)
        return;
    if (unread)
        m_unread.insert(id);
    else
        m_unread.remove(id);
    const QModelIndex at = index(row);
    emit dataChanged(at, at, {UnreadRole});
}

void ThreadModel::rowChanged(int row) {
    const QModelIndex at = index(row);
    emit dataChanged(
        at, at,
        {Qt::ToolTipRole, LastCheckedRole, LastResultRole, ReasonRole, MeasuredRole, FailedRole});
}

} // namespace quillbox

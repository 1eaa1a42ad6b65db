#include "watch/watch_lists.h"

namespace quillbox {

WatchLists::WatchLists(QObject* parent) : QObject(parent) {
    for (const QAbstractItemModel* model : {static_cast<const QAbstractItemModel*>(&m_forums),
                                            static_cast<const QAbstractItemModel*>(&m_threads)}) {
        connect(model, &QAbstractItemModel::rowsInserted, this, &WatchLists::endUndo);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &WatchLists::endUndo);
        connect(model, &QAbstractItemModel::modelReset, this, &WatchLists::endUndo);
    }
}

void WatchLists::setLists(const ListsData& data) {
    m_newReplies.clear();
    m_threads.setPosts(data.posts);
    m_forums.setForums(data.forums);
}

bool WatchLists::setPostSizeById(PostId id, std::optional<qint64> size) {
    return setPostSize(rowOfPost(id), size);
}

void WatchLists::clearNewReplies() {
    for (int row = 0; row < m_newReplies.rowCount(); ++row)
        m_threads.setUnread(m_newReplies.post(row), false);
    m_newReplies.clear();
}

void WatchLists::addNewReply(const QString& url, PostId post) {
    m_newReplies.append(url, post);
    m_threads.setUnread(post, true);
}

bool WatchLists::removeNewReply(int row) {
    const PostId post = m_newReplies.post(row);
    if (!m_newReplies.remove(row))
        return false;
    if (m_newReplies.rowOf(post) < 0)
        m_threads.setUnread(post, false);
    return true;
}

bool WatchLists::markAsRead(int row) {
    if (row < 0 || row >= m_newReplies.rowCount())
        return false;
    const PostId id = newReplyPost(row);
    const int postRow = rowOfPost(id);
    const std::optional<PostCheck> check = lastCheck(postRow);
    if (postRow >= 0 && check && check->outcome == CheckOutcome::NewReplies &&
        (check->page || check->measured) && post(postRow).size == check->recorded)
        markPostRead(postRow, check->page ? *check->page : ThreadPage{*check->measured});
    else
        removeNewReply(row);
    return true;
}

void WatchLists::markPostRead(int postRow, const ThreadPage& page) {
    if (postRow < 0 || postRow >= postCount())
        return;
    const PostId id = postId(postRow);
    if (std::optional<PostCheck> check = lastCheck(postRow);
        check && check->outcome == CheckOutcome::NewReplies) {
        check->outcome = CheckOutcome::Unchanged;
        check->measured = check->recorded = page.size;
        check->newPosts = 0;
        m_threads.setLastCheck(id, *check);
    }
    m_threads.updateRecord(id, [&page](ThreadRecord& r) { r.markRead(page); });
    setPostSize(postRow, page.size);
    for (int listed = newReplyRow(id); listed >= 0; listed = newReplyRow(id))
        removeNewReply(listed);
}

void WatchLists::recordMeasured(PostId id, const ThreadPage& page) {
    const int row = rowOfPost(id);
    if (row < 0)
        return;
    m_threads.updateRecord(id, [&page](ThreadRecord& r) {
        r.markRead(page);
        r.current = page.current;
    });
    setPostSize(row, page.size);
}

void WatchLists::lowerRecordedSize(PostId id, qint64 size) {
    const int row = rowOfPost(id);
    if (row < 0 || !post(row).size || *post(row).size <= size)
        return;
    setPostSize(row, size);
}

} // namespace quillbox

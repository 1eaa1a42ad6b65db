#include "watch/watch_lists.h"

namespace quillbox {

WatchLists::WatchLists(QObject* parent) : QObject(parent) {}

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
    if (postRow >= 0 && check && check->outcome == CheckOutcome::NewReplies && check->measured &&
        posts().at(postRow).size == check->recorded)
        markPostRead(postRow, *check->measured);
    else
        removeNewReply(row);
    return true;
}

void WatchLists::markPostRead(int postRow, qint64 measured) {
    if (postRow < 0 || postRow >= postCount())
        return;
    const PostId id = postId(postRow);
    if (std::optional<PostCheck> check = lastCheck(postRow);
        check && check->outcome == CheckOutcome::NewReplies) {
        check->outcome = CheckOutcome::Unchanged;
        check->measured = check->recorded = measured;
        m_threads.setLastCheck(id, *check);
    }
    setPostSize(postRow, measured);
    for (int listed = newReplyRow(id); listed >= 0; listed = newReplyRow(id))
        removeNewReply(listed);
}

} // namespace quillbox

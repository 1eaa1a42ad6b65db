#include "watch/watch_lists.h"

namespace quillbox {

WatchLists::WatchLists(QObject* parent) : QObject(parent) {}

void WatchLists::setLists(const ListsData& data) {
    m_posts = data.posts;
    m_postIds.clear();
    m_checks.clear();
    m_newReplyPosts.clear();
    for (qsizetype i = 0; i < m_posts.size(); ++i)
        m_postIds.append(m_nextId++);
    m_forums = data.forums;
    m_newReplies.clear();
    emit postsReset();
    emit forumsReset();
    emit newRepliesCleared();
}

int WatchLists::watchedIndex(const QString& url) const {
    for (qsizetype i = 0; i < m_posts.size(); ++i) {
        if (m_posts[i].address == url)
            return int(i);
    }
    return -1;
}

int WatchLists::appendPost(const QString& url) {
    m_posts.append(WatchedPost{url, std::nullopt});
    m_postIds.append(m_nextId++);
    const int row = int(m_posts.size() - 1);
    emit postAppended(row);
    return row;
}

bool WatchLists::removePost(int row) {
    if (!validPost(row))
        return false;
    m_posts.removeAt(row);
    m_checks.remove(m_postIds[row]);
    m_postIds.removeAt(row);
    emit postRemoved(row);
    return true;
}

bool WatchLists::setPostSize(int row, std::optional<qint64> size) {
    if (!validPost(row))
        return false;
    m_posts[row].size = size;
    emit postSizeChanged(row);
    return true;
}

WatchLists::PostId WatchLists::postId(int row) const {
    return validPost(row) ? m_postIds[row] : 0;
}

int WatchLists::rowOfPost(PostId id) const {
    return id == 0 ? -1 : int(m_postIds.indexOf(id));
}

bool WatchLists::setPostSizeById(PostId id, std::optional<qint64> size) {
    return setPostSize(rowOfPost(id), size);
}

int WatchLists::forumIndex(const QString& url) const {
    for (qsizetype i = 0; i < m_forums.size(); ++i) {
        if (m_forums[i].address == url)
            return int(i);
    }
    return -1;
}

int WatchLists::appendForum(const QString& url, const QString& login) {
    m_forums.append(Forum{url, login});
    const int row = int(m_forums.size() - 1);
    emit forumAppended(row);
    return row;
}

bool WatchLists::removeForum(int row) {
    if (!validForum(row))
        return false;
    m_forums.removeAt(row);
    emit forumRemoved(row);
    return true;
}

bool WatchLists::setForumLogin(int row, const QString& login) {
    if (!validForum(row))
        return false;
    if (m_forums[row].login == login)
        return true;
    m_forums[row].login = login;
    emit forumLoginChanged(row);
    return true;
}

std::optional<PostCheck> WatchLists::lastCheck(int row) const {
    if (!validPost(row))
        return std::nullopt;
    const auto it = m_checks.constFind(m_postIds[row]);
    if (it == m_checks.cend())
        return std::nullopt;
    return *it;
}

void WatchLists::setLastCheck(PostId id, const PostCheck& check) {
    const int row = rowOfPost(id);
    if (row < 0)
        return;
    m_checks.insert(id, check);
    emit postCheckChanged(row);
}

void WatchLists::clearNewReplies() {
    m_newReplies.clear();
    m_newReplyPosts.clear();
    emit newRepliesCleared();
}

void WatchLists::addNewReply(const QString& url, PostId post) {
    m_newReplies.append(url);
    m_newReplyPosts.append(post);
    emit newReplyAdded(int(m_newReplies.size() - 1));
}

WatchLists::PostId WatchLists::newReplyPost(int row) const {
    return row >= 0 && row < m_newReplyPosts.size() ? m_newReplyPosts[row] : 0;
}

int WatchLists::newReplyRow(PostId post) const {
    return post == 0 ? -1 : int(m_newReplyPosts.indexOf(post));
}

bool WatchLists::removeNewReply(int row) {
    if (row < 0 || row >= m_newReplies.size())
        return false;
    m_newReplies.removeAt(row);
    m_newReplyPosts.removeAt(row);
    emit newReplyRemoved(row);
    return true;
}

bool WatchLists::markAsRead(int row) {
    if (row < 0 || row >= m_newReplies.size())
        return false;
    const PostId id = newReplyPost(row);
    const int postRow = rowOfPost(id);
    const auto it = m_checks.constFind(id);
    if (postRow >= 0 && it != m_checks.cend() && it->outcome == CheckOutcome::NewReplies &&
        it->measured && m_posts[postRow].size == it->recorded) {
        PostCheck read = *it;
        read.outcome = CheckOutcome::Unchanged;
        read.recorded = read.measured;
        m_checks.insert(id, read);
        setPostSize(postRow, read.measured);
        emit postCheckChanged(postRow);
    }
    removeNewReply(row);
    return true;
}

} // namespace quillbox

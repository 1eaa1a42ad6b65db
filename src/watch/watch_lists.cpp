#include "watch/watch_lists.h"

namespace quillbox {

WatchLists::WatchLists(QObject* parent) : QObject(parent) {}

void WatchLists::setLists(const ListsData& data) {
    m_posts = data.posts;
    m_postIds.clear();
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

void WatchLists::clearNewReplies() {
    m_newReplies.clear();
    emit newRepliesCleared();
}

void WatchLists::addNewReply(const QString& url) {
    m_newReplies.append(url);
    emit newReplyAdded(int(m_newReplies.size() - 1));
}

} // namespace quillbox

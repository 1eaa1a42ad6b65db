#pragma once

#include "store/list_files.h"
#include "store/records.h"
#include "watch/check_outcome.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <optional>

namespace quillbox {

// The forums, the watched posts and the new replies of the last reply check, as records.
// Rows count from 0; an operation on a row that does not exist changes nothing.
//
// Every watched post also carries an id that never changes and is never reused while the
// lists live, so a measurement or a check in flight finds its post again even when rows were
// added or removed meanwhile, and finds nothing when its post was removed.
class WatchLists : public QObject {
    Q_OBJECT
public:
    using PostId = quint64;

    explicit WatchLists(QObject* parent = nullptr);

    // Replaces the forums and posts (start-up); the new replies are emptied.
    void setLists(const ListsData& data);
    ListsData lists() const { return {m_posts, m_forums}; }

    // Watched posts
    const QList<WatchedPost>& posts() const { return m_posts; }
    int postCount() const { return int(m_posts.size()); }
    bool isWatched(const QString& url) const { return watchedIndex(url) >= 0; }
    // The first row whose address equals url exactly, or -1.
    int watchedIndex(const QString& url) const;
    int appendPost(const QString& url); // returns the new row; the post has no size yet
    bool removePost(int row);
    bool setPostSize(int row, std::optional<qint64> size);

    PostId postId(int row) const;   // 0 for a row that does not exist
    int rowOfPost(PostId id) const; // -1 once the post is gone
    bool setPostSizeById(PostId id, std::optional<qint64> size);

    // What the last check of each post found; kept while the program runs, never stored.
    std::optional<PostCheck> lastCheck(int row) const;
    void setLastCheck(PostId id, const PostCheck& check);

    // Forums
    const QList<Forum>& forums() const { return m_forums; }
    int forumCount() const { return int(m_forums.size()); }
    int forumIndex(const QString& url) const; // the first row equal to url, or -1
    int appendForum(const QString& url, const QString& login = QStringLiteral("|"));
    bool removeForum(int row);
    bool setForumLogin(int row, const QString& login);

    // New replies
    const QStringList& newReplies() const { return m_newReplies; }
    void clearNewReplies();
    // The post the row was found for is remembered, so it can be marked as read.
    void addNewReply(const QString& url, PostId post = 0);
    PostId newReplyPost(int row) const;
    int newReplyRow(PostId post) const; // -1 when the post is not listed
    bool removeNewReply(int row);
    // Takes the row off the new replies and records the size its check measured as the
    // post's size, so the same replies are not reported again. A post whose size was
    // recorded anew since that check (or that is gone) keeps what it has. False only for a
    // row that does not exist.
    bool markAsRead(int row);

signals:
    void postsReset();
    void postAppended(int row);
    void postRemoved(int row);
    void postSizeChanged(int row);
    void postCheckChanged(int row);

    void forumsReset();
    void forumAppended(int row);
    void forumRemoved(int row);
    void forumLoginChanged(int row);

    void newRepliesCleared();
    void newReplyAdded(int row);
    void newReplyRemoved(int row);

private:
    bool validPost(int row) const { return row >= 0 && row < m_posts.size(); }
    bool validForum(int row) const { return row >= 0 && row < m_forums.size(); }

    QList<WatchedPost> m_posts;
    QList<PostId> m_postIds;
    PostId m_nextId = 1;
    QList<Forum> m_forums;
    QStringList m_newReplies;
    QList<PostId> m_newReplyPosts;
    QHash<PostId, PostCheck> m_checks;
};

} // namespace quillbox

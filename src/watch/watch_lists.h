#pragma once

#include "store/list_files.h"
#include "watch/forum_model.h"
#include "watch/new_replies_model.h"
#include "watch/thread_model.h"

#include <QObject>
#include <QStringList>
#include <optional>

namespace quillbox {

// The forums, the watched threads and the new replies of the last reply check, each an item
// model that views show and the autosave listens to. The operations that span two of them
// (marking a new reply as read, removing a thread) live here, with the row-based shorthands the
// checks and the measurer use. Rows count from 0; an operation on a row that does not exist
// changes nothing.
class WatchLists final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WatchLists)

public:
    using PostId = ThreadModel::PostId;

    explicit WatchLists(QObject* parent = nullptr);

    ForumModel& forumModel() { return m_forums; }
    const ForumModel& forumModel() const { return m_forums; }
    ThreadModel& threadModel() { return m_threads; }
    const ThreadModel& threadModel() const { return m_threads; }
    NewRepliesModel& newRepliesModel() { return m_newReplies; }

    // Replaces the forums and threads (start-up); the new replies are emptied.
    void setLists(const ListsData& data);
    ListsData lists() const { return {m_threads.posts(), m_forums.forums()}; }

    // Watched threads
    QList<WatchedPost> posts() const { return m_threads.posts(); }
    const WatchedPost& post(int row) const { return m_threads.post(row); } // row must exist
    int postCount() const { return m_threads.rowCount(); }
    bool isWatched(const QString& url) const { return watchedIndex(url) >= 0; }
    int watchedIndex(const QString& url) const { return m_threads.indexOf(url); }
    int appendPost(const QString& url) { return m_threads.append(url); }
    bool removePost(int row) { return m_threads.remove(row); }
    bool setPostSize(int row, std::optional<qint64> size) { return m_threads.setSize(row, size); }
    PostId postId(int row) const { return m_threads.id(row); }
    int rowOfPost(PostId id) const { return m_threads.rowOf(id); }
    bool setPostSizeById(PostId id, std::optional<qint64> size);
    // What the last check of each thread found; kept while the program runs.
    std::optional<PostCheck> lastCheck(int row) const { return m_threads.lastCheck(row); }
    void setLastCheck(PostId id, const PostCheck& check) { m_threads.setLastCheck(id, check); }

    // Forums
    const QList<Forum>& forums() const { return m_forums.forums(); }
    int forumCount() const { return int(m_forums.forums().size()); }
    int forumIndex(const QString& url) const { return m_forums.indexOf(url); }
    int appendForum(const QString& url, const QString& login = QStringLiteral("|")) {
        return m_forums.append(url, login);
    }
    bool removeForum(int row) { return m_forums.remove(row); }
    bool setForumLogin(int row, const QString& login) { return m_forums.setLogin(row, login); }

    // New replies
    QStringList newReplies() const { return m_newReplies.addresses(); }
    void clearNewReplies();
    // The thread the row was found for is remembered, so it can be marked as read.
    void addNewReply(const QString& url, PostId post = 0);
    PostId newReplyPost(int row) const { return m_newReplies.post(row); }
    int newReplyRow(PostId post) const { return m_newReplies.rowOf(post); }
    bool removeNewReply(int row);
    // Takes the row off the new replies and records the size its check measured as the
    // thread's size, so the same replies are not reported again. A thread whose size was
    // recorded anew since that check (or that is gone) keeps what it has. False only for a
    // row that does not exist.
    bool markAsRead(int row);
    // The thread's replies up to what a check found (`page`: its last page, highest post and
    // size) are read: that becomes what later checks compare with, a last check that found new
    // replies now says it is unchanged, and it leaves the new replies.
    void markPostRead(int postRow, const ThreadPage& page);
    // A check found the thread's page smaller than recorded on the same page (posts deleted):
    // later checks compare with the smaller page, so replies are not hidden behind the old size.
    void lowerRecordedSize(PostId id, qint64 size);
    // What a fetch found when the thread was put on watch or measured anew: its size, last page,
    // highest post, title and where its address leads.
    void recordMeasured(PostId id, const ThreadPage& page);

    // Removals the user can take back: the row removed last comes back where it was, whole
    // (a forum with its login, format, posting page and name; a thread with its checks), until
    // any other row comes or goes in either list, after which putting it back could place it
    // among rows that were not there when it went. Each answers the removed row's address, ""
    // when there is no such row.
    QString removeForumUndoably(int row);
    QString removePostUndoably(int row);
    bool canUndoRemoval() const { return m_removed.has_value(); }
    // Puts the row back and answers its address; "" when there is nothing to undo, or when its
    // address is in the list again since (one row an address, as every other way keeps it).
    QString undoRemoval();

signals:
    // Undo became possible (a removal) or ended (used, or the lists changed since).
    void undoAvailableChanged(bool available);

private:
    struct Removed {
        bool forum = false;
        int row = 0;
        QString address;
        QString login;
        QString format;
        QString postingPage;
        QString name;
        ThreadRecord thread; // a removed thread, whole
    };
    void endUndo();

    std::optional<Removed> m_removed;
    ThreadModel m_threads;
    ForumModel m_forums;
    NewRepliesModel m_newReplies{m_threads};
};

} // namespace quillbox

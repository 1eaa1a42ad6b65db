#pragma once

#include "store/records.h"
#include "watch/check_outcome.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <optional>

namespace quillbox {

// The watched threads, one row each: the address (the row's text), the size recorded for it,
// what its last check found, and whether it is listed among the new replies. The row's tooltip
// sums these up. Rows count from 0; an operation on a row that does not exist changes nothing.
//
// Every thread also carries an id that never changes and is never reused while the model
// lives, so a measurement or a check in flight finds its thread again even when rows were added
// or removed meanwhile, and finds nothing when its thread was removed.
class ThreadModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ThreadModel)

public:
    using PostId = quint64;

    enum Role {
        AddressRole = Qt::UserRole + 1,
        RecordedSizeRole, // qint64, or null without a size
        LastCheckedRole,  // QDateTime, invalid when not checked yet
        LastResultRole,   // CheckOutcome as int
        ReasonRole,       // a failed check's reason
        MeasuredRole,     // qint64 measured by the last check, or null
        UnreadRole,       // listed among the new replies
        FailedRole,       // the last check failed (the view shows a warning sign)
        PostIdRole,
    };

    explicit ThreadModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QList<WatchedPost>& posts() const { return m_posts; }
    // Replaces every thread; the check results and unread marks go with them.
    void setPosts(const QList<WatchedPost>& posts);
    int indexOf(const QString& url) const; // the first row whose address equals url, or -1
    int append(const QString& url);        // the new thread has no size yet
    // Puts a thread back at a row (an undone removal), with what its last check found.
    void insert(int row, const WatchedPost& post, const std::optional<PostCheck>& check);
    bool remove(int row);
    bool setSize(int row, std::optional<qint64> size);

    PostId id(int row) const;   // 0 for a row that does not exist
    int rowOf(PostId id) const; // -1 once the thread is gone
    std::optional<PostCheck> lastCheck(int row) const;
    void setLastCheck(PostId id, const PostCheck& check);
    bool isUnread(int row) const;
    void setUnread(PostId id, bool unread);

private:
    bool valid(int row) const { return row >= 0 && row < m_posts.size(); }
    void rowChanged(int row);

    QList<WatchedPost> m_posts;
    QList<PostId> m_ids;
    PostId m_nextId = 1;
    QHash<PostId, PostCheck> m_checks;
    QSet<PostId> m_unread;
};

} // namespace quillbox

#pragma once

#include "store/records.h"
#include "watch/check_outcome.h"
#include "watch/thread_record.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <functional>
#include <optional>

namespace quillbox {

// The watched threads, one record a row (see ThreadRecord): the address, the size recorded for
// it, its title, what its last check found, and whether it is listed among the new replies. A
// row shows the thread's title once a fetch has read one, its address until then; the tooltip
// holds the address and sums up the rest. Rows count from 0; an operation on a row that does not
// exist changes nothing.
//
// Every thread carries an id that never changes and is never reused while the model lives, so
// a measurement or a check in flight finds its thread again even when rows were added or
// removed meanwhile, and finds nothing when its thread was removed.
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
        TitleRole,          // the thread's title, "" while none is known
        CurrentAddressRole, // where the address leads now, "" when to itself
        MovedToRole,        // the last check found it moved to another site: the new address
        NewPostsRole,       // how many new posts the last check counted, 0 when unknown
    };

    explicit ThreadModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // What the list files keep of every thread, in order.
    QList<WatchedPost> posts() const;
    const WatchedPost& post(int row) const { return m_records.at(row).post; } // row must exist
    // Replaces every thread; the check results and unread marks go with them.
    void setPosts(const QList<WatchedPost>& posts);
    int indexOf(const QString& url) const; // the first row whose address equals url, or -1
    int append(const QString& url);        // the new thread has no size yet
    // The whole record of a row, and a record put back at a row (an undone removal), the same
    // record as it was taken out, id included unless that id is in use again.
    ThreadRecord record(int row) const;
    void insert(int row, const ThreadRecord& record);
    bool remove(int row);
    bool setSize(int row, std::optional<qint64> size);
    // Replaces what the record keeps beside the list files; the address and size stay.
    void updateRecord(PostId id, const std::function<void(ThreadRecord&)>& change);

    PostId id(int row) const;   // 0 for a row that does not exist
    int rowOf(PostId id) const; // -1 once the thread is gone
    std::optional<PostCheck> lastCheck(int row) const;
    void setLastCheck(PostId id, const PostCheck& check);
    bool isUnread(int row) const;
    void setUnread(PostId id, bool unread);

private:
    bool valid(int row) const { return row >= 0 && row < m_records.size(); }
    void rowChanged(int row);

    QList<ThreadRecord> m_records;
    PostId m_nextId = 1;
    mutable QHash<PostId, int> m_rows; // id -> row, rebuilt after rows move
    mutable bool m_rowsStale = true;
};

} // namespace quillbox

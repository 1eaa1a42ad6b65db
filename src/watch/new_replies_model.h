#pragma once

#include "watch/thread_model.h"

#include <QAbstractListModel>
#include <QList>

namespace quillbox {

// The threads the last reply check found grown, in the order they were found: each row shows
// its address, and its tooltip is its thread's (see ThreadModel). A row remembers the thread it
// was found for, so it can be marked as read.
class NewRepliesModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewRepliesModel)

public:
    using PostId = ThreadModel::PostId;
    enum Role { AddressRole = Qt::UserRole + 1, PostIdRole };

    explicit NewRepliesModel(const ThreadModel& threads, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    QStringList addresses() const;
    void clear();
    void append(const QString& url, PostId post);
    // Many rows at once, in order (start-up lists the unread threads again).
    void append(const QList<std::pair<QString, PostId>>& rows);
    bool remove(int row);
    PostId post(int row) const;   // 0 for a row that does not exist
    int rowOf(PostId post) const; // -1 when the thread is not listed

private:
    struct Entry {
        QString address;
        PostId post = 0;
    };
    void threadsChanged(const QModelIndex& first, const QModelIndex& last);

    const ThreadModel& m_threads;
    QList<Entry> m_entries;
};

} // namespace quillbox

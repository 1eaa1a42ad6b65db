#pragma once

#include "browser/post_log.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QList>
#include <QString>

namespace quillbox {

// The post log as the history window shows it: a tree, newest first. A post made on its own is
// a top-level row; the posts of one queue run sit under a row for the run, in the order the
// queue went through them, so the run reads as it happened. A text filter keeps the posts that
// hold it in any field (and the runs that still have such posts).
class PostLogModel final : public QAbstractItemModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostLogModel)

public:
    enum Column {
        TimeColumn,
        ForumColumn,
        ResultColumn,
        SubjectColumn,
        AddressColumn,
        FormatColumn,
        ColumnCount
    };

    explicit PostLogModel(QObject* parent = nullptr);

    void setRecords(QList<PostRecord> records);
    // A record written while the history is shown.
    void appendRecord(const PostRecord& record);
    void setFilter(const QString& text);
    // The names of the forums by their addresses: a post to a named forum shows the name, with
    // the address in the tooltip; a forum without one, or no longer listed, shows the address.
    void setForumNames(const QHash<QString, QString>& names);
    const QString& filter() const { return m_filter; }

    // The record of a post row; nullptr for a run's row or an invalid index.
    const PostRecord* recordAt(const QModelIndex& index) const;
    bool isRunRow(const QModelIndex& index) const;
    // For a queue run's row or any of its posts: the posts that run passed over, whatever the
    // filter shows; none for a single post.
    QList<PostRecord> skippedInRun(const QModelIndex& index) const;
    // Where a double-click leads: the thread, else the posting page; "" for a run's row.
    QString openAddress(const QModelIndex& index) const;
    int recordCount() const { return int(m_records.size()); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // A top-level row: one record, or a run with its records (indexes into m_records).
    struct Entry {
        QList<int> records;
        bool run = false;
        qint64 latest = 0;
    };

    void rebuild();
    bool matches(const PostRecord& record) const;
    QVariant recordData(const PostRecord& record, int column) const;
    QVariant runData(const Entry& entry, int column) const;

    QList<PostRecord> m_records;
    QList<Entry> m_entries;
    QString m_filter;
    QHash<QString, QString> m_forumNames;
};

} // namespace quillbox

#pragma once

#include "browser/growing_list.h"
#include "browser/post_log.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QList>
#include <QString>

namespace quillbox {

// Whether a record holds the filter's text (its blanks around it ignored; any letter case) in any
// field but its time, its addresses as shown, with any password masked. An empty filter keeps all.
bool postRecordMatches(const PostRecord& record, const QString& filter);

// The post log as the history window shows it: a tree, newest first. A post made on its own is
// a top-level row; the posts of one queue run sit under a row for the run, in the order the
// queue went through them, so the run reads as it happened. A text filter keeps the posts that
// hold it in any field (and the runs that still have such posts). The log comes in as it is read,
// from its end back (addOlderRecords), and new posts at the top (appendRecord); each arrival
// inserts rows, so what is shown stays put while the rest loads. Addresses are shown with any
// password masked.
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

    // The whole log at once, oldest first as written.
    void setRecords(const QList<PostRecord>& records);
    // Empties the model at once; what it held is freed off the window's thread.
    void clear();
    // The next records back in time, newest first, as the log is read from its end.
    void addOlderRecords(const QList<PostRecord>& newestFirst);
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
    int recordCount() const { return int(m_older.size() + m_newer.size()); }
    // Whether the log holds more than has come in: a view scrolled to the end asks for it
    // (moreWanted).
    void setMoreToCome(bool more) { m_moreToCome = more; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // A post's row never has children: a view that lays out a million rows then skips asking
    // whether each one is unfolded.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    void moreWanted();

private:
    // A record: n >= 0 is m_older[n], n < 0 is m_newer[-n - 1].
    using RecordRef = qsizetype;
    // A top-level row: one record, or a run with its records, oldest first.
    struct Entry {
        QList<RecordRef> records;
        bool run = false;
    };
    // Rows grow at both ends: older rows below (m_below, in row order), newer ones above (m_above,
    // the top row last). An entry's key, which its children carry, stays the same as they grow.
    using Key = quintptr;

    void addOlder(const QList<PostRecord>& newestFirst, bool tell);
    void releaseAll();
    void rebuild();
    bool matches(const PostRecord& record) const;
    const PostRecord& record(RecordRef ref) const;
    int rowOf(Key key) const;
    Entry& entry(Key key);
    const Entry* entryAt(int row) const;
    // The entry of a queue run's row; nullptr for any other index.
    const Entry* runAt(const QModelIndex& index) const;
    const Entry* parentEntry(const QModelIndex& child) const;
    QVariant recordData(const PostRecord& record, int column) const;
    QVariant runData(const Entry& entry, int column) const;

    GrowingList<PostRecord> m_older; // read from the log, newest first
    GrowingList<PostRecord> m_newer; // written while shown, oldest first
    GrowingList<Entry> m_below;
    GrowingList<Entry> m_above;
    QHash<QString, Key> m_runs;
    QString m_filter;
    QHash<QString, QString> m_forumNames;
    bool m_moreToCome = false;
};

} // namespace quillbox

#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>
#include <QString>

namespace quillbox {

struct SavedMessageParts;

// How the saved-messages list names an entry: its subject and the start of its body on one
// line ("Subject — first words of the body…").
QString savedMessageSummary(const SavedMessageParts& parts, bool emptyLine);

// The lines of messages.txt as the saved-messages window lists them, in file order, narrowed
// to those whose subject or body holds the filter text, ignoring case. Rows count the entries
// shown; each keeps its line exactly as stored.
class SavedMessageList : public QAbstractListModel {
    Q_OBJECT

public:
    explicit SavedMessageList(QObject* parent = nullptr);

    // Replaces the entries; the filter stays and applies to the new ones.
    void setLines(const QList<QByteArray>& lines);
    int entryCount() const { return int(m_entries.size()); }

    void setFilter(const QString& text);
    QString filter() const { return m_filter; }

    // The stored line of a shown row, and the same as text.
    QByteArray lineAt(int row) const;
    QString textAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    struct Entry {
        QByteArray line;
        QString summary;
        // Subject and body case-folded, joined by a character no filter holds, searched at every
        // keystroke.
        QString searchText;
    };
    QList<int> matching(const QList<int>& candidates, const QString& foldedFilter) const;

    QList<Entry> m_entries;
    QList<int> m_shown; // indices into m_entries
    QString m_filter;
    QString m_foldedFilter;
};

} // namespace quillbox

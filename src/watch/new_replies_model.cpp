#include "watch/new_replies_model.h"

#include "watch/shown_address.h"

namespace quillbox {

NewRepliesModel::NewRepliesModel(const ThreadModel& threads, QObject* parent)
    : QAbstractListModel(parent), m_threads(threads) {
    // A row's tooltip is its thread's: it changes with the thread.
    connect(&threads, &ThreadModel::dataChanged, this, &NewRepliesModel::threadsChanged);
}

int NewRepliesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant NewRepliesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const Entry& entry = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        // The thread's title where a check read one; else the address with its password
        // masked. The address itself is for navigating and saving.
        const int row = m_threads.rowOf(entry.post);
        const QString title =
            row < 0 ? QString() : m_threads.index(row).data(ThreadModel::TitleRole).toString();
        return title.isEmpty() ? shownAddress(entry.address) : title;
    }
    case AddressRole:
        return entry.address;
    case PostIdRole:
        return QVariant::fromValue(entry.post);
    case Qt::ToolTipRole: {
        const int row = m_threads.rowOf(entry.post);
        return row < 0 ? QVariant() : m_threads.index(row).data(Qt::ToolTipRole);
    }
    default:
        return {};
    }
}

QHash<int, QByteArray> NewRepliesModel::roleNames() const {
    return {{Qt::DisplayRole, "display"}, {AddressRole, "address"}, {PostIdRole, "postId"}};
}

QStringList NewRepliesModel::addresses() const {
    QStringList out;
    for (const Entry& e : m_entries)
        out << e.address;
    return out;
}

void NewRepliesModel::clear() {
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

void NewRepliesModel::append(const QString& url, PostId post) {
    const int row = int(m_entries.size());
    beginInsertRows({}, row, row);
    m_entries.append({url, post});
    endInsertRows();
}

bool NewRepliesModel::remove(int row) {
    if (row < 0 || row >= m_entries.size())
        return false;
    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    endRemoveRows();
    return true;
}

NewRepliesModel::PostId NewRepliesModel::post(int row) const {
    return row >= 0 && row < m_entries.size() ? m_entries[row].post : 0;
}

int NewRepliesModel::rowOf(PostId post) const {
    if (post == 0)
        return -1;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].post == post)
            return int(i);
    }
    return -1;
}

void NewRepliesModel::threadsChanged(const QModelIndex& first, const QModelIndex& last) {
    for (int row = first.row(); row <= last.row(); ++row) {
        const int mine = rowOf(m_threads.id(row));
        if (mine >= 0)
            emit dataChanged(index(mine), index(mine), {Qt::DisplayRole, Qt::ToolTipRole});
    }
}

} // namespace quillbox

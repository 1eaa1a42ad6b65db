#include "watch/forum_model.h"

#include "watch/shown_address.h"

#include <algorithm>

namespace quillbox {

ForumModel::ForumModel(QObject* parent) : QAbstractListModel(parent) {}

int ForumModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_forums.size());
}

QVariant ForumModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !valid(index.row()))
        return {};
    const Forum& forum = m_forums.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return shownName(index.row());
    case Qt::EditRole:
        return m_remembered.at(index.row()).name;
    case Qt::ToolTipRole:
        // Shown with its password masked; the address itself is for navigating and saving.
        return shownAddress(forum.address);
    case NameRole:
        return m_remembered.at(index.row()).name;
    case AddressRole:
        return forum.address;
    case LoginRole:
        return forum.login;
    case UserNameRole:
        return splitLogin(forum.login).userName;
    case PasswordRole:
        return splitLogin(forum.login).password;
    case FormatRole:
        return m_remembered.at(index.row()).format;
    case PostingPageRole:
        return m_remembered.at(index.row()).postingPage;
    default:
        return {};
    }
}

QHash<int, QByteArray> ForumModel::roleNames() const {
    return {{Qt::DisplayRole, "display"},     {AddressRole, "address"},   {LoginRole, "login"},
            {UserNameRole, "userName"},       {PasswordRole, "password"}, {FormatRole, "format"},
            {PostingPageRole, "postingPage"}, {NameRole, "name"}};
}

Qt::ItemFlags ForumModel::flags(const QModelIndex& index) const {
    return QAbstractListModel::flags(index) |
           (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool ForumModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    return setName(index.row(), value.toString());
}

void ForumModel::setForums(const QList<Forum>& forums) {
    beginResetModel();
    m_forums = forums;
    m_remembered = QList<Remembered>(forums.size());
    endResetModel();
}

int ForumModel::indexOf(const QString& url) const {
    for (qsizetype i = 0; i < m_forums.size(); ++i) {
        if (m_forums[i].address == url)
            return int(i);
    }
    return -1;
}

int ForumModel::append(const QString& url, const QString& login) {
    const int row = int(m_forums.size());
    beginInsertRows({}, row, row);
    m_forums.append(Forum{url, login});
    m_remembered.append(Remembered{});
    endInsertRows();
    return row;
}

void ForumModel::insert(int row, const Forum& forum, const QString& format,
                        const QString& postingPage, const QString& name) {
    row = std::clamp(row, 0, int(m_forums.size()));
    beginInsertRows({}, row, row);
    m_forums.insert(row, forum);
    m_remembered.insert(row, Remembered{format, postingPage, name.simplified()});
    endInsertRows();
}

bool ForumModel::remove(int row) {
    if (!valid(row))
        return false;
    beginRemoveRows({}, row, row);
    m_forums.removeAt(row);
    m_remembered.removeAt(row);
    endRemoveRows();
    return true;
}

bool ForumModel::setLogin(int row, const QString& login) {
    if (!valid(row))
        return false;
    if (m_forums[row].login == login)
        return true;
    m_forums[row].login = login;
    const QModelIndex at = index(row);
    emit dataChanged(at, at, {LoginRole, UserNameRole, PasswordRole});
    return true;
}

QString ForumModel::format(int row) const {
    return valid(row) ? m_remembered[row].format : QString();
}

bool ForumModel::setFormat(int row, const QString& format) {
    return setRemembered(row, &Remembered::format, format, FormatRole);
}

QString ForumModel::postingPage(int row) const {
    return valid(row) ? m_remembered[row].postingPage : QString();
}

bool ForumModel::setPostingPage(int row, const QString& address) {
    return setRemembered(row, &Remembered::postingPage, address, PostingPageRole);
}

QString ForumModel::name(int row) const {
    return valid(row) ? m_remembered[row].name : QString();
}

bool ForumModel::setName(int row, const QString& name) {
    // One line of text: a title's line breaks and runs of blanks read as single blanks.
    return setRemembered(row, &Remembered::name, name.simplified(), NameRole);
}

void ForumModel::updateRemembered(
    const std::function<void(int row, QString& format, QString& postingPage, QString& name)>&
        change) {
    int first = -1;
    int last = -1;
    for (int row = 0; row < int(m_remembered.size()); ++row) {
        Remembered& r = m_remembered[row];
        QString format = r.format;
        QString postingPage = r.postingPage;
        QString name = r.name;
        change(row, format, postingPage, name);
        name = name.simplified();
        if (format == r.format && postingPage == r.postingPage && name == r.name)
            continue;
        r = {format, postingPage, name};
        if (first < 0)
            first = row;
        last = row;
    }
    if (first >= 0) {
        emit dataChanged(index(first), index(last),
                         {FormatRole, PostingPageRole, NameRole, Qt::DisplayRole, Qt::EditRole});
    }
}

QString ForumModel::shownName(int row) const {
    if (!valid(row))
        return {};
    const QString& name = m_remembered[row].name;
    return name.isEmpty() ? shownAddress(m_forums[row].address) : name;
}

bool ForumModel::setRemembered(int row, QString Remembered::*field, const QString& value,
                               int role) {
    if (!valid(row))
        return false;
    if (m_remembered[row].*field == value)
        return true;
    m_remembered[row].*field = value;
    const QModelIndex at = index(row);
    // The name is also the row's text.
    if (role == NameRole)
        emit dataChanged(at, at, {role, Qt::DisplayRole, Qt::EditRole});
    else
        emit dataChanged(at, at, {role});
    return true;
}

} // namespace quillbox

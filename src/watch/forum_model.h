#pragma once

#include "store/records.h"

#include <QAbstractListModel>
#include <QList>

namespace quillbox {

// The user's forums, one row each: its address (the row's text) and its login. Rows count
// from 0; an operation on a row that does not exist changes nothing.
class ForumModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ForumModel)

public:
    enum Role {
        AddressRole = Qt::UserRole + 1,
        LoginRole,    // user name + "|" + password, as posts2.txt keeps it
        UserNameRole, // the login's parts (see splitLogin)
        PasswordRole,
    };

    explicit ForumModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QList<Forum>& forums() const { return m_forums; }
    void setForums(const QList<Forum>& forums);
    int indexOf(const QString& url) const; // the first row equal to url, or -1
    int append(const QString& url, const QString& login);
    bool remove(int row);
    bool setLogin(int row, const QString& login);

private:
    bool valid(int row) const { return row >= 0 && row < m_forums.size(); }

    QList<Forum> m_forums;
};

} // namespace quillbox

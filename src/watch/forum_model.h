#pragma once

#include "store/records.h"

#include <QAbstractListModel>
#include <QList>
#include <functional>

namespace quillbox {

// The user's forums, one row each: its address, its login, and what the program remembers for it
// beyond posts2.txt: its name, its markup format and its posting page. A row shows its name, or
// its address while it has none, and the address in its tooltip; editing a row renames it. Rows
// count from 0; an operation on a row that does not exist changes nothing.
class ForumModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ForumModel)

public:
    enum Role {
        AddressRole = Qt::UserRole + 1,
        LoginRole,    // user name + "|" + password, as posts2.txt keeps it
        UserNameRole, // the login's parts (see splitLogin)
        PasswordRole,
        FormatRole,      // the name of the format chosen for the forum, "" when none
        PostingPageRole, // the address of its "new topic" or reply page, "" when none
        NameRole,        // the name the user knows it by, "" when it has none
    };

    explicit ForumModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Editing a row sets its name; an empty or blank name shows the address again.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    const QList<Forum>& forums() const { return m_forums; }
    void setForums(const QList<Forum>& forums);
    int indexOf(const QString& url) const; // the first row equal to url, or -1
    int append(const QString& url, const QString& login);
    // Puts a forum back at a row (an undone removal), with its format and posting page.
    void insert(int row, const Forum& forum, const QString& format, const QString& postingPage,
                const QString& name = {});
    bool remove(int row);
    bool setLogin(int row, const QString& login);
    QString format(int row) const;
    bool setFormat(int row, const QString& format);
    QString postingPage(int row) const;
    bool setPostingPage(int row, const QString& address);
    QString name(int row) const;
    bool setName(int row, const QString& name);
    // Sets the format, posting page and name of any rows, as setFormat, setPostingPage and setName
    // do, in one change for all of them: start-up puts back those of many thousand forums.
    // `change` is given each row's and may change any.
    void updateRemembered(const std::function<void(int row, QString& format, QString& postingPage,
                                                   QString& name)>& change);
    // What the user calls the forum: its name, or its address (password masked) without one.
    QString shownName(int row) const;

private:
    struct Remembered {
        QString format;
        QString postingPage;
        QString name;
    };
    bool valid(int row) const { return row >= 0 && row < m_forums.size(); }
    bool setRemembered(int row, QString Remembered::*field, const QString& value, int role);

    QList<Forum> m_forums;
    QList<Remembered> m_remembered; // row for row with m_forums
};

} // namespace quillbox

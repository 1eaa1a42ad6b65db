#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace quillbox {

// A watched thread: its address and the body size recorded when it was watched, if any.
struct WatchedPost {
    QString address;
    std::optional<qint64> size;

    bool operator==(const WatchedPost&) const = default;
};

// A forum of the user's, with its login held as user name + "|" + password.
struct Forum {
    QString address;
    QString login = QStringLiteral("|");

    bool operator==(const Forum&) const = default;
};

// The user name and password of a login entry: the text before the first "|", and everything
// after it. An entry without "|" is all user name. The user name "Enter Username", the hint of
// the user-name box that earlier versions stored as text, reads as none.
struct LoginParts {
    QString userName;
    QString password;
};
LoginParts splitLogin(const QString& login);
QString joinLogin(const QString& userName, const QString& password);

} // namespace quillbox

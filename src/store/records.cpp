#include "store/records.h"

namespace quillbox {

LoginParts splitLogin(const QString& login) {
    const qsizetype bar = login.indexOf(u'|');
    LoginParts parts =
        bar < 0 ? LoginParts{login, {}} : LoginParts{login.left(bar), login.mid(bar + 1)};
    // Earlier versions kept the user-name box's hint as if it were a name.
    if (parts.userName == QLatin1String("Enter Username"))
        parts.userName.clear();
    return parts;
}

QString joinLogin(const QString& userName, const QString& password) {
    return userName + u'|' + password;
}

} // namespace quillbox

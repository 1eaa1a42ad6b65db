#include "store/records.h"

namespace quillbox {

LoginParts splitLogin(const QString& login) {
    const qsizetype bar = login.indexOf(u'|');
    if (bar < 0)
        return {login, {}};
    return {login.left(bar), login.mid(bar + 1)};
}

QString joinLogin(const QString& userName, const QString& password) {
    return userName + u'|' + password;
}

} // namespace quillbox

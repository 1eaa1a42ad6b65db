#pragma once

#include <QByteArray>
#include <QString>

namespace quillbox {

// Where a page fetch finds the cookies to send with its request: the value of the Cookie
// header for an address, or nothing to send none.
class RequestCookies {
public:
    virtual ~RequestCookies() = default;
    virtual QByteArray cookieHeaderFor(const QString& url) const = 0;
};

} // namespace quillbox

#include "watch/forum_cookie_jar.h"

#include <QNetworkCookie>
#include <QUrl>
#include <algorithm>

namespace quillbox {

ForumCookieJar::ForumCookieJar(QObject* parent) : QNetworkCookieJar(parent) {}

void ForumCookieJar::add(const QNetworkCookie& cookie) {
    // The same name, domain and path replace the cookie held (insertCookie keys on those).
    if (!insertCookie(cookie))
        updateCookie(cookie);
}

void ForumCookieJar::remove(const QNetworkCookie& cookie) {
    deleteCookie(cookie);
}

void ForumCookieJar::clear() {
    setAllCookies({});
}

QByteArray ForumCookieJar::cookieHeaderFor(const QString& url) const {
    return m_enabled ? matchingCookies(url) : QByteArray();
}

QByteArray ForumCookieJar::matchingCookies(const QString& url) const {
    // The checks' addresses may lack their scheme ("forum.example/t/1" is fetched as http).
    QUrl address(url);
    if (address.scheme().isEmpty() || address.host().isEmpty())
        address = QUrl(QStringLiteral("http://") + url);
    if (!address.isValid() || address.host().isEmpty())
        return {};
    const QString scheme = address.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return {};
    address.setScheme(scheme);
    QByteArray header;
    // cookiesForUrl applies the rules: domain and path match, Secure cookies over HTTPS only,
    // expired cookies never; longer paths come first, as browsers send them.
    for (const QNetworkCookie& cookie : cookiesForUrl(address)) {
        const QByteArray pair = cookie.toRawForm(QNetworkCookie::NameAndValueOnly);
        const bool clean = std::none_of(pair.begin(), pair.end(), [](char c) {
            return c == '\r' || c == '\n' || c == '\0' || c == ';';
        });
        if (!clean || cookie.name().isEmpty())
            continue;
        if (!header.isEmpty())
            header += "; ";
        header += pair;
    }
    return header;
}

} // namespace quillbox

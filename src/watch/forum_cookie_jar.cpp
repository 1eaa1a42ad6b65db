#include "watch/forum_cookie_jar.h"

#include "watch/fetch_target.h"

#include <QNetworkCookie>
#include <QUrl>
#include <algorithm>

namespace quillbox {

ForumCookieJar::ForumCookieJar(QObject* parent) : QNetworkCookieJar(parent) {}

void ForumCookieJar::add(const QNetworkCookie& cookie) {
    // The same name, domain and path replace the cookie held (insertCookie keys on those).
    if (insertCookie(cookie) || updateCookie(cookie))
        emit changed();
}

void ForumCookieJar::remove(const QNetworkCookie& cookie) {
    if (deleteCookie(cookie))
        emit changed();
}

void ForumCookieJar::clear() {
    setCookies({});
}

void ForumCookieJar::setCookies(const QList<QNetworkCookie>& cookies) {
    if (cookies.isEmpty() && allCookies().isEmpty())
        return;
    setAllCookies(cookies);
    emit changed();
}

QByteArray ForumCookieJar::cookieHeaderFor(const QString& url) const {
    return m_enabled ? matchingCookies(url) : QByteArray();
}

QByteArray ForumCookieJar::matchingCookies(const QString& url) const {
    // The address as the fetcher reads it: the cookies go to the host it connects to, never to
    // one that a more forgiving reading (percent escapes in the host, say) would find instead.
    const FetchTargetResult parsed = parseFetchTarget(url);
    if (!parsed.target)
        return {};
    const FetchTarget& target = *parsed.target;
    QUrl address;
    address.setScheme(target.tls ? QStringLiteral("https") : QStringLiteral("http"));
    address.setHost(target.host, QUrl::StrictMode);
    address.setPort(target.port);
    const qsizetype query = target.path.indexOf('?');
    address.setPath(QString::fromLatin1(query < 0 ? target.path : target.path.left(query)),
                    QUrl::TolerantMode);
    // A host that QUrl would read otherwise is not the one connected to: no cookies for it.
    if (!address.isValid() ||
        address.host(QUrl::FullyEncoded).compare(target.host, Qt::CaseInsensitive) != 0)
        return {};
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

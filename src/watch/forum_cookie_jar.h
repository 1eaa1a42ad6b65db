#pragma once

#include "watch/request_cookies.h"

#include <QNetworkCookie>
#include <QNetworkCookieJar>

namespace quillbox {

// The browser's cookies as the checks see them: a copy kept up to date from the browser's
// cookie store. When enabled, a check's request carries the cookies the cookie rules choose
// for its address (domain, path, Secure only over HTTPS, not expired), as the browser would
// send them; when disabled, none. The address is read as the fetcher reads it (parseFetchTarget),
// so the cookies are those of the host the request really connects to.
class ForumCookieJar final : public QNetworkCookieJar, public RequestCookies {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ForumCookieJar)
public:
    explicit ForumCookieJar(QObject* parent = nullptr);

    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }

    // The browser's store added or removed a cookie.
    void add(const QNetworkCookie& cookie);
    void remove(const QNetworkCookie& cookie);
    void clear();
    // Replaces every cookie at once (quillbox-check, from the cookie file).
    void setCookies(const QList<QNetworkCookie>& cookies);
    int count() const { return int(allCookies().size()); }
    QList<QNetworkCookie> cookies() const { return allCookies(); }

    // The cookies the rules choose for url, as "name=value; name=value", or nothing while
    // disabled. Cookies whose text could break the request line are left out.
    QByteArray cookieHeaderFor(const QString& url) const override;
    // The same whether enabled or not.
    QByteArray matchingCookies(const QString& url) const;

signals:
    // A cookie was added, changed or removed.
    void changed();

private:
    bool m_enabled = false;
};

} // namespace quillbox

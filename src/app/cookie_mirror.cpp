#include "app/cookie_mirror.h"

#include "watch/forum_cookie_jar.h"

#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

namespace quillbox {

CookieMirror::CookieMirror(QWebEngineProfile* profile, ForumCookieJar& jar, QObject* parent)
    : QObject(parent) {
    QWebEngineCookieStore* store = profile->cookieStore();
    connect(store, &QWebEngineCookieStore::cookieAdded, this,
            [&jar](const QNetworkCookie& cookie) { jar.add(cookie); });
    connect(store, &QWebEngineCookieStore::cookieRemoved, this,
            [&jar](const QNetworkCookie& cookie) { jar.remove(cookie); });
    // The cookies already stored arrive through cookieAdded as well.
    store->loadAllCookies();
}

} // namespace quillbox

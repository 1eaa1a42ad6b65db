#include "app/cookie_mirror.h"

#include "shell/program.h"

#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

namespace quillbox {

CookieMirror::CookieMirror(QWebEngineProfile* profile, Program& program, QObject* parent)
    : QObject(parent) {
    QWebEngineCookieStore* store = profile->cookieStore();
    connect(store, &QWebEngineCookieStore::cookieAdded, &program, &Program::browserCookieAdded);
    connect(store, &QWebEngineCookieStore::cookieRemoved, &program, &Program::browserCookieRemoved);
    // The cookies already stored arrive through cookieAdded as well.
    store->loadAllCookies();
}

} // namespace quillbox

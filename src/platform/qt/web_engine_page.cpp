#include "platform/qt/web_engine_page.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace quillbox {

QString WebEnginePage::currentUrl() const {
    if (!m_view)
        return {};
    const QUrl url = m_view->url();
    return url.isEmpty() ? QString() : url.toString();
}

void WebEnginePage::navigate(const QString& address) {
    if (!m_view)
        return;
    // A bare host name gets its scheme, as a browser's address box would give it.
    m_view->setUrl(QUrl::fromUserInput(address));
}

QWebEngineProfile* sharedWebProfile() {
    static QPointer<QWebEngineProfile> profile;
    if (!profile) {
        profile = new QWebEngineProfile(QStringLiteral("Quillbox"), QCoreApplication::instance());
        profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    }
    return profile;
}

} // namespace quillbox

#include "platform/qt/web_engine_page.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace quillbox {

WebEnginePage::WebEnginePage(QWebEngineView* view, QObject* parent)
    : BrowserPage(parent), m_view(view) {
    if (!m_view)
        return;
    connect(m_view, &QWebEngineView::loadStarted, this, [this] {
        ++m_generation;
        emit downloadBegan();
    });
    connect(m_view, &QWebEngineView::loadFinished, this, [this] { emit downloadCompleted(); });
    connect(m_view, &QWebEngineView::titleChanged, this, &BrowserPage::titleChanged);
    connect(m_view, &QWebEngineView::urlChanged, this,
            [this](const QUrl& url) { emit urlChanged(url.toString()); });
}

QString WebEnginePage::currentUrl() const {
    if (!m_view)
        return {};
    const QUrl url = m_view->url();
    return url.isEmpty() ? QString() : url.toString();
}

QString WebEnginePage::title() const {
    return m_view ? m_view->title() : QString();
}

void WebEnginePage::navigate(const QString& address) {
    if (!m_view)
        return;
    // A bare host name gets its scheme, as a browser's address box would give it.
    m_view->setUrl(QUrl::fromUserInput(address));
}

bool WebEnginePage::goBack() {
    if (!m_view || !m_view->history()->canGoBack())
        return false;
    m_view->back();
    return true;
}

bool WebEnginePage::goForward() {
    if (!m_view || !m_view->history()->canGoForward())
        return false;
    m_view->forward();
    return true;
}

void WebEnginePage::stop() {
    if (m_view)
        m_view->stop();
}

void WebEnginePage::reload() {
    if (m_view)
        m_view->reload();
}

void WebEnginePage::readBodyHtml(HtmlCallback done) {
    done(std::nullopt);
}

void WebEnginePage::writeMessage(const FieldTarget&, const QString&, WriteCallback done) {
    done(WrittenField::None);
}

void WebEnginePage::insertAtFocus(const QString&, DoneCallback done) {
    done(false);
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

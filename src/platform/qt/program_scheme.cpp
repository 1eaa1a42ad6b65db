#include "platform/qt/program_scheme.h"

#include "shell/branding.h"

#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace quillbox {

namespace {

const QByteArray schemeName = QByteArrayLiteral("quillbox");

// quillbox:<page>: the program's pages among its resources.
class ProgramSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        const QString page = job->requestUrl().path();
        if (job->requestMethod() != "GET" || page != QLatin1String("start")) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* file = new QFile(translatedPage(QStringLiteral(":/quillbox/start.html")), job);
        if (!file->open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        job->reply(QByteArrayLiteral("text/html"), file);
    }
};

} // namespace

void registerProgramScheme() {
    if (QWebEngineUrlScheme::schemeByName(schemeName).name() == schemeName)
        return;
    QWebEngineUrlScheme scheme(schemeName);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Pages on the web can neither show nor link to the program's own pages.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void installProgramScheme(QWebEngineProfile* profile) {
    if (!profile || profile->urlSchemeHandler(schemeName))
        return;
    profile->installUrlSchemeHandler(schemeName, new ProgramSchemeHandler(profile));
}

} // namespace quillbox

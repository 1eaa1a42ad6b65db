#include "platform/qt/web_engine_page.h"

#include "platform/logging.h"
#include "platform/qt/page_scripts.h"
#include "platform/qt/program_scheme.h"
#include "text/console_line.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLoggingCategory>
#include <QTimer>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace quillbox {

// What pages write to their console is the page's business, not the user's: it reaches the log
// only when asked for (QT_LOGGING_RULES="quillbox.browser.info=true"), escaped and capped.

namespace {

// A page that lets its owner decide about every new window a page asks for.
class PopupAwarePage final : public QWebEnginePage {
public:
    PopupAwarePage(QWebEngineProfile* profile, QObject* parent,
                   std::function<QWebEnginePage*()> openWindow)
        : QWebEnginePage(profile, parent), m_openWindow(std::move(openWindow)) {}

protected:
    QWebEnginePage* createWindow(WebWindowType) override {
        return m_openWindow ? m_openWindow() : nullptr;
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int line,
                                  const QString& source) override {
        qCInfo(logBrowser, "page console: %ls:%d: %ls",
               qUtf16Printable(escapedLogLine(source, 200)), line,
               qUtf16Printable(escapedLogLine(message)));
    }

private:
    std::function<QWebEnginePage*()> m_openWindow;
};

WrittenField writtenField(const QString& kind) {
    if (kind == u"focused")
        return WrittenField::FocusedField;
    if (kind == u"scanned")
        return WrittenField::ScannedTextArea;
    if (kind == u"form")
        return WrittenField::FormTextArea;
    if (kind == u"rich")
        return WrittenField::RichEditor;
    if (kind == u"loose")
        return WrittenField::LooseTextArea;
    return WrittenField::None;
}

} // namespace

WebEnginePage::WebEnginePage(QWebEngineView* view, QObject* parent)
    : BrowserPage(parent), m_view(view) {
    if (!m_view)
        return;
    // The page belongs to the view, which may outlive this object.
    QPointer<WebEnginePage> self(this);
    auto* page = new PopupAwarePage(sharedWebProfile(), m_view, [self]() -> QWebEnginePage* {
        return self ? self->openWindow() : nullptr;
    });
    m_page = page;
    m_view->setPage(page);

    connect(page, &QWebEnginePage::loadStarted, this, [this] {
        pageChanged();
        emit downloadBegan();
    });
    connect(page, &QWebEnginePage::loadFinished, this, [this] { emit downloadCompleted(); });
    connect(page, &QWebEnginePage::titleChanged, this, &BrowserPage::titleChanged);
    // A page that tidies its address (a fragment, history.replaceState) is still the same
    // document, and what was asked of it still holds: moves within a document start no load and
    // change nothing here. A document that replaced another unseen shows by its token (run()).
    connect(page, &QWebEnginePage::renderProcessTerminated, this, [this] {
        pageChanged();
        emit rendererEnded();
    });
    connect(page, &QWebEnginePage::linkHovered, this, &BrowserPage::statusTextChanged);
    // pushState moves the address without an event the program's world could hear.
    connect(page, &QWebEnginePage::urlChanged, this, [this] {
        if (m_documentWatch && m_documentWatch->isActive())
            emit documentChanged();
    });
    m_documentWatch = new QTimer(this);
    m_documentWatch->setInterval(std::chrono::milliseconds(400));
    connect(m_documentWatch, &QTimer::timeout, this, &WebEnginePage::lookAtDocument);
}

QString WebEnginePage::currentUrl() const {
    if (!m_page)
        return {};
    const QUrl url = m_page->url();
    return url.isEmpty() ? QString() : url.toString();
}

QString WebEnginePage::title() const {
    return m_page ? m_page->title() : QString();
}

void WebEnginePage::navigate(const QString& address) {
    if (!m_page)
        return;
    // Whatever is asked of the page from now on is meant for the page to come.
    pageChanged();
    // A bare host name gets its scheme, as a browser's address box would give it.
    m_page->load(QUrl::fromUserInput(address));
}

bool WebEnginePage::goBack() {
    if (!m_page || !m_page->history()->canGoBack())
        return false;
    pageChanged();
    m_page->triggerAction(QWebEnginePage::Back);
    return true;
}

bool WebEnginePage::goForward() {
    if (!m_page || !m_page->history()->canGoForward())
        return false;
    pageChanged();
    m_page->triggerAction(QWebEnginePage::Forward);
    return true;
}

void WebEnginePage::stop() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Stop);
}

void WebEnginePage::reload() {
    if (!m_page)
        return;
    pageChanged();
    m_page->triggerAction(QWebEnginePage::Reload);
}

QWebEnginePage* WebEnginePage::openWindow() {
    const bool blocked = m_popupsBlocked;
    emit newWindowRequested(blocked);
    if (blocked || !m_popupOpener)
        return nullptr;
    WebEnginePage* opened = m_popupOpener();
    return opened ? opened->webPage() : nullptr;
}

void WebEnginePage::pageChanged() {
    ++m_generation;
    if (!m_token.isEmpty())
        m_previousToken = m_token;
    m_token.clear();
}

bool WebEnginePage::sameDocument(quint64 generation, const QString& token) {
    // Until the new document commits, the old one is still the page shown; its answers are
    // taken as they are, without naming the new generation's document.
    if (token.isEmpty() || token == m_previousToken)
        return true;
    if (m_tokenGeneration == generation && !m_token.isEmpty() && m_token != token) {
        pageChanged();
        m_token = token;
        m_tokenGeneration = m_generation;
        return false;
    }
    m_token = token;
    m_tokenGeneration = generation;
    return true;
}

void WebEnginePage::run(const QString& script, Answer answer) {
    if (!m_page) {
        // Answers always come later, never from inside the request.
        QTimer::singleShot(0, [answer = std::move(answer)] { answer(std::nullopt); });
        return;
    }
    const quint64 generation = m_generation;
    QPointer<WebEnginePage> self(this);
    m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                          [self, generation, answer = std::move(answer)](const QVariant& result) {
                              if (!self || self->m_generation != generation ||
                                  result.typeId() != QMetaType::QVariantMap) {
                                  answer(std::nullopt);
                                  return;
                              }
                              const QVariantMap map = result.toMap();
                              const QString token = map.value(QStringLiteral("token")).toString();
                              if (!self->sameDocument(generation, token) ||
                                  map.value(QStringLiteral("stale")).toBool()) {
                                  answer(std::nullopt);
                                  return;
                              }
                              answer(map);
                          });
}

void WebEnginePage::withDocumentToken(std::function<void(std::optional<QString>)> then) {
    if (!m_token.isEmpty() && m_tokenGeneration == m_generation) {
        then(m_token);
        return;
    }
    run(pagescripts::documentToken(), [then = std::move(then)](std::optional<QVariantMap> map) {
        if (!map)
            then(std::nullopt);
        else
            then(map->value(QStringLiteral("token")).toString());
    });
}

void WebEnginePage::readBodyHtml(HtmlCallback done) {
    readBody(false, std::move(done));
}

void WebEnginePage::readBodyWithText(HtmlCallback done) {
    readBody(true, std::move(done));
}

void WebEnginePage::readBody(bool withText, HtmlCallback done) {
    run(pagescripts::bodyHtml(withText), [done = std::move(done)](std::optional<QVariantMap> map) {
        if (!map || !map->contains(QStringLiteral("outer"))) {
            done(std::nullopt);
            return;
        }
        done(BodyHtml{map->value(QStringLiteral("outer")).toString(),
                      map->value(QStringLiteral("inner")).toString(),
                      map->value(QStringLiteral("text")).toString()});
    });
}

void WebEnginePage::writeMessage(const FieldTarget& target, const QString& text,
                                 const QString& subject, WriteCallback done) {
    QPointer<WebEnginePage> self(this);
    withDocumentToken(
        [self, target, text, subject, done = std::move(done)](std::optional<QString> token) {
            if (!self || !token || token->isEmpty()) {
                done(WrittenField::None, false);
                return;
            }
            self->run(pagescripts::writeMessage(*token, target.form, target.field, text, subject),
                      [done](std::optional<QVariantMap> map) {
                          if (!map) {
                              done(WrittenField::None, false);
                              return;
                          }
                          done(writtenField(map->value(QStringLiteral("written")).toString()),
                               map->value(QStringLiteral("subject")).toBool());
                      });
        });
}

void WebEnginePage::insertAtFocus(const QString& text, DoneCallback done) {
    // The user pressed a button of the program after clicking into the field: the view gets the
    // keyboard back, and the page its caret.
    if (m_view)
        m_view->setFocus(Qt::OtherFocusReason);
    QPointer<WebEnginePage> self(this);
    withDocumentToken([self, text, done = std::move(done)](std::optional<QString> token) {
        if (!self || !token || token->isEmpty()) {
            done(false);
            return;
        }
        self->run(pagescripts::insertAtFocus(*token, text),
                  [self, text, done](std::optional<QVariantMap> map) {
                      if (self && map && map->value(QStringLiteral("foreignFrame")).toBool()) {
                          done(self->typeIntoFocusedFrame(text));
                          return;
                      }
                      done(map && map->value(QStringLiteral("inserted")).toBool());
                  });
    });
}

bool WebEnginePage::typeIntoFocusedFrame(const QString& text) {
    // No script of this page reaches a frame of another origin, but the keyboard does: the text
    // arrives as an input method's finished text, as typed text does, in whatever field the
    // frame has focused. Whether that frame took it cannot be known from here.
    QWidget* target = m_view ? m_view->focusProxy() : nullptr;
    if (!target)
        return false;
    QInputMethodEvent typed;
    typed.setCommitString(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCoreApplication::sendEvent(target, &typed);
    return true;
}

void WebEnginePage::locateText(const TextSearch& search, bool remember, PlacementCallback done) {
    run(pagescripts::locateText(search.markup, search.shown, remember),
        [done = std::move(done)](std::optional<QVariantMap> map) {
            if (!map || !map->contains(QStringLiteral("editable"))) {
                done(std::nullopt);
                return;
            }
            const auto count = [&](const QVariantMap& from, const char* key) {
                return from.value(QString::fromLatin1(key)).toInt();
            };
            TextPlacement placement;
            placement.editable = count(*map, "editable");
            placement.inPost = count(*map, "inPost");
            placement.inList = count(*map, "inList");
            placement.elsewhere = count(*map, "elsewhere");
            placement.postsMarked = map->value(QStringLiteral("postsMarked")).toBool();
            placement.canonical = map->value(QStringLiteral("canonical")).toString();
            const QVariant baseline = map->value(QStringLiteral("baseline"));
            if (baseline.typeId() == QMetaType::QVariantMap) {
                const QVariantMap then = baseline.toMap();
                placement.baseline = ShownSpots{count(then, "inPost"), count(then, "elsewhere"),
                                                then.value(QStringLiteral("postsMarked")).toBool()};
            }
            done(placement);
        });
}

void WebEnginePage::setDocumentWatched(bool watched) {
    if (!m_documentWatch || watched == m_documentWatch->isActive())
        return;
    if (watched) {
        m_documentWatch->start();
        lookAtDocument();
    } else {
        m_documentWatch->stop();
        run(pagescripts::watchDocument(true), [](std::optional<QVariantMap>) {});
    }
}

void WebEnginePage::lookAtDocument() {
    QPointer<WebEnginePage> self(this);
    run(pagescripts::watchDocument(), [self](std::optional<QVariantMap> map) {
        if (!self || !map || !self->m_documentWatch->isActive())
            return;
        if (map->value(QStringLiteral("acted")).toBool())
            emit self->userActed();
        if (map->value(QStringLiteral("changed")).toBool())
            emit self->documentChanged();
    });
}

QWebEngineProfile* sharedWebProfile() {
    static QPointer<QWebEngineProfile> profile;
    if (!profile) {
        // The program registers its scheme before the QApplication; a program that did not
        // (a test) still gets it while the engine has not started.
        registerProgramScheme();
        profile = new QWebEngineProfile(QStringLiteral("Quillbox"), QCoreApplication::instance());
        profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
        installProgramScheme(profile);
    }
    return profile;
}

} // namespace quillbox

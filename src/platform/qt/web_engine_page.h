#pragma once

#include "platform/browser_page.h"

#include <QPointer>
#include <QTimer>
#include <QVariantMap>
#include <QWebEnginePage>
#include <QWebEngineView>

class QWebEngineProfile;

namespace quillbox {

// The page of a QWebEngineView as the program's logic sees it. It gives the view a page of its
// own on the shared profile, so that it can decide about new windows.
class WebEnginePage final : public BrowserPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebEnginePage)

public:
    // Opens a window of the program for a page's new window and answers its page (nullptr
    // refuses the window).
    using PopupOpener = std::function<WebEnginePage*()>;

    explicit WebEnginePage(QWebEngineView* view, QObject* parent = nullptr);

    QString currentUrl() const override;
    QString title() const override;
    quint64 pageGeneration() const override { return m_generation; }
    void navigate(const QString& address) override;
    bool goBack() override;
    bool goForward() override;
    void stop() override;
    void reload() override;
    void setPopupsBlocked(bool blocked) override { m_popupsBlocked = blocked; }
    bool popupsBlocked() const override { return m_popupsBlocked; }
    void readBodyHtml(HtmlCallback done) override;
    void readBodyWithText(HtmlCallback done) override;
    void writeMessage(const FieldTarget& target, const QString& text, const QString& subject,
                      WriteCallback done) override;
    void insertAtFocus(const QString& text, DoneCallback done) override;
    void locateText(const TextSearch& search, bool remember, PlacementCallback done) override;
    void setDocumentWatched(bool watched) override;

    // Where a page's new window opens while popups are allowed; without an opener every new
    // window is refused.
    void setPopupOpener(PopupOpener opener) { m_popupOpener = std::move(opener); }
    QWebEnginePage* webPage() const { return m_page; }
    QWebEngineView* view() const { return m_view; }

private:
    using Answer = std::function<void(std::optional<QVariantMap>)>;

    QWebEnginePage* openWindow();
    // Another document is (or is about to be) shown: what was asked of the page before is void.
    void pageChanged();
    // Whether an answer given with this document token for that generation came from the
    // document the generation began with; a token other than the one first seen is another
    // document that replaced it, and starts a generation of its own.
    bool sameDocument(quint64 generation, const QString& token);
    // Runs a script in the program's own world; the answer is nullopt when the page changed
    // meanwhile or the script gave none.
    void run(const QString& script, Answer answer);
    // Runs then() with the token of the document now shown (see page_scripts.h).
    void readBody(bool withText, HtmlCallback done);
    // Types text into the field focused in a frame of another origin; false without a view.
    bool typeIntoFocusedFrame(const QString& text);
    void withDocumentToken(std::function<void(std::optional<QString>)> then);
    // Asks the watch script of the document shown what happened since the last look.
    void lookAtDocument();

    QPointer<QWebEngineView> m_view;
    QPointer<QWebEnginePage> m_page;
    quint64 m_generation = 0;
    QString m_token; // the document's token, when known for m_tokenGeneration
    quint64 m_tokenGeneration = 0;
    QString m_previousToken; // the last document's token before the newest load began
    bool m_popupsBlocked = true;
    PopupOpener m_popupOpener;
    // The page's scripts cannot call into the program's world, so a watched document is looked
    // at a few times a second.
    QTimer* m_documentWatch = nullptr;
};

// The persistent profile both browsers share, so forum logins (cookies) and history survive a
// restart.
QWebEngineProfile* sharedWebProfile();

} // namespace quillbox

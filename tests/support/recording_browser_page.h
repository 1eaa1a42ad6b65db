#pragma once

#include "platform/browser_page.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace quillbox::test {

// A browser page without a browser: it records every call, answers reads with a body the test
// sets, and answers at once or, when holdAnswers is set, keeps the answers until the test
// releases them (so a test can navigate or complete downloads in between). Like the real page,
// it never writes into a page that replaced the one a write was asked for: such a write answers
// WrittenField::None (a paste false) and is marked as not applied. Signals are emitted by the
// test (the helpers below or a plain emit).
class RecordingBrowserPage : public BrowserPage {
    Q_OBJECT

public:
    struct Write {
        FieldTarget target;
        QString text;
        QString subject;
        quint64 generation = 0; // the page it was asked for
        bool applied = false;   // set when answered with a field written
    };
    struct Paste {
        QString text;
        quint64 generation = 0;
        bool applied = false;
    };

    explicit RecordingBrowserPage(QObject* parent = nullptr) : BrowserPage(parent) {}

    // What the page reports and answers.
    QString url;
    QString pageTitle;
    quint64 generation = 0;
    std::optional<BodyHtml> body; // nullopt: no body
    WrittenField writeAnswer = WrittenField::ScannedTextArea;
    bool subjectAnswer = true; // a written message's non-empty subject found its field
    bool pasteAnswer = true;
    bool canGoBack = false;
    bool canGoForward = false;
    bool blocked = true;
    bool holdAnswers = false;
    // Where the text stands, as locateText answers; without it, the body decides: a body that
    // shows the text (as the follow-up's markup and rendered-text searches find it) holds it
    // once, in no post and no list.
    std::optional<TextPlacement> placement;
    std::optional<ShownSpots> baseline; // set by a locateText that remembers

    // What was asked of it.
    QStringList navigations;
    QList<Write> writes;
    QList<Paste> pastes;
    int bodyReads = 0; // with or without the text
    int backSteps = 0;
    int forwardSteps = 0;
    int stops = 0;
    int reloads = 0;
    QList<TextSearch> searches; // every locateText, remembering or not
    bool documentWatched = false;

    // Sets the body from markup: outer is the markup wrapped in a body tag, inner the markup;
    // the rendered text is the one given ("" by default).
    void setBodyMarkup(const QString& innerMarkup, const QString& renderedText = {});

    // Another page is shown: the generation rises and the address changes (as navigate does).
    void showNewPage(const QString& address);
    // Emits downloadBegan / downloadCompleted.
    void beginDownload() { emit downloadBegan(); }
    void completeDownload() { emit downloadCompleted(); }

    // Held answers, oldest first. answerNext returns false when none is held.
    qsizetype heldAnswers() const { return m_held.size(); }
    bool answerNext();
    void answerAll();

    QString currentUrl() const override { return url; }
    QString title() const override { return pageTitle; }
    quint64 pageGeneration() const override { return generation; }
    void navigate(const QString& address) override;
    bool goBack() override;
    bool goForward() override;
    void stop() override { ++stops; }
    void reload() override { ++reloads; }
    void setPopupsBlocked(bool isBlocked) override { blocked = isBlocked; }
    bool popupsBlocked() const override { return blocked; }
    void readBodyHtml(HtmlCallback done) override;
    void readBodyWithText(HtmlCallback done) override;
    void writeMessage(const FieldTarget& target, const QString& text, const QString& subject,
                      WriteCallback done) override;
    void insertAtFocus(const QString& text, DoneCallback done) override;
    void locateText(const TextSearch& search, bool remember, PlacementCallback done) override;
    void setDocumentWatched(bool watched) override { documentWatched = watched; }
    // The placement locateText gives for the page as it is now.
    std::optional<TextPlacement> placementNow(const TextSearch& search) const;

private:
    void answer(std::function<void()> reply);

    QList<std::function<void()>> m_held;
};

} // namespace quillbox::test

#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace quillbox {

// The markup of a page's body, as the engine writes it.
struct BodyHtml {
    QString outer; // the body element's own tag included
    QString inner; // without it
    QString text;  // the body's text as it is rendered (innerText); only from readBodyWithText
};

// Where auto-insert wants the message: the form and the position among that form's input and
// textarea elements, in document order, both counted from 0 (-1 when the page scan found none).
struct FieldTarget {
    int form = -1;
    int field = -1;
};

// A text looked for in a page: the first line of the inserted markup (lower case), and the
// message's first line as the page shows it (in the normal form of browser/shown_text.h). Either
// may be empty.
struct TextSearch {
    QString markup;
    QString shown;
};

// Counts of post spots, as a document held them when a watch began in it.
struct ShownSpots {
    int inPost = 0;
    int elsewhere = 0;
    bool postsMarked = false;
};

// Where a text stands in a page: how many of the innermost elements holding it stand in a form
// or an editable field, inside a post, only inside a list of threads, or elsewhere. A page marks
// its posts when one of its elements carries a post's number (see locate_text.js for the rule).
struct TextPlacement {
    int editable = 0;
    int inPost = 0;
    int inList = 0;
    int elsewhere = 0;
    bool postsMarked = false;
    QString canonical;                  // the page's <link rel="canonical">, "" when it has none
    std::optional<ShownSpots> baseline; // as remembered in this document, if it was
};

// The kind of field a message was written into.
enum class WrittenField {
    None,            // nothing was written: no field a person could type into
    FocusedField,    // the visible text area or rich editor that had the focus
    ScannedTextArea, // the visible text area at the scanned position
    FormTextArea,    // another visible text area of the scanned form
    RichEditor,      // an editable element of a rich text editor
    LooseTextArea,   // a visible text area outside any form (a reply composer)
};

// The page shown in an embedded browser, as the program's logic sees it. Reading and writing
// the document is asynchronous: the answer comes through the callback, on the user-interface
// thread, possibly after the page has changed. Every new document (a load, a reload, a step in
// the history, a renderer that ended) raises pageGeneration(); a move within the document (a
// fragment, history.pushState or replaceState) does not, since the page is still the same. An
// answer for an older generation must not be acted upon in the page now shown, and the
// implementations never write into a page that replaced the one a request was made for.
class BrowserPage : public QObject {
    Q_OBJECT

public:
    using HtmlCallback = std::function<void(std::optional<BodyHtml>)>; // nullopt: no body
    // The field the message went into, and whether the subject went into a field of its own.
    using WriteCallback = std::function<void(WrittenField, bool subjectWritten)>;
    using DoneCallback = std::function<void(bool)>;
    using PlacementCallback = std::function<void(std::optional<TextPlacement>)>;

    using QObject::QObject;
    ~BrowserPage() override = default;

    // The address of the page now shown ("" before anything was loaded).
    virtual QString currentUrl() const = 0;
    // The title of the page now shown.
    virtual QString title() const = 0;
    // Counts documents shown; see the class comment.
    virtual quint64 pageGeneration() const = 0;

    // Starts loading an address; returns at once. A bare host name gets its scheme.
    virtual void navigate(const QString& address) = 0;
    // History steps; false (and nothing happens) when there is no such step.
    virtual bool goBack() = 0;
    virtual bool goForward() = 0;
    virtual void stop() = 0;
    virtual void reload() = 0;
    // While blocked, a page's request for a new window is refused; otherwise the new window
    // opens in a window of the program.
    virtual void setPopupsBlocked(bool blocked) = 0;
    virtual bool popupsBlocked() const = 0;

    // Reads the body's outer and inner markup of the top document.
    virtual void readBodyHtml(HtmlCallback done) = 0;
    // The same with the body's rendered text, which costs a layout of the page.
    virtual void readBodyWithText(HtmlCallback done) = 0;
    // Writes a message where a person would type it, starting from the scanned target (see
    // WrittenField), and fires the field's input and change events. Text goes in unchanged.
    // A non-empty subject goes into an empty one-line field named or labelled subject or title
    // that stands before the message field in the same form; one the page filled is kept.
    virtual void writeMessage(const FieldTarget& target, const QString& text,
                              const QString& subject, WriteCallback done) = 0;
    // Types text at the caret of the page's focused field, as typing would: it replaces the
    // selection and keeps to the field's type and length limit. False when no editable field
    // has the focus; a field in a frame of another origin is typed into unseen and counts as
    // taken. The system clipboard is not touched.
    virtual void insertAtFocus(const QString& text, DoneCallback done) = 0;
    // Finds where a text stands in the document (see TextPlacement); remember keeps the counts
    // as the document's baseline. nullopt when the page changed or has no body.
    virtual void locateText(const TextSearch& search, bool remember, PlacementCallback done) = 0;
    // While watched, documentChanged reports changes of the document now shown that load no
    // page (a post added by the page's scripts, pushState, popstate), and userActed the user's
    // input in it.
    virtual void setDocumentWatched(bool watched) = 0;

signals:
    // The notifications of the page.
    void statusTextChanged(const QString& text); // e.g. the address of a hovered link
    void downloadBegan();
    void downloadCompleted();
    void titleChanged(const QString& title);
    // The process that ran the page ended (it crashed or was killed); the page shows nothing
    // that answers until it is loaded again.
    void rendererEnded();
    // A page asked for a new window; blocked tells whether the popup switch refused it.
    void newWindowRequested(bool blocked);
    // See setDocumentWatched.
    void documentChanged();
    void userActed();
};

} // namespace quillbox

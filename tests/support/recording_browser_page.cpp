#include "support/recording_browser_page.h"

#include "browser/insert_follow_up.h"
#include "browser/shown_text.h"

using namespace Qt::StringLiterals;

namespace quillbox::test {

void RecordingBrowserPage::setBodyMarkup(const QString& innerMarkup, const QString& renderedText) {
    body = BodyHtml{u"<body>"_s + innerMarkup + u"</body>"_s, innerMarkup, renderedText};
}

void RecordingBrowserPage::showNewPage(const QString& address) {
    ++generation;
    url = address;
    baseline.reset();
}

bool RecordingBrowserPage::answerNext() {
    if (m_held.isEmpty())
        return false;
    const std::function<void()> reply = m_held.takeFirst();
    reply();
    return true;
}

void RecordingBrowserPage::answerAll() {
    // Answers may ask again; those are answered too, in order.
    while (answerNext()) {
    }
}

void RecordingBrowserPage::navigate(const QString& address) {
    navigations.append(address);
    showNewPage(address);
}

bool RecordingBrowserPage::goBack() {
    ++backSteps;
    return canGoBack;
}

bool RecordingBrowserPage::goForward() {
    ++forwardSteps;
    return canGoForward;
}

void RecordingBrowserPage::readBodyHtml(HtmlCallback done) {
    ++bodyReads;
    // The body is taken when the answer is given, as the engine reads the page it then holds.
    answer([this, done = std::move(done)] {
        std::optional<BodyHtml> markup = body;
        if (markup)
            markup->text.clear();
        done(markup);
    });
}

void RecordingBrowserPage::readBodyWithText(HtmlCallback done) {
    ++bodyReads;
    answer([this, done = std::move(done)] { done(body); });
}

std::optional<TextPlacement> RecordingBrowserPage::placementNow(const TextSearch& search) const {
    if (!body)
        return std::nullopt;
    TextPlacement now;
    if (placement) {
        now = *placement;
    } else {
        const bool shows = (search.markup.isEmpty() && search.shown.isEmpty()) ||
                           (!search.markup.isEmpty() && pageShowsText(*body, search.markup)) ||
                           shownTextContains(body->text, search.shown);
        now.elsewhere = shows ? 1 : 0;
    }
    now.baseline = baseline;
    return now;
}

void RecordingBrowserPage::locateText(const TextSearch& search, bool remember,
                                      PlacementCallback done) {
    searches.append(search);
    if (remember) {
        // What the document shows now; the caller only needs it kept.
        const std::optional<TextPlacement> now = placementNow(search);
        if (now)
            baseline = ShownSpots{now->inPost, now->elsewhere, now->postsMarked};
        done(placementNow(search));
        return;
    }
    ++bodyReads;
    answer([this, search, done = std::move(done)] { done(placementNow(search)); });
}

void RecordingBrowserPage::writeMessage(const FieldTarget& target, const QString& text,
                                        const QString& subject, WriteCallback done) {
    writes.append({target, text, subject, generation, false});
    const qsizetype index = writes.size() - 1;
    answer([this, index, done = std::move(done)] {
        Write& write = writes[index];
        const WrittenField result =
            write.generation == generation ? writeAnswer : WrittenField::None;
        write.applied = result != WrittenField::None;
        done(result, write.applied && !write.subject.isEmpty() && subjectAnswer);
    });
}

void RecordingBrowserPage::insertAtFocus(const QString& text, DoneCallback done) {
    pastes.append({text, generation, false});
    const qsizetype index = pastes.size() - 1;
    answer([this, index, done = std::move(done)] {
        Paste& paste = pastes[index];
        paste.applied = paste.generation == generation && pasteAnswer;
        done(paste.applied);
    });
}

void RecordingBrowserPage::answer(std::function<void()> reply) {
    if (holdAnswers)
        m_held.append(std::move(reply));
    else
        reply();
}

} // namespace quillbox::test

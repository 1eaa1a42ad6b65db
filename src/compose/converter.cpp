#include "compose/converter.h"

#include <QStringView>
#include <algorithm>
#include <cstring>
#include <vector>

namespace quillbox {

namespace {

// Characters that end an address when scanning forward.
bool isTerminator(char16_t c) {
    switch (c) {
    case u'\n':
    case u'\r':
    case u'?':
    case u',':
    case u'!':
    case u' ':
        return true;
    default:
        return false;
    }
}

// Characters that mark where an e-mail address begins, walking back from its "@".
bool isDelimiter(char16_t c) {
    return c == u'\n' || c == u'\r' || c == u' ';
}

char16_t asciiLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

// Whether the text holds `word` (lower-case ASCII) at `at`, ignoring the case of letters. A
// scheme is ASCII, so no Unicode case folding: "ſ" must not pass for "s".
bool matchesAsciiNoCase(QStringView text, qsizetype at, QStringView word) {
    if (at < 0 || at + word.size() > text.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (asciiLower(text[at + i].unicode()) != word[i].unicode())
            return false;
    }
    return true;
}

// The first web address starting at or after `from`: the index of its "http://" or
// "https://". Looks for the colon with the vectorised character search and checks the
// scheme around it, so the text is read once however many addresses it holds.
qsizetype findWebAddress(QStringView text, qsizetype from) {
    qsizetype colon = from + 4;
    while (colon < text.size()) {
        colon = text.indexOf(u':', colon);
        if (colon < 0)
            return -1;
        if (colon + 2 < text.size() && text[colon + 1] == u'/' && text[colon + 2] == u'/') {
            if (colon - 4 >= from && matchesAsciiNoCase(text, colon - 4, u"http"))
                return colon - 4;
            if (colon - 5 >= from && matchesAsciiNoCase(text, colon - 5, u"https"))
                return colon - 5;
        }
        ++colon;
    }
    return -1;
}

// One past the last character of the address whose forward scan starts at `scanFrom`. A
// terminator belongs to the address; when the text ends first, a final full stop does not.
qsizetype addressEnd(QStringView text, qsizetype scanFrom) {
    const char16_t* chars = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = scanFrom; i < size; ++i) {
        if (isTerminator(chars[i]))
            return i + 1;
    }
    return (size > 0 && chars[size - 1] == u'.') ? size - 1 : size;
}

// One address found by a pass: [start, end) of the pass's input, terminator included.
struct Span {
    qsizetype start;
    qsizetype end;
};

// The pieces written around the link text: open + call + text + middle + text + close.
struct Markup {
    QStringView open;
    QStringView call; // only e-mail links have one
    QStringView middle;
    QStringView close;

    qsizetype fixedSize() const { return open.size() + call.size() + middle.size() + close.size(); }
};

qsizetype linkTextSize(const char16_t* chars, const Span& span) {
    const char16_t last = chars[span.end - 1];
    return span.end - span.start - ((last == u'\r' || last == u'\n') ? 1 : 0);
}

// The size of the text once every span is replaced by its markup.
qsizetype convertedSize(QStringView in, const std::vector<Span>& spans, const Markup& markup) {
    qsizetype size = in.size();
    for (const Span& span : spans) {
        size += markup.fixedSize() + 2 * linkTextSize(in.utf16(), span) - (span.end - span.start);
    }
    return size;
}

char16_t* put(char16_t* to, QStringView piece) {
    std::memcpy(to, piece.utf16(), std::size_t(piece.size()) * sizeof(char16_t));
    return to + piece.size();
}

// The converted text written front to back into a new string of exactly the right size.
QString writeForward(QStringView in, const std::vector<Span>& spans, const Markup& markup) {
    QString out(convertedSize(in, spans, markup), Qt::Uninitialized);
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    qsizetype copied = 0;
    for (const Span& span : spans) {
        const QStringView link = in.sliced(span.start, linkTextSize(in.utf16(), span));
        to = put(to, in.sliced(copied, span.start - copied));
        to = put(to, markup.open);
        to = put(to, markup.call);
        to = put(to, link);
        to = put(to, markup.middle);
        to = put(to, link);
        to = put(to, markup.close);
        copied = span.end;
    }
    put(to, in.sliced(copied));
    return out;
}

// The converted text written into `text` itself, back to front, so that the second pass needs
// no second buffer. Markup is never shorter than the span it replaces (the link text is
// written twice and has at most one character less than the span), so every piece moves to
// the right of where it was and nothing is overwritten before it is read.
void writeInPlace(QString& text, const std::vector<Span>& spans, const Markup& markup) {
    const qsizetype oldSize = text.size();
    const qsizetype newSize = convertedSize(text, spans, markup);
    text.resize(newSize);
    char16_t* chars = reinterpret_cast<char16_t*>(text.data());
    qsizetype read = oldSize; // end of the input not yet moved
    qsizetype write = newSize;
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        const qsizetype tail = read - span->end;
        write -= tail;
        std::memmove(chars + write, chars + span->end, std::size_t(tail) * sizeof(char16_t));
        const qsizetype linkSize = linkTextSize(chars, *span);
        const qsizetype markupStart = write - markup.fixedSize() - 2 * linkSize;
        char16_t* firstLink = chars + markupStart + markup.open.size() + markup.call.size();
        char16_t* secondLink = firstLink + linkSize + markup.middle.size();
        std::memmove(firstLink, chars + span->start, std::size_t(linkSize) * sizeof(char16_t));
        std::memcpy(secondLink, firstLink, std::size_t(linkSize) * sizeof(char16_t));
        put(put(chars + markupStart, markup.open), markup.call);
        put(firstLink + linkSize, markup.middle);
        put(secondLink + linkSize, markup.close);
        write = markupStart;
        read = span->start;
    }
}

// Web addresses, found in the input alone: inserted markup is never searched again, so each
// search continues after the address before it.
std::vector<Span> findWebAddresses(QStringView in) {
    std::vector<Span> spans;
    if (in.size() < 2)
        return spans;
    qsizetype p = 0;
    while (true) {
        const qsizetype start = findWebAddress(in, p);
        if (start < 0)
            break;
        // The scan starts at the second "/" of the scheme.
        const qsizetype end = addressEnd(in, in.indexOf(u'/', start) + 1);
        spans.push_back({start, end});
        p = end;
        if (in.size() - p < 3)
            break;
    }
    return spans;
}

// E-mail addresses in the output of the web pass, taken as plain text. The walk back from an
// "@" stops at the end of the address replaced last: crossing it would wrap that markup again
// and again without end. With no delimiter before that point the address starts right there.
std::vector<Span> findMailAddresses(QStringView in) {
    std::vector<Span> spans;
    if (in.size() < 2)
        return spans;
    const char16_t* chars = in.utf16();
    qsizetype p = 0; // end of the last address, and the floor of the walk back
    while (true) {
        const qsizetype at = in.indexOf(u'@', p);
        if (at < 0)
            break;
        qsizetype start = at;
        while (start > p && !isDelimiter(chars[start - 1]))
            --start;
        // Nothing replaced yet and no delimiter before the "@": the address would begin
        // before the text, and the pass gives up on this and every later "@".
        if (start == 0)
            break;
        const qsizetype end = addressEnd(in, start);
        spans.push_back({start, end});
        p = end;
        if (in.size() - p < 3)
            break;
    }
    return spans;
}

} // namespace

QString insertLinks(const QString& text, const QString& linkOpen01, const QString& linkOpen02,
                    const QString& linkClose01, const QString& mailCall01) {
    // Both passes find their addresses first and then write every replacement in one go, the
    // second pass into the first pass's own buffer: the text is read and written a fixed
    // number of times however many links it holds.
    const std::vector<Span> web = findWebAddresses(text);
    QString result =
        web.empty() ? text : writeForward(text, web, {linkOpen01, {}, linkOpen02, linkClose01});
    const std::vector<Span> mail = findMailAddresses(result);
    if (mail.empty())
        return result;
    const Markup mailMarkup{linkOpen01, mailCall01, linkOpen02, linkClose01};
    if (web.empty())
        return writeForward(result, mail, mailMarkup);
    writeInPlace(result, mail, mailMarkup);
    return result;
}

QString convertMessage(const QString& text, const QString& formatName,
                       const TemplateSet& templates) {
    for (const LinkTemplate& t : templates) {
        if (t.Name == formatName)
            return insertLinks(text, t.LinkOpen01, t.LinkOpen02, t.LinkClose01, t.MailCall01);
    }
    return text;
}

} // namespace quillbox

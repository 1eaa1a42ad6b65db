#include "compose/converter.h"

#include <QStringView>
#include <algorithm>
#include <cstring>
#include <optional>

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

// The visible text of a link: the address without a CR or LF that ended it. Only the last
// character can be one, since both end the scan.
QStringView linkText(QStringView span) {
    if (!span.isEmpty() && (span.back() == u'\r' || span.back() == u'\n'))
        span.chop(1);
    return span;
}

// Builds the converted text by appending. Each link first makes room for all its pieces at
// once and then copies them through a raw pointer: a QString::append per piece costs more than
// the scanning itself on a text full of links.
class Output {
public:
    explicit Output(qsizetype inputSize) {
        m_text.resize(inputSize + inputSize / 4 + 64); // left uninitialised until written
        m_data = reinterpret_cast<char16_t*>(m_text.data());
    }

    void reserveMore(qsizetype count) {
        if (m_size + count <= m_text.size())
            return;
        m_text.resize(std::max(m_size + count, m_text.size() * 2));
        m_data = reinterpret_cast<char16_t*>(m_text.data());
    }

    // Needs room made by reserveMore.
    void put(QStringView piece) {
        std::memcpy(m_data + m_size, piece.utf16(), std::size_t(piece.size()) * sizeof(char16_t));
        m_size += piece.size();
    }

    void append(QStringView piece) {
        reserveMore(piece.size());
        put(piece);
    }

    QString take() {
        m_text.truncate(m_size);
        return std::move(m_text);
    }

private:
    QString m_text;
    char16_t* m_data = nullptr;
    qsizetype m_size = 0;
};

// Web addresses. Each replacement is appended to a new string, so inserted markup is never
// searched again and the pass reads the input once.
QString linkWebAddresses(const QString& text, const QString& linkOpen01, const QString& linkOpen02,
                         const QString& linkClose01) {
    const QStringView in(text);
    if (in.size() < 2)
        return text;
    std::optional<Output> out; // made at the first link, so a text without one is not copied
    const qsizetype markupSize = linkOpen01.size() + linkOpen02.size() + linkClose01.size();
    qsizetype p = 0; // first input character not yet copied
    while (true) {
        const qsizetype start = findWebAddress(in, p);
        if (start < 0)
            break;
        if (!out)
            out.emplace(in.size());
        // The scan starts at the second "/" of the scheme.
        const qsizetype end = addressEnd(in, in.indexOf(u'/', start) + 1);
        const QStringView link = linkText(in.sliced(start, end - start));
        out->reserveMore(start - p + markupSize + 2 * link.size());
        out->put(in.sliced(p, start - p));
        out->put(linkOpen01);
        out->put(link);
        out->put(linkOpen02);
        out->put(link);
        out->put(linkClose01);
        p = end;
        if (in.size() - p < 3)
            break;
    }
    if (!out)
        return text;
    out->append(in.sliced(p));
    return out->take();
}

// E-mail addresses, over the output of the web pass taken as plain text. The walk back from
// an "@" stops at the end of the markup this pass inserted last: crossing it would wrap that
// markup again and again without end. With no delimiter before that point the address starts
// right after the markup.
QString linkMailAddresses(const QString& text, const QString& linkOpen01, const QString& linkOpen02,
                          const QString& linkClose01, const QString& mailCall01) {
    const QStringView in(text);
    if (in.size() < 2)
        return text;
    const char16_t* chars = in.utf16();
    std::optional<Output> out; // made at the first link, so a text without one is not copied
    const qsizetype markupSize =
        linkOpen01.size() + mailCall01.size() + linkOpen02.size() + linkClose01.size();
    qsizetype p = 0; // first input character not yet copied; also the floor of the walk back
    while (true) {
        const qsizetype at = in.indexOf(u'@', p);
        if (at < 0)
            break;
        qsizetype start = at;
        while (start > p && !isDelimiter(chars[start - 1]))
            --start;
        // Nothing inserted yet and no delimiter before the "@": the address would begin
        // before the text, and the pass gives up on this and every later "@".
        if (start == p && !out)
            break;
        if (!out)
            out.emplace(in.size());
        const qsizetype end = addressEnd(in, start);
        const QStringView link = linkText(in.sliced(start, end - start));
        out->reserveMore(start - p + markupSize + 2 * link.size());
        out->put(in.sliced(p, start - p));
        out->put(linkOpen01);
        out->put(mailCall01);
        out->put(link);
        out->put(linkOpen02);
        out->put(link);
        out->put(linkClose01);
        p = end;
        if (in.size() - p < 3)
            break;
    }
    if (!out)
        return text;
    out->append(in.sliced(p));
    return out->take();
}

} // namespace

QString insertLinks(const QString& text, const QString& linkOpen01, const QString& linkOpen02,
                    const QString& linkClose01, const QString& mailCall01) {
    return linkMailAddresses(linkWebAddresses(text, linkOpen01, linkOpen02, linkClose01),
                             linkOpen01, linkOpen02, linkClose01, mailCall01);
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

#include "watch/page_markup.h"

#include <array>

namespace quillbox::markup {

namespace {

char lowerByte(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool startsWithLower(QByteArrayView text, qsizetype at, QByteArrayView lowerWord) {
    if (text.size() - at < lowerWord.size())
        return false;
    return equalsLower(text.sliced(at, lowerWord.size()), lowerWord);
}

qsizetype findFrom(QByteArrayView text, qsizetype from, QByteArrayView needle) {
    const qsizetype found = text.indexOf(needle, from);
    return found < 0 ? text.size() : found;
}

// Where "</name" starts at or after from, letters compared without regard to case, or the end.
// The name must end there: "</a" is no end of "</abbr".
qsizetype findEndTag(QByteArrayView html, qsizetype from, QByteArrayView lowerName) {
    for (qsizetype at = html.indexOf('<', from); at >= 0; at = html.indexOf('<', at + 1)) {
        const qsizetype after = at + 2 + lowerName.size();
        if (at + 1 < html.size() && html[at + 1] == '/' &&
            startsWithLower(html, at + 2, lowerName) &&
            (after >= html.size() || isSpace(html[after]) || html[after] == '>' ||
             html[after] == '/'))
            return at;
    }
    return html.size();
}

bool isRawText(const Tag& tag) {
    return tag.is("script") || tag.is("style") || tag.is("textarea") || tag.is("title");
}

struct NamedEntity {
    const char* name;
    char16_t value;
};

// The references forum titles and addresses use; anything else is left as written.
constexpr std::array<NamedEntity, 24> kNamedEntities{{
    {"amp", u'&'},         {"lt", u'<'},          {"gt", u'>'},          {"quot", u'"'},
    {"apos", u'\''},       {"nbsp", u'\u00a0'},   {"raquo", u'\u00bb'},  {"laquo", u'\u00ab'},
    {"ndash", u'\u2013'},  {"mdash", u'\u2014'},  {"hellip", u'\u2026'}, {"bull", u'\u2022'},
    {"middot", u'\u00b7'}, {"rsaquo", u'\u203a'}, {"lsaquo", u'\u2039'}, {"rsquo", u'\u2019'},
    {"lsquo", u'\u2018'},  {"rdquo", u'\u201d'},  {"ldquo", u'\u201c'},  {"copy", u'\u00a9'},
    {"reg", u'\u00ae'},    {"trade", u'\u2122'},  {"euro", u'\u20ac'},   {"times", u'\u00d7'},
}};

// Decodes the reference starting at text[at] == '&'; returns the characters consumed (0 when
// it is no reference this reader knows).
qsizetype decodeReference(QStringView text, qsizetype at, QString& out) {
    const qsizetype semicolon = text.indexOf(u';', at);
    if (semicolon < 0 || semicolon - at > 10)
        return 0;
    const QStringView body = text.sliced(at + 1, semicolon - at - 1);
    if (body.startsWith(u'#')) {
        bool ok = false;
        const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
        const uint code = body.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return 0;
        const char32_t c = code;
        out += QString::fromUcs4(&c, 1);
        return semicolon - at + 1;
    }
    for (const NamedEntity& entity : kNamedEntities) {
        if (body == QLatin1StringView(entity.name)) {
            out += QChar(entity.value);
            return semicolon - at + 1;
        }
    }
    return 0;
}

} // namespace

bool equalsLower(QByteArrayView a, QByteArrayView lowerB) {
    if (a.size() != lowerB.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (lowerByte(a[i]) != lowerB[i])
            return false;
    }
    return true;
}

QByteArrayView Tag::attribute(QByteArrayView lowerName) const {
    for (const Attribute& attribute : attributes) {
        if (equalsLower(attribute.name, lowerName))
            return attribute.value.isNull() ? QByteArrayView("") : attribute.value;
    }
    return {};
}

bool Tag::is(QByteArrayView lowerName) const {
    return equalsLower(name, lowerName);
}

bool nextTag(QByteArrayView html, qsizetype& pos, Tag& tag) {
    const qsizetype size = html.size();
    while (pos < size) {
        const qsizetype open = html.indexOf('<', pos);
        if (open < 0 || open + 1 >= size) {
            pos = size;
            return false;
        }
        const char first = html[open + 1];
        if (startsWithLower(html, open + 1, "!--")) {
            const qsizetype close = findFrom(html, open + 4, "-->");
            pos = close + 3;
            continue;
        }
        if (first == '!' || first == '?' || first == '/') {
            pos = findFrom(html, open + 1, ">") + 1;
            continue;
        }
        if (!isLetter(first)) {
            pos = open + 1;
            continue;
        }
        qsizetype at = open + 1;
        while (at < size && !isSpace(html[at]) && html[at] != '>' && html[at] != '/')
            ++at;
        tag.name = html.sliced(open + 1, at - open - 1);
        tag.attributes.clear();
        bool closed = false;
        while (at < size) {
            while (at < size && (isSpace(html[at]) || html[at] == '/'))
                ++at;
            if (at >= size)
                break;
            if (html[at] == '>') {
                closed = true;
                ++at;
                break;
            }
            const qsizetype nameStart = at;
            while (at < size && !isSpace(html[at]) && html[at] != '=' && html[at] != '>' &&
                   html[at] != '/')
                ++at;
            if (at == nameStart) // a stray "=": step over it
                ++at;
            Attribute attribute{html.sliced(nameStart, at - nameStart), {}};
            qsizetype look = at;
            while (look < size && isSpace(html[look]))
                ++look;
            if (look < size && html[look] == '=') {
                at = look + 1;
                while (at < size && isSpace(html[at]))
                    ++at;
                if (at < size && (html[at] == '"' || html[at] == '\'')) {
                    const char quote = html[at];
                    const qsizetype valueEnd = html.indexOf(quote, at + 1);
                    const qsizetype end = valueEnd < 0 ? size : valueEnd;
                    attribute.value = html.sliced(at + 1, end - at - 1);
                    at = end + 1;
                } else {
                    const qsizetype valueStart = at;
                    while (at < size && !isSpace(html[at]) && html[at] != '>')
                        ++at;
                    attribute.value = html.sliced(valueStart, at - valueStart);
                }
            }
            tag.attributes.append(attribute);
        }
        if (!closed) {
            pos = size;
            return false;
        }
        tag.end = at;
        tag.contentEnd = at;
        pos = at;
        if (isRawText(tag)) {
            QByteArray lowerName = tag.name.toByteArray().toLower();
            tag.contentEnd = findEndTag(html, at, lowerName);
            pos = tag.contentEnd;
        }
        return true;
    }
    return false;
}

QString decodeEntities(QByteArrayView raw) {
    const QString text = QString::fromUtf8(raw);
    if (!text.contains(u'&'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            const qsizetype used = decodeReference(text, i, out);
            if (used > 0) {
                i += used - 1;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QString collapseSpace(const QString& text) {
    QString out;
    out.reserve(text.size());
    bool space = false;
    for (const QChar c : text) {
        if (c.isSpace()) {
            space = !out.isEmpty();
            continue;
        }
        if (space)
            out += u' ';
        space = false;
        out += c;
    }
    return out;
}

QString textUntil(QByteArrayView html, qsizetype from, QByteArrayView endName, qsizetype limit) {
    const QByteArrayView window = html.sliced(from, qMin(limit, html.size() - from));
    const qsizetype end = findEndTag(window, 0, endName);
    QByteArray text;
    bool inTag = false;
    for (qsizetype i = 0; i < end; ++i) {
        const char c = window[i];
        if (c == '<')
            inTag = true;
        else if (c == '>' && inTag)
            inTag = false;
        else if (!inTag)
            text += c;
    }
    return collapseSpace(decodeEntities(text));
}

bool isDigits(QByteArrayView text) {
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace quillbox::markup

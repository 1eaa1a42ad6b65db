#include "browser/shown_text.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace quillbox {

namespace {

struct NamedReference {
    QStringView name; // between "&" and ";"
    char16_t character;
};

constexpr NamedReference namedReferences[] = {
    {u"amp", u'&'},  {u"lt", u'<'},    {u"gt", u'>'},
    {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", char16_t(0x00A0)},
};

// The longest reference read: "&#x10FFFF;" and "&#1114111;" both fit.
constexpr qsizetype longestReference = 10;

// The character a reference at text[at] (an "&") stands for, and its length; nullopt when
// there is none (a lone "&", an unknown name, a code point that is no character).
std::optional<std::pair<char32_t, qsizetype>> referenceAt(QStringView text, qsizetype at) {
    const qsizetype end =
        text.sliced(at, std::min(longestReference, text.size() - at)).indexOf(u';');
    if (end < 2)
        return std::nullopt;
    const QStringView body = text.sliced(at + 1, end - 1);
    if (body.front() != u'#') {
        for (const NamedReference& r : namedReferences) {
            if (body == r.name)
                return std::pair{char32_t(r.character), end + 1};
        }
        return std::nullopt;
    }
    const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
    const QStringView digits = body.sliced(hex ? 2 : 1);
    if (digits.isEmpty())
        return std::nullopt;
    bool ok = false;
    const uint code = digits.toUInt(&ok, hex ? 16 : 10);
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return std::pair{char32_t(code), end + 1};
}

bool isWhiteSpace(char32_t c) {
    return c < 0x10000 ? QChar::isSpace(char16_t(c)) : false;
}

// Knuth-Morris-Pratt: linear in both lengths for any text, unlike a skipping search, which a
// page of repeated characters can hold to the product of the two.
bool containsLinear(QStringView text, QStringView needle) {
    if (needle.isEmpty())
        return true;
    std::vector<qsizetype> fallback(size_t(needle.size()), 0);
    for (qsizetype i = 1, k = 0; i < needle.size(); ++i) {
        while (k > 0 && needle[i] != needle[k])
            k = fallback[size_t(k - 1)];
        if (needle[i] == needle[k])
            ++k;
        fallback[size_t(i)] = k;
    }
    for (qsizetype i = 0, k = 0; i < text.size(); ++i) {
        while (k > 0 && text[i] != needle[k])
            k = fallback[size_t(k - 1)];
        if (text[i] == needle[k])
            ++k;
        if (k == needle.size())
            return true;
    }
    return false;
}

} // namespace

QString plainFirstLine(QStringView message) {
    qsizetype start = 0;
    while (start < message.size()) {
        qsizetype end = start;
        while (end < message.size() && message[end] != u'\r' && message[end] != u'\n')
            ++end;
        const QStringView line = message.sliced(start, end - start).trimmed();
        if (!line.isEmpty())
            return line.toString();
        start = end + 1;
    }
    return {};
}

QString normalisedShownText(QStringView text) {
    QString out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        qsizetype width = 1;
        if (c == u'&') {
            if (const auto reference = referenceAt(text, i)) {
                c = reference->first;
                width = reference->second;
            }
        }
        i += width - 1;
        if (isWhiteSpace(c)) {
            pendingSpace = !out.isEmpty();
            continue;
        }
        if (pendingSpace) {
            out += u' ';
            pendingSpace = false;
        }
        if (width == 1) // surrogate halves are copied as they come and pair up again
            out += QChar(char16_t(c));
        else
            out += QStringView(QChar::fromUcs4(c));
    }
    return out.toCaseFolded();
}

bool shownTextContains(QStringView pageText, QStringView line) {
    const QString needle = normalisedShownText(line);
    if (needle.isEmpty())
        return false;
    return containsLinear(normalisedShownText(pageText), needle);
}

} // namespace quillbox

#pragma once

#include <QStringView>

// Comparisons of the ASCII letters only, for markup and web-address words: no Unicode case
// folding, so "ſ" never passes for "s" nor "K" (the Kelvin sign) for "k".
namespace quillbox::ascii {

constexpr char16_t lower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

// Whether text holds word (written in lower case) at position at, ASCII letters compared
// without regard to case. A position outside the text, or a word running past its end, is no
// match.
inline bool matchesAt(QStringView text, qsizetype at, QStringView word) {
    if (at < 0 || at > text.size() || text.size() - at < word.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (lower(text[at + i].unicode()) != word[i].unicode())
            return false;
    }
    return true;
}

// Whether text holds needle anywhere, ASCII letters of both compared without regard to case.
inline bool contains(QStringView text, QStringView needle) {
    if (needle.isEmpty())
        return true;
    const char16_t first = lower(needle[0].unicode());
    const qsizetype last = text.size() - needle.size();
    for (qsizetype pos = 0; pos <= last; ++pos) {
        if (lower(text[pos].unicode()) != first)
            continue;
        qsizetype i = 1;
        while (i < needle.size() && lower(text[pos + i].unicode()) == lower(needle[i].unicode()))
            ++i;
        if (i == needle.size())
            return true;
    }
    return false;
}

} // namespace quillbox::ascii

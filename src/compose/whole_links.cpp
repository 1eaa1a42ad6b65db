#include "compose/whole_links.h"

#include "text/ascii.h"

#include <QStringView>

namespace quillbox {

namespace {

bool isLetterOrDigit(char16_t c) {
    return QChar::isLetterOrNumber(c);
}

// What ends a web address: never part of one.
bool endsAddress(char16_t c) {
    return c < 0x20 || c == 0x7f || c == u'<' || c == u'>' || c == u'"' || QChar::isSpace(c);
}

// Punctuation that closes the sentence around an address rather than the address itself.
bool isTrailingPunctuation(char16_t c) {
    switch (c) {
    case u'.':
    case u',':
    case u'!':
    case u'?':
    case u':':
    case u';':
    case u'\'':
    case u'"':
    case u'\u2018': // ‘ ’ “ ”
    case u'\u2019':
    case u'\u201c':
    case u'\u201d':
    case u'\u00ab': // « » ‹ ›
    case u'\u00bb':
    case u'\u2039':
    case u'\u203a':
    case u'\u2026': // …
    case u'\u3001': // 、 。
    case u'\u3002':
    case u'\uff01': // ！ ， ． ： ； ？
    case u'\uff0c':
    case u'\uff0e':
    case u'\uff1a':
    case u'\uff1b':
    case u'\uff1f':
        return true;
    default:
        return false;
    }
}

// A character that makes "www." or "http" the middle of something else (a word, a host, a
// path, a parameter, "[url=http://…]") rather than the start of an address.
bool blocksAddressStart(char16_t c) {
    if (isLetterOrDigit(c))
        return true;
    switch (c) {
    case u'.':
    case u'-':
    case u'_':
    case u'@':
    case u'/':
    case u'\\':
    case u'=':
    case u'&':
    case u'%':
    case u'+':
    case u'~':
    case u'#':
        return true;
    default:
        return false;
    }
}

bool isLocalPartChar(char16_t c) {
    return isLetterOrDigit(c) || c == u'.' || c == u'_' || c == u'%' || c == u'+' || c == u'-';
}

bool isDomainChar(char16_t c) {
    return isLetterOrDigit(c) || c == u'.' || c == u'-' || c == u'_';
}

struct Span {
    qsizetype begin = 0;
    qsizetype end = 0; // one past the last character; begin == end: no address
};

// Drops trailing punctuation and closing brackets without a partner inside the address, in
// any order ("(see http://x/y)." loses ")." but "http://x/Foo_(bar)" keeps its ")").
qsizetype trimAddressEnd(QStringView text, qsizetype begin, qsizetype end) {
    struct Pair {
        char16_t open;
        char16_t close;
        qsizetype balance; // closers minus openers inside [begin, end)
    };
    Pair pairs[] = {{u'(', u')', 0}, {u'[', u']', 0}, {u'{', u'}', 0}};
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        for (Pair& p : pairs) {
            if (c == p.open)
                --p.balance;
            else if (c == p.close)
                ++p.balance;
        }
    }
    while (end > begin) {
        const char16_t c = text[end - 1].unicode();
        if (isTrailingPunctuation(c)) {
            --end;
            continue;
        }
        bool dropped = false;
        for (Pair& p : pairs) {
            if (c == p.close && p.balance > 0) {
                --p.balance;
                --end;
                dropped = true;
            }
        }
        if (!dropped)
            break;
    }
    return end;
}

// The web address starting at `at`, if one does; `wwwOnly` tells which kind it is.
Span webAddressAt(QStringView text, qsizetype at, bool& www) {
    qsizetype schemeEnd = -1;
    www = false;
    if (ascii::matchesAt(text, at, u"http://")) {
        schemeEnd = at + 7;
    } else if (ascii::matchesAt(text, at, u"https://")) {
        schemeEnd = at + 8;
    } else if (ascii::matchesAt(text, at, u"www.") && at + 4 < text.size() &&
               isLetterOrDigit(text[at + 4].unicode())) {
        schemeEnd = at + 4;
        www = true;
    }
    if (schemeEnd < 0 || (at > 0 && blocksAddressStart(text[at - 1].unicode())))
        return {};
    qsizetype end = schemeEnd;
    while (end < text.size() && !endsAddress(text[end].unicode()))
        ++end;
    end = trimAddressEnd(text, schemeEnd, end);
    if (end <= schemeEnd)
        return {}; // a scheme with nothing after it
    return {at, end};
}

// The e-mail address around the "@" at `at`, beginning no earlier than `floor`.
Span mailAddressAround(QStringView text, qsizetype at, qsizetype floor) {
    qsizetype begin = at;
    while (begin > floor && isLocalPartChar(text[begin - 1].unicode()))
        --begin;
    while (begin < at && text[begin] == u'.')
        ++begin;
    if (begin == at)
        return {};
    qsizetype end = at + 1;
    while (end < text.size() && isDomainChar(text[end].unicode()))
        ++end;
    // A domain ends in a letter or digit: a full stop or dash after it belongs to the sentence.
    while (end > at + 1 && !isLetterOrDigit(text[end - 1].unicode()))
        --end;
    const QStringView domain = text.sliced(at + 1, end - at - 1);
    if (domain.isEmpty() || !isLetterOrDigit(domain.front().unicode()) || !domain.contains(u'.'))
        return {};
    return {begin, end};
}

} // namespace

QString insertWholeLinks(const QString& text, const QString& linkOpen01, const QString& linkOpen02,
                         const QString& linkClose01, const QString& mailCall01) {
    const QStringView in(text);
    const qsizetype size = in.size();
    QString out;
    qsizetype copied = 0; // everything before this is in `out` already
    const auto writeLink = [&](Span span, QStringView targetPrefix) {
        if (out.isNull())
            out.reserve(size + size / 4 + 64);
        const QStringView address = in.sliced(span.begin, span.end - span.begin);
        out += in.sliced(copied, span.begin - copied);
        out += linkOpen01;
        out += targetPrefix;
        out += address;
        out += linkOpen02;
        out += address;
        out += linkClose01;
        copied = span.end;
    };

    // Every address holds one of three characters at a fixed place: the "@" of an e-mail
    // address, the ":" of "http://" and "https://", the "." of "www.". The vectorised character
    // search finds each in turn, and candidates are tried in the order of those characters,
    // which is also the order of the addresses' starts, so the text is read about once.
    constexpr char16_t marks[] = {u'@', u':', u'.'};
    qsizetype next[3]; // the next of each at or after `scan`; -1 when there is none
    for (int m = 0; m < 3; ++m)
        next[m] = in.indexOf(QChar(marks[m]));
    qsizetype scan = 0; // nothing before this is looked at again
    while (true) {
        int k = -1;
        for (int m = 0; m < 3; ++m) {
            if (next[m] >= 0 && next[m] < scan)
                next[m] = in.indexOf(QChar(marks[m]), scan);
            if (next[m] >= 0 && (k < 0 || next[m] < next[k]))
                k = m;
        }
        if (k < 0)
            break;
        const qsizetype at = next[k];
        Span found;
        bool www = false;
        if (marks[k] == u'@') {
            found = mailAddressAround(in, at, copied);
        } else if (marks[k] == u':') {
            if (at + 2 < size && in[at + 1] == u'/' && in[at + 2] == u'/') {
                for (const qsizetype start : {at - 5, at - 4}) {
                    if (start >= copied && found.end == found.begin)
                        found = webAddressAt(in, start, www);
                }
            }
        } else if (at - 3 >= copied && (in[at - 1] == u'w' || in[at - 1] == u'W')) {
            found = webAddressAt(in, at - 3, www);
        }
        if (found.end > found.begin) {
            writeLink(found, marks[k] == u'@' ? QStringView(mailCall01)
                                              : (www ? QStringView(u"http://") : QStringView()));
            scan = found.end;
        } else {
            scan = at + 1;
        }
    }
    if (out.isNull())
        return text;
    out += in.sliced(copied);
    return out;
}

} // namespace quillbox

#include "watch/shown_address.h"

#include <optional>
#include <utility>

namespace quillbox {

namespace {

bool isUnprintable(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F) ||
           c.category() == QChar::Other_Format || c.category() == QChar::Separator_Line ||
           c.category() == QChar::Separator_Paragraph;
}

} // namespace

QString printableAddress(const QString& url) {
    QString out;
    out.reserve(url.size());
    for (QChar c : url) {
        if (!isUnprintable(c)) {
            out.append(c);
            continue;
        }
        for (char byte : QString(c).toUtf8())
            out += u'%' + QString::number(uchar(byte), 16).toUpper().rightJustified(2, u'0');
    }
    return out;
}

namespace {

// Where the password of an address with "://" lies: from the ":" before it to the "@" after it,
// both taken as positions in the address; nullopt when it has none (see maskedAddress).
std::optional<std::pair<qsizetype, qsizetype>> passwordSpan(const QString& url) {
    const qsizetype schemeEnd = url.indexOf(u"://");
    if (schemeEnd < 0)
        return std::nullopt;
    // The scheme holds none of the characters that end an authority, so "://" inside a path or
    // a query is no scheme's.
    for (qsizetype i = 0; i < schemeEnd; ++i) {
        if (url[i] == u'/' || url[i] == u'?' || url[i] == u'#')
            return std::nullopt;
    }
    const qsizetype from = schemeEnd + 3;
    qsizetype end = url.size();
    for (qsizetype i = from; i < url.size(); ++i) {
        if (url[i] == u'/' || url[i] == u'?' || url[i] == u'#') {
            end = i;
            break;
        }
    }
    const qsizetype at = QStringView(url).sliced(from, end - from).lastIndexOf(u'@');
    if (at < 0)
        return std::nullopt;
    const qsizetype colon = QStringView(url).sliced(from, at).indexOf(u':');
    if (colon < 0 || colon + 1 == at)
        return std::nullopt;
    return std::pair{from + colon, from + at};
}

} // namespace

QString maskedAddress(const QString& url) {
    const auto span = passwordSpan(url);
    if (!span)
        return url;
    return url.left(span->first + 1) + QStringLiteral("***") + url.sliced(span->second);
}

QString addressWithoutPassword(const QString& url) {
    const auto span = passwordSpan(url);
    if (!span)
        return url;
    return url.left(span->first) + url.sliced(span->second);
}

QString shownAddress(const QString& url) {
    return printableAddress(maskedAddress(url));
}

} // namespace quillbox

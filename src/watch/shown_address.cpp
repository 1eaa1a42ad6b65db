#include "watch/shown_address.h"

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

QString maskedAddress(const QString& url) {
    const qsizetype schemeEnd = url.indexOf(u"://");
    if (schemeEnd < 0)
        return url;
    // The scheme holds none of the characters that end an authority, so "://" inside a path or
    // a query is no scheme's.
    for (qsizetype i = 0; i < schemeEnd; ++i) {
        if (url[i] == u'/' || url[i] == u'?' || url[i] == u'#')
            return url;
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
        return url;
    const qsizetype colon = QStringView(url).sliced(from, at).indexOf(u':');
    if (colon < 0 || colon + 1 == at)
        return url;
    return url.left(from + colon + 1) + QStringLiteral("***") + url.sliced(from + at);
}

QString shownAddress(const QString& url) {
    return printableAddress(maskedAddress(url));
}

} // namespace quillbox

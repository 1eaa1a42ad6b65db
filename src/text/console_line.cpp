#include "text/console_line.h"

#include <algorithm>

namespace quillbox {

namespace {

// Characters a terminal or a reader could take for something else than text.
bool needsEscape(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0x200E ||
           c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) ||
           c == u'\\';
}

QString escapeOf(char16_t c) {
    switch (c) {
    case u'\\':
        return QStringLiteral("\\\\");
    case u'\n':
        return QStringLiteral("\\n");
    case u'\r':
        return QStringLiteral("\\r");
    case u'\t':
        return QStringLiteral("\\t");
    default:
        break;
    }
    if (c <= 0xFF)
        return QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u{%1}").arg(uint(c), 4, 16, QLatin1Char('0'));
}

} // namespace

QString escapedLogLine(QStringView text, qsizetype cap) {
    QString out;
    out.reserve(std::min(text.size(), cap) + 16);
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        QString piece;
        qsizetype width = 1; // input characters the piece stands for
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            piece = text.sliced(i, 2).toString();
            width = 2;
        } else if (QChar::isSurrogate(c) || needsEscape(c)) {
            piece = escapeOf(c);
        } else {
            if (out.size() + 1 > cap)
                break;
            out += QChar(c);
            continue;
        }
        if (out.size() + piece.size() > cap)
            break;
        out += piece;
        i += width - 1;
    }
    if (i < text.size())
        out += QStringLiteral(" ... [%1 more characters]").arg(text.size() - i);
    return out;
}

} // namespace quillbox

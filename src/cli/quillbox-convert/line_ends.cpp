#include "line_ends.h"

namespace quillbox::cli {

namespace {

#ifdef Q_OS_WIN
constexpr QStringView platformLineEnd = u"\r\n";
#else
constexpr QStringView platformLineEnd = u"\n";
#endif

// Copies the text, writing `lineEnd` for each CR LF, lone CR and lone LF; runs of ordinary
// characters are copied in one piece.
QString replaceLineBreaks(QStringView text, QStringView lineEnd) {
    QString out;
    out.reserve(text.size() + text.size() / 16);
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        out.append(text.sliced(copied, i - copied)).append(lineEnd);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        copied = i + 1;
    }
    out.append(text.sliced(copied));
    return out;
}

} // namespace

QString toEditorLineBreaks(QStringView text) {
    return replaceLineBreaks(text, u"\r\n");
}

QString toPlatformLineEnds(QStringView text) {
    return replaceLineBreaks(text, platformLineEnd);
}

} // namespace quillbox::cli

#include "compose/editor_text.h"

namespace quillbox {

QString editorToMessage(const QString& editorText) {
    QString out;
    out.reserve(editorText.size() + editorText.size() / 16);
    for (QChar c : editorText) {
        if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            out += QStringLiteral("\r\n");
        else if (c != u'\r')
            out += c;
    }
    return out;
}

QString outputText(const QString& message) {
    return message + QStringLiteral("\r\n\r\n");
}

QString messageToEditor(const QString& message) {
    QString out = message;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

} // namespace quillbox

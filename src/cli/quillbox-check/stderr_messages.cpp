#include "stderr_messages.h"

#include <cstdio>

namespace quillbox {

void StderrMessages::showMessage(const QString& title, const QString& text, MessageIcon) {
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(u'\r', u'\n');
    const QString out = title + QStringLiteral(": ") + body + u'\n';
    std::fputs(out.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

} // namespace quillbox

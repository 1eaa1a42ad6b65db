#include "stderr_messages.h"

#include <cstdio>

namespace quillbox {

void StderrMessages::showMessage(const QString& title, const QString& text, MessageIcon,
                                 const QString& informativeText) {
    QString body = text;
    if (!informativeText.isEmpty())
        body += u'\n' + informativeText;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(u'\r', u'\n');
    const QString out = title + QStringLiteral(": ") + body + u'\n';
    std::fputs(out.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

int StderrMessages::askChoice(const QString& title, const QString& text,
                              const QStringList& buttons, MessageIcon icon) {
    showMessage(title, text, icon, {});
    return int(buttons.size()) - 1;
}

} // namespace quillbox

#pragma once

#include "platform/user_messages.h"

#include <QTextStream>

namespace quillbox {

// Messages for a program without a window: written to standard error, one line per line of
// the message, after the title. Nobody is there to answer a question: it takes the last button.
class StderrMessages : public UserMessages {
public:
    void showMessage(const QString& title, const QString& text, MessageIcon icon,
                     const QString& informativeText) override;
    int askChoice(const QString& title, const QString& text, const QStringList& buttons,
                  MessageIcon icon) override;
};

} // namespace quillbox

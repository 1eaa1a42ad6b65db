#pragma once

#include "platform/user_messages.h"

#include <QTextStream>

namespace quillbox {

// Messages for a program without a window: written to standard error, one line per line of
// the message, after the title.
class StderrMessages : public UserMessages {
public:
    void showMessage(const QString& title, const QString& text, MessageIcon icon) override;
};

} // namespace quillbox

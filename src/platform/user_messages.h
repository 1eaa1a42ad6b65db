#pragma once

#include <QString>

namespace quillbox {

enum class MessageIcon { None, Information, Exclamation, Critical };

// Modal messages to the user. The program shows them in message boxes; tests record them.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    // Shows one message with a single OK button and returns when the user has closed it.
    virtual void showMessage(const QString& title, const QString& text,
                             MessageIcon icon = MessageIcon::None) = 0;
};

} // namespace quillbox

#pragma once

#include <QString>
#include <QStringList>

namespace quillbox {

enum class MessageIcon { None, Information, Exclamation, Critical };

// Modal messages to the user. The program shows them in message boxes; tests record them.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    // Shows one message with a single OK button and returns when the user has closed it. The
    // informative text, when given, stands as the box's second line (a detail such as the
    // address that failed).
    virtual void showMessage(const QString& title, const QString& text,
                             MessageIcon icon = MessageIcon::None,
                             const QString& informativeText = {}) = 0;
    // Asks the user to choose one of the buttons, captioned as given, and returns the index of
    // the chosen one. Closing the box without a choice answers the last button.
    virtual int askChoice(const QString& title, const QString& text, const QStringList& buttons,
                          MessageIcon icon = MessageIcon::Exclamation) = 0;
};

} // namespace quillbox

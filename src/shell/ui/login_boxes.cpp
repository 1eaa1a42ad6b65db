#include "shell/ui/login_boxes.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>

namespace quillbox {

void showLogin(QLineEdit* userNameBox, QLineEdit* passwordBox, const QString& userName,
               const ForumPasswords::Shown& password) {
    const QSignalBlocker quietUserName(userNameBox);
    userNameBox->setText(userName);
    showPassword(passwordBox, password);
}

void showPassword(QLineEdit* passwordBox, const ForumPasswords::Shown& password) {
    const QSignalBlocker quiet(passwordBox);
    // Without a word from the keyring the box keeps its usual hint.
    passwordBox->setPlaceholderText(
        password.placeholder.isEmpty()
            ? QCoreApplication::translate("quillbox::ListsPane", "Enter Password")
            : password.placeholder);
    passwordBox->setText(password.password);
}

} // namespace quillbox

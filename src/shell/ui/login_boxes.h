#pragma once

#include "watch/forum_passwords.h"

class QLineEdit;

namespace quillbox {

// Puts a forum's login into its boxes without handing it back as if typed: the boxes change one
// after the other, and in between they would pair this forum's user name with the password of
// the forum shown before.
void showLogin(QLineEdit* userNameBox, QLineEdit* passwordBox, const QString& userName,
               const ForumPasswords::Shown& password);
// The password box shows the password, or, while there is none to show, why (as a placeholder,
// which is never stored).
void showPassword(QLineEdit* passwordBox, const ForumPasswords::Shown& password);

} // namespace quillbox

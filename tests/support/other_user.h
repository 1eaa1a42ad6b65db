#pragma once

#include <QProcess>
#include <QString>

namespace quillbox::test {

// Tests of what another local user can do to the program: only as root, which may run a program
// as another user (setpriv).
bool canActAsOtherUser();
// The user id the other user's programs run as.
uint otherUserId();

// Starts, as the other user, a program that listens at `socketPath` (whose folder that user must
// be able to write) and prints "connected" and "received N bytes" for what reaches it. True once
// it listens.
bool startOtherUsersListener(QProcess& listener, const QString& socketPath);

} // namespace quillbox::test

#pragma once

#include <QString>
#include <sys/types.h>

namespace quillbox {

// Where the single-instance channel of a data folder lives, and who may talk on it. The socket
// must be in a folder only this user can enter, or another local user could take its name first
// and receive what a second start sends; and each end checks the other's user id besides.

struct ChannelPlace {
    QString path;  // the socket's full path; "" when no safe place was found
    QString error; // why not, for the user
};

// The socket for `folder`: in $XDG_RUNTIME_DIR when it is a folder of this user's that no one
// else may enter; otherwise in "quillbox-<uid>" inside the temporary folder, made owner-only
// when missing and refused when it belongs to someone else or others may enter it.
ChannelPlace channelPlace(const QString& folder);

// Whether `folder` is a real folder (no symbolic link) owned by `uid` that no one else may
// read, write or enter; when not, `why` says what is wrong with it.
bool isPrivateFolder(const QString& folder, uid_t uid, QString* why = nullptr);

// The user id of the process at the other end of a connected local socket; -1 when it cannot
// be told.
qint64 peerUserId(qintptr socketDescriptor);

} // namespace quillbox

#include "store/user_channel.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillbox {

namespace {

// One name per folder, however the folder is spelled.
QString socketName(const QString& folder) {
    const QFileInfo info(folder);
    const QString path =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("quillbox-") + QString::fromLatin1(hash);
}

} // namespace

bool isPrivateFolder(const QString& folder, uid_t uid, QString* why) {
    struct stat info {};
    const auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return fail(qt_error_string(errno));
    if (!S_ISDIR(info.st_mode))
        return fail(QCoreApplication::translate("quillbox::UserChannel", "it is not a folder"));
    if (info.st_uid != uid)
        return fail(
            QCoreApplication::translate("quillbox::UserChannel", "it belongs to another user"));
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return fail(
            QCoreApplication::translate("quillbox::UserChannel", "other users may enter it"));
    return true;
}

ChannelPlace channelPlace(const QString& folder) {
    const uid_t uid = ::getuid();
    const QString name = socketName(folder);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime, uid))
        return {QDir(runtime).filePath(name), {}};
    // No runtime folder of the user's own: a folder of the user's own in the temporary folder,
    // which anyone may create first, so it is trusted only once checked.
    const QString own = QDir(QDir::tempPath()).filePath(QStringLiteral("quillbox-%1").arg(uid));
    if (::mkdir(QFile::encodeName(own).constData(), S_IRWXU) != 0 && errno != EEXIST) {
        return {{},
                QCoreApplication::translate(
                    "quillbox::UserChannel",
                    "The folder \"%1\" for talking to a running Quillbox cannot be made: %2")
                    .arg(QDir::toNativeSeparators(own), qt_error_string(errno))};
    }
    QString why;
    if (!isPrivateFolder(own, uid, &why)) {
        return {{},
                QCoreApplication::translate(
                    "quillbox::UserChannel",
                    "The folder \"%1\" for talking to a running Quillbox cannot be trusted: %2.")
                    .arg(QDir::toNativeSeparators(own), why)};
    }
    return {QDir(own).filePath(name), {}};
}

qint64 peerUserId(qintptr socketDescriptor) {
    struct ucred credentials {};
    socklen_t size = sizeof credentials;
    if (socketDescriptor < 0 ||
        ::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
        size != sizeof credentials)
        return -1;
    return qint64(credentials.uid);
}

} // namespace quillbox

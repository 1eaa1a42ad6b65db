#include "support/other_user.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace quillbox::test {

namespace {

constexpr int startWaitMs = 60000; // a bound for a busy machine, not a measure

QString setpriv() {
    return QStandardPaths::findExecutable(QStringLiteral("setpriv"));
}

} // namespace

bool canActAsOtherUser() {
    return ::geteuid() == 0 && !setpriv().isEmpty();
}

uint otherUserId() {
    return 65534; // nobody
}

bool startOtherUsersListener(QProcess& listener, const QString& socketPath) {
    const QString id = QString::number(otherUserId());
    listener.start(setpriv(), {QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id,
                               QStringLiteral("--clear-groups"),
                               QStringLiteral(QUILLBOX_CHANNEL_LISTENER), socketPath});
    if (!listener.waitForStarted(startWaitMs))
        return false;
    while (!listener.canReadLine()) {
        if (!listener.waitForReadyRead(startWaitMs))
            return false;
    }
    return listener.readLine().trimmed() == "listening";
}

} // namespace quillbox::test

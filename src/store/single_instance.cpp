#include "store/single_instance.h"

#include "platform/logging.h"
#include "store/user_channel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <unistd.h>
#include <utility>

namespace quillbox {

namespace {

// A line longer than this is no message of the program's: the connection is dropped.
constexpr qsizetype maxLineBytes = 64 * 1024;
// A connection that sends no whole line in this time is dropped, so it holds nothing open.
constexpr int lineWaitMs = 10000;
// How often the connections served are looked over for one that has waited too long.
constexpr int idleCheckMs = 1000;

// A message travels as one line of UTF-8: a backslash and a line feed inside it are escaped.
QByteArray encodeLine(const QString& text) {
    QByteArray line = text.toUtf8();
    line.replace("\\", "\\\\");
    line.replace("\n", "\\n");
    return line + '\n';
}

QString decodeLine(const QByteArray& line) {
    QByteArray out;
    out.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            ++i;
            out += line[i] == 'n' ? '\n' : line[i];
        } else {
            out += line[i];
        }
    }
    return QString::fromUtf8(out);
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {
    m_idleTimer.setInterval(idleCheckMs);
    connect(&m_idleTimer, &QTimer::timeout, this, &SingleInstance::dropIdle);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockFileName() {
    return QStringLiteral("quillbox.lock");
}

SingleInstance::Role SingleInstance::tryLock(const QString& dataFolder) {
    if (m_role == Role::Primary && dataFolder == m_folder)
        return m_role;
    for (const Served& served : std::exchange(m_served, {}))
        served.socket->deleteLater();
    m_idleTimer.stop();
    delete m_server;
    m_server = nullptr;
    m_lock.reset();
    m_folder = dataFolder;
    const ChannelPlace place = channelPlace(dataFolder);
    m_serverName = place.path;
    m_channelError = place.error;
    m_error.clear();
    m_untrusted.clear();
    m_lock = std::make_unique<QLockFile>(QDir(dataFolder).filePath(lockFileName()));
    // Only a lock whose program is gone is stale: by age alone (30 seconds by default) a
    // program that has run for long would lose its folder wherever the file system offers no
    // lock of its own to tell that it still runs.
    m_lock->setStaleLockTime(0);
    const bool leftBehind = QFileInfo::exists(QDir(dataFolder).filePath(lockFileName()));
    if (m_lock->tryLock(0)) {
        m_role = Role::Primary;
        // Like every file of the data folder, whoever made the folder.
        QFile::setPermissions(QDir(dataFolder).filePath(lockFileName()),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        qCInfo(logInstance).noquote()
            << (leftBehind ? "data folder locked for this program, taking over the lock of one "
                             "that is gone:"
                           : "data folder locked for this program:")
            << QDir::toNativeSeparators(dataFolder);
        listen();
        return m_role;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        if (logInstance().isInfoEnabled()) {
            qint64 pid = 0;
            QString host;
            QString app;
            m_lock->getLockInfo(&pid, &host, &app);
            qCInfo(logInstance).noquote()
                << "data folder held by another running program (process" << pid
                << "): this start is a second one:" << QDir::toNativeSeparators(dataFolder);
        }
        m_lock.reset();
        m_role = Role::Secondary;
        return m_role;
    }
    m_error = QCoreApplication::translate("quillbox::SingleInstance",
                                          "Could not lock the data folder \"%1\": %2")
                  .arg(QDir::toNativeSeparators(dataFolder),
                       m_lock->error() == QLockFile::PermissionError
                           ? QCoreApplication::translate("quillbox::SingleInstance",
                                                         "the folder cannot be written.")
                           : QCoreApplication::translate("quillbox::SingleInstance",
                                                         "the lock file cannot be made."));
    qCInfo(logInstance).noquote() << m_error;
    m_lock.reset();
    m_role = Role::None;
    return m_role;
}

void SingleInstance::listen() {
    const auto fail = [this](const QString& why) {
        // The folder is still this program's; a later start only cannot reach it.
        m_error = why;
        qCWarning(logInstance).noquote() << "a second start cannot reach this program:" << why;
    };
    if (m_serverName.isEmpty()) {
        fail(m_channelError);
        return;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->setMaxPendingConnections(maxServed);
    // Holding the lock, this is the only program on the folder: a socket of the name is left
    // over from one that crashed. The folder it is in is the user's alone (see channelPlace).
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName)) {
        fail(QCoreApplication::translate("quillbox::SingleInstance",
                                         "Could not listen at \"%1\": %2")
                 .arg(QDir::toNativeSeparators(m_serverName), m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnections);
    qCDebug(logInstance).noquote() << "listening for later starts at" << m_serverName;
}

// A few connections at a time: a flood of them waits in the server's queue (and the system's)
// instead of costing the program a buffer and a timer each.
void SingleInstance::takeConnections() {
    while (m_server && m_served.size() < maxServed && m_server->hasPendingConnections()) {
        QLocalSocket* socket = m_server->nextPendingConnection();
        if (socket->state() != QLocalSocket::ConnectedState) {
            socket->deleteLater(); // gone already: nothing to answer
            continue;
        }
        const qint64 peer = peerUserId(socket->socketDescriptor());
        if (peer != qint64(::getuid())) {
            qCWarning(logInstance) << "refused a connection from user" << peer;
            socket->abort();
            socket->deleteLater();
            continue;
        }
        serve(socket);
    }
}

void SingleInstance::serve(QLocalSocket* socket) {
    Served served{socket, QElapsedTimer()};
    served.since.start();
    m_served.append(served);
    if (!m_idleTimer.isActive())
        m_idleTimer.start();
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] { finished(socket); });
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
        *buffer += socket->read(maxLineBytes + 1 - buffer->size());
        const qsizetype end = buffer->indexOf('\n');
        if (end < 0) {
            if (buffer->size() > maxLineBytes) {
                qCInfo(logInstance) << "dropped a connection whose line is too long";
                socket->abort();
            }
            return;
        }
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        // A slot may wait in a dialog while another start is served: each keeps its own answer.
        const QString outer = std::exchange(m_answer, QString());
        emit messageReceived(decodeLine(buffer->left(end)));
        socket->write(encodeLine(std::exchange(m_answer, outer)));
        socket->disconnectFromServer(); // once the answer is written
    });
}

void SingleInstance::finished(QLocalSocket* socket) {
    const auto served = std::find_if(m_served.begin(), m_served.end(),
                                     [socket](const Served& s) { return s.socket == socket; });
    if (served == m_served.end())
        return;
    m_served.erase(served);
    socket->disconnect(this);
    socket->deleteLater();
    if (m_served.isEmpty())
        m_idleTimer.stop();
    // Made to wait while all were busy: their turn now, after this event.
    QTimer::singleShot(0, this, &SingleInstance::takeConnections);
}

void SingleInstance::dropIdle() {
    QList<QLocalSocket*> idle;
    for (const Served& served : std::as_const(m_served)) {
        if (served.since.hasExpired(lineWaitMs))
            idle.append(served.socket);
    }
    for (QLocalSocket* socket : idle) {
        qCInfo(logInstance) << "dropped a connection that sent no whole line in time";
        socket->abort();
        finished(socket);
    }
}

std::optional<QString> SingleInstance::sendMessage(const QString& message, int timeoutMs) {
    m_untrusted.clear();
    if (m_serverName.isEmpty()) {
        m_untrusted = m_channelError;
        qCInfo(logInstance).noquote() << "not talking to the running program:" << m_untrusted;
        return std::nullopt;
    }
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // A primary still starting may not listen yet.
    for (;;) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired()) {
            qCInfo(logInstance) << "the running program did not take the connection in" << timeoutMs
                                << "ms";
            return std::nullopt;
        }
        QThread::msleep(50);
    }
    // What is sent may name the user's threads: only to a program of the user's own.
    const qint64 peer = peerUserId(socket.socketDescriptor());
    if (peer != qint64(::getuid())) {
        socket.abort();
        m_untrusted =
            peer < 0
                ? QCoreApplication::translate("quillbox::SingleInstance",
                                              "the program at \"%1\" could not be identified.")
                      .arg(QDir::toNativeSeparators(m_serverName))
                : QCoreApplication::translate("quillbox::SingleInstance",
                                              "the program at \"%1\" belongs to another user (%2).")
                      .arg(QDir::toNativeSeparators(m_serverName))
                      .arg(peer);
        qCWarning(logInstance).noquote() << "not talking to" << m_untrusted;
        return std::nullopt;
    }
    socket.write(encodeLine(message));
    QByteArray reply;
    while (!reply.contains('\n')) {
        if (reply.size() > maxLineBytes || deadline.hasExpired() ||
            !socket.waitForReadyRead(int(deadline.remainingTime()))) {
            qCInfo(logInstance) << "the running program gave no answer";
            return std::nullopt;
        }
        reply += socket.readAll();
    }
    qCDebug(logInstance) << "the running program answered";
    return decodeLine(reply.left(reply.indexOf('\n')));
}

} // namespace quillbox

#include "store/single_instance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>
#include <unistd.h>
#include <utility>

namespace quillbox {

namespace {

// A line longer than this is no message of the program's: the connection is dropped.
constexpr qsizetype maxLineBytes = 64 * 1024;
// A connection that sends no whole line in this time is dropped, so it holds nothing open.
constexpr int lineWaitMs = 10000;

// The socket of the program holding `folder`: one name per user and folder, however the folder
// is spelled.
QString serverName(const QString& folder) {
    const QFileInfo info(folder);
    const QString path =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("quillbox-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

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

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockFileName() {
    return QStringLiteral("quillbox.lock");
}

SingleInstance::Role SingleInstance::tryLock(const QString& dataFolder) {
    if (m_role == Role::Primary && dataFolder == m_folder)
        return m_role;
    delete m_server;
    m_server = nullptr;
    m_lock.reset();
    m_folder = dataFolder;
    m_serverName = serverName(dataFolder);
    m_error.clear();
    m_lock = std::make_unique<QLockFile>(QDir(dataFolder).filePath(lockFileName()));
    // Only a lock whose program is gone is stale: by age alone (30 seconds by default) a
    // program that has run for long would lose its folder wherever the file system offers no
    // lock of its own to tell that it still runs.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        m_role = Role::Primary;
        listen();
        return m_role;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
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
    m_lock.reset();
    m_role = Role::None;
    return m_role;
}

void SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, this is the only program on the folder: a socket of the name is left
    // over from one that crashed.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName)) {
        // The folder is still this program's; a later start only cannot reach it.
        m_error = QCoreApplication::translate("quillbox::SingleInstance",
                                              "Could not listen for a second start: %1")
                      .arg(m_server->errorString());
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            serve(socket);
    });
}

void SingleInstance::serve(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(lineWaitMs, socket, [socket] { socket->abort(); });
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
        *buffer += socket->readAll();
        const qsizetype end = buffer->indexOf('\n');
        if (end < 0) {
            if (buffer->size() > maxLineBytes)
                socket->abort();
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

std::optional<QString> SingleInstance::sendMessage(const QString& message, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // A primary still starting may not listen yet.
    for (;;) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(50);
    }
    socket.write(encodeLine(message));
    QByteArray reply;
    while (!reply.contains('\n')) {
        if (reply.size() > maxLineBytes || deadline.hasExpired() ||
            !socket.waitForReadyRead(int(deadline.remainingTime())))
            return std::nullopt;
        reply += socket.readAll();
    }
    return decodeLine(reply.left(reply.indexOf('\n')));
}

} // namespace quillbox

#include "support/scripted_http_server.h"

#include <QPointer>
#include <QSslSocket>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <sys/socket.h>

using namespace Qt::StringLiterals;

namespace quillbox::test {

ScriptedHttpServer::ScriptedHttpServer(QObject* parent) : QTcpServer(parent) {
    m_default = whole(reply(0));
}

bool ScriptedHttpServer::listenLocal() {
    return listen(QHostAddress::LocalHost, 0);
}

QString ScriptedHttpServer::url(const QString& path) const {
    return (m_tls ? u"https://127.0.0.1:"_s : u"http://127.0.0.1:"_s) +
           QString::number(serverPort()) + path;
}

void ScriptedHttpServer::useTls(const QSslCertificate& certificate, const QSslKey& key) {
    m_tls = true;
    m_certificate = certificate;
    m_key = key;
}

QByteArray ScriptedHttpServer::reply(qint64 bodySize, qint64 declaredLength) {
    QByteArray out = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n";
    if (declaredLength == -2)
        declaredLength = bodySize;
    if (declaredLength >= 0)
        out += "Content-Length: " + QByteArray::number(declaredLength) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += QByteArray(bodySize, 'x');
    return out;
}

void ScriptedHttpServer::incomingConnection(qintptr descriptor) {
    ++m_connections;
    QTcpSocket* socket = nullptr;
    if (m_tls) {
        auto* ssl = new QSslSocket(this);
        ssl->setLocalCertificate(m_certificate);
        ssl->setPrivateKey(m_key);
        ssl->setPeerVerifyMode(QSslSocket::VerifyNone);
        socket = ssl;
    } else {
        socket = new QTcpSocket(this);
    }
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    m_peakOpen = std::max(m_peakOpen, ++m_open);
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        closed(socket);
        socket->deleteLater();
        if (!socket->property("closedByServer").toBool()) {
            ++m_dropped;
            emit connectionDropped();
        }
    });
    if (m_default.closeAtOnce) {
        close(socket, m_default.reset);
        return;
    }
    struct Pending {
        QByteArray bytes;
        bool served = false;
    };
    auto pending = std::make_shared<Pending>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, pending] {
        const QByteArray data = socket->readAll();
        if (pending->served)
            return;
        pending->bytes.append(data);
        const qsizetype end = pending->bytes.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        pending->served = true;
        const QByteArray request = pending->bytes.left(end + 4);
        m_requests.append(request);
        emit requestReceived(request);
        const QByteArray target = request.split(' ').value(1);
        play(socket, m_scripts.value(target, m_default), 0);
    });
    if (m_tls)
        static_cast<QSslSocket*>(socket)->startServerEncryption();
}

void ScriptedHttpServer::play(QTcpSocket* socket, const Script& script, int step) {
    QPointer<QTcpSocket> guard(socket);
    if (script.closeAtOnce || step >= script.steps.size()) {
        if (script.close || script.closeAtOnce || script.reset)
            close(socket, script.reset);
        return;
    }
    const Step& s = script.steps[step];
    auto send = [this, guard, script, step] {
        if (!guard)
            return;
        guard->write(script.steps[step].bytes);
        // Each piece leaves before the next is written, so the client sees separate arrivals.
        guard->flush();
        QTimer::singleShot(script.steps.size() > 1 ? 5 : 0, this, [this, guard, script, step] {
            if (guard)
                play(guard, script, step + 1);
        });
    };
    if (s.pauseMs > 0)
        QTimer::singleShot(s.pauseMs, this, send);
    else
        send();
}

void ScriptedHttpServer::closed(QTcpSocket* socket) {
    if (socket->property("counted").toBool())
        return;
    socket->setProperty("counted", true);
    --m_open;
}

void ScriptedHttpServer::close(QTcpSocket* socket, bool reset) {
    closed(socket);
    socket->setProperty("closedByServer", true);
    if (!reset) {
        socket->disconnectFromHost();
        return;
    }
    // Closing with a zero linger time discards the connection with a reset, as a crashing
    // server or a middlebox giving up would. Scripts that reset send small replies, which
    // flush() hands to the system whole, so the reset comes after every byte of them.
    socket->flush();
    const linger abortive{1, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive,
                 sizeof abortive);
    socket->abort();
}

} // namespace quillbox::test

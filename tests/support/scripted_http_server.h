#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>

namespace quillbox::test {

using namespace Qt::StringLiterals;

// A web server on 127.0.0.1 that plays scripted replies. It reads each request up to its
// blank line, records it, and plays the script of the request's target (or the default
// script): pieces of bytes sent one after another, with optional pauses, then the close (an
// orderly one, or a reset). With a certificate and key it speaks TLS.
class ScriptedHttpServer : public QTcpServer {
    Q_OBJECT
public:
    struct Step {
        QByteArray bytes;
        int pauseMs = 0; // waited before these bytes are sent
    };
    struct Script {
        QList<Step> steps;
        bool close = true;        // close after the last step; false holds the connection
        bool closeAtOnce = false; // close without answering (default script: on accepting)
        bool reset = false;       // end with a reset (RST) instead of an orderly close (FIN)
    };

    explicit ScriptedHttpServer(QObject* parent = nullptr);
    bool listenLocal(); // on 127.0.0.1, a free port
    QString url(const QString& path = u"/"_s) const;
    void useTls(const QSslCertificate& certificate, const QSslKey& key);

    void setDefaultScript(const Script& script) { m_default = script; }
    void setScript(const QByteArray& target, const Script& script) { m_scripts[target] = script; }

    // A complete reply with a body of the given size; declaredLength < 0 sends no length.
    static QByteArray reply(qint64 bodySize, qint64 declaredLength = -2);
    static Script whole(const QByteArray& bytes) { return Script{{Step{bytes}}}; }

    QList<QByteArray> requests() const { return m_requests; }
    int connectionCount() const { return m_connections; }
    // Connections the client closed before the server did: abandoned exchanges.
    int droppedCount() const { return m_dropped; }
    // Connections accepted and not yet closed by either side, now and at the most.
    int openConnections() const { return m_open; }
    int peakOpenConnections() const { return m_peakOpen; }

signals:
    void requestReceived(const QByteArray& request);
    void connectionDropped();

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void serve(QTcpSocket* socket);
    void play(QTcpSocket* socket, const Script& script, int step);
    void close(QTcpSocket* socket, bool reset);
    void closed(QTcpSocket* socket);

    QHash<QByteArray, Script> m_scripts;
    Script m_default;
    QList<QByteArray> m_requests;
    int m_connections = 0;
    int m_dropped = 0;
    int m_open = 0;
    int m_peakOpen = 0;
    bool m_tls = false;
    QSslCertificate m_certificate;
    QSslKey m_key;
};

} // namespace quillbox::test

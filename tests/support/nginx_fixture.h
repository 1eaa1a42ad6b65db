#pragma once

// Header-only so the fetch benchmark can start the same server without the test library.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <unistd.h>

namespace quillbox::test {

// Debian's nginx serving a folder on a free port of 127.0.0.1, in the foreground, with its
// configuration, logs, pid file and temporary paths all in a private temporary folder.
class NginxFixture {
public:
    static QString program() {
        const QString path = QStringLiteral("/usr/sbin/nginx");
        return QFileInfo(path).isExecutable() ? path : QString();
    }

    NginxFixture() = default;
    NginxFixture(const NginxFixture&) = delete;
    NginxFixture& operator=(const NginxFixture&) = delete;
    ~NginxFixture() { stop(); }

    // The folder whose files are served; fill it before or after start().
    QString root() const { return m_dir.filePath(QStringLiteral("www")); }
    QString error() const { return m_error; }
    quint16 port() const { return m_port; }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:") + QString::number(m_port) + path;
    }

    bool start() {
        if (program().isEmpty()) {
            m_error = QStringLiteral("/usr/sbin/nginx is not installed (Debian package nginx)");
            return false;
        }
        QDir(m_dir.path()).mkpath(QStringLiteral("www"));
        QDir(m_dir.path()).mkpath(QStringLiteral("temp"));
        // A port that was free a moment ago can be taken meanwhile, so try a few.
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (startOnce())
                return true;
        }
        return false;
    }

    void stop() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

private:
    static quint16 freePort() {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return 0;
        return probe.serverPort();
    }

    bool startOnce() {
        m_port = freePort();
        if (m_port == 0) {
            m_error = QStringLiteral("no free port on 127.0.0.1");
            return false;
        }
        const QString d = m_dir.path();
        QString config;
        if (::geteuid() == 0)
            config += QStringLiteral("user root;\n");
        config += QStringLiteral("daemon off;\nmaster_process off;\nworker_processes 1;\n"
                                 "pid %1/nginx.pid;\nerror_log %1/error.log warn;\n"
                                 "events { worker_connections 256; }\n"
                                 "http {\n"
                                 "  access_log off;\n"
                                 "  client_body_temp_path %1/temp/body;\n"
                                 "  proxy_temp_path %1/temp/proxy;\n"
                                 "  fastcgi_temp_path %1/temp/fastcgi;\n"
                                 "  uwsgi_temp_path %1/temp/uwsgi;\n"
                                 "  scgi_temp_path %1/temp/scgi;\n"
                                 "  default_type application/octet-stream;\n"
                                 "  sendfile on;\n"
                                 "  server {\n"
                                 "    listen 127.0.0.1:%2;\n"
                                 "    root %1/www;\n"
                                 "  }\n"
                                 "}\n")
                      .arg(d)
                      .arg(m_port);
        QFile file(d + QStringLiteral("/nginx.conf"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(config.toUtf8()) < 0) {
            m_error = QStringLiteral("cannot write the nginx configuration");
            return false;
        }
        file.close();
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(program(), {QStringLiteral("-p"), d, QStringLiteral("-c"),
                                    d + QStringLiteral("/nginx.conf"), QStringLiteral("-e"),
                                    d + QStringLiteral("/error.log")});
        if (!m_process.waitForStarted(10000)) {
            m_error = QStringLiteral("nginx did not start: ") + m_process.errorString();
            return false;
        }
        // Ready once it accepts a connection; a failed bind ends the process. Between probes we
        // wait for that end, which returns at once when it comes.
        for (int i = 0; i < 200; ++i) {
            if (m_process.state() == QProcess::NotRunning)
                break;
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            if (probe.waitForConnected(100))
                return true;
            if (m_process.waitForFinished(25))
                break;
        }
        m_process.waitForFinished(1000);
        m_error = QStringLiteral("nginx did not come up: ") +
                  QString::fromLocal8Bit(m_process.readAll()) + QString::fromLocal8Bit([&] {
                      QFile log(d + QStringLiteral("/error.log"));
                      return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
                  }());
        stop();
        return false;
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_error;
    quint16 m_port = 0;
};

} // namespace quillbox::test

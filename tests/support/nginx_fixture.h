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

using namespace Qt::StringLiterals;

// Debian's nginx serving a folder on a free port of 127.0.0.1, in the foreground, with its
// configuration, logs, pid file and temporary paths all in a private temporary folder.
class NginxFixture {
public:
    static QString program() {
        const QString path = u"/usr/sbin/nginx"_s;
        return QFileInfo(path).isExecutable() ? path : QString();
    }

    NginxFixture() = default;
    NginxFixture(const NginxFixture&) = delete;
    NginxFixture& operator=(const NginxFixture&) = delete;
    ~NginxFixture() { stop(); }

    // The folder whose files are served; fill it before or after start().
    QString root() const { return m_dir.filePath(u"www"_s); }
    QString error() const { return m_error; }
    quint16 port() const { return m_port; }
    QString url(const QString& path) const {
        return u"http://127.0.0.1:"_s + QString::number(m_port) + path;
    }

    // Off unless asked for before start(): one line a request, "<status> <bytes sent> <path>",
    // where the bytes are all the server wrote for it, status line and headers included. A
    // line is written when its request ends.
    void setAccessLog(bool on) { m_accessLog = on; }
    QString accessLogPath() const { return m_dir.filePath(u"access.log"_s); }

    bool start() {
        if (program().isEmpty()) {
            m_error = u"/usr/sbin/nginx is not installed (Debian package nginx)"_s;
            return false;
        }
        QDir(m_dir.path()).mkpath(u"www"_s);
        QDir(m_dir.path()).mkpath(u"temp"_s);
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
            m_error = u"no free port on 127.0.0.1"_s;
            return false;
        }
        const QString d = m_dir.path();
        const QString accessLog = m_accessLog
                                      ? u"  log_format sent '$status $bytes_sent $request_uri';\n"
                                        "  access_log %1/access.log sent;\n"_s.arg(d)
                                      : u"  access_log off;\n"_s;
        QString config;
        if (::geteuid() == 0)
            config += u"user root;\n"_s;
        config += u"daemon off;\nmaster_process off;\nworker_processes 1;\n"
                  "pid %1/nginx.pid;\nerror_log %1/error.log warn;\n"
                  "events { worker_connections 256; }\n"
                  "http {\n"
                  "%3"
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
                  "}\n"_s.arg(d)
                      .arg(m_port)
                      .arg(accessLog);
        QFile file(d + u"/nginx.conf"_s);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(config.toUtf8()) < 0) {
            m_error = u"cannot write the nginx configuration"_s;
            return false;
        }
        file.close();
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(program(),
                        {u"-p"_s, d, u"-c"_s, d + u"/nginx.conf"_s, u"-e"_s, d + u"/error.log"_s});
        if (!m_process.waitForStarted(10000)) {
            m_error = u"nginx did not start: "_s + m_process.errorString();
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
        m_error = u"nginx did not come up: "_s + QString::fromLocal8Bit(m_process.readAll()) +
                  QString::fromLocal8Bit([&] {
                      QFile log(d + u"/error.log"_s);
                      return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
                  }());
        stop();
        return false;
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_error;
    quint16 m_port = 0;
    bool m_accessLog = false;
};

} // namespace quillbox::test

#include "support/tls_fixture.h"

#include "support/test_folders.h"

#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace quillbox::test {

bool TlsFixture::run(const QStringList& arguments) {
    QProcess openssl;
    openssl.setWorkingDirectory(m_dir.path());
    openssl.start(u"openssl"_s, arguments);
    if (!openssl.waitForFinished(60000) || openssl.exitStatus() != QProcess::NormalExit ||
        openssl.exitCode() != 0) {
        m_error = u"openssl "_s + arguments.join(u' ') + u": "_s +
                  QString::fromLocal8Bit(openssl.readAllStandardError());
        return false;
    }
    return true;
}

bool TlsFixture::create() {
    if (QStandardPaths::findExecutable(u"openssl"_s).isEmpty()) {
        m_error = u"the openssl command is not installed"_s;
        return false;
    }
    if (!m_dir.isValid()) {
        m_error = u"no temporary folder"_s;
        return false;
    }
    writeBytes(m_dir.filePath(u"server.ext"_s), "subjectAltName=IP:127.0.0.1,DNS:localhost\n"
                                                "basicConstraints=CA:FALSE\n"
                                                "keyUsage=digitalSignature,keyEncipherment\n"
                                                "extendedKeyUsage=serverAuth\n");
    const bool made =
        run({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "ca.key", "-out", "ca.pem",
             "-days", "2", "-subj", "/CN=Quillbox Test Authority", "-addext",
             "basicConstraints=critical,CA:TRUE", "-addext", "keyUsage=critical,keyCertSign"}) &&
        run({"req", "-newkey", "rsa:2048", "-nodes", "-keyout", "server.key", "-out", "server.csr",
             "-subj", "/CN=127.0.0.1"}) &&
        run({"x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
             "-CAcreateserial", "-out", "server.pem", "-days", "2", "-extfile", "server.ext"});
    if (!made)
        return false;
    m_ca = QSslCertificate(readBytes(m_dir.filePath(u"ca.pem"_s)));
    m_certificate = QSslCertificate(readBytes(m_dir.filePath(u"server.pem"_s)));
    m_key = QSslKey(readBytes(m_dir.filePath(u"server.key"_s)), QSsl::Rsa);
    if (m_ca.isNull() || m_certificate.isNull() || m_key.isNull()) {
        m_error = u"the generated certificates could not be read"_s;
        return false;
    }
    return true;
}

} // namespace quillbox::test

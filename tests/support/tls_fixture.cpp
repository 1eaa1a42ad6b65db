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
        run({u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-keyout"_s,
             u"ca.key"_s, u"-out"_s, u"ca.pem"_s, u"-days"_s, u"2"_s, u"-subj"_s,
             u"/CN=Quillbox Test Authority"_s, u"-addext"_s, u"basicConstraints=critical,CA:TRUE"_s,
             u"-addext"_s, u"keyUsage=critical,keyCertSign"_s}) &&
        run({u"req"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-keyout"_s, u"server.key"_s,
             u"-out"_s, u"server.csr"_s, u"-subj"_s, u"/CN=127.0.0.1"_s}) &&
        run({u"x509"_s, u"-req"_s, u"-in"_s, u"server.csr"_s, u"-CA"_s, u"ca.pem"_s, u"-CAkey"_s,
             u"ca.key"_s, u"-CAcreateserial"_s, u"-out"_s, u"server.pem"_s, u"-days"_s, u"2"_s,
             u"-extfile"_s, u"server.ext"_s});
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

#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QTemporaryDir>

namespace quillbox::test {

// A certificate authority of the test's own and a server certificate it signed for
// 127.0.0.1 and localhost, made with the openssl command in a temporary folder.
class TlsFixture {
public:
    // Makes the keys and certificates; false (with error()) when openssl failed or is missing.
    bool create();
    QString error() const { return m_error; }

    QSslCertificate caCertificate() const { return m_ca; }
    QSslCertificate serverCertificate() const { return m_certificate; }
    QSslKey serverKey() const { return m_key; }

private:
    bool run(const QStringList& arguments);

    QTemporaryDir m_dir;
    QString m_error;
    QSslCertificate m_ca;
    QSslCertificate m_certificate;
    QSslKey m_key;
};

} // namespace quillbox::test

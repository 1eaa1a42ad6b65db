#include "watch/page_fetcher.h"

#include "platform/logging.h"
#include "watch/request_cookies.h"
#include "watch/shown_address.h"

#include <QCoreApplication>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>
#include <array>
#include <climits>

namespace quillbox {

namespace {
constexpr qint64 kReadChunk = 64 * 1024;
// Bounds what the socket buffers before we read it, so a fast server cannot fill memory.
constexpr qint64 kSocketReadBuffer = 1024 * 1024;

// "30 seconds", "1 second", or "300 milliseconds" for spans that are not whole seconds.
QString spanText(std::chrono::milliseconds span) {
    const qint64 ms = span.count();
    // lupdate reads a count that is a plain name; a cast there stalls it.
    const int count = int(std::min<qint64>(ms % 1000 != 0 ? ms : ms / 1000, INT_MAX));
    if (ms % 1000 != 0)
        //: A span of time, shown in the sentences that tell of a request given up.
        return QCoreApplication::translate("quillbox::PageFetcher", "%n milliseconds", nullptr,
                                           count);
    const qint64 seconds = ms / 1000;
    if (seconds == 1)
        return QCoreApplication::translate("quillbox::PageFetcher", "1 second");
    return QCoreApplication::translate("quillbox::PageFetcher", "%n seconds", nullptr, count);
}
} // namespace

PageFetcher::PageFetcher(QObject* parent) : QObject(parent) {
    m_idleTimer.setSingleShot(true);
    connect(&m_idleTimer, &QTimer::timeout, this, &PageFetcher::onIdleTimeout);
    m_deadlineTimer.setSingleShot(true);
    connect(&m_deadlineTimer, &QTimer::timeout, this, &PageFetcher::onDeadline);
}

PageFetcher::~PageFetcher() {
    dropSocket();
}

void PageFetcher::setIdleTimeout(std::chrono::milliseconds timeout) {
    m_idleTimeout = timeout;
}

void PageFetcher::setDeadline(std::chrono::milliseconds deadline) {
    m_deadline = deadline;
}

void PageFetcher::setExtraCaCertificates(const QList<QSslCertificate>& certificates) {
    m_extraCas = certificates;
}

void PageFetcher::abandon() {
    dropSocket();
}

void PageFetcher::dropSocket() {
    m_idleTimer.stop();
    m_deadlineTimer.stop();
    if (!m_socket)
        return;
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    // This may run inside one of the socket's own signals (a completion starting the next
    // fetch), so it is silenced now and deleted once control is back in the event loop.
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void PageFetcher::start(const QString& url) {
    dropSocket();
    m_url = url;
    m_reader.reset();
    m_requestSent = false;
    m_sslErrorText.clear();
    m_cookieHeader.clear();
    m_lastError = FetchError();
    emit panelText(3, QString());

    const FetchTargetResult parsed = parseFetchTarget(url);
    if (!parsed.target) {
        fail(int(parsed.error), parsed.description, FetchError::Stage::Start);
        return;
    }
    m_target = *parsed.target;
    if (m_cookies)
        m_cookieHeader = m_cookies->cookieHeaderFor(url);
    if (m_target.tls && !QSslSocket::supportsSsl()) {
        fail(int(FetchStartError::NoTls),
             QCoreApplication::translate(
                 "quillbox::PageFetcher",
                 "This system offers no TLS, so https:// addresses cannot be "
                 "fetched."),
             FetchError::Stage::Start);
        return;
    }

    emit panelText(
        2, QCoreApplication::translate("quillbox::PageFetcher", "Connecting to the web server"));

    QTcpSocket* socket = nullptr;
    if (m_target.tls) {
        auto* ssl = new QSslSocket(this);
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        if (!m_extraCas.isEmpty())
            config.addCaCertificates(m_extraCas);
        config.setPeerVerifyMode(QSslSocket::VerifyPeer);
        ssl->setSslConfiguration(config);
        connect(ssl, &QSslSocket::encrypted, this, &PageFetcher::onConnected);
        connect(ssl, &QSslSocket::sslErrors, this, &PageFetcher::onSslErrors);
        socket = ssl;
    } else {
        socket = new QTcpSocket(this);
        connect(socket, &QTcpSocket::connected, this, &PageFetcher::onConnected);
    }
    socket->setReadBufferSize(kSocketReadBuffer);
    connect(socket, &QTcpSocket::bytesWritten, this, &PageFetcher::onBytesWritten);
    connect(socket, &QTcpSocket::readyRead, this, &PageFetcher::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &PageFetcher::onDisconnected);
    connect(socket, &QTcpSocket::errorOccurred, this, &PageFetcher::onSocketError);
    m_socket = socket;

    m_idleTimer.start(m_idleTimeout);
    m_deadlineTimer.start(m_deadline);
    if (m_target.tls)
        static_cast<QSslSocket*>(socket)->connectToHostEncrypted(m_target.host, m_target.port);
    else
        socket->connectToHost(m_target.host, m_target.port);
}

void PageFetcher::onConnected() {
    if (!m_socket)
        return;
    m_socket->write(m_target.request(m_cookieHeader));
    m_requestSent = true;
}

void PageFetcher::onBytesWritten() {
    if (!m_socket)
        return;
    emit panelText(2, QCoreApplication::translate("quillbox::PageFetcher", "Sending request"));
    if (m_requestSent && m_socket && m_socket->bytesToWrite() == 0)
        emit panelText(2,
                       QCoreApplication::translate("quillbox::PageFetcher", "Request completed"));
}

bool PageFetcher::drainSocket() {
    std::array<char, kReadChunk> chunk;
    bool any = false;
    // One arrival may take several reads; it shows progress only when the header block was
    // already known before it, as the reader decides for its first piece.
    bool showProgress = false;
    while (m_socket && m_socket->bytesAvailable() > 0) {
        const qint64 n = m_socket->read(chunk.data(), chunk.size());
        if (n <= 0)
            break;
        const bool shown = m_reader.feed(QByteArrayView(chunk.data(), n));
        if (!any)
            showProgress = shown;
        any = true;
    }
    if (any && showProgress)
        emit panelText(3, m_reader.progressText());
    return any;
}

void PageFetcher::onReadyRead() {
    if (!m_socket)
        return;
    emit panelText(2, QCoreApplication::translate("quillbox::PageFetcher", "Receiving response"));
    if (drainSocket())
        m_idleTimer.start(m_idleTimeout);
}

void PageFetcher::onDisconnected() {
    if (!m_socket)
        return;
    // A TLS connection can end before its handshake; that is a failure, not an empty page.
    if (m_target.tls && !m_requestSent) {
        fail(int(QAbstractSocket::SslHandshakeFailedError),
             m_sslErrorText.isEmpty() ? QCoreApplication::translate("quillbox::PageFetcher",
                                                                    "The secure connection failed.")
                                      : m_sslErrorText);
        return;
    }
    drainSocket();
    // Qt reports a reset connection exactly as an orderly close, so only a body short of the
    // length the server announced tells a page that was cut off.
    if (m_reader.bodyShort()) {
        fail(int(QAbstractSocket::RemoteHostClosedError),
             QCoreApplication::translate("quillbox::PageFetcher",
                                         "The connection ended after %1 of the %2 bytes the web "
                                         "server announced; the page arrived incomplete.")
                 .arg(m_reader.bodyBytes())
                 .arg(m_reader.contentLength()));
        return;
    }
    // Nor does Qt tell a close before the last chunk from a finished reply; the framing does.
    if (m_reader.chunkFramingBroken()) {
        fail(int(QAbstractSocket::RemoteHostClosedError),
             QCoreApplication::translate("quillbox::PageFetcher",
                                         "The web server's chunked reply was malformed after %1 "
                                         "bytes; the page could not be measured.")
                 .arg(m_reader.bodyBytes()));
        return;
    }
    if (m_reader.chunksUnfinished()) {
        fail(int(QAbstractSocket::RemoteHostClosedError),
             QCoreApplication::translate("quillbox::PageFetcher",
                                         "The connection ended after %1 bytes, before the last "
                                         "chunk of the page the web server sent in chunks; the "
                                         "page arrived incomplete.")
                 .arg(m_reader.bodyBytes()));
        return;
    }
    const qint64 size = m_reader.bodyBytes();
    dropSocket();
    emit completed(size);
}

void PageFetcher::onSslErrors(const QList<QSslError>& errors) {
    QStringList texts;
    for (const QSslError& e : errors)
        texts.append(e.errorString());
    m_sslErrorText = texts.join(QStringLiteral("\r\n"));
}

void PageFetcher::onSocketError() {
    if (!m_socket)
        return;
    const QAbstractSocket::SocketError error = m_socket->error();
    // The server closing the connection is how every reply ends: disconnected() follows.
    if (error == QAbstractSocket::RemoteHostClosedError) {
        if (m_target.tls && !m_requestSent)
            onDisconnected();
        return;
    }
    QString description = m_socket->errorString();
    if (error == QAbstractSocket::SslHandshakeFailedError && !m_sslErrorText.isEmpty())
        description = m_sslErrorText;
    fail(int(error), description);
}

void PageFetcher::onIdleTimeout() {
    if (!m_socket)
        return;
    fail(
        int(QAbstractSocket::SocketTimeoutError),
        //: %1 is a span of time, as in "30 seconds".
        QCoreApplication::translate("quillbox::PageFetcher",
                                    "The web server sent nothing for %1; the request was given up.")
            .arg(spanText(m_idleTimeout)));
}

void PageFetcher::onDeadline() {
    if (!m_socket)
        return;
    fail(int(QAbstractSocket::SocketTimeoutError),
         //: %1 is a span of time, as in "5 minutes" or "300 seconds".
         QCoreApplication::translate("quillbox::PageFetcher",
                                     "The web server had not sent the whole page after %1, the "
                                     "deadline for one page; the request was given up.")
             .arg(spanText(m_deadline)));
}

void PageFetcher::fail(int number, const QString& description, FetchError::Stage stage) {
    // The socket goes first: whoever hears of the failure may open a message box, which runs
    // its own event loop, and nothing of this exchange may arrive while it is open.
    dropSocket();
    m_lastError = FetchError{stage, number, description, m_url};
    qCWarning(logWatch).noquote() << "fetch failed:" << shownAddress(m_url) << "-" << description;
    emit failed(m_lastError);
}

} // namespace quillbox

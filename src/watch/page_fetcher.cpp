#include "watch/page_fetcher.h"

#include "platform/logging.h"
#include "watch/request_cookies.h"
#include "watch/same_site.h"
#include "watch/shown_address.h"

#include <QCoreApplication>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>
#include <QUrl>
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

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// "HTTP 404 Not Found": the status as a reason a check failed.
QString statusText(int status, const QString& reason) {
    return reason.isEmpty() ? QStringLiteral("HTTP %1").arg(status)
                            : QStringLiteral("HTTP %1 %2").arg(status).arg(reason);
}
} // namespace

QString fetchStageText(FetchStage stage) {
    switch (stage) {
    case FetchStage::Starting:
        return {};
    case FetchStage::Connecting:
        return QCoreApplication::translate("quillbox::PageFetcher", "Connecting to the web server");
    case FetchStage::Sending:
        return QCoreApplication::translate("quillbox::PageFetcher", "Sending request");
    case FetchStage::RequestSent:
        return QCoreApplication::translate("quillbox::PageFetcher", "Request completed");
    case FetchStage::Receiving:
        return QCoreApplication::translate("quillbox::PageFetcher", "Receiving response");
    }
    return {};
}

PageFetcher::PageFetcher(QObject* parent) : QObject(parent) {
    qRegisterMetaType<FetchResult>();
    qRegisterMetaType<FetchError>();
    m_idleTimer.setSingleShot(true);
    connect(&m_idleTimer, &QTimer::timeout, this, &PageFetcher::onIdleTimeout);
    m_deadlineTimer.setSingleShot(true);
    connect(&m_deadlineTimer, &QTimer::timeout, this, &PageFetcher::onDeadline);
}

PageFetcher::~PageFetcher() {
    dropSocket();
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

void PageFetcher::start(const FetchRequest& request) {
    dropSocket();
    m_request = request;
    m_visited.clear();
    m_lastError = FetchError();
    emit stageChanged(FetchStage::Starting);
    // One deadline for the page, redirects included.
    m_deadlineTimer.start(m_options.deadline);
    startHop(request.address);
}

void PageFetcher::startHop(const QString& url) {
    dropSocket();
    m_url = url;
    m_visited.append(url);
    m_reader.reset();
    m_reader.setKeepBody(m_request.keepBodyBytes);
    m_requestSent = false;
    m_sslErrorText.clear();

    const FetchTargetResult parsed = parseFetchTarget(url);
    if (!parsed.target) {
        fail(int(parsed.error), parsed.description, FetchError::Stage::Start);
        return;
    }
    m_target = *parsed.target;
    const QByteArray cookies =
        m_options.cookies ? m_options.cookies->cookieHeaderFor(url) : QByteArray();
    // The validators belong to the address they were answered for, not to a hop beyond it.
    const bool first = m_visited.size() == 1;
    m_extraHeaders = m_target.request(cookies, first ? m_request.etag.toLatin1() : QByteArray(),
                                      first ? m_request.lastModified.toLatin1() : QByteArray());
    if (m_target.tls && !QSslSocket::supportsSsl()) {
        fail(int(FetchStartError::NoTls),
             QCoreApplication::translate(
                 "quillbox::PageFetcher",
                 "This system offers no TLS, so https:// addresses cannot be fetched."),
             FetchError::Stage::Start);
        return;
    }

    emit stageChanged(FetchStage::Connecting);

    QTcpSocket* socket = nullptr;
    if (m_target.tls) {
        auto* ssl = new QSslSocket(this);
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        if (!m_options.extraCaCertificates.isEmpty())
            config.addCaCertificates(m_options.extraCaCertificates);
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

    m_idleTimer.start(m_options.idleTimeout);
    if (!m_deadlineTimer.isActive())
        m_deadlineTimer.start(m_options.deadline);
    if (m_target.tls)
        static_cast<QSslSocket*>(socket)->connectToHostEncrypted(m_target.host, m_target.port);
    else
        socket->connectToHost(m_target.host, m_target.port);
}

void PageFetcher::onConnected() {
    if (!m_socket)
        return;
    m_socket->write(m_extraHeaders);
    m_requestSent = true;
}

void PageFetcher::onBytesWritten() {
    if (!m_socket)
        return;
    emit stageChanged(FetchStage::Sending);
    if (m_requestSent && m_socket && m_socket->bytesToWrite() == 0)
        emit stageChanged(FetchStage::RequestSent);
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
        emit progressed(m_reader.bodyBytes(), m_reader.declaredLength());
    return any;
}

void PageFetcher::onReadyRead() {
    if (!m_socket)
        return;
    emit stageChanged(FetchStage::Receiving);
    if (drainSocket())
        m_idleTimer.start(m_options.idleTimeout);
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
             QCoreApplication::translate(
                 "quillbox::PageFetcher",
                 "The connection ended after %1 of the %2 bytes the web server announced; the "
                 "page arrived incomplete.")
                 .arg(m_reader.bodyBytes())
                 .arg(m_reader.contentLength()));
        return;
    }
    // Nor does Qt tell a close before the last chunk from a finished reply; the framing does.
    if (m_reader.chunkFramingBroken()) {
        fail(int(QAbstractSocket::RemoteHostClosedError),
             QCoreApplication::translate(
                 "quillbox::PageFetcher",
                 "The web server's chunked reply was malformed after %1 bytes; the page could not "
                 "be measured.")
                 .arg(m_reader.bodyBytes()));
        return;
    }
    if (m_reader.chunksUnfinished()) {
        fail(int(QAbstractSocket::RemoteHostClosedError),
             QCoreApplication::translate(
                 "quillbox::PageFetcher",
                 "The connection ended after %1 bytes, before the last chunk of the page the web "
                 "server sent in chunks; the page arrived incomplete.")
                 .arg(m_reader.bodyBytes()));
        return;
    }
    onReplyEnded();
}

void PageFetcher::onReplyEnded() {
    const int status = m_reader.status();
    if (m_reader.lengthsConflict()) {
        fail(int(QAbstractSocket::ProxyProtocolError),
             QCoreApplication::translate(
                 "quillbox::PageFetcher",
                 "The web server announced two different lengths for the page, so it cannot be "
                 "measured."));
        return;
    }
    if (status >= 400 && status <= 599) {
        fail(status, statusText(status, m_reader.reason()));
        return;
    }
    if (isRedirect(status)) {
        followRedirect();
        return;
    }
    FetchResult result;
    result.status = status;
    result.reason = m_reader.reason();
    result.location = m_reader.field("Location");
    result.etag = m_reader.field("ETag");
    result.lastModified = m_reader.field("Last-Modified");
    result.contentType = m_reader.field("Content-Type");
    result.bodySize = status == 304 ? 0 : m_reader.bodyBytes();
    result.finalAddress = m_url;
    result.redirects = int(m_visited.size()) - 1;
    result.body = m_reader.body();
    result.bodyTruncated = m_reader.bodyTruncated();
    dropSocket();
    emit completed(result);
}

bool PageFetcher::followRedirect() {
    const int status = m_reader.status();
    const QString location = m_reader.field("Location");
    if (location.isEmpty()) {
        fail(status, QCoreApplication::translate("quillbox::PageFetcher",
                                                 "HTTP %1 %2 names no new address.")
                         .arg(status)
                         .arg(m_reader.reason()));
        return false;
    }
    const QUrl next = QUrl(m_url).resolved(QUrl(location, QUrl::TolerantMode));
    const QString nextText = next.toString(QUrl::FullyEncoded);
    if (!next.isValid() || !isSameSite(QUrl(m_url), next)) {
        FetchError error{FetchError::Stage::Transfer, status,
                         QCoreApplication::translate("quillbox::PageFetcher", "moved to %1")
                             .arg(shownAddress(nextText)),
                         m_request.address};
        error.movedTo = nextText;
        dropSocket();
        m_lastError = error;
        qCInfo(logFetch).noquote() << "page moved to another site:" << shownAddress(m_url) << "->"
                                   << shownAddress(nextText);
        emit failed(m_lastError);
        return false;
    }
    if (m_visited.contains(nextText)) {
        fail(status,
             QCoreApplication::translate("quillbox::PageFetcher", "The page redirects in a loop."));
        return false;
    }
    if (m_visited.size() > kMaxRedirects) {
        //: %1 is the most redirects followed for one page.
        fail(status, QCoreApplication::translate("quillbox::PageFetcher",
                                                 "The page was redirected more than %1 times.")
                         .arg(kMaxRedirects));
        return false;
    }
    qCDebug(logFetch).noquote() << "following" << status << "from" << shownAddress(m_url) << "to"
                                << shownAddress(nextText);
    startHop(nextText);
    return true;
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
        QCoreApplication::translate("quillbox::PageFetcher",
                                    "The web server sent nothing for %1; the request was given up.")
            .arg(spanText(m_options.idleTimeout)));
}

void PageFetcher::onDeadline() {
    if (!m_socket)
        return;
    fail(int(QAbstractSocket::SocketTimeoutError),
         QCoreApplication::translate(
             "quillbox::PageFetcher",
             "The web server had not sent the whole page after %1, the deadline for one page; the "
             "request was given up.")
             .arg(spanText(m_options.deadline)));
}

void PageFetcher::fail(int number, const QString& description, FetchError::Stage stage) {
    // The socket goes first: whoever hears of the failure may open a message box, which runs
    // its own event loop, and nothing of this exchange may arrive while it is open.
    dropSocket();
    m_lastError = FetchError{stage, number, description, m_request.address};
    qCWarning(logFetch).noquote() << "fetch failed:" << shownAddress(m_url) << "-" << description;
    emit failed(m_lastError);
}

} // namespace quillbox

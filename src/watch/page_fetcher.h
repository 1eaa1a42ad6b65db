#pragma once

#include "watch/fetch_error.h"
#include "watch/fetch_target.h"
#include "watch/http_reply_reader.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QSslError>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>

namespace quillbox {

class RequestCookies;

// Measures one web page: sends a plain HTTP/1.1 GET (over TLS for https://), counts the body
// bytes until the server closes the connection and reports the count. One instance handles one
// request at a time; starting another abandons the one in flight without a completion.
//
// Status texts go to the main window's status panels through panelText(): 2 for the stage of
// the exchange, 3 for the download progress. A failure is emitted as a value with failed(),
// and no completion follows; the fetcher never shows a message itself. A reply whose body ends
// short of the length its server announced, or before its last chunk, is such a failure, as
// is a page still unfinished at the deadline.
class PageFetcher final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageFetcher)
public:
    static constexpr std::chrono::milliseconds kDefaultIdleTimeout{30000};
    static constexpr std::chrono::milliseconds kDefaultDeadline{120000};

    explicit PageFetcher(QObject* parent = nullptr);
    ~PageFetcher() override;

    void start(const QString& url);
    // Ends the fetch in flight, if any, silently: no completion, no failure, no message.
    void abandon();
    bool isBusy() const { return m_socket != nullptr; }

    // A fetch that receives nothing for this long fails as a socket error would.
    void setIdleTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds idleTimeout() const { return m_idleTimeout; }
    // A fetch that has not ended this long after its start fails, however steadily its server
    // keeps sending: one that drips a byte now and then never trips the idle time-out.
    void setDeadline(std::chrono::milliseconds deadline);
    std::chrono::milliseconds deadline() const { return m_deadline; }
    // Authorities trusted for https:// besides the system's (tests use their own).
    void setExtraCaCertificates(const QList<QSslCertificate>& certificates);

    // Cookies sent with each request, chosen for its address; none when unset. The source
    // must outlive the fetcher or be unset first.
    void setRequestCookies(const RequestCookies* cookies) { m_cookies = cookies; }

    // The last failure, as failed() reported it.
    const FetchError& lastError() const { return m_lastError; }

    // The last request's reader: body bytes so far, declared length.
    const HttpReplyReader& reply() const { return m_reader; }

signals:
    void panelText(int panel, const QString& text);
    void completed(qint64 bodyBytes);
    void failed(const quillbox::FetchError& error);

private:
    void onConnected();
    void onBytesWritten();
    void onReadyRead();
    void onDisconnected();
    void onSocketError();
    void onSslErrors(const QList<QSslError>& errors);
    void onIdleTimeout();
    void onDeadline();
    bool drainSocket();
    void dropSocket();
    void fail(int number, const QString& description,
              FetchError::Stage stage = FetchError::Stage::Transfer);

    QPointer<QTcpSocket> m_socket;
    QString m_url;
    FetchTarget m_target;
    HttpReplyReader m_reader;
    QTimer m_idleTimer;
    std::chrono::milliseconds m_idleTimeout = kDefaultIdleTimeout;
    QTimer m_deadlineTimer;
    std::chrono::milliseconds m_deadline = kDefaultDeadline;
    QList<QSslCertificate> m_extraCas;
    QString m_sslErrorText;
    QByteArray m_cookieHeader;
    const RequestCookies* m_cookies = nullptr;
    FetchError m_lastError;
    bool m_requestSent = false;
};

} // namespace quillbox

#pragma once

#include "watch/fetch_error.h"
#include "watch/fetch_options.h"
#include "watch/fetch_result.h"
#include "watch/fetch_target.h"
#include "watch/http_reply_reader.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslError>
#include <QStringList>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>

namespace quillbox {

// Fetches one web page: sends a plain HTTP/1.1 GET (over TLS for https://), reads the reply until
// the server closes the connection, and answers with a FetchResult. One instance handles one
// request at a time; starting another abandons the one in flight without a completion.
//
// The status decides. A 2xx page is measured; a 304 to a conditional request completes with no
// body ("not modified"). A redirect within the same site (the same host and port, or the same
// host moving from http to https) is followed, up to kMaxRedirects hops, each hop with the
// cookies of its own address; a redirect to another site, a loop, too many hops, a 3xx without
// an address, a 4xx or 5xx, and a reply announcing two different lengths are failures, with a
// reason that says which. An error page is never measured as the page.
//
// A failure is emitted as a value with failed(), and no completion follows; the fetcher never
// shows a message itself. A reply whose body ends short of the length its server announced, or
// before its last chunk, is such a failure, as is a page still unfinished at the deadline.
// Progress goes out as typed signals that whoever shows it formats.
class PageFetcher final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageFetcher)
public:
    static constexpr std::chrono::milliseconds kDefaultIdleTimeout{30000};
    static constexpr std::chrono::milliseconds kDefaultDeadline{120000};
    static constexpr int kMaxRedirects = 5;

    explicit PageFetcher(QObject* parent = nullptr);
    ~PageFetcher() override;

    void start(const FetchRequest& request);
    void start(const QString& url) { start(FetchRequest{url}); }
    // Ends the fetch in flight, if any, silently: no completion, no failure, no message.
    void abandon();
    bool isBusy() const { return m_socket != nullptr; }

    void setOptions(const FetchOptions& options) { m_options = options; }
    const FetchOptions& options() const { return m_options; }
    // Shorthands for one option each.
    void setIdleTimeout(std::chrono::milliseconds timeout) { m_options.idleTimeout = timeout; }
    std::chrono::milliseconds idleTimeout() const { return m_options.idleTimeout; }
    void setDeadline(std::chrono::milliseconds deadline) { m_options.deadline = deadline; }
    std::chrono::milliseconds deadline() const { return m_options.deadline; }
    void setExtraCaCertificates(const QList<QSslCertificate>& certificates) {
        m_options.extraCaCertificates = certificates;
    }
    void setRequestCookies(const RequestCookies* cookies) { m_options.cookies = cookies; }

    // The last failure, as failed() reported it.
    const FetchError& lastError() const { return m_lastError; }

    // The current hop's reader: body bytes so far, declared length.
    const HttpReplyReader& reply() const { return m_reader; }

signals:
    void stageChanged(quillbox::FetchStage stage);
    // The body bytes of the current hop so far, and the length it declared (0 for none); sent
    // for each arrival once the header block was known before it.
    void progressed(qint64 bodyBytes, qint64 declaredLength);
    void completed(const quillbox::FetchResult& result);
    void failed(const quillbox::FetchError& error);

private:
    void startHop(const QString& url);
    void onConnected();
    void onBytesWritten();
    void onReadyRead();
    void onDisconnected();
    void onSocketError();
    void onSslErrors(const QList<QSslError>& errors);
    void onIdleTimeout();
    void onDeadline();
    void onReplyEnded();
    bool followRedirect();
    bool drainSocket();
    void dropSocket();
    void fail(int number, const QString& description,
              FetchError::Stage stage = FetchError::Stage::Transfer);

    QPointer<QTcpSocket> m_socket;
    FetchRequest m_request;
    QString m_url; // the current hop's address
    QStringList m_visited;
    FetchTarget m_target;
    HttpReplyReader m_reader;
    QTimer m_idleTimer;
    QTimer m_deadlineTimer;
    FetchOptions m_options;
    QString m_sslErrorText;
    QByteArray m_extraHeaders;
    FetchError m_lastError;
    bool m_requestSent = false;
};

} // namespace quillbox

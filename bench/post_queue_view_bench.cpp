// Times the queue that posts to many forums, in a real browser view (offscreen) over 20 forums
// served on 127.0.0.1: each forum's posting page loads, the message goes into its text area,
// the benchmark submits the form in the user's place, the thread page the submit leads to is
// searched by the insert's follow-up and put on watch, and the queue moves on. Measured: from
// the submit's page load to the next forum's posting page shown, which holds no waiting of the
// program's own; the whole run is printed beside it. Run by hand:
//   bench_post_queue_view_bench [forums]

#include "browser/insert_follow_up.h"
#include "browser/post_queue.h"
#include "platform/clock.h"
#include "platform/qt/web_engine_page.h"
#include "web_bench_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>

using namespace quillbox;
using quillbox::bench::waitFor;

namespace {

// /fN/new: a posting form whose submit (a GET, so the server keeps nothing) leads to /fN/t,
// the thread, which shows the message it was sent.
class ForumServer : public QTcpServer {
protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            m_request[socket] += socket->readAll();
            if (!m_request[socket].contains("\r\n\r\n"))
                return;
            const QByteArray request = m_request.take(socket);
            const QByteArray target = request.split(' ').value(1);
            const QUrl url(QString::fromLatin1(target));
            QByteArray body;
            if (url.path().endsWith(u"/new")) {
                body = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Post a new "
                       "topic</title></head><body><form method=\"get\" action=\"t\">"
                       "<input type=\"text\" name=\"subject\">"
                       "<textarea name=\"message\" rows=\"10\" cols=\"60\"></textarea>"
                       "<input type=\"submit\" value=\"Submit\"></form></body></html>";
            } else if (url.path().endsWith(u"/t")) {
                // A form's GET writes spaces as "+".
                const QString query = url.query(QUrl::FullyEncoded)
                                          .replace(QStringLiteral("+"), QStringLiteral("%20"));
                const QString message =
                    QUrlQuery(query).queryItemValue(QStringLiteral("message"), QUrl::FullyDecoded);
                body = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Topic</title>"
                       "</head><body><h1>Topic</h1><div class=\"post\">" +
                       message.toHtmlEscaped().toUtf8() + "</div></body></html>";
            }
            socket->write(
                QByteArray(body.isEmpty() ? "HTTP/1.1 404 Not Found\r\n" : "HTTP/1.1 200 OK\r\n") +
                "Content-Type: text/html; charset=utf-8\r\nContent-Length: " +
                QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    }

private:
    QHash<QTcpSocket*, QByteArray> m_request;
};

} // namespace

int main(int argc, char** argv) {
    bench::prepareHeadlessWebEngine();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int forumCount = argc > 1 ? std::max(2, QByteArray(argv[1]).toInt()) : 20;

    ForumServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
        return 1;
    }
    QList<QueueForum> forums;
    for (int i = 0; i < forumCount; ++i) {
        const QString base =
            QStringLiteral("http://127.0.0.1:%1/f%2/").arg(server.serverPort()).arg(i);
        forums.append({base, QStringLiteral("Forum %1").arg(i), QStringLiteral("BBCode"),
                       base + QStringLiteral("new")});
    }

    auto* view = new QWebEngineView;
    view->resize(1000, 700);
    view->show();
    WebEnginePage page(view);
    SystemClock clock;
    PostQueue queue(clock);
    const QString message =
        QStringLiteral("Spring meeting at the club, all welcome\r\nBring a friend.");
    InsertFollowUp followUp(page, [&](const QString& thread) { queue.threadFound(thread); });

    // The wiring the window does, with the user's submit played by the benchmark.
    QElapsedTimer sinceSubmitLoad;
    bool submitted = false;
    QList<double> handOver;
    int watched = 0;
    QObject::connect(&page, &BrowserPage::downloadCompleted, &page, [&] {
        if (submitted && queue.state() == PostQueue::State::Loading) {
            handOver.append(double(sinceSubmitLoad.nsecsElapsed()) / 1e6);
            submitted = false;
        }
    });
    QObject::connect(&page, &BrowserPage::downloadCompleted, &queue, [&] {
        if (queue.state() == PostQueue::State::WaitingForSubmit)
            sinceSubmitLoad.start();
        queue.pageLoaded();
    });
    QObject::connect(&page, &BrowserPage::downloadCompleted, &followUp,
                     &InsertFollowUp::checkInsertedPost);
    QObject::connect(&queue, &PostQueue::navigateRequested, &page, &BrowserPage::navigate);
    QObject::connect(
        &queue, &PostQueue::insertRequested, &page,
        [&](const QString& subject, const QString& text, const QString&) {
            page.writeMessage({0, 1}, text, subject, [&, text](WrittenField written, bool) {
                if (written == WrittenField::None)
                    return;
                followUp.recordInsert(text);
                // The user reads it over and submits.
                submitted = true;
                view->page()->runJavaScript(QStringLiteral("document.forms[0].submit()"));
            });
        });
    QObject::connect(&queue, &PostQueue::recorded, &queue, [&](const PostRecord& record) {
        watched += record.result == postResult::watched() ? 1 : 0;
    });
    bool finished = false;
    QObject::connect(&queue, &PostQueue::finished, &queue, [&] { finished = true; });

    QElapsedTimer whole;
    whole.start();
    queue.start(forums, QStringLiteral("Spring meeting"), message);
    if (!waitFor([&] { return finished; })) {
        std::fprintf(stderr, "the queue did not finish: %s\n", qPrintable(queue.progressText()));
        return 1;
    }
    const double total = double(whole.nsecsElapsed()) / 1e6;
    std::sort(handOver.begin(), handOver.end());
    const double median = handOver.isEmpty() ? 0 : handOver[handOver.size() / 2];
    std::printf("%d forums, %d watched, whole run %.0f ms (%.0f ms a forum)\n", forumCount, watched,
                total, total / forumCount);
    std::printf("submit's page load to next posting page shown: min %.1f ms, median %.1f ms, "
                "max %.1f ms (%lld hand-overs)\n",
                handOver.value(0), median, handOver.isEmpty() ? 0 : handOver.last(),
                qlonglong(handOver.size()));
    delete view;
    return watched == forumCount ? 0 : 1;
}

// Auto-insert benchmark: in a real browser view (offscreen), a generated posting page of about
// 1 MB served on loopback; times reading the body's markup, writing the message into the
// scanned field, and reading the field back, next to a bare script round trip; and the
// follow-up's look at the page: reading the markup with the rendered text and searching both.
// Run by hand: bench_auto_insert_view_bench [runs]

#include "browser/insert_follow_up.h"
#include "browser/shown_text.h"
#include "platform/qt/web_engine_page.h"
#include "web_bench_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>

using namespace quillbox;
using quillbox::bench::waitFor;

namespace {

// A topic with a long review of earlier posts under the posting form, as boards print it.
QByteArray postingPage(qsizetype size) {
    QByteArray html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Post a reply"
                      "</title></head><body>\n<form action=\"/search\" method=\"get\">"
                      "<input type=\"search\" name=\"q\"></form>\n"
                      "<form id=\"postform\" method=\"post\" action=\"/posting\">"
                      "<input type=\"hidden\" name=\"sid\" value=\"x\">"
                      "<input type=\"text\" name=\"subject\" value=\"Re: topic\">"
                      "<select name=\"size\"><option>Normal</option></select>"
                      "<textarea id=\"message\" name=\"message\" rows=\"15\" cols=\"76\">"
                      "</textarea><input type=\"submit\" value=\"Submit\"></form>\n"
                      "<h3>Topic review</h3>\n";
    for (int post = 0; html.size() < size; ++post) {
        html += "<div class=\"post bg" + QByteArray::number(post % 2 + 1) + "\" id=\"p" +
                QByteArray::number(post) + "\"><div class=\"postbody\"><h3><a href=\"#p" +
                QByteArray::number(post) +
                "\">Re: topic</a></h3><p class=\"author\">by <strong>member" +
                QByteArray::number(post % 97) +
                "</strong> &raquo; Mon Jan 01, 2024 10:00 am</p><div class=\"content\">"
                "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor "
                "incididunt ut labore et dolore magna aliqua. <b>Ut enim</b> ad minim veniam, "
                "quis nostrud exercitation ullamco laboris.<br><br><a href=\"http://example."
                "invalid/\" class=\"postlink\">a link</a></div></div></div>\n";
    }
    return html + "</body></html>";
}

class OnePageServer : public QTcpServer {
public:
    explicit OnePageServer(QByteArray page) : m_page(std::move(page)) {}

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            m_request[socket] += socket->readAll();
            if (!m_request[socket].contains("\r\n\r\n"))
                return;
            const bool root = m_request.take(socket).startsWith("GET / ");
            const QByteArray body = root ? m_page : QByteArray("Not Found");
            socket->write(QByteArray(root ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                          "Content-Type: text/html; charset=utf-8\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    }

private:
    QByteArray m_page;
    QHash<QTcpSocket*, QByteArray> m_request;
};

struct Figures {
    QList<double> values;
    void add(double ms) { values << ms; }
    QString text() {
        std::sort(values.begin(), values.end());
        const double median = values.isEmpty() ? 0 : values[values.size() / 2];
        return QStringLiteral("min %1 ms, median %2 ms, max %3 ms")
            .arg(values.value(0), 0, 'f', 1)
            .arg(median, 0, 'f', 1)
            .arg(values.isEmpty() ? 0 : values.last(), 0, 'f', 1);
    }
    double median() {
        std::sort(values.begin(), values.end());
        return values.isEmpty() ? 0 : values[values.size() / 2];
    }
};

double msSince(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    bench::prepareHeadlessWebEngine();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 20;

    const QByteArray html = postingPage(1024 * 1024);
    OnePageServer server(html);
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
        return 1;
    }
    const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());

    auto* view = new QWebEngineView;
    view->resize(1200, 900);
    view->show();
    auto* page = new WebEnginePage(view);
    bool loaded = false;
    QObject::connect(view->page(), &QWebEnginePage::loadFinished, [&](bool ok) { loaded = ok; });
    QElapsedTimer loadTime;
    loadTime.start();
    page->navigate(address);
    if (!waitFor([&] { return loaded; })) {
        std::fprintf(stderr, "the page did not load\n");
        return 1;
    }
    std::printf("page: %lld bytes, loaded in %.0f ms\n", qlonglong(html.size()), msSince(loadTime));

    // The message as auto-insert writes it: a few paragraphs, CR LF line breaks.
    QString message;
    for (int i = 0; i < 20; ++i)
        message +=
            QStringLiteral("Paragraph %1: text with \"quotes\", </script> and 世界.\r\n").arg(i);
    message += QStringLiteral("\r\n");

    Figures roundTrip, read, write, readBack, total, followUp;
    qsizetype bodyChars = 0;
    qsizetype renderedChars = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        bool done = false;
        view->page()->runJavaScript(QStringLiteral("1"), QWebEngineScript::ApplicationWorld,
                                    [&](const QVariant&) { done = true; });
        waitFor([&] { return done; });
        roundTrip.add(msSince(t));

        const QString text = message + QStringLiteral("run %1\r\n").arg(run);
        QElapsedTimer all;
        all.start();
        t.restart();
        std::optional<BodyHtml> body;
        done = false;
        page->readBodyHtml([&](std::optional<BodyHtml> b) {
            body = std::move(b);
            done = true;
        });
        waitFor([&] { return done; });
        read.add(msSince(t));
        if (!body) {
            std::fprintf(stderr, "no body\n");
            return 1;
        }
        bodyChars = body->outer.size() + body->inner.size();

        t.restart();
        WrittenField written = WrittenField::None;
        done = false;
        page->writeMessage({1, 2}, text, {}, [&](WrittenField w, bool) {
            written = w;
            done = true;
        });
        waitFor([&] { return done; });
        write.add(msSince(t));
        if (written != WrittenField::ScannedTextArea) {
            std::fprintf(stderr, "the message was not written into the scanned field\n");
            return 1;
        }

        t.restart();
        QString shown;
        done = false;
        view->page()->runJavaScript(QStringLiteral("document.getElementById('message').value"),
                                    QWebEngineScript::UserWorld, [&](const QVariant& v) {
                                        shown = v.toString();
                                        done = true;
                                    });
        waitFor([&] { return done; });
        readBack.add(msSince(t));
        total.add(msSince(all));
        if (shown != QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))) {
            std::fprintf(stderr, "the field does not hold the message\n");
            return 1;
        }

        // The message is only in the text area, which the rendered text leaves out: both
        // searches read the whole page.
        t.restart();
        bool shows = true;
        done = false;
        page->readBodyWithText([&](std::optional<BodyHtml> b) {
            shows = !b || pageShowsText(*b, followUpSearchText(text)) ||
                    shownTextContains(b->text, plainFirstLine(text));
            renderedChars = b ? b->text.size() : 0;
            done = true;
        });
        waitFor([&] { return done; });
        followUp.add(msSince(t));
        if (shows) {
            std::fprintf(stderr, "the follow-up found text that is not shown\n");
            return 1;
        }
    }

    std::printf("runs: %d, body markup read: %lld characters (outer and inner)\n", runs,
                qlonglong(bodyChars));
    std::printf("bare script round trip:  %s\n", qPrintable(roundTrip.text()));
    std::printf("read body markup:        %s\n", qPrintable(read.text()));
    std::printf("write message:           %s\n", qPrintable(write.text()));
    std::printf("read the field back:     %s\n", qPrintable(readBack.text()));
    std::printf("read to text in field:   %s\n", qPrintable(total.text()));
    std::printf("follow-up read + search: %s (rendered text: %lld characters)\n",
                qPrintable(followUp.text()), qlonglong(renderedChars));
    std::printf("ratio read / round trip: %.1f\n",
                read.median() / std::max(0.001, roundTrip.median()));
    delete page;
    delete view;
    return 0;
}

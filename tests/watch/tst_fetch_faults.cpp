// Every way the network can fail a reply check: the failed page is reported with its reason and
// the check goes on with the next one, or the page counts as measured when the server's end of
// the reply is a reply after all; the status panel and the message say what happened.
#include "fetcher_harness.h"
#include "support/manual_clock.h"
#include "support/scripted_http_server.h"
#include "support/tls_fixture.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

using namespace Qt::StringLiterals;

using quillbox::ReplyCheck;
using quillbox::WatchLists;
using quillbox::test::ScriptedHttpServer;
using quillbox::test::TlsFixture;
using Script = ScriptedHttpServer::Script;
using Step = ScriptedHttpServer::Step;

namespace {

enum class Fault { Refused, ResetInHeader, ResetInBody, Silence, TlsFailure, HeaderOnly };

// The resident memory of this process, in KiB, or -1 where /proc cannot tell.
qint64 residentKiB() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Serves one endless-looking page: a header announcing `size` bytes, then the bytes made as the
// socket drains, so the server holds no more than a few pieces at any time.
class StreamingServer : public QTcpServer {
public:
    explicit StreamingServer(qint64 size) : m_size(size) {}

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        auto* sent = new qint64(0);
        const QByteArray piece(256 * 1024, 'x');
        const auto pump = [this, socket, sent, piece] {
            while (*sent < m_size && socket->bytesToWrite() < 2 * piece.size()) {
                const qint64 n = std::min<qint64>(piece.size(), m_size - *sent);
                socket->write(piece.constData(), n);
                *sent += n;
            }
            if (*sent == m_size && socket->bytesToWrite() == 0)
                socket->disconnectFromHost();
        };
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, pump] {
            if (!socket->readAll().contains("\r\n\r\n") || socket->property("answered").toBool())
                return;
            socket->setProperty("answered", true);
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(m_size) +
                          "\r\n\r\n");
            pump();
        });
        connect(socket, &QTcpSocket::bytesWritten, socket, [socket, pump] {
            if (socket->property("answered").toBool())
                pump();
        });
        connect(socket, &QTcpSocket::disconnected, socket, [socket, sent] {
            delete sent;
            socket->deleteLater();
        });
    }

private:
    qint64 m_size;
};

} // namespace

class TestFetchFaults : public QObject {
    Q_OBJECT
private slots:
    void everyFaultEndsTheCheckAsItShould_data();
    void everyFaultEndsTheCheckAsItShould();
    void gigabytePageIsMeasuredInBoundedMemory();
};

void TestFetchFaults::everyFaultEndsTheCheckAsItShould_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("description"); // in the message, when the page fails
    QTest::newRow("connection refused") << Fault::Refused << true << u"refused"_s;
    // Qt tells a reset from a close only by what arrived: a reply without a header block
    // counts every byte it sent, as one that closes there would.
    QTest::newRow("reset in the header") << Fault::ResetInHeader << false << QString();
    QTest::newRow("reset in the body")
        << Fault::ResetInBody << true << u"the page arrived incomplete"_s;
    QTest::newRow("silence") << Fault::Silence << true << u"sent nothing for 300 milliseconds"_s;
    QTest::newRow("TLS failure") << Fault::TlsFailure << true << QString();
    QTest::newRow("only headers") << Fault::HeaderOnly << false << QString();
}

void TestFetchFaults::everyFaultEndsTheCheckAsItShould() {
    QFETCH(Fault, fault);
    QFETCH(bool, fails);
    QFETCH(QString, description);

    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    quillbox::test::RecordingMessages messages;
    quillbox::test::ManualClock clock;
    WatchLists lists;
    ReplyCheck check{lists, messages, clock};
    check.checker().setIdleTimeout(std::chrono::milliseconds(300));
    QSignalSpy finished{&check, &ReplyCheck::finished};
    QStringList panel1;
    connect(&check, &ReplyCheck::panelText, &check, [&panel1](int panel, const QString& text) {
        if (panel == 1)
            panel1.append(text);
    });

    const QByteArray header = "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n";
    QString faulty = server.url(u"/faulty"_s);
    TlsFixture tls;
    switch (fault) {
    case Fault::Refused:
        faulty = u"http://127.0.0.1:1/faulty"_s;
        break;
    case Fault::ResetInHeader:
        server.setScript("/faulty", Script{{Step{header}}, true, false, true});
        break;
    case Fault::ResetInBody:
        server.setScript("/faulty",
                         Script{{Step{header + "\r\n" + QByteArray(700, 'x')}}, true, false, true});
        break;
    case Fault::Silence:
        server.setScript("/faulty", Script{{Step{header + "\r\n" + QByteArray(10, 'x')}}, false});
        break;
    case Fault::TlsFailure: {
        // A server whose authority the fetcher was never told of.
        if (!tls.create())
            QSKIP(qPrintable(tls.error()));
        ScriptedHttpServer* secure = new ScriptedHttpServer(this);
        secure->useTls(tls.serverCertificate(), tls.serverKey());
        QVERIFY(secure->listenLocal());
        secure->setDefaultScript(ScriptedHttpServer::whole(ScriptedHttpServer::reply(900)));
        faulty = secure->url(u"/faulty"_s).replace(u"http://"_s, u"https://"_s);
        break;
    }
    case Fault::HeaderOnly:
        server.setScript("/faulty", ScriptedHttpServer::whole(
                                        "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n"));
        break;
    }
    const int faultyRow = lists.appendPost(faulty);
    lists.setPostSize(faultyRow, 0);
    server.setScript("/next", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    const QString next = server.url(u"/next"_s);
    lists.setPostSize(lists.appendPost(next), 1000);

    check.start();
    QVERIFY(QTest::qWaitFor([&] { return finished.size() > 0; }, 30000));
    QVERIFY(!check.isRunning());
    // The page after the faulty one is checked whatever became of it.
    QCOMPARE(lists.newReplies(), QStringList{next});
    QCOMPARE(check.checker().results().at(1).measured, 2000);
    if (fails) {
        QCOMPARE(panel1.last(), u"finished - 1 new replies found, 1 thread could not be checked"_s);
        QCOMPARE(messages.entries.size(), 1);
        QVERIFY(messages.entries[0].text.startsWith(u"Error occurred."_s));
        QVERIFY2(messages.entries[0].text.contains(description, Qt::CaseInsensitive),
                 qPrintable(messages.entries[0].text));
        QCOMPARE(messages.entries[0].informativeText, faulty);
        QCOMPARE(lists.lastCheck(0)->outcome, quillbox::CheckOutcome::Failed);
    } else {
        QVERIFY(messages.entries.isEmpty());
        QCOMPARE(panel1.last(), u"finished - 1 new replies found"_s);
        const qint64 expected = fault == Fault::HeaderOnly ? 0 : header.size();
        QCOMPARE(check.checker().results().at(0).measured, expected);
    }
}

void TestFetchFaults::gigabytePageIsMeasuredInBoundedMemory() {
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer keeps freed memory in quarantine, so resident memory says nothing here; the
    // plain build checks the bound.
    QSKIP("resident memory is not meaningful under AddressSanitizer");
#endif
    constexpr qint64 size = qint64(1) << 30;
    StreamingServer server(size);
    QVERIFY(server.listen(QHostAddress::LocalHost));
    quillbox::test::RecordingMessages messages;
    quillbox::test::ManualClock clock;
    WatchLists lists;
    ReplyCheck check{lists, messages, clock};
    QSignalSpy finished{&check, &ReplyCheck::finished};
    const QString url = u"http://127.0.0.1:%1/huge"_s.arg(server.serverPort());
    lists.setPostSize(lists.appendPost(url), 1000);

    const qint64 before = residentKiB();
    qint64 peak = before;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, &sampler,
            [&peak] { peak = std::max(peak, residentKiB()); });
    sampler.start(20);
    check.start();
    QVERIFY(QTest::qWaitFor([&] { return finished.size() > 0; }, 280000));
    sampler.stop();
    peak = std::max(peak, residentKiB());
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(check.checker().results().at(0).measured, size);
    QCOMPARE(lists.newReplies(), QStringList{url});
    if (before < 0)
        QSKIP("/proc tells nothing of this process's memory");
    // Neither end keeps what it sent or received: a few pieces in flight at most.
    QVERIFY2(peak - before < 64 * 1024,
             qPrintable(u"resident memory grew by %1 KiB"_s.arg(peak - before)));
}

QTEST_GUILESS_MAIN(TestFetchFaults)
#include "tst_fetch_faults.moc"

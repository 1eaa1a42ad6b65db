// What the fetcher makes of a reply's status: pages measured, error pages and redirects to other
// sites failing with a reason, same-site redirects followed, validators sent and a 304 taken.
#include "fetcher_harness.h"
#include "support/page_server.h"
#include "support/scripted_http_server.h"
#include "support/tls_fixture.h"

#include <QSslSocket>

using namespace Qt::StringLiterals;

using quillbox::FetchRequest;
using quillbox::test::PageServer;
using quillbox::test::ScriptedHttpServer;

namespace {

QByteArray answer(const QByteArray& status, const QByteArray& headers, const QByteArray& body) {
    return PageServer::response(status, headers, body);
}

} // namespace

class TestFetchStatus : public QObject {
    Q_OBJECT
private slots:
    void errorPagesFailWithTheirStatus_data();
    void errorPagesFailWithTheirStatus();
    void sameSiteRedirectsAreFollowed_data();
    void sameSiteRedirectsAreFollowed();
    void redirectToAnotherSiteFails();
    void redirectLoopsAndLongChainsFail();
    void redirectFromHttpToHttpsIsFollowed();
    void twoDifferentLengthsFail();
    void validatorsAreSentAndA304IsNotModified();
    void bodyIsKeptWithoutItsChunkFraming();
};

void TestFetchStatus::errorPagesFailWithTheirStatus_data() {
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("reason");
    QTest::newRow("404") << QByteArray("404 Not Found") << 404 << u"HTTP 404 Not Found"_s;
    QTest::newRow("500") << QByteArray("500 Internal Server Error") << 500
                         << u"HTTP 500 Internal Server Error"_s;
    QTest::newRow("503") << QByteArray("503 Service Unavailable") << 503
                         << u"HTTP 503 Service Unavailable"_s;
    QTest::newRow("410 without a reason phrase") << QByteArray("410") << 410 << u"HTTP 410"_s;
}

void TestFetchStatus::errorPagesFailWithTheirStatus() {
    QFETCH(QByteArray, status);
    QFETCH(int, number);
    QFETCH(QString, reason);
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    // An error page far larger than any recorded size: it must never count as the thread.
    server.setDefaultScript(ScriptedHttpServer::whole(answer(status, {}, QByteArray(20000, 'e'))));
    FetcherHarness h;
    h.fetcher.start(server.url(u"/thread"_s));
    QVERIFY(h.waitForEnd());
    QCOMPARE(h.completed.size(), 0);
    QCOMPARE(h.errors.size(), 1);
    QCOMPARE(h.errors[0].number, number);
    QCOMPARE(h.errors[0].description, reason);
    QCOMPARE(h.errors[0].address, server.url(u"/thread"_s));
}

void TestFetchStatus::sameSiteRedirectsAreFollowed_data() {
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<QByteArray>("redirectBody");
    QTest::newRow("301, path only")
        << QByteArray("301 Moved Permanently") << QByteArray("/new") << QByteArray("<p>moved</p>");
    // A forum's "last post" link: a 302 with an empty body, never a page of 0 bytes.
    QTest::newRow("302 with an empty body")
        << QByteArray("302 Found") << QByteArray("new?p=5#p5") << QByteArray();
    QTest::newRow("307, whole address")
        << QByteArray("307 Temporary Redirect") << QByteArray("http://127.0.0.1:PORT/new")
        << QByteArray("x");
}

void TestFetchStatus::sameSiteRedirectsAreFollowed() {
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, location);
    QFETCH(QByteArray, redirectBody);
    PageServer server;
    QVERIFY(server.listenLocal());
    location.replace("PORT", QByteArray::number(server.serverPort()));
    server.setScript("/old", ScriptedHttpServer::whole(
                                 answer(status, "Location: " + location + "\r\n", redirectBody)));
    server.addPage("/new", QByteArray(777, 'n'));
    server.addPage("/new?p=5", QByteArray(778, 'n'));
    FetcherHarness h;
    h.fetcher.start(FetchRequest{server.url(u"/old"_s), {}, {}, 4096});
    QVERIFY(h.waitForEnd());
    QCOMPARE(h.failed.size(), 0);
    const quillbox::FetchResult r = h.result();
    QCOMPARE(r.status, 200);
    QCOMPARE(r.redirects, 1);
    QVERIFY(r.bodySize == 777 || r.bodySize == 778);
    QCOMPARE(r.body.size(), r.bodySize);
    QVERIFY(r.finalAddress.startsWith(server.url(u"/new"_s)));
    QCOMPARE(server.requests().size(), 2);
}

void TestFetchStatus::redirectToAnotherSiteFails() {
    PageServer server;
    QVERIFY(server.listenLocal());
    // The same machine by another name is another site: its cookies and pages are not ours.
    const QString elsewhere = u"http://localhost:%1/moved"_s.arg(server.serverPort());
    server.addRedirect("/thread", elsewhere);
    FetcherHarness h;
    h.fetcher.start(server.url(u"/thread"_s));
    QVERIFY(h.waitForEnd());
    QCOMPARE(h.completed.size(), 0);
    QCOMPARE(h.errors.size(), 1);
    QCOMPARE(h.errors[0].movedTo, elsewhere);
    QCOMPARE(h.errors[0].description, u"moved to "_s + elsewhere);
    QCOMPARE(server.requests().size(), 1);
}

void TestFetchStatus::redirectLoopsAndLongChainsFail() {
    PageServer server;
    QVERIFY(server.listenLocal());
    server.addRedirect("/a", server.url(u"/b"_s));
    server.addRedirect("/b", server.url(u"/a"_s));
    for (int i = 0; i < 7; ++i)
        server.addRedirect("/hop" + QByteArray::number(i), server.url(u"/hop%1"_s.arg(i + 1)));
    server.addPage("/hop7", "end");

    FetcherHarness loop;
    loop.fetcher.start(server.url(u"/a"_s));
    QVERIFY(loop.waitForEnd());
    QCOMPARE(loop.errors.size(), 1);
    QVERIFY2(loop.errors[0].description.contains(u"loop"_s),
             qPrintable(loop.errors[0].description));

    FetcherHarness chain;
    chain.fetcher.start(server.url(u"/hop0"_s));
    QVERIFY(chain.waitForEnd());
    QCOMPARE(chain.errors.size(), 1);
    QVERIFY2(chain.errors[0].description.contains(u"more than 5"_s),
             qPrintable(chain.errors[0].description));

    // Five hops are still followed.
    FetcherHarness five;
    five.fetcher.start(server.url(u"/hop2"_s));
    QVERIFY(five.waitForEnd());
    QCOMPARE(five.failed.size(), 0);
    QCOMPARE(five.result().redirects, 5);
}

void TestFetchStatus::redirectFromHttpToHttpsIsFollowed() {
    if (!QSslSocket::supportsSsl())
        QSKIP("no TLS on this system");
    quillbox::test::TlsFixture tls;
    QVERIFY2(tls.create(), qPrintable(tls.error()));
    PageServer secure;
    secure.useTls(tls.serverCertificate(), tls.serverKey());
    QVERIFY(secure.listenLocal());
    secure.addPage("/thread", QByteArray(321, 's'));
    PageServer plain;
    QVERIFY(plain.listenLocal());
    const QString target = u"https://127.0.0.1:%1/thread"_s.arg(secure.serverPort());
    plain.addRedirect("/thread", target);
    FetcherHarness h;
    h.fetcher.setExtraCaCertificates({tls.caCertificate()});
    h.fetcher.start(plain.url(u"/thread"_s));
    QVERIFY(h.waitForEnd());
    QCOMPARE(h.failed.size(), 0);
    QCOMPARE(h.size(), 321);
    QCOMPARE(h.result().finalAddress, target);
}

void TestFetchStatus::twoDifferentLengthsFail() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/two", ScriptedHttpServer::whole("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n"
                                                       "Content-Length: 9\r\n\r\nabcdefghi"));
    server.setScript("/same", ScriptedHttpServer::whole("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n"
                                                        "Content-Length: 4\r\n\r\nabcd"));
    FetcherHarness two;
    two.fetcher.start(server.url(u"/two"_s));
    QVERIFY(two.waitForEnd());
    QCOMPARE(two.completed.size(), 0);
    QCOMPARE(two.failed.size(), 1);
    FetcherHarness same;
    same.fetcher.start(server.url(u"/same"_s));
    QVERIFY(same.waitForEnd());
    QCOMPARE(same.size(), 4);
}

void TestFetchStatus::validatorsAreSentAndA304IsNotModified() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setDefaultScript(ScriptedHttpServer::whole(
        "HTTP/1.1 304 Not Modified\r\nETag: \"v1\"\r\nConnection: close\r\n\r\n"));
    FetcherHarness h;
    h.fetcher.start(
        FetchRequest{server.url(u"/t"_s), u"\"v1\""_s, u"Mon, 07 Dec 2026 10:00:00 GMT"_s, 4096});
    QVERIFY(h.waitForEnd());
    QCOMPARE(h.failed.size(), 0);
    QVERIFY(h.result().notModified());
    QCOMPARE(h.result().etag, u"\"v1\""_s);
    const QByteArray request = server.requests().value(0);
    QVERIFY2(request.contains("\r\nIf-None-Match: \"v1\"\r\n"), request.constData());
    QVERIFY2(request.contains("\r\nIf-Modified-Since: Mon, 07 Dec 2026 10:00:00 GMT\r\n"),
             request.constData());

    // A validator holding a line break could add headers of its own: it is not sent.
    FetcherHarness bad;
    bad.fetcher.start(FetchRequest{server.url(u"/t"_s), u"\"x\"\r\nX-Evil: 1"_s, {}, 0});
    QVERIFY(bad.waitForEnd());
    QVERIFY(!server.requests().value(1).contains("X-Evil"));
}

void TestFetchStatus::bodyIsKeptWithoutItsChunkFraming() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setDefaultScript(ScriptedHttpServer::whole(
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nETag: W/\"7\"\r\n"
        "Last-Modified: Sun, 06 Dec 2026 09:00:00 GMT\r\nContent-Type: text/html\r\n\r\n"
        "5\r\n<html\r\n3;ext=1\r\n>hi\r\n0\r\n\r\n"));
    FetcherHarness h;
    h.fetcher.start(FetchRequest{server.url(u"/c"_s), {}, {}, 6});
    QVERIFY(h.waitForEnd());
    const quillbox::FetchResult r = h.result();
    // Counted as sent, kept as the page's bytes, up to the bound.
    QCOMPARE(r.body, QByteArray("<html>"));
    QVERIFY(r.bodyTruncated);
    QCOMPARE(r.etag, u"W/\"7\""_s);
    QCOMPARE(r.lastModified, u"Sun, 06 Dec 2026 09:00:00 GMT"_s);
    QCOMPARE(r.contentType, u"text/html"_s);
}

QTEST_GUILESS_MAIN(TestFetchStatus)
#include "tst_fetch_status.moc"

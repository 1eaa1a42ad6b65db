#include "support/recording_messages.h"
#include "support/scripted_http_server.h"
#include "watch/fetch_target.h"
#include "watch/forum_cookie_jar.h"
#include "watch/page_fetcher.h"

#include <QNetworkCookie>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using quillbox::ForumCookieJar;

namespace {

QNetworkCookie cookie(const char* name, const char* domain, const char* path = "/",
                      bool secure = false, qint64 expiresInDays = 0) {
    QNetworkCookie c(name, QByteArray(name) + "-value");
    c.setDomain(QString::fromLatin1(domain));
    c.setPath(QString::fromLatin1(path));
    c.setSecure(secure);
    if (expiresInDays != 0)
        c.setExpirationDate(QDateTime::currentDateTimeUtc().addDays(expiresInDays));
    return c;
}

} // namespace

class TestForumCookieJar : public QObject {
    Q_OBJECT
private slots:
    void cookiesChosenByTheRules_data();
    void cookiesChosenByTheRules();
    void disabledSendsNone();
    void removedAndReplacedCookies();
    void requestCarriesTheCookieLineOnlyWhenGiven();
    void fetchSendsTheJarsCookies();
};

void TestForumCookieJar::cookiesChosenByTheRules_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("host only, plain http")
        << u"http://forum.example/t/1"_s << QByteArray("host=host-value; dom=dom-value");
    QTest::newRow("subdomain gets the domain cookie only")
        << u"http://www.forum.example/t/1"_s << QByteArray("dom=dom-value");
    QTest::newRow("https adds the secure one")
        << u"https://forum.example/t/1"_s
        << QByteArray("host=host-value; dom=dom-value; sec=sec-value");
    QTest::newRow("path cookie within its path, longer path first")
        << u"http://forum.example/board/t/2"_s
        << QByteArray("board=board-value; host=host-value; dom=dom-value");
    QTest::newRow("path prefix that is not a segment")
        << u"http://forum.example/boardgames/t"_s << QByteArray("host=host-value; dom=dom-value");
    QTest::newRow("another domain") << u"http://other.example/t"_s << QByteArray();
    QTest::newRow("look-alike domain") << u"http://evilforum.example/t"_s << QByteArray();
    QTest::newRow("without a scheme")
        << u"forum.example/t/1"_s << QByteArray("host=host-value; dom=dom-value");
    QTest::newRow("not on the web") << u"ftp://forum.example/"_s << QByteArray();
}

void TestForumCookieJar::cookiesChosenByTheRules() {
    QFETCH(QString, url);
    QFETCH(QByteArray, expected);
    ForumCookieJar jar;
    jar.setEnabled(true);
    jar.add(cookie("host", "forum.example"));
    jar.add(cookie("dom", ".forum.example", "/", false, 30));
    jar.add(cookie("sec", "forum.example", "/", true));
    jar.add(cookie("board", "forum.example", "/board"));
    jar.add(cookie("old", "forum.example", "/", false, -1));
    jar.add(cookie("else", "other.example", "/private"));
    QCOMPARE(jar.cookieHeaderFor(url), expected);
}

void TestForumCookieJar::disabledSendsNone() {
    ForumCookieJar jar;
    jar.add(cookie("host", "forum.example"));
    QVERIFY(jar.cookieHeaderFor(u"http://forum.example/"_s).isEmpty());
    QCOMPARE(jar.matchingCookies(u"http://forum.example/"_s), QByteArray("host=host-value"));
}

void TestForumCookieJar::removedAndReplacedCookies() {
    ForumCookieJar jar;
    jar.setEnabled(true);
    jar.add(cookie("a", "forum.example"));
    QNetworkCookie renewed = cookie("a", "forum.example");
    renewed.setValue("new");
    jar.add(renewed);
    QCOMPARE(jar.count(), 1);
    QCOMPARE(jar.cookieHeaderFor(u"http://forum.example/"_s), QByteArray("a=new"));
    jar.remove(renewed);
    QCOMPARE(jar.count(), 0);
    QVERIFY(jar.cookieHeaderFor(u"http://forum.example/"_s).isEmpty());
}

void TestForumCookieJar::requestCarriesTheCookieLineOnlyWhenGiven() {
    const auto target = quillbox::parseFetchTarget(u"http://forum.example/t"_s).target;
    QVERIFY(target);
    const QByteArray plain = "GET /t HTTP/1.1\r\nHost: forum.example\r\nConnection: close\r\n"
                             "Accept: */*\r\n\r\n";
    QCOMPARE(target->request(), plain);
    QCOMPARE(target->request("a=1; b=2"),
             QByteArray("GET /t HTTP/1.1\r\nHost: forum.example\r\nConnection: close\r\n"
                        "Accept: */*\r\nCookie: a=1; b=2\r\n\r\n"));
    // A value that would start a header of its own is not sent at all.
    QCOMPARE(target->request("a=1\r\nX-Evil: 1"), plain);
}

void TestForumCookieJar::fetchSendsTheJarsCookies() {
    quillbox::test::ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setDefaultScript(
        quillbox::test::ScriptedHttpServer::whole(quillbox::test::ScriptedHttpServer::reply(10)));
    ForumCookieJar jar;
    jar.add(cookie("session", "127.0.0.1"));
    jar.add(cookie("secure", "127.0.0.1", "/", true));
    quillbox::PageFetcher fetcher;
    fetcher.setRequestCookies(&jar);
    QSignalSpy completed(&fetcher, &quillbox::PageFetcher::completed);

    fetcher.start(server.url(u"/t"_s));
    QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 1, 30000);
    QVERIFY(!server.requests().at(0).contains("Cookie"));

    jar.setEnabled(true);
    fetcher.start(server.url(u"/t"_s));
    QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 2, 30000);
    QVERIFY2(server.requests().at(1).contains("\r\nCookie: session=session-value\r\n"),
             server.requests().at(1).constData());
    QVERIFY(!server.requests().at(1).contains("secure"));
}

QTEST_GUILESS_MAIN(TestForumCookieJar)
#include "tst_forum_cookie_jar.moc"

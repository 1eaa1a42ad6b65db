#include "support/recording_messages.h"
#include "support/scripted_http_server.h"
#include "support/test_folders.h"
#include "watch/cookie_file.h"
#include "watch/fetch_target.h"
#include "watch/forum_cookie_jar.h"
#include "watch/page_fetcher.h"

#include <QDir>
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
    void cookieFileKeepsWhatOutlivesTheProgram();
    void cookieFileLinesThatAreNoCookieAreSkipped();
    void unreadableCookieFileIsReported();
    void jarTellsOfEveryChange();
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
    // The host the fetcher connects to decides, read as the fetcher reads it.
    QTest::newRow("percent escape in the host names another host")
        << u"http://forum.exa%6Dple/t/1"_s << QByteArray();
    QTest::newRow("letter case of the host")
        << u"HTTP://Forum.EXAMPLE/t/1"_s << QByteArray("host=host-value; dom=dom-value");
    QTest::newRow("user information before the host")
        << u"http://other.example:pw@forum.example/t/1"_s
        << QByteArray("host=host-value; dom=dom-value");
    QTest::newRow("at sign in a password") << u"http://other.example:p@ss@forum.example/t"_s
                                           << QByteArray("host=host-value; dom=dom-value");
    QTest::newRow("backslash before an at sign")
        << u"http://forum.example\\@other.example/t"_s << QByteArray();
    QTest::newRow("port of its own")
        << u"http://forum.example:8080/t/1"_s << QByteArray("host=host-value; dom=dom-value");
    QTest::newRow("query is no part of the path")
        << u"http://forum.example/t?from=/board"_s << QByteArray("host=host-value; dom=dom-value");
    QTest::newRow("host beyond ASCII")
        << u"http://\u00fcber.example/t"_s << QByteArray("idn=idn-value");
    QTest::newRow("address the fetcher refuses") << u"http://forum.example/a b"_s << QByteArray();
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
    jar.add(cookie("idn", "xn--ber-goa.example"));
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

void TestForumCookieJar::cookieFileKeepsWhatOutlivesTheProgram() {
    ForumCookieJar window;
    window.setEnabled(true);
    window.add(cookie("dom", ".forum.example", "/", false, 30));
    window.add(cookie("sec", "forum.example", "/", true, 30));
    window.add(cookie("board", "forum.example", "/board", false, 30));
    window.add(cookie("session", "forum.example"));
    window.add(cookie("old", "forum.example", "/", false, -1));
    QNetworkCookie broken = cookie("broken", "forum.example", "/", false, 30);
    broken.setValue("a\nb");
    window.add(broken);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QByteArray bytes = quillbox::cookieFileBytes(window.cookies(), now);
    QVERIFY(!bytes.contains("session"));
    QVERIFY(!bytes.contains("old"));
    QVERIFY(!bytes.contains("broken"));

    quillbox::test::TestFolders folders;
    const QString path = quillbox::cookieFilePath(folders.dataFolder());
    QVERIFY(quillbox::test::writeBytes(path, bytes));
    const quillbox::CookieFileRead read = quillbox::readCookieFile(path, now);
    QVERIFY(read.status.ok);
    QCOMPARE(read.skipped, 0);
    ForumCookieJar companion;
    companion.setEnabled(true);
    companion.setCookies(read.cookies);
    // The companion chooses what the window would, less the session cookie.
    for (const QString& url : {u"http://forum.example/board/t"_s, u"https://www.forum.example/"_s,
                               u"https://forum.example/t"_s}) {
        QByteArray expected = window.cookieHeaderFor(url);
        expected.replace("session=session-value; ", "").replace("; session=session-value", "");
        QCOMPARE(companion.cookieHeaderFor(url), expected);
    }
    // Read after the cookies have expired, nothing is sent.
    QVERIFY(quillbox::readCookieFile(path, now.addDays(31)).cookies.isEmpty());
}

void TestForumCookieJar::cookieFileLinesThatAreNoCookieAreSkipped() {
    quillbox::test::TestFolders folders;
    const QString path = quillbox::cookieFilePath(folders.dataFolder());
    QVERIFY(quillbox::test::writeBytes(path, "# a comment\r\n"
                                             "\r\n"
                                             "=no-name; domain=forum.example\n"
                                             "session=1; domain=forum.example; path=/\n"
                                             "\xff\xfe garbage\n"
                                             "ok=1; expires=Fri, 01-Jan-2100 00:00:00 GMT; "
                                             "domain=forum.example; path=/\r\n"));
    const quillbox::CookieFileRead read =
        quillbox::readCookieFile(path, QDateTime::currentDateTimeUtc());
    QVERIFY(read.status.ok);
    QCOMPARE(read.cookies.size(), 1);
    QCOMPARE(read.cookies[0].name(), QByteArray("ok"));
    QCOMPARE(read.skipped, 3);
    // No file: no cookies, and no error.
    const quillbox::CookieFileRead none =
        quillbox::readCookieFile(path + u".missing"_s, QDateTime::currentDateTimeUtc());
    QVERIFY(none.status.ok);
    QVERIFY(none.cookies.isEmpty());
}

void TestForumCookieJar::unreadableCookieFileIsReported() {
    quillbox::test::TestFolders folders;
    QVERIFY(QDir(folders.dataFolder()).mkdir(QString::fromLatin1(quillbox::kCookieFileName)));
    const quillbox::CookieFileRead read = quillbox::readCookieFile(
        quillbox::cookieFilePath(folders.dataFolder()), QDateTime::currentDateTimeUtc());
    QVERIFY(!read.status.ok);
    QVERIFY2(read.status.message.contains(u"check-cookies.txt"_s), qPrintable(read.status.message));
}

void TestForumCookieJar::jarTellsOfEveryChange() {
    ForumCookieJar jar;
    QSignalSpy changed(&jar, &ForumCookieJar::changed);
    jar.add(cookie("a", "forum.example"));
    QNetworkCookie renewed = cookie("a", "forum.example");
    renewed.setValue("new");
    jar.add(renewed);
    jar.remove(cookie("absent", "forum.example"));
    jar.remove(renewed);
    jar.clear(); // already empty
    QCOMPARE(changed.size(), 3);
}

QTEST_GUILESS_MAIN(TestForumCookieJar)
#include "tst_forum_cookie_jar.moc"

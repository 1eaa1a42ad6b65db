#include "fetcher_harness.h"
#include "support/manual_clock.h"
#include "support/nginx_fixture.h"
#include "support/test_folders.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

using namespace Qt::StringLiterals;

using quillbox::test::NginxFixture;

class TestPageFetcherNginx : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void measuresServedFilesExactly_data();
    void measuresServedFilesExactly();
    void checkAgainstRealServerFindsTheGrownPage();

private:
    NginxFixture m_nginx;
};

void TestPageFetcherNginx::initTestCase() {
    if (NginxFixture::program().isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            QFAIL("nginx is required in CI: install the Debian package nginx");
        QSKIP("nginx is not installed (Debian package nginx); the real-server tests are "
              "skipped");
    }
    QVERIFY2(m_nginx.start(), qPrintable(m_nginx.error()));
}

void TestPageFetcherNginx::measuresServedFilesExactly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size");
    QTest::newRow("empty") << u"empty.html"_s << 0LL;
    QTest::newRow("small") << u"small.html"_s << 517LL;
    QTest::newRow("a few reads") << u"medium.html"_s << 200000LL;
    QTest::newRow("larger than the socket buffer") << u"large.bin"_s << 3LL * 1024 * 1024 + 7;
}

void TestPageFetcherNginx::measuresServedFilesExactly() {
    QFETCH(QString, name);
    QFETCH(qint64, size);
    QVERIFY(quillbox::test::writeBytes(m_nginx.root() + u'/' + name, QByteArray(size, 'q')));
    FetcherHarness h;
    h.fetcher.start(m_nginx.url(u'/' + name + u"?from=test#frag"_s));
    QVERIFY(h.waitForEnd());
    QVERIFY2(h.messages.entries.isEmpty(), qPrintable(h.messages.texts().join(u'|')));
    QCOMPARE(h.size(), size);
    if (size > 0 && h.panel(3).size() > 1) {
        QCOMPARE(h.panel(3).last(), u"Downloaded %1 from %1 (100%)"_s.arg(size));
    }
}

void TestPageFetcherNginx::checkAgainstRealServerFindsTheGrownPage() {
    QVERIFY(quillbox::test::writeBytes(m_nginx.root() + u"/t1.html"_s, QByteArray(5000, 'a')));
    QVERIFY(quillbox::test::writeBytes(m_nginx.root() + u"/t2.html"_s, QByteArray(5000, 'b')));
    FetcherHarness h;
    quillbox::WatchLists lists;
    quillbox::ListsData data;
    data.posts = {{m_nginx.url(u"/t1.html"_s), 4499},
                  {m_nginx.url(u"/t2.html"_s), 4500},
                  {m_nginx.url(u"/missing.html"_s), 0}};
    lists.setLists(data);
    quillbox::test::ManualClock clock;
    quillbox::ReplyCheck check(lists, h.messages, clock);
    QSignalSpy finished(&check, &quillbox::ReplyCheck::finished);
    check.start();
    QVERIFY(QTest::qWaitFor([&] { return finished.size() == 1; }, 30000));
    // The 404 page is measured like any other page; nginx's is far below 500 bytes.
    QCOMPARE(lists.newReplies(), QStringList{m_nginx.url(u"/t1.html"_s)});
}

QTEST_GUILESS_MAIN(TestPageFetcherNginx)
#include "tst_page_fetcher_nginx.moc"

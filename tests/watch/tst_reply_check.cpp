#include "fetcher_harness.h"
#include "support/scripted_http_server.h"
#include "watch/check_outcome.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <limits>

using namespace Qt::StringLiterals;

using quillbox::ReplyCheck;
using quillbox::WatchLists;
using quillbox::test::ScriptedHttpServer;
using Script = ScriptedHttpServer::Script;
using Step = ScriptedHttpServer::Step;

namespace {

struct CheckRig {
    ScriptedHttpServer server;
    FetcherHarness h;
    WatchLists lists;
    ReplyCheck check{lists, h.fetcher, h.messages};
    QSignalSpy finished{&check, &ReplyCheck::finished};
    QSignalSpy stopped{&check, &ReplyCheck::stopped};
    QStringList panel1;

    CheckRig() {
        server.listenLocal();
        QObject::connect(&check, &ReplyCheck::panelText, &check,
                         [this](int panel, const QString& t) {
                             if (panel == 1)
                                 panel1.append(t);
                         });
    }
    // Watches a page that now has `now` body bytes and was recorded at `recorded`.
    QString watch(const QString& name, qint64 now, std::optional<qint64> recorded,
                  int pauseMs = 0) {
        const QByteArray path = '/' + name.toLatin1();
        server.setScript(path, Script{{Step{ScriptedHttpServer::reply(now), pauseMs}}});
        const QString url = server.url(QString::fromLatin1(path));
        const int row = lists.appendPost(url);
        lists.setPostSize(row, recorded);
        return url;
    }
    bool waitForEnd() {
        return QTest::qWaitFor([this] { return finished.size() + stopped.size() > 0; }, 30000);
    }
};

} // namespace

class TestReplyCheck : public QObject {
    Q_OBJECT
private slots:
    void growthThreshold_data();
    void growthThreshold();
    void listsExactlyThePagesGrownByMoreThan500();
    void emptyListFinishesWithoutConnecting();
    void failedFetchStopsTheCheckWhereItIs_data();
    void failedFetchStopsTheCheckWhereItIs();
    void restartBeginsAgainFromTheFirstPost();
    void postRemovedDuringItsFetchIsNotListed();
};

void TestReplyCheck::growthThreshold_data() {
    QTest::addColumn<qint64>("now");
    QTest::addColumn<qint64>("recorded");
    QTest::addColumn<bool>("grown");
    QTest::newRow("501") << 1501LL << 1000LL << true;
    QTest::newRow("500") << 1500LL << 1000LL << false;
    QTest::newRow("shrunk a lot") << 0LL << 900000LL << false;
    QTest::newRow("beyond 32 bits") << 5000000601LL << 5000000100LL << true;
    QTest::newRow("from nothing") << 501LL << 0LL << true;
    // Differences of doubles round here: 2^60 + 400 becomes 2^60 + 512.
    QTest::newRow("beyond double precision")
        << (qint64(1) << 60) + 400 << (qint64(1) << 60) << false;
    QTest::newRow("from the smallest size to the largest")
        << std::numeric_limits<qint64>::max() << 0LL << true;
}

void TestReplyCheck::growthThreshold() {
    QFETCH(qint64, now);
    QFETCH(qint64, recorded);
    QFETCH(bool, grown);
    // One decision for every check: the window's, the background one and quillbox-check.
    QCOMPARE(quillbox::hasNewReplies(now, recorded), grown);
    QCOMPARE(quillbox::measuredOutcome(now, recorded),
             grown ? quillbox::CheckOutcome::NewReplies : quillbox::CheckOutcome::Unchanged);
}

void TestReplyCheck::listsExactlyThePagesGrownByMoreThan500() {
    CheckRig rig;
    const QString a = rig.watch(u"a"_s, 1501, 1000);
    rig.watch(u"b"_s, 1500, 1000);
    rig.watch(u"c"_s, 100, 5000);
    rig.watch(u"d"_s, 9000, std::nullopt);
    const QString e = rig.watch(u"e"_s, 10000, 0);
    const quillbox::ListsData before = rig.lists.lists();

    for (int round = 1; round <= 2; ++round) {
        rig.panel1.clear();
        rig.check.start();
        QVERIFY(QTest::qWaitFor([&] { return rig.finished.size() == round; }, 30000));
        QCOMPARE(rig.lists.newReplies(), (QStringList{a, e}));
        QStringList expected;
        for (int n = 1; n <= 6; ++n)
            expected.append(u"checking post "_s + QString::number(n));
        expected.append(u"finished - 2 new replies found"_s);
        QCOMPARE(rig.panel1, expected);
        // Nothing is recorded anew, so the next check reports the same pages.
        QCOMPARE(rig.lists.lists(), before);
    }
    // The post without a recorded size was never fetched.
    QCOMPARE(rig.server.requests().size(), 8);
    for (const QByteArray& r : rig.server.requests())
        QVERIFY(!r.startsWith("GET /d "));
}

void TestReplyCheck::emptyListFinishesWithoutConnecting() {
    CheckRig rig;
    rig.lists.addNewReply(u"from an earlier check"_s);
    rig.check.start();
    QCOMPARE(rig.panel1, (QStringList{u"checking post 1"_s, u"finished - 0 new replies found"_s}));
    QCOMPARE(rig.finished.size(), 1);
    QVERIFY(rig.lists.newReplies().isEmpty());
    // Every fetch begins by writing the status panels; none was begun.
    QVERIFY(rig.h.panels.isEmpty());
    QVERIFY(!rig.h.fetcher.isBusy());
}

void TestReplyCheck::failedFetchStopsTheCheckWhereItIs_data() {
    QTest::addColumn<bool>("cutShort"); // else the third page's server refuses the connection
    QTest::newRow("connection refused") << false;
    QTest::newRow("page cut short") << true;
}

void TestReplyCheck::failedFetchStopsTheCheckWhereItIs() {
    QFETCH(bool, cutShort);
    CheckRig rig;
    const QString first = rig.watch(u"1"_s, 2000, 1000);
    const QString second = rig.watch(u"2"_s, 2000, 1000);
    QString third = u"http://127.0.0.1:1/gone"_s;
    if (cutShort) {
        rig.server.setScript("/3", ScriptedHttpServer::whole(ScriptedHttpServer::reply(600, 5000)));
        third = rig.server.url(u"/3"_s);
    }
    rig.lists.appendPost(third);
    rig.lists.setPostSize(2, 10);
    rig.watch(u"4"_s, 2000, 1000);
    rig.watch(u"5"_s, 2000, 1000);
    rig.check.start();
    QVERIFY(rig.waitForEnd());
    QCOMPARE(rig.stopped.size(), 1);
    QCOMPARE(rig.finished.size(), 0);
    QCOMPARE(rig.lists.newReplies(), (QStringList{first, second}));
    QCOMPARE(rig.panel1.last(), u"checking post 3"_s);
    QCOMPARE(rig.h.messages.entries.size(), 1);
    QVERIFY(rig.h.messages.entries[0].text.startsWith(u"Error occurred."_s));
    QCOMPARE(rig.h.messages.entries[0].informativeText, third);
    // No fetch follows the failed one.
    QCOMPARE(rig.h.panel(2).count(u"Connecting to the web server"_s), 3);
    QVERIFY(!rig.h.fetcher.isBusy());
    QCOMPARE(rig.server.requests().size(), cutShort ? 3 : 2);
    QVERIFY(!rig.check.isRunning());
}

void TestReplyCheck::restartBeginsAgainFromTheFirstPost() {
    CheckRig rig;
    const QString slow = rig.watch(u"slow"_s, 3000, 1000, 400);
    rig.watch(u"same"_s, 1000, 1000);
    rig.check.start();
    QVERIFY(QTest::qWaitFor([&] { return !rig.server.requests().isEmpty(); }));
    rig.check.start();
    QVERIFY(rig.waitForEnd());
    // The first fetch of the slow page was let go, so it can finish nothing.
    QTRY_COMPARE(rig.server.droppedCount(), 1);
    QCOMPARE(rig.finished.size(), 1);
    QCOMPARE(rig.lists.newReplies(), QStringList{slow});
    QCOMPARE(rig.panel1.count(u"finished - 1 new replies found"_s), 1);
    QCOMPARE(rig.h.completed.size(), 2);
}

void TestReplyCheck::postRemovedDuringItsFetchIsNotListed() {
    CheckRig rig;
    rig.watch(u"removed"_s, 3000, 1000, 300);
    const QString kept = rig.watch(u"kept"_s, 3000, 1000);
    rig.check.start();
    QVERIFY(QTest::qWaitFor([&] { return !rig.server.requests().isEmpty(); }));
    rig.lists.removePost(0);
    QVERIFY(rig.waitForEnd());
    QCOMPARE(rig.finished.size(), 1);
    QCOMPARE(rig.lists.newReplies(), QStringList{kept});
}

QTEST_GUILESS_MAIN(TestReplyCheck)
#include "tst_reply_check.moc"

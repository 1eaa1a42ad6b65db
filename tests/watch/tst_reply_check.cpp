#include "support/manual_clock.h"
#include "support/recording_messages.h"
#include "support/scripted_http_server.h"
#include "watch/check_outcome.h"
#include "watch/fetch_messages.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QSignalSpy>
#include <QTest>
#include <limits>

using namespace Qt::StringLiterals;

using quillbox::CheckOutcome;
using quillbox::ReplyCheck;
using quillbox::WatchLists;
using quillbox::test::ScriptedHttpServer;
using Script = ScriptedHttpServer::Script;
using Step = ScriptedHttpServer::Step;

namespace {

struct CheckRig {
    ScriptedHttpServer server;
    quillbox::test::RecordingMessages messages;
    quillbox::test::ManualClock clock;
    WatchLists lists;
    ReplyCheck check{lists, messages, clock};
    QSignalSpy finished{&check, &ReplyCheck::finished};
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
        return watchAddress(server.url(QString::fromLatin1(path)), recorded);
    }
    QString watchAddress(const QString& url, std::optional<qint64> recorded) {
        lists.setPostSize(lists.appendPost(url), recorded);
        return url;
    }
    bool waitForEnd(int count = 1) {
        return QTest::qWaitFor([this, count] { return finished.size() >= count; }, 60000);
    }
};

// A port that was open a moment ago refuses connections now.
QString refusedAddress(const QString& path) {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const QString url = u"http://127.0.0.1:%1"_s.arg(closed.serverPort()) + path;
    closed.close();
    return url;
}

} // namespace

class TestReplyCheck : public QObject {
    Q_OBJECT
private slots:
    void growthThreshold_data();
    void growthThreshold();
    void listsExactlyThePagesGrownByMoreThan500();
    void emptyListFinishesWithoutConnecting();
    void failuresAreListedInOneBoxAndTheCheckGoesOn_data();
    void failuresAreListedInOneBoxAndTheCheckGoesOn();
    void manyFailuresMakeOneBoxOfBoundedLength();
    void neverMoreThanTwoPagesAtOnceFromOneServer();
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
             grown ? CheckOutcome::NewReplies : CheckOutcome::Unchanged);
}

void TestReplyCheck::listsExactlyThePagesGrownByMoreThan500() {
    CheckRig rig;
    // The first page answers last: the new replies still come in the list's order.
    const QString a = rig.watch(u"a"_s, 1501, 1000, 300);
    rig.watch(u"b"_s, 1500, 1000);
    rig.watch(u"c"_s, 100, 5000);
    rig.watch(u"d"_s, 9000, std::nullopt);
    const QString e = rig.watch(u"e"_s, 10000, 0);
    quillbox::ListsData before = rig.lists.lists();
    // A page that shrank is compared from its new size on; nothing else is recorded.
    before.posts[2].size = 100;

    for (int round = 1; round <= 2; ++round) {
        rig.panel1.clear();
        rig.check.start();
        QVERIFY(rig.waitForEnd(round));
        QCOMPARE(rig.lists.newReplies(), (QStringList{a, e}));
        QStringList expected;
        for (int n = 1; n <= 6; ++n)
            expected.append(u"checking post "_s + QString::number(n));
        expected.append(u"finished - 2 new replies found"_s);
        QCOMPARE(rig.panel1, expected);
        QCOMPARE(rig.finished.last().first().toInt(), 2);
        // Grown pages are not recorded anew, so the next check reports the same pages.
        QCOMPARE(rig.lists.lists(), before);
    }
    // Every thread's row tells what its check found.
    QCOMPARE(rig.lists.lastCheck(0)->outcome, CheckOutcome::NewReplies);
    QCOMPARE(rig.lists.lastCheck(0)->measured, 1501);
    QCOMPARE(rig.lists.lastCheck(0)->checkedAt, rig.clock.now());
    QCOMPARE(rig.lists.lastCheck(2)->outcome, CheckOutcome::Unchanged);
    QCOMPARE(rig.lists.lastCheck(3)->outcome, CheckOutcome::NoSize);
    QVERIFY(rig.messages.entries.isEmpty());
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
    QVERIFY(!rig.check.isRunning());
    QVERIFY(rig.lists.newReplies().isEmpty());
    QCOMPARE(rig.server.connectionCount(), 0);
}

void TestReplyCheck::failuresAreListedInOneBoxAndTheCheckGoesOn_data() {
    QTest::addColumn<QStringList>("faults"); // the faulty threads, in the list's order
    QTest::newRow("connection refused") << QStringList{u"refused"_s};
    QTest::newRow("page cut short") << QStringList{u"cut"_s};
    QTest::newRow("server that drips past the deadline") << QStringList{u"drip"_s};
    QTest::newRow("address that cannot be fetched") << QStringList{u"space"_s};
    QTest::newRow("three at once") << QStringList{u"refused"_s, u"cut"_s, u"space"_s};
}

void TestReplyCheck::failuresAreListedInOneBoxAndTheCheckGoesOn() {
    QFETCH(QStringList, faults);
    CheckRig rig;
    rig.check.checker().setDeadline(std::chrono::milliseconds(400));
    Script drip{{{"HTTP/1.1 200 OK\r\nContent-Length: 50000\r\n\r\n"}}};
    for (int i = 0; i < 400; ++i)
        drip.steps.append({"x", 50});
    rig.server.setScript("/drip", drip);
    rig.server.setScript("/cut", ScriptedHttpServer::whole(ScriptedHttpServer::reply(600, 5000)));

    const QString first = rig.watch(u"1"_s, 2000, 1000);
    rig.watch(u"2"_s, 1000, 1000);
    QStringList faulty;
    for (const QString& fault : faults) {
        const QString url = fault == u"refused"_s ? refusedAddress(u"/gone"_s)
                            : fault == u"space"_s ? u"http://127.0.0.1/has space"_s
                                                  : rig.server.url(u'/' + fault);
        faulty.append(rig.watchAddress(url, 10));
    }
    // The thread after the failures has grown by 650 bytes, and is found.
    const QString last = rig.watch(u"4"_s, 1650, 1000);
    QSignalSpy running(&rig.check, &ReplyCheck::runningChanged);

    rig.check.start();
    QVERIFY(rig.waitForEnd());
    QVERIFY(!rig.check.isRunning());
    QCOMPARE(running.size(), 2);
    QCOMPARE(rig.lists.newReplies(), (QStringList{first, last}));
    const int n = int(faults.size());
    QCOMPARE(rig.check.failedCount(), n);
    QCOMPARE(rig.panel1.last(),
             u"finished - 2 new replies found, %1 %2 could not be checked"_s.arg(n).arg(
                 n == 1 ? u"thread"_s : u"threads"_s));
    QVERIFY(!rig.panel1.last().startsWith(u"checking"_s));

    // One box for all of them, with each thread's own text.
    QCOMPARE(rig.messages.entries.size(), 1);
    const auto& box = rig.messages.entries[0];
    QCOMPARE(box.title, u"Error"_s);
    QCOMPARE(box.icon, quillbox::MessageIcon::Exclamation);
    const QString shown = box.text + box.informativeText;
    for (int i = 0; i < n; ++i) {
        QVERIFY2(shown.contains(faulty[i]), qPrintable(shown));
        const std::optional<quillbox::PostCheck> check = rig.lists.lastCheck(2 + i);
        QVERIFY(check);
        QCOMPARE(check->outcome, CheckOutcome::Failed);
        QVERIFY(!check->reason.isEmpty());
        QVERIFY2(box.text.contains(check->reason), qPrintable(box.text));
    }
    if (n == 1) {
        // A single failure reads as the box of that fetch always has.
        QCOMPARE(box.informativeText, faulty[0]);
        QVERIFY(box.text.startsWith(faults[0] == u"space"_s
                                        ? u"An error has occurred.\r\nError #: "_s
                                        : u"Error occurred.\r\nError #: "_s));
    } else {
        QVERIFY(box.text.startsWith(u"3 threads could not be checked"_s));
        QVERIFY(box.text.contains(u"\r\nError occurred.\r\nError #: "_s));
        QVERIFY(box.text.contains(u"\r\nAn error has occurred.\r\nError #: "_s));
        // In the list's order.
        QVERIFY(box.text.indexOf(faulty[0]) < box.text.indexOf(faulty[1]));
        QVERIFY(box.text.indexOf(faulty[1]) < box.text.indexOf(faulty[2]));
    }
}

void TestReplyCheck::manyFailuresMakeOneBoxOfBoundedLength() {
    CheckRig rig;
    const QString dead = refusedAddress(QString());
    for (int i = 0; i < 60; ++i)
        rig.watchAddress(dead + u"/t"_s + QString::number(i), 10);
    rig.check.start();
    QVERIFY(rig.waitForEnd());
    QCOMPARE(rig.check.failedCount(), 60);
    QCOMPARE(rig.messages.entries.size(), 1);
    const QString text = rig.messages.entries[0].text;
    QVERIFY(text.startsWith(u"60 threads could not be checked"_s));
    QCOMPARE(text.count(u"Error occurred."_s), quillbox::kFailuresListed);
    QVERIFY2(text.endsWith(u"and 40 more: each thread's row tells its reason."_s),
             qPrintable(text));
}

void TestReplyCheck::neverMoreThanTwoPagesAtOnceFromOneServer() {
    CheckRig rig;
    ScriptedHttpServer other;
    QVERIFY(other.listenLocal());
    for (int i = 0; i < 6; ++i) {
        rig.watch(u"s"_s + QString::number(i), 2000, 1000, 150);
        const QByteArray path = "/o" + QByteArray::number(i);
        other.setScript(path, Script{{Step{ScriptedHttpServer::reply(2000), 150}}});
        rig.watchAddress(other.url(QString::fromLatin1(path)), 1000);
    }
    rig.check.start();
    QVERIFY(rig.waitForEnd());
    QCOMPARE(rig.lists.newReplies().size(), 12);
    // A few pages at once, two from each server.
    QCOMPARE(rig.check.checker().peakPerHost(), 2);
    QCOMPARE(rig.check.checker().peakRunning(), 4);
    QCOMPARE(rig.server.peakOpenConnections(), 2);
    QCOMPARE(other.peakOpenConnections(), 2);
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
    QTRY_VERIFY(rig.server.droppedCount() >= 1);
    QTest::qWait(600);
    QCOMPARE(rig.finished.size(), 1);
    QCOMPARE(rig.lists.newReplies(), QStringList{slow});
    QCOMPARE(rig.panel1.count(u"finished - 1 new replies found"_s), 1);
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
    QCOMPARE(rig.lists.lastCheck(0)->outcome, CheckOutcome::NewReplies);
}

QTEST_GUILESS_MAIN(TestReplyCheck)
#include "tst_reply_check.moc"

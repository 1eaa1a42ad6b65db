#include "support/manual_clock.h"
#include "support/recording_messages.h"
#include "support/recording_notifier.h"
#include "support/scripted_http_server.h"
#include "watch/background_check.h"
#include "watch/page_fetcher.h"
#include "watch/reply_check.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::ScriptedHttpServer;
using Script = ScriptedHttpServer::Script;

namespace {

struct Rig {
    ScriptedHttpServer a;
    ScriptedHttpServer b;
    test::RecordingMessages messages;
    test::RecordingNotifier notifier;
    test::ManualClock clock;
    WatchLists lists;
    ReplyCheck manual{lists, messages, clock};
    BackgroundCheck background{lists, manual, clock};
    QSignalSpy finished{&background, &BackgroundCheck::checkFinished};

    Rig() {
        a.listenLocal();
        b.listenLocal();
        background.setNotifier(&notifier);
    }
    void watch(ScriptedHttpServer& server, const char* path, qint64 now, qint64 recorded) {
        server.setScript(path, ScriptedHttpServer::whole(ScriptedHttpServer::reply(now)));
        lists.setPostSize(lists.appendPost(server.url(QString::fromLatin1(path))), recorded);
    }
    bool runDueCheck() {
        clock.advanceMinutes(background.schedule().intervalMinutes());
        const qsizetype before = finished.size();
        return background.poll() &&
               QTest::qWaitFor([&] { return finished.size() > before; }, 30000);
    }
};

} // namespace

class TestBackgroundCheck : public QObject {
    Q_OBJECT
private slots:
    void dueCheckListsGrownThreadsRecordsFailuresAndNotifies();
    void waitsForTheWindowsCheck();
    void quittingMidCheckChangesNothing();
    void drippingThreadNeverBlocksTheNextCheck();
    void scheduleKeepsItsClockAcrossRestarts();
    void markAsReadRecordsTheMeasuredSize();
    void noticeNamesUpToThreeThreads_data();
    void noticeNamesUpToThreeThreads();
};

void TestBackgroundCheck::dueCheckListsGrownThreadsRecordsFailuresAndNotifies() {
    Rig rig;
    rig.watch(rig.a, "/grown", 2000, 1000);
    rig.lists.setPostSize(rig.lists.appendPost(u"http://127.0.0.1:1/refused"_s), 5);
    rig.watch(rig.b, "/same", 1500, 1000);
    rig.watch(rig.b, "/grown-too", 9000, 1000);
    rig.background.setIntervalMinutes(2 * 60);
    QVERIFY(!rig.background.poll());
    QVERIFY(rig.runDueCheck());

    QCOMPARE(rig.lists.newReplies(),
             QStringList({rig.a.url(u"/grown"_s), rig.b.url(u"/grown-too"_s)}));
    QVERIFY(rig.messages.entries.isEmpty());
    const std::optional<PostCheck> failed = rig.lists.lastCheck(1);
    QVERIFY(failed);
    QCOMPARE(failed->outcome, CheckOutcome::Failed);
    QCOMPARE(failed->reason, u"Connection refused"_s);
    QCOMPARE(failed->checkedAt, rig.clock.now());
    QCOMPARE(rig.lists.lastCheck(2)->outcome, CheckOutcome::Unchanged);
    QCOMPARE(rig.lists.lastCheck(2)->measured, 1500);
    QCOMPARE(rig.notifier.entries.size(), 1);
    QVERIFY(rig.notifier.entries[0].body.startsWith(u"2 threads have new replies:"_s));
    // Sizes are not renewed by a check.
    QCOMPARE(rig.lists.posts().at(0).size, 1000);

    // The next check finds the same threads: listed once, and nothing new to notify about.
    QVERIFY(rig.runDueCheck());
    QCOMPARE(rig.lists.newReplies().size(), 2);
    QCOMPARE(rig.notifier.entries.size(), 1);
}

void TestBackgroundCheck::waitsForTheWindowsCheck() {
    Rig rig;
    Script hold;
    hold.close = false;
    rig.a.setScript("/slow", hold);
    rig.lists.setPostSize(rig.lists.appendPost(rig.a.url(u"/slow"_s)), 10);
    rig.watch(rig.b, "/grown", 2000, 10);
    rig.background.setIntervalMinutes(1 * 60);
    rig.background.checker().setIdleTimeout(std::chrono::milliseconds(200));
    rig.manual.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.a.requests().size(), 1, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(rig.b.requests().size(), 1, 30000);
    rig.clock.advanceHours(1);
    QVERIFY(!rig.background.poll());
    QVERIFY(!rig.background.isRunning());
    // The window's check ends (here with a failure); the waiting check follows at once.
    rig.manual.checker().setIdleTimeout(std::chrono::milliseconds(1));
    rig.manual.start();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.manual.isRunning(), 30000);
    QCOMPARE(rig.manual.failedCount(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(rig.finished.size(), 1, 30000);
    QCOMPARE(rig.b.requests().size(), 3);
}

void TestBackgroundCheck::quittingMidCheckChangesNothing() {
    Rig rig;
    rig.watch(rig.a, "/grown", 2000, 10);
    Script hold;
    hold.close = false;
    rig.b.setScript("/slow", hold);
    rig.lists.setPostSize(rig.lists.appendPost(rig.b.url(u"/slow"_s)), 10);
    const ListsData before = rig.lists.lists();
    QSignalSpy running(&rig.background, &BackgroundCheck::runningChanged);
    rig.background.setIntervalMinutes(1 * 60);
    rig.clock.advanceHours(1);
    QVERIFY(rig.background.poll());
    QTRY_COMPARE_WITH_TIMEOUT(rig.b.requests().size(), 1, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(rig.background.checker().checkedCount() == 1, 30000);
    rig.background.abandon();
    QCOMPARE(running.size(), 2);
    QCOMPARE(rig.lists.lists(), before);
    QVERIFY(rig.lists.newReplies().isEmpty());
    QVERIFY(!rig.lists.lastCheck(0));
    QCOMPARE(rig.finished.size(), 0);
}

void TestBackgroundCheck::drippingThreadNeverBlocksTheNextCheck() {
    Rig rig;
    Script drip{{{"HTTP/1.1 200 OK\r\nContent-Length: 50000\r\n\r\n"}}};
    for (int i = 0; i < 5000; ++i)
        drip.steps.append({"x", 50});
    rig.a.setScript("/drip", drip);
    rig.lists.setPostSize(rig.lists.appendPost(rig.a.url(u"/drip"_s)), 10);
    rig.watch(rig.b, "/grown", 2000, 10);
    rig.background.setIntervalMinutes(1 * 60);
    // The window hands its deadline to the background check as the program does.
    QCOMPARE(rig.background.checker().deadline(), PageFetcher::kDefaultDeadline);
    rig.background.checker().setDeadline(std::chrono::milliseconds(500));
    QVERIFY(rig.runDueCheck());
    QVERIFY(!rig.background.isRunning());
    const std::optional<PostCheck> dripped = rig.lists.lastCheck(0);
    QVERIFY(dripped);
    QCOMPARE(dripped->outcome, CheckOutcome::Failed);
    QVERIFY2(dripped->reason.contains(u"the deadline for one page"_s), qPrintable(dripped->reason));
    QCOMPARE(rig.lists.newReplies(), QStringList{rig.b.url(u"/grown"_s)});
    // The next check is not held up by the first.
    QVERIFY(rig.runDueCheck());
    QCOMPARE(rig.a.requests().size(), 2);
}

void TestBackgroundCheck::scheduleKeepsItsClockAcrossRestarts() {
    // Checks every 3 hours, switched on at the first start; the program then runs an hour at a
    // time, once an hour. The time kept at each start is what the previous run told of.
    test::ManualClock clock;
    QDateTime kept; // what the settings hold
    int checks = 0;
    for (int run = 0; run < 4; ++run) {
        test::RecordingMessages messages;
        WatchLists lists;
        ReplyCheck manual{lists, messages, clock};
        BackgroundCheck background{lists, manual, clock};
        connect(&background, &BackgroundCheck::scheduleMoved, &background,
                [&kept](const QDateTime& from) { kept = from; });
        QSignalSpy finished(&background, &BackgroundCheck::checkFinished);
        background.restoreSchedule(3 * 60, kept);
        if (run == 0)
            QCOMPARE(kept, clock.now()); // the first start with checks on is kept at once
        for (int minute = 0; minute < 60; minute += 15) {
            background.poll();
            clock.advanceMinutes(15);
        }
        checks += int(finished.size());
        clock.advanceMinutes(1);
    }
    // Three hours after the first start, the fourth run found the check due.
    QCOMPARE(checks, 1);
    QCOMPARE(kept, QDateTime(QDate(2024, 3, 1), QTime(12, 3), Qt::UTC));
}

void TestBackgroundCheck::markAsReadRecordsTheMeasuredSize() {
    Rig rig;
    rig.watch(rig.a, "/one", 2000, 1000);
    rig.watch(rig.a, "/two", 3000, 1000);
    rig.background.setIntervalMinutes(1 * 60);
    QVERIFY(rig.runDueCheck());
    QCOMPARE(rig.lists.newReplies().size(), 2);

    QVERIFY(rig.lists.markAsRead(1));
    QCOMPARE(rig.lists.posts().at(1).size, 3000);
    QCOMPARE(rig.lists.newReplies(), QStringList{rig.a.url(u"/one"_s)});
    QVERIFY(!rig.lists.markAsRead(5));

    // Marked threads are not reported again; the others are, until they are marked.
    QVERIFY(rig.runDueCheck());
    QCOMPARE(rig.lists.newReplies(), QStringList{rig.a.url(u"/one"_s)});
    QVERIFY(rig.lists.markAsRead(0));
    QVERIFY(rig.lists.newReplies().isEmpty());
    QVERIFY(rig.runDueCheck());
    QVERIFY(rig.lists.newReplies().isEmpty());

    // The window's check lists rows that can be marked as read just the same.
    rig.a.setScript("/one", ScriptedHttpServer::whole(ScriptedHttpServer::reply(4000)));
    QSignalSpy manualDone(&rig.manual, &ReplyCheck::finished);
    rig.manual.start();
    QTRY_COMPARE_WITH_TIMEOUT(manualDone.size(), 1, 30000);
    QCOMPARE(rig.lists.newReplies().size(), 1);
    QVERIFY(rig.lists.markAsRead(0));
    QCOMPARE(rig.lists.posts().at(0).size, 4000);
}

void TestBackgroundCheck::noticeNamesUpToThreeThreads_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("body");
    QTest::newRow("one") << 1 << u"1 thread has new replies:\nhttp://f/1"_s;
    QTest::newRow("three") << 3
                           << u"3 threads have new replies:\nhttp://f/1\nhttp://f/2"
                              "\nhttp://f/3"_s;
    QTest::newRow("five") << 5
                          << u"5 threads have new replies:\nhttp://f/1\nhttp://f/2"
                             "\nhttp://f/3\nand 2 more"_s;
    // The second thread is on a forum with a name.
    QTest::newRow("named forum")
        << 2 << u"2 threads have new replies:\nhttp://f/1\nGarden: http://f/2"_s;
}

void TestBackgroundCheck::noticeNamesUpToThreeThreads() {
    QFETCH(int, count);
    QFETCH(QString, body);
    QStringList addresses;
    for (int i = 1; i <= count; ++i)
        addresses.append(u"http://f/"_s + QString::number(i));
    // The second thread is on a forum with a name, in the row that says so.
    const QStringList forums = QTest::currentDataTag() == "named forum"_ba
                                   ? QStringList{QString(), u"Garden"_s}
                                   : QStringList();
    const Notice notice = newRepliesNotice(addresses, forums);
    QCOMPARE(notice.title, u"New replies"_s);
    QCOMPARE(notice.body, body);
}

QTEST_GUILESS_MAIN(TestBackgroundCheck)
#include "tst_background_check.moc"

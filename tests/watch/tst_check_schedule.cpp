#include "support/manual_clock.h"
#include "watch/check_schedule.h"

#include <QTest>

using quillbox::CheckSchedule;
using quillbox::test::ManualClock;

class TestCheckSchedule : public QObject {
    Q_OBJECT
private slots:
    void offByDefaultAndWhenDisabled();
    void dueOneIntervalAfterTheLastCheck();
    void missedWhileAsleepRunsOnce();
    void changedIntervalCountsFromTheLastCheck();
    void intervalIsHeldBetweenOneAndTwentyFourHours_data();
    void intervalIsHeldBetweenOneAndTwentyFourHours();
    void clockSetBackStartsTheIntervalAgain();
};

void TestCheckSchedule::offByDefaultAndWhenDisabled() {
    ManualClock clock;
    CheckSchedule schedule;
    QVERIFY(!schedule.enabled());
    clock.advanceHours(100);
    QVERIFY(!schedule.isDue(clock.now()));
    schedule.setIntervalHours(2, clock.now());
    clock.advanceHours(3);
    schedule.setIntervalHours(0, clock.now());
    QVERIFY(!schedule.isDue(clock.now()));
    QVERIFY(!schedule.nextDue().isValid());
}

void TestCheckSchedule::dueOneIntervalAfterTheLastCheck() {
    ManualClock clock;
    CheckSchedule schedule;
    schedule.setIntervalHours(3, clock.now());
    clock.advanceMinutes(179);
    QVERIFY(!schedule.isDue(clock.now()));
    clock.advanceMinutes(1);
    QVERIFY(schedule.isDue(clock.now()));
    schedule.checked(clock.now());
    QVERIFY(!schedule.isDue(clock.now()));
    QCOMPARE(schedule.nextDue(), clock.now().addSecs(3 * 3600));
}

void TestCheckSchedule::missedWhileAsleepRunsOnce() {
    ManualClock clock;
    CheckSchedule schedule;
    schedule.setIntervalHours(1, clock.now());
    // Asleep for ten intervals: one check on waking, then the next an hour later.
    clock.advanceHours(10);
    QVERIFY(schedule.isDue(clock.now()));
    schedule.checked(clock.now());
    clock.advanceMinutes(1);
    QVERIFY(!schedule.isDue(clock.now()));
    clock.advanceMinutes(59);
    QVERIFY(schedule.isDue(clock.now()));

    // The same after a restart of the program that remembered an old last check.
    CheckSchedule restarted;
    restarted.setIntervalHours(1, clock.now());
    restarted.setLastCheck(clock.now().addSecs(-5 * 3600));
    QVERIFY(restarted.isDue(clock.now()));
}

void TestCheckSchedule::changedIntervalCountsFromTheLastCheck() {
    ManualClock clock;
    CheckSchedule schedule;
    schedule.setIntervalHours(6, clock.now());
    clock.advanceHours(2);
    QVERIFY(!schedule.isDue(clock.now()));
    schedule.setIntervalHours(1, clock.now());
    QVERIFY(schedule.isDue(clock.now()));
    schedule.checked(clock.now());
    schedule.setIntervalHours(24, clock.now());
    clock.advanceHours(23);
    QVERIFY(!schedule.isDue(clock.now()));
    clock.advanceHours(1);
    QVERIFY(schedule.isDue(clock.now()));
    // Turned off and on again: the first interval counts from then.
    schedule.setIntervalHours(0, clock.now());
    schedule.setIntervalHours(2, clock.now());
    QVERIFY(!schedule.isDue(clock.now()));
    QCOMPARE(schedule.nextDue(), clock.now().addSecs(2 * 3600));
}

void TestCheckSchedule::intervalIsHeldBetweenOneAndTwentyFourHours_data() {
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("expected");
    QTest::newRow("negative") << -3 << 0;
    QTest::newRow("off") << 0 << 0;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("a day") << 24 << 24;
    QTest::newRow("beyond a day") << 100 << 24;
}

void TestCheckSchedule::intervalIsHeldBetweenOneAndTwentyFourHours() {
    QFETCH(int, hours);
    QFETCH(int, expected);
    CheckSchedule schedule;
    schedule.setIntervalHours(hours, ManualClock().now());
    QCOMPARE(schedule.intervalHours(), expected);
}

void TestCheckSchedule::clockSetBackStartsTheIntervalAgain() {
    ManualClock clock;
    CheckSchedule schedule;
    schedule.setIntervalHours(2, clock.now());
    ManualClock earlier(clock.now().addDays(-30));
    QVERIFY(!schedule.isDue(earlier.now()));
    earlier.advanceHours(2);
    QVERIFY(schedule.isDue(earlier.now()));
}

QTEST_GUILESS_MAIN(TestCheckSchedule)
#include "tst_check_schedule.moc"

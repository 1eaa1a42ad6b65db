#include "support/manual_clock.h"
#include "watch/check_schedule.h"

#include <QTest>

using namespace Qt::StringLiterals;

using quillbox::CheckSchedule;
using quillbox::test::ManualClock;

class TestCheckSchedule : public QObject {
    Q_OBJECT
private slots:
    void offByDefaultAndWhenDisabled();
    void dueOneIntervalAfterTheLastCheck();
    void missedWhileAsleepRunsOnce();
    void changedIntervalCountsFromTheLastCheck();
    void intervalIsHeldBetweenFifteenMinutesAndADay_data();
    void intervalIsHeldBetweenFifteenMinutesAndADay();
    void clockSetBackStartsTheIntervalAgain();
    void restartsKeepTheClock();
    void storedIntervalReadsOldHours_data();
    void storedIntervalReadsOldHours();
};

void TestCheckSchedule::offByDefaultAndWhenDisabled() {
    ManualClock clock;
    CheckSchedule schedule;
    QVERIFY(!schedule.enabled());
    clock.advanceHours(100);
    QVERIFY(!schedule.isDue(clock.now()));
    schedule.setIntervalMinutes(120, clock.now());
    clock.advanceHours(3);
    schedule.setIntervalMinutes(0, clock.now());
    QVERIFY(!schedule.isDue(clock.now()));
    QVERIFY(!schedule.nextDue().isValid());
    QVERIFY(!schedule.countsFrom().isValid());
}

void TestCheckSchedule::dueOneIntervalAfterTheLastCheck() {
    ManualClock clock;
    CheckSchedule schedule;
    schedule.setIntervalMinutes(15, clock.now());
    clock.advanceMinutes(14);
    QVERIFY(!schedule.isDue(clock.now()));
    clock.advanceMinutes(1);
    QVERIFY(schedule.isDue(clock.now()));
    schedule.checked(clock.now());
    QVERIFY(!schedule.isDue(clock.now()));
    QCOMPARE(schedule.nextDue(), clock.now().addSecs(15 * 60));
}

void TestCheckSchedule::missedWhileAsleepRunsOnce() {
    ManualClock clock;
    CheckSchedule schedule;
    schedule.setIntervalMinutes(60, clock.now());
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
    restarted.restore(60, clock.now().addSecs(-5 * 3600), clock.now());
    QVERIFY(restarted.isDue(clock.now()));
}

void TestCheckSchedule::changedIntervalCountsFromTheLastCheck() {
    ManualClock clock;
    CheckSchedule schedule;
    schedule.setIntervalMinutes(6 * 60, clock.now());
    clock.advanceHours(2);
    QVERIFY(!schedule.isDue(clock.now()));
    schedule.setIntervalMinutes(60, clock.now());
    QVERIFY(schedule.isDue(clock.now()));
    schedule.checked(clock.now());
    schedule.setIntervalMinutes(24 * 60, clock.now());
    clock.advanceHours(23);
    QVERIFY(!schedule.isDue(clock.now()));
    clock.advanceHours(1);
    QVERIFY(schedule.isDue(clock.now()));
    // Turned off and on again: the first interval counts from then.
    schedule.setIntervalMinutes(0, clock.now());
    schedule.setIntervalMinutes(30, clock.now());
    QVERIFY(!schedule.isDue(clock.now()));
    QCOMPARE(schedule.nextDue(), clock.now().addSecs(30 * 60));
}

void TestCheckSchedule::intervalIsHeldBetweenFifteenMinutesAndADay_data() {
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("expected");
    QTest::newRow("negative") << -3 << 0;
    QTest::newRow("off") << 0 << 0;
    QTest::newRow("a minute") << 1 << 15;
    QTest::newRow("a quarter of an hour") << 15 << 15;
    QTest::newRow("ninety minutes") << 90 << 90;
    QTest::newRow("a day") << 1440 << 1440;
    QTest::newRow("beyond a day") << 6000 << 1440;
}

void TestCheckSchedule::intervalIsHeldBetweenFifteenMinutesAndADay() {
    QFETCH(int, minutes);
    QFETCH(int, expected);
    CheckSchedule schedule;
    schedule.setIntervalMinutes(minutes, ManualClock().now());
    QCOMPARE(schedule.intervalMinutes(), expected);
    CheckSchedule restored;
    restored.restore(minutes, {}, ManualClock().now());
    QCOMPARE(restored.intervalMinutes(), expected);
}

void TestCheckSchedule::clockSetBackStartsTheIntervalAgain() {
    ManualClock clock;
    CheckSchedule schedule;
    schedule.setIntervalMinutes(120, clock.now());
    ManualClock earlier(clock.now().addDays(-30));
    QVERIFY(!schedule.isDue(earlier.now()));
    QCOMPARE(schedule.countsFrom(), earlier.now());
    earlier.advanceHours(2);
    QVERIFY(schedule.isDue(earlier.now()));
}

void TestCheckSchedule::restartsKeepTheClock() {
    // Checks every 2 hours, switched on at the first start; the program is then started every
    // half hour and closed again before a check falls due. The first check is due two hours
    // after the first start, however often the program was started meanwhile.
    ManualClock clock;
    CheckSchedule first;
    first.restore(120, {}, clock.now());
    const QDateTime switchedOn = first.countsFrom();
    QCOMPARE(switchedOn, clock.now());
    QDateTime kept = switchedOn;
    for (int start = 1; start <= 3; ++start) {
        clock.advanceMinutes(30);
        CheckSchedule again;
        again.restore(120, kept, clock.now());
        QVERIFY(!again.isDue(clock.now()));
        kept = again.countsFrom();
    }
    QCOMPARE(kept, switchedOn);
    clock.advanceMinutes(30);
    CheckSchedule last;
    last.restore(120, kept, clock.now());
    QVERIFY(last.isDue(clock.now()));
    // Checks switched off: nothing is counted, whatever was kept.
    CheckSchedule off;
    off.restore(0, kept, clock.now());
    QVERIFY(!off.isDue(clock.now()));
    QVERIFY(!off.countsFrom().isValid());
}

void TestCheckSchedule::storedIntervalReadsOldHours_data() {
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<int>("expected");
    QTest::newRow("nothing stored") << QString() << QString() << 0;
    QTest::newRow("hours from an earlier version") << QString() << u"3"_s << 180;
    QTest::newRow("hours beyond a day") << QString() << u"100"_s << 1440;
    QTest::newRow("hours not a number") << QString() << u"often"_s << 0;
    QTest::newRow("minutes win") << u"45"_s << u"3"_s << 45;
    QTest::newRow("minutes off win") << u"0"_s << u"3"_s << 0;
    QTest::newRow("minutes too few") << u" 5 "_s << QString() << 15;
    QTest::newRow("minutes not a number") << u"soon"_s << u"2"_s << 120;
}

void TestCheckSchedule::storedIntervalReadsOldHours() {
    QFETCH(QString, minutes);
    QFETCH(QString, hours);
    QFETCH(int, expected);
    QCOMPARE(quillbox::storedIntervalMinutes(minutes, hours), expected);
}

QTEST_GUILESS_MAIN(TestCheckSchedule)
#include "tst_check_schedule.moc"

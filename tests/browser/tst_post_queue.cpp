// The queue that walks the user through several forums, driven by the events a browser pane
// would send: what it asks for, in which order, and the record each forum ends with.
#include "browser/post_queue.h"
#include "support/manual_clock.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillbox;
using quillbox::test::ManualClock;

namespace {

// Board A has no posting page, B wants BBCode, C HTML.
QList<QueueForum> threeBoards() {
    return {{u"http://127.0.0.1/a"_s, u"Board A"_s, u"BBCode"_s, {}},
            {u"http://127.0.0.1/b"_s, u"Board B"_s, u"BBCode"_s, u"http://127.0.0.1/b/new"_s},
            {u"http://127.0.0.1/c"_s, u"Board C"_s, u"HTML"_s, u"http://127.0.0.1/c/new"_s}};
}

// Everything the queue asks for and records, as one readable trace.
struct Harness {
    ManualClock clock;
    PostQueue queue{clock};
    QStringList trace;
    QList<PostRecord> records;
    int finished = 0;

    Harness() {
        QObject::connect(&queue, &PostQueue::navigateRequested, &queue,
                         [this](const QString& address) { trace.append(u"go "_s + address); });
        QObject::connect(&queue, &PostQueue::insertRequested, &queue,
                         [this](const QString& subject, const QString&, const QString& format) {
                             trace.append(u"insert "_s + subject + u" as "_s + format);
                         });
        QObject::connect(&queue, &PostQueue::recorded, &queue, [this](const PostRecord& r) {
            records.append(r);
            trace.append(r.forum.section(u'/', -1) + u": "_s + r.result);
        });
        QObject::connect(&queue, &PostQueue::finished, &queue, [this] {
            ++finished;
            trace.append(u"end"_s);
        });
    }
    // Runs events: "load", "found <address>[|<page title>]", "next", "skip", "stop".
    void play(const QStringList& events) {
        for (const QString& event : events) {
            clock.advanceMinutes(1);
            if (event == u"load")
                queue.pageLoaded();
            else if (event.startsWith(u"found "))
                queue.threadFound(event.mid(6).section(u'|', 0, 0), event.section(u'|', 1));
            else if (event == u"next")
                queue.nextForum();
            else if (event == u"skip")
                queue.skip();
            else if (event == u"stop")
                queue.stop();
            else if (event.startsWith(u"inserted"))
                queue.insertMade(event == u"inserted with subject");
        }
    }
};

} // namespace

class TestPostQueue : public QObject {
    Q_OBJECT

private slots:
    void walksTheForums_data();
    void walksTheForums();
    void recordsCarryTheRunAndTheForum();
    void subjectIsLoggedOnlyWhereTheFormTookIt();
    void stripTextsFollowTheRun();
    void runOfForumsWithoutPostingPagesEndsAtOnce();
    void aSecondStartWaitsForTheFirstRun();
    void stoppingFromARecordKeepsOneRecordPerForum();
};

void TestPostQueue::walksTheForums_data() {
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("trace");
    const QString goB = u"go http://127.0.0.1/b/new"_s;
    const QString goC = u"go http://127.0.0.1/c/new"_s;
    const QString insB = u"insert Hello as BBCode"_s;
    const QString insC = u"insert Hello as HTML"_s;
    QTest::newRow("both found")
        << QStringList{u"load"_s, u"load"_s, u"found http://127.0.0.1/b/t/1"_s,
                       u"load"_s, u"load"_s, u"found http://127.0.0.1/c/t/2"_s}
        << QStringList{u"a: skipped"_s, goB,     insB, u"b: watched"_s, goC, insC,
                       u"c: watched"_s, u"end"_s};
    // The follow-up can spot the thread on the very page the submit led to.
    QTest::newRow("found while waiting for the submit's load")
        << QStringList{u"load"_s, u"found x"_s, u"load"_s, u"next"_s}
        << QStringList{u"a: skipped"_s,   goB,     insB, u"b: watched"_s, goC, insC,
                       u"c: not found"_s, u"end"_s};
    QTest::newRow("next before the page loaded, skip after the insert")
        << QStringList{u"next"_s, u"load"_s, u"skip"_s}
        << QStringList{u"a: skipped"_s, goB,     u"b: not found"_s, goC, insC,
                       u"c: skipped"_s, u"end"_s};
    QTest::newRow("a found thread before the insert belongs to an earlier post")
        << QStringList{u"found old"_s, u"load"_s, u"stop"_s}
        << QStringList{u"a: skipped"_s, goB, insB, u"b: stopped"_s, u"end"_s};
    QTest::newRow("events after the end change nothing")
        << QStringList{u"stop"_s, u"load"_s, u"found x"_s, u"next"_s, u"skip"_s, u"stop"_s}
        << QStringList{u"a: skipped"_s, goB, u"b: stopped"_s, u"end"_s};
    QTest::newRow("more loads while watching ask for nothing")
        << QStringList{u"load"_s, u"load"_s, u"load"_s, u"load"_s, u"skip"_s, u"stop"_s}
        << QStringList{u"a: skipped"_s, goB, insB, u"b: skipped"_s, goC, u"c: stopped"_s, u"end"_s};
}

void TestPostQueue::walksTheForums() {
    QFETCH(QStringList, events);
    QFETCH(QStringList, trace);
    Harness h;
    QVERIFY(h.queue.start(threeBoards(), u"Hello"_s, u"[b]Hi[/b]"_s));
    h.play(events);
    QCOMPARE(h.trace, trace);
    QCOMPARE(h.finished, 1);
    QVERIFY(!h.queue.isRunning());
}

void TestPostQueue::recordsCarryTheRunAndTheForum() {
    Harness h;
    QVERIFY(h.queue.start(threeBoards(), u"Hello"_s, u"body"_s));
    h.play({u"load"_s, u"load"_s, u"found http://127.0.0.1/b/t/1|Hello - Page 2 - Board B"_s,
            u"stop"_s});
    QCOMPARE(h.records.size(), 3);
    const PostRecord& skipped = h.records.at(0);
    QCOMPARE(skipped.result, postResult::skipped());
    QCOMPARE(skipped.note, PostQueue::noPostingPageReason());
    QCOMPARE(skipped.thread, std::nullopt);
    const PostRecord& watched = h.records.at(1);
    QCOMPARE(watched.forum, u"http://127.0.0.1/b"_s);
    QCOMPARE(watched.postingPage, u"http://127.0.0.1/b/new"_s);
    QCOMPARE(watched.thread, std::optional<QString>(u"http://127.0.0.1/b/t/1"_s));
    // The page's title, without the forum's name the queue shows and the page's number.
    QCOMPARE(watched.threadTitle, u"Hello"_s);
    QCOMPARE(h.records.at(2).threadTitle, QString());
    QCOMPARE(watched.subject, u"Hello"_s);
    QCOMPARE(watched.format, u"BBCode"_s);
    QCOMPARE(watched.time, h.clock.now().addSecs(-60)); // when it was found
    QCOMPARE(h.records.at(2).result, postResult::stopped());
    QCOMPARE(h.records.at(2).format, u"HTML"_s);
    for (const PostRecord& record : h.records)
        QCOMPARE(record.queueRun, h.queue.runId());
    QVERIFY(!h.queue.runId().isEmpty());

    // A new run is a new group in the history.
    const QString firstRun = h.queue.runId();
    QVERIFY(h.queue.start(threeBoards(), u"Again"_s, u"body"_s));
    QVERIFY(h.queue.runId() != firstRun);
}

void TestPostQueue::subjectIsLoggedOnlyWhereTheFormTookIt() {
    Harness h;
    QVERIFY(h.queue.start(threeBoards(), u"Hello"_s, u"body"_s));
    // B's reply form has no subject field; C's has one.
    h.play({u"load"_s, u"inserted without subject"_s, u"load"_s, u"found http://127.0.0.1/b/t"_s,
            u"load"_s, u"inserted with subject"_s, u"next"_s});
    QCOMPARE(h.records.size(), 3);
    QCOMPARE(h.records.at(1).subject, QString());
    QCOMPARE(h.records.at(1).note, PostQueue::noSubjectFieldNote());
    QCOMPARE(PostQueue::noSubjectFieldNote(), u"no subject field"_s);
    QCOMPARE(h.records.at(2).subject, u"Hello"_s);
    QCOMPARE(h.records.at(2).note, QString());
    // A skipped forum keeps its own reason.
    QCOMPARE(h.records.at(0).note, PostQueue::noPostingPageReason());
}

void TestPostQueue::stripTextsFollowTheRun() {
    Harness h;
    QCOMPARE(h.queue.progressText(), QString());
    QVERIFY(h.queue.start(threeBoards(), u"Hello"_s, u"body"_s));
    QCOMPARE(h.queue.progressText(), u"2 of 3: Board B"_s);
    QCOMPARE(h.queue.stateText(), u"loading"_s);
    QCOMPARE(h.queue.skipNote(), u"Board A: no posting page"_s);
    h.queue.pageLoaded();
    QCOMPARE(h.queue.stateText(), u"waiting for you to submit"_s);
    h.queue.pageLoaded();
    QCOMPARE(h.queue.state(), PostQueue::State::Watching);
    QCOMPARE(h.queue.stateText(), u"watching"_s);
    h.queue.threadFound(u"t"_s);
    QCOMPARE(h.queue.progressText(), u"3 of 3: Board C"_s);
    h.queue.nextForum();
    QCOMPARE(h.queue.progressText(), u"Done: 1 watched, 1 not found, 1 skipped"_s);
}

void TestPostQueue::runOfForumsWithoutPostingPagesEndsAtOnce() {
    Harness h;
    QList<QueueForum> forums = threeBoards();
    forums[1].postingPage = u"   "_s;
    forums[2].postingPage.clear();
    QVERIFY(h.queue.start(forums, u"Hello"_s, u"body"_s));
    QCOMPARE(h.trace, (QStringList{u"a: skipped"_s, u"b: skipped"_s, u"c: skipped"_s, u"end"_s}));
    QVERIFY(!h.queue.isRunning());
    QCOMPARE(h.queue.stateText(), u"skipped"_s);
}

void TestPostQueue::aSecondStartWaitsForTheFirstRun() {
    Harness h;
    QVERIFY(!h.queue.start({}, u"Hello"_s, u"body"_s));
    QVERIFY(h.queue.start(threeBoards(), u"Hello"_s, u"body"_s));
    const QString run = h.queue.runId();
    QVERIFY(!h.queue.start(threeBoards(), u"Other"_s, u"body"_s));
    QCOMPARE(h.queue.runId(), run);
    QCOMPARE(h.queue.progressText(), u"2 of 3: Board B"_s);
}

void TestPostQueue::stoppingFromARecordKeepsOneRecordPerForum() {
    // Whoever writes the log may stop the run (a full disk): the forum just recorded is not
    // recorded again, and nothing more is asked for.
    Harness h;
    QObject::connect(&h.queue, &PostQueue::recorded, &h.queue, [&h] { h.queue.stop(); });
    QVERIFY(h.queue.start(threeBoards(), u"Hello"_s, u"body"_s));
    QCOMPARE(h.trace, (QStringList{u"a: skipped"_s, u"end"_s}));
    QCOMPARE(h.records.size(), 1);
    QCOMPARE(h.finished, 1);
}

QTEST_GUILESS_MAIN(TestPostQueue)
#include "tst_post_queue.moc"

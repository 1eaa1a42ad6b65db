// What a queue run tells when it ends, what it offers to try again, and the question before it
// posts a message a forum already has.
#include "browser/post_again.h"
#include "browser/post_queue.h"
#include "support/manual_clock.h"
#include "support/recording_messages.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillbox;
using quillbox::test::ManualClock;
using quillbox::test::RecordingMessages;

namespace {

QList<QueueForum> boards() {
    return {{u"http://127.0.0.1:8081/"_s, u"Board A"_s, u"BBCode"_s, {}},
            {u"http://127.0.0.1:8082/"_s, u"Board B"_s, u"HTML"_s, u"http://127.0.0.1:8082/new"_s},
            {u"http://127.0.0.1:8083/"_s, u"Board C"_s, u"HTML"_s, u"http://127.0.0.1:8083/new"_s}};
}

PostRecord posted(const QString& forum, const QString& subject, const QString& message,
                  const QDateTime& time, const QString& result = postResult::watched()) {
    PostRecord record;
    record.time = time;
    record.forum = forum;
    record.subject = subject;
    record.message = postedMessageDigest(message);
    record.result = result;
    return record;
}

} // namespace

class TestQueueOutcome : public QObject {
    Q_OBJECT

private slots:
    void summarySaysWhatBecameOfEachForum();
    void skippedForumsAreOfferedAgain();
    void samePostBeforeIsFoundInTheLog_data();
    void samePostBeforeIsFoundInTheLog();
    void queueAsksBeforePostingAgain();
    void stopWhileAskingEndsTheRun();
};

void TestQueueOutcome::summarySaysWhatBecameOfEachForum() {
    ManualClock clock;
    PostQueue queue(clock);
    QCOMPARE(queue.summaryText(), QString());
    QVERIFY(queue.start(boards(), u"Hello"_s, u"body"_s));
    QCOMPARE(queue.summaryText(), QString()); // not while it runs
    queue.pageLoaded();
    queue.pageLoaded();
    queue.threadFound(u"http://127.0.0.1:8082/t/1"_s);
    queue.pageLoaded();
    queue.pageLoaded();
    queue.threadFound(u"http://127.0.0.1:8083/t/2"_s);
    QCOMPARE(queue.summaryText(), u"Posted to 2 of 3 forums: 1 skipped (no posting page)."_s);

    QVERIFY(queue.start(boards().mid(1, 1), u"Hello"_s, u"body"_s));
    queue.stop();
    QCOMPARE(queue.summaryText(), u"Posted to 0 of 1 forum: 1 stopped."_s);
}

void TestQueueOutcome::skippedForumsAreOfferedAgain() {
    ManualClock clock;
    PostQueue queue(clock);
    QVERIFY(queue.start(boards(), u"Hello"_s, u"body"_s));
    QVERIFY(queue.skippedForums().isEmpty()); // only once the run is over
    queue.skip();
    queue.nextForum();
    QCOMPARE(queue.skippedForums(), (QList<QueueForum>{boards().at(0), boards().at(1)}));
    QCOMPARE(queue.subject(), u"Hello"_s);
    QCOMPARE(queue.message(), u"body"_s);
}

void TestQueueOutcome::samePostBeforeIsFoundInTheLog_data() {
    QTest::addColumn<QList<PostRecord>>("log");
    QTest::addColumn<bool>("found");
    const QDateTime then(QDate(2026, 11, 2), QTime(9, 30));
    const QString b = u"http://127.0.0.1:8082/"_s;
    QTest::newRow("empty log") << QList<PostRecord>{} << false;
    QTest::newRow("same post watched")
        << QList<PostRecord>{posted(b, u"Hello"_s, u"body"_s, then)} << true;
    QTest::newRow("line breaks as a page gives them")
        << QList<PostRecord>{posted(b, u"Hello"_s, u"line\nbreak"_s, then)} << true;
    QTest::newRow("other forum on the same host")
        << QList<PostRecord>{posted(u"http://127.0.0.1:8083/"_s, u"Hello"_s, u"body"_s, then)}
        << false;
    QTest::newRow("other message")
        << QList<PostRecord>{posted(b, u"Hello"_s, u"other body"_s, then)} << false;
    QTest::newRow("other subject")
        << QList<PostRecord>{posted(b, u"Hi"_s, u"body"_s, then)} << false;
    QTest::newRow("not found then")
        << QList<PostRecord>{posted(b, u"Hello"_s, u"body"_s, then, postResult::notFound())}
        << false;
}

void TestQueueOutcome::samePostBeforeIsFoundInTheLog() {
    QFETCH(QList<PostRecord>, log);
    QFETCH(bool, found);
    const QString message =
        QTest::currentDataTag() == QByteArray("line breaks as a page gives them")
            ? u"line\r\nbreak"_s
            : u"body"_s;
    QCOMPARE(lastPostedAt(log, u"http://127.0.0.1:8082/"_s, u"Hello"_s, message).has_value(),
             found);
}

void TestQueueOutcome::queueAsksBeforePostingAgain() {
    ManualClock clock;
    PostQueue queue(clock);
    RecordingMessages messages;
    const QDateTime then(QDate(2026, 11, 2), QTime(9, 30));
    const QList<PostRecord> log{posted(u"http://127.0.0.1:8082/"_s, u"Hello"_s, u"body"_s, then),
                                posted(u"http://127.0.0.1:8083/"_s, u"Hello"_s, u"body"_s, then)};
    queue.setRepeatCheck(
        [&](const QueueForum& forum, const QString& subject, const QString& message) {
            return askToPostAgain(messages, u"Quillbox"_s, log, forum, subject, message);
        });
    QStringList navigations;
    connect(&queue, &PostQueue::navigateRequested, this,
            [&](const QString& address) { navigations.append(address); });
    messages.answers = {0, 1}; // post to B again; not to C
    QVERIFY(queue.start(boards(), u"Hello"_s, u"body"_s));
    QCOMPARE(messages.entries.size(), 1);
    QVERIFY2(messages.entries[0].text.startsWith(u"Already posted to Board B on "_s),
             qPrintable(messages.entries[0].text));
    QVERIFY(messages.entries[0].text.endsWith(u". Post again?"_s));
    QCOMPARE(messages.entries[0].buttons, (QStringList{u"Post Again"_s, u"Skip"_s}));
    QCOMPARE(navigations, QStringList{u"http://127.0.0.1:8082/new"_s});
    queue.pageLoaded();
    queue.pageLoaded();
    queue.threadFound(u"http://127.0.0.1:8082/t/9"_s);
    QCOMPARE(messages.entries.size(), 2);
    QVERIFY(!queue.isRunning());
    QCOMPARE(navigations.size(), 1);
    QCOMPARE(queue.records().at(2).result, postResult::skipped());
    QCOMPARE(queue.records().at(2).note, PostQueue::alreadyPostedReason());
    QCOMPARE(queue.records().at(1).message, postedMessageDigest(u"body"_s));
    QCOMPARE(queue.summaryText(),
             u"Posted to 1 of 3 forums: 2 skipped (no posting page, already posted)."_s);
}

void TestQueueOutcome::stopWhileAskingEndsTheRun() {
    ManualClock clock;
    PostQueue queue(clock);
    int asked = 0;
    queue.setRepeatCheck([&](const QueueForum&, const QString&, const QString&) {
        ++asked;
        // The user stops the run, and a page finishes loading, while the question is open.
        queue.threadFound(u"http://127.0.0.1:8082/t/1"_s);
        queue.stop();
        return true;
    });
    QStringList navigations;
    connect(&queue, &PostQueue::navigateRequested, this,
            [&](const QString& address) { navigations.append(address); });
    QVERIFY(queue.start(boards(), u"Hello"_s, u"body"_s));
    QCOMPARE(asked, 1);
    QVERIFY(!queue.isRunning());
    QVERIFY(navigations.isEmpty());
    QCOMPARE(queue.records().size(), 1); // A skipped; B never started
}

QTEST_GUILESS_MAIN(TestQueueOutcome)
#include "tst_queue_outcome.moc"

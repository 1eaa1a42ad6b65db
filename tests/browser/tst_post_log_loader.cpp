// The post log read for the history from its end back: every line comes back, last first, across
// any block boundary; a line over the bound is passed over without being held; the records reach
// the history in batches, newest first; and the history fed in batches, with new posts on top,
// lists what it lists when given the whole log at once.
#include "browser/post_history.h"
#include "browser/post_log_loader.h"
#include "browser/post_log_model.h"
#include "platform/background_release.h"
#include "support/post_records.h"
#include "support/test_folders.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QThreadPool>

using namespace Qt::StringLiterals;
using namespace quillbox;
using quillbox::test::makeRecord;
using quillbox::test::TestFolders;
using quillbox::test::writeBytes;

namespace {

const QString tooLong = u"<too long>"_s;

QStringList readBackwards(const QByteArray& bytes, qsizetype maxLine) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    BackwardLineReader reader(buffer, bytes.size(), maxLine);
    QStringList lines;
    for (;;) {
        QByteArray line;
        switch (reader.previous(&line)) {
        case BackwardLineReader::Step::Line:
            lines.append(QString::fromLatin1(line));
            break;
        case BackwardLineReader::Step::TooLong:
            lines.append(tooLong);
            break;
        case BackwardLineReader::Step::Start:
            return lines;
        case BackwardLineReader::Step::Failed:
            lines.append(u"<failed>"_s);
            return lines;
        case BackwardLineReader::Step::Stopped:
            lines.append(u"<stopped>"_s);
            return lines;
        }
    }
}

// The history as text: each top-level row, and the rows under it indented.
QStringList tree(const PostLogModel& model) {
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex top = model.index(row, PostLogModel::ForumColumn);
        rows << top.data().toString() + u" | "_s +
                    model.index(row, PostLogModel::ResultColumn).data().toString();
        for (int child = 0; child < model.rowCount(model.index(row, 0)); ++child)
            rows << u"  "_s + model.index(child, PostLogModel::ForumColumn, top).data().toString();
    }
    return rows;
}

} // namespace

class TestPostLogLoader : public QObject {
    Q_OBJECT
private slots:
    void linesComeBackLastFirst_data();
    void linesComeBackLastFirst();
    void linesAcrossBlocksComeBackWhole();
    void loaderSendsNewestFirstInBatches();
    void missingLogIsEmptyAndUnreadableOneSaysWhy();
    void loaderReadsOnlyAsFarAsAskedAndFilters();
    void historyFedInBatchesListsTheWholeLog();
    void aNewFilterMidwayListsEachMatchOnce();
    void stoppedReaderEndsInsideALongLine();
    void clearedRecordsAreFreedOffTheWindowsThread();
    void historyReadsAtFirstOpenAndRetriesEachSkippedForumOnce();
};

void TestPostLogLoader::linesComeBackLastFirst_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("maxLine");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("last line ended")
        << QByteArray("a\nb\n") << qsizetype(10) << QStringList{u"b"_s, u"a"_s};
    QTest::newRow("last line cut short")
        << QByteArray("a\nb") << qsizetype(10) << QStringList{u"b"_s, u"a"_s};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << qsizetype(10)
                           << QStringList{u"b"_s, u"a"_s};
    QTest::newRow("empty lines") << QByteArray("\n\nx") << qsizetype(10)
                                 << QStringList{u"x"_s, QString(), QString()};
    QTest::newRow("empty file") << QByteArray() << qsizetype(10) << QStringList{QString()};
    QTest::newRow("line exactly at the bound")
        << QByteArray("0123456789\nx") << qsizetype(10) << QStringList{u"x"_s, u"0123456789"_s};
    QTest::newRow("line over the bound") << QByteArray("ok\n0123456789A\nlast\n") << qsizetype(10)
                                         << QStringList{u"last"_s, tooLong, u"ok"_s};
    QTest::newRow("long line first in the file")
        << QByteArray(200 * 1024, 'y') + "\nz" << qsizetype(64 * 1024)
        << QStringList{u"z"_s, tooLong};
    QTest::newRow("long line last, unended")
        << "a\n" + QByteArray(200 * 1024, 'y') << qsizetype(64 * 1024)
        << QStringList{tooLong, u"a"_s};
    QTest::newRow("long line ending on a block's edge")
        << "a\n" + QByteArray(128 * 1024 - 2, 'y') + "\nb\n"
        << qsizetype(64 * 1024) << QStringList{u"b"_s, tooLong, u"a"_s};
    QTest::newRow("two long lines in a row")
        << "a\n" + QByteArray(100000, 'y') + '\n' + QByteArray(100000, 'z') + "\nb"
        << qsizetype(64 * 1024) << QStringList{u"b"_s, tooLong, tooLong, u"a"_s};
}

void TestPostLogLoader::linesComeBackLastFirst() {
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, maxLine);
    QFETCH(QStringList, lines);
    QCOMPARE(readBackwards(bytes, maxLine), lines);
}

void TestPostLogLoader::linesAcrossBlocksComeBackWhole() {
    // Lines of every length up to 1,500 bytes, over several blocks of the file.
    QByteArray bytes;
    QStringList expected;
    for (int i = 0; bytes.size() < 400 * 1024; ++i) {
        const QByteArray line =
            QByteArray::number(i) + ':' + QByteArray(i * 7 % 1500, 'a' + i % 26);
        bytes += line + (i % 3 == 0 ? "\r\n" : "\n");
        expected.prepend(QString::fromLatin1(line));
    }
    QCOMPARE(readBackwards(bytes, 64 * 1024), expected);
}

void TestPostLogLoader::loaderSendsNewestFirstInBatches() {
    TestFolders folders;
    QList<PostRecord> written;
    QByteArray bytes;
    for (int i = 0; i < 5000; ++i) {
        const PostRecord record =
            makeRecord(u"forum"_s + QString::number(i), postResult::watched(), i % 60);
        written.prepend(record);
        bytes += serializePostRecord(record);
        if (i == 1000)
            bytes += "{\"time\":\"" + QByteArray(PostLogLoader::maxLineBytes * 16, 'x') + '\n';
        if (i == 3000)
            bytes += "not a record\n";
    }
    QVERIFY(writeBytes(folders.path(postLogFileName()), bytes));

    PostLogLoader loader;
    QList<PostRecord> read;
    int batches = 0;
    // As a list kept scrolled to its end asks on and on.
    connect(&loader, &PostLogLoader::recordsRead, &loader, [&](const QList<PostRecord>& r) {
        read += r;
        ++batches;
        loader.readMore();
    });
    QSignalSpy finished(&loader, &PostLogLoader::finished);
    loader.start(folders.dataFolder());
    QVERIFY(loader.isLoading());
    QTRY_COMPARE(finished.size(), 1);
    QVERIFY(!loader.isLoading());
    QCOMPARE(finished.at(0).at(0).toInt(), 2);
    QVERIFY(finished.at(0).at(1).value<FileResult>().ok);
    QCOMPARE(read.size(), written.size());
    QVERIFY(read == written);
    QVERIFY(batches > 2); // the newest come first, not with the rest
}

void TestPostLogLoader::missingLogIsEmptyAndUnreadableOneSaysWhy() {
    TestFolders folders;
    PostLogLoader loader;
    QSignalSpy finished(&loader, &PostLogLoader::finished);
    QSignalSpy read(&loader, &PostLogLoader::recordsRead);
    loader.start(folders.dataFolder());
    QTRY_COMPARE(finished.size(), 1);
    QVERIFY(finished.at(0).at(1).value<FileResult>().ok);
    QVERIFY(QDir(folders.dataFolder()).mkdir(postLogFileName()));
    loader.start(folders.dataFolder());
    QTRY_COMPARE(finished.size(), 2);
    const FileResult status = finished.at(1).at(1).value<FileResult>();
    QVERIFY(!status.ok);
    QVERIFY2(status.message.contains(postLogFileName()), qPrintable(status.message));
    QCOMPARE(read.size(), 0);
}

// A long log is read a page at a time as the list is scrolled: what is held grows with what is
// shown. A queue run is never cut at a page's end. A filter reads only the records holding it.
void TestPostLogLoader::loaderReadsOnlyAsFarAsAskedAndFilters() {
    TestFolders folders;
    QByteArray bytes;
    const qsizetype total = 3 * PostLogLoader::pageRecords + 500;
    for (qsizetype i = 0; i < total; ++i) {
        // Runs of seven, so pages end inside them.
        const QString run = i % 14 < 7 ? u"run"_s + QString::number(i / 14) : QString();
        bytes += serializePostRecord(
            makeRecord(u"forum"_s + QString::number(i), postResult::watched(), int(i % 60), run));
    }
    QVERIFY(writeBytes(folders.path(postLogFileName()), bytes));

    PostLogLoader loader;
    PostLogModel model;
    connect(&loader, &PostLogLoader::recordsRead, &model, &PostLogModel::addOlderRecords);
    QSignalSpy finished(&loader, &PostLogLoader::finished);
    loader.start(folders.dataFolder());
    QTRY_VERIFY(!loader.isLoading());
    QVERIFY(!loader.atEnd());
    const int firstPage = model.recordCount();
    QVERIFY2(firstPage >= PostLogLoader::pageRecords && firstPage < PostLogLoader::pageRecords + 7,
             qPrintable(QString::number(firstPage)));
    // The last run shown has all of its posts.
    const QModelIndex last = model.index(model.rowCount() - 1, 0);
    if (model.isRunRow(last))
        QCOMPARE(model.rowCount(last), 7);

    loader.readMore();
    QVERIFY(loader.isLoading());
    QTRY_VERIFY(!loader.isLoading());
    QVERIFY(model.recordCount() >= firstPage + PostLogLoader::pageRecords);
    QVERIFY(model.recordCount() < total);
    while (!loader.atEnd()) {
        loader.readMore();
        QTRY_VERIFY(!loader.isLoading());
    }
    QCOMPARE(finished.size(), 1);
    QCOMPARE(model.recordCount(), total);

    PostLogModel filtered;
    connect(&loader, &PostLogLoader::recordsRead, &filtered, &PostLogModel::addOlderRecords);
    disconnect(&loader, &PostLogLoader::recordsRead, &model, nullptr);
    loader.start(folders.dataFolder(), u" FORUM12 "_s);
    QTRY_VERIFY(loader.atEnd());
    // forum12, forum120…129 and forum1200…1299: fewer than a page, so all of them at once.
    QCOMPARE(filtered.recordCount(), 1 + 10 + 100);
}

void TestPostLogLoader::historyFedInBatchesListsTheWholeLog() {
    const QList<PostRecord> log = {
        makeRecord(u"single-old"_s, postResult::watched(), 1),
        makeRecord(u"run1-a"_s, postResult::watched(), 2, u"r1"_s, u"t"_s),
        makeRecord(u"run1-b"_s, postResult::skipped(), 3, u"r1"_s),
        makeRecord(u"single-new"_s, postResult::notFound(), 4),
        makeRecord(u"run1-c"_s, postResult::stopped(), 5, u"r1"_s),
        makeRecord(u"run2-a"_s, postResult::watched(), 6, u"r2"_s),
        makeRecord(u"run2-b"_s, postResult::watched(), 7, u"r2"_s)};
    PostLogModel whole;
    whole.setRecords(log);

    PostLogModel fed;
    QAbstractItemModelTester tester(&fed, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<PostRecord> newestFirst(log.crbegin(), log.crend());
    // Batches that split both runs.
    fed.addOlderRecords(newestFirst.mid(0, 1));
    fed.addOlderRecords(newestFirst.mid(1, 3));
    fed.addOlderRecords(newestFirst.mid(4));
    QCOMPARE(tree(fed), tree(whole));
    QCOMPARE(fed.recordCount(), log.size());

    // New posts while it is shown: a post of the run under way joins it, another goes on top.
    const PostRecord more = makeRecord(u"run2-c"_s, postResult::watched(), 8, u"r2"_s);
    const PostRecord single = makeRecord(u"single-newest"_s, postResult::watched(), 9);
    fed.appendRecord(more);
    fed.appendRecord(single);
    whole.setRecords(log + QList<PostRecord>{more, single});
    QCOMPARE(tree(fed), tree(whole));
    QCOMPARE(tree(fed).first(), u"single-newest | watched"_s);
    QVERIFY(tree(fed).contains(u"  run2-c"_s));

    // Filtered, and the filter taken away again, the rows are the same as the whole log's.
    fed.setFilter(u"run1"_s);
    whole.setFilter(u"run1"_s);
    QCOMPARE(tree(fed), tree(whole));
    fed.setFilter({});
    whole.setFilter({});
    QCOMPARE(tree(fed), tree(whole));
}

// The filter changes while the log is being read, as the user types on: the list is emptied and
// read again, and what was under way for the first filter never reaches it. Read on to its end in
// batches, the list holds each record that holds the new filter once, in the log's order back.
void TestPostLogLoader::aNewFilterMidwayListsEachMatchOnce() {
    TestFolders folders;
    QByteArray bytes;
    QList<PostRecord> newestFirst;
    const int total = 4 * int(PostLogLoader::pageRecords);
    for (int i = 0; i < total; ++i) {
        const QString run = i % 10 < 4 ? u"run"_s + QString::number(i / 10) : QString();
        PostRecord record =
            makeRecord(u"forum"_s + QString::number(i), postResult::watched(), i % 60, run);
        record.subject = i % 3 == 0 ? u"Apples"_s : u"Pears"_s;
        bytes += serializePostRecord(record);
        newestFirst.prepend(record);
    }
    QVERIFY(writeBytes(folders.path(postLogFileName()), bytes));

    PostLogLoader loader;
    PostLogModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<PostRecord> received;
    bool scrolling = false;
    connect(&loader, &PostLogLoader::recordsRead, &model, [&](const QList<PostRecord>& batch) {
        received += batch;
        model.addOlderRecords(batch);
        if (scrolling)
            loader.readMore(); // kept scrolled to the end
    });
    const auto readWith = [&](const QString& filter) {
        received.clear();
        model.clear();
        model.setFilter(filter);
        loader.start(folders.dataFolder(), filter);
    };
    readWith(u"apples"_s);
    QTRY_VERIFY(!received.isEmpty());
    QVERIFY(!loader.atEnd());
    scrolling = true;
    readWith(u"pears"_s); // typed while the apples are still being read
    QTRY_VERIFY(loader.atEnd());
    QList<PostRecord> expected;
    for (const PostRecord& record : std::as_const(newestFirst))
        if (record.subject == u"Pears"_s)
            expected.append(record);
    QCOMPARE(received.size(), expected.size());
    QVERIFY(received == expected);
    QCOMPARE(model.recordCount(), expected.size());
    // The rows, runs and all, are those of the matching records given at once.
    PostLogModel whole;
    whole.setRecords(QList<PostRecord>(expected.crbegin(), expected.crend()));
    QCOMPARE(tree(model), tree(whole));
}

// A load dropped while its reader passes over a line of many blocks ends there, not after it.
void TestPostLogLoader::stoppedReaderEndsInsideALongLine() {
    const QByteArray bytes = "first\n" + QByteArray(64 * 64 * 1024, 'x') + "\nlast\n";
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    BackwardLineReader reader(buffer, bytes.size(), 1024);
    std::atomic<bool> stopped = false;
    reader.setStopFlag(&stopped);
    QByteArray line;
    QCOMPARE(reader.previous(&line), BackwardLineReader::Step::Line);
    QCOMPARE(line, "last"_ba);
    stopped = true;
    QCOMPARE(reader.previous(&line), BackwardLineReader::Step::Stopped);
    // Nothing of the long line was read past the block it was in.
    QVERIFY(buffer.pos() > bytes.size() - 2 * 64 * 1024);
}

// Emptying the history gives the rows up at once and frees the records on another thread, every
// one of them.
void TestPostLogLoader::clearedRecordsAreFreedOffTheWindowsThread() {
    // What is given is freed on a thread of the pool, never on the caller's.
    struct Noted {
        QThread** freedOn = nullptr;
        ~Noted() {
            if (freedOn)
                *freedOn = QThread::currentThread();
        }
    };
    QThread* freedOn = nullptr;
    auto noted = std::make_unique<Noted>();
    noted->freedOn = &freedOn;
    releaseInBackground(std::move(noted));
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(freedOn != nullptr);
    QVERIFY(freedOn != QThread::currentThread());

    const QString subject = u"Spring meeting, "_s.repeated(3); // not static text: counted
    PostLogModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<PostRecord> newestFirst;
    for (int i = 0; i < 500; ++i) {
        PostRecord record =
            makeRecord(u"forum"_s + QString::number(i), postResult::watched(), i % 60,
                       i % 2 ? u"run"_s + QString::number(i / 4) : QString());
        record.subject = subject; // shared with every record
        newestFirst.append(record);
    }
    model.addOlderRecords(newestFirst);
    model.appendRecord(newestFirst.first());
    newestFirst.clear();
    QVERIFY(!subject.isDetached());
    model.clear();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.recordCount(), 0);
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(subject.isDetached()); // no record holds it any longer
    // And the model fills again as before.
    model.addOlderRecords({makeRecord(u"again"_s, postResult::watched(), 1)});
    QCOMPARE(tree(model), QStringList{u"again | watched"_s});
}

// Post History as the program keeps it: nothing held before the first open (the log has it all
// then), a filter that reads the log again, posts logged while open on top, and Retry Skipped
// posting to each forum the run passed over once.
void TestPostLogLoader::historyReadsAtFirstOpenAndRetriesEachSkippedForumOnce() {
    TestFolders folders;
    const QList<PostRecord> records{
        makeRecord(u"http://a.test"_s, postResult::skipped(), 1, u"run"_s),
        makeRecord(u"http://b.test"_s, postResult::watched(), 2, u"run"_s, u"t"_s),
        makeRecord(u"http://a.test"_s, postResult::skipped(), 3, u"run"_s),
        makeRecord(u"http://c.test"_s, postResult::skipped(), 4, u"run"_s),
        makeRecord(u"http://garden.test"_s, postResult::watched(), 5, {}, u"g"_s)};
    for (const PostRecord& record : records)
        QVERIFY(appendPostRecord(folders.dataFolder(), record).ok);

    PostHistory history;
    QSignalSpy notices(&history, &PostHistory::readNotice);
    history.addRecord(records.last()); // logged before any open: the file is read instead
    QCOMPARE(history.model().recordCount(), 0);
    history.open(folders.dataFolder());
    QTRY_VERIFY(!history.isLoading());
    QCOMPARE(history.model().recordCount(), 5);
    QVERIFY(!notices.isEmpty());
    QCOMPARE(notices.last().at(1).toString(), QString());

    const QModelIndex run = history.model().index(1, 0);
    QVERIFY(history.model().isRunRow(run));
    const SkippedRetry retry = history.skippedRetryAt(history.model().index(0, 0, run));
    QCOMPARE(retry.forums, (QStringList{u"http://a.test"_s, u"http://c.test"_s}));
    QCOMPARE(retry.subject, u"Spring meeting"_s);
    QVERIFY(history.skippedRetryAt(history.model().index(0, 0)).forums.isEmpty());

    history.setFilter(u"garden"_s);
    QTRY_VERIFY(!history.isLoading());
    QCOMPARE(history.model().recordCount(), 1);
    history.addRecord(makeRecord(u"http://late.test"_s, postResult::watched(), 9, {}, u"l"_s));
    history.setFilter({});
    QTRY_VERIFY(!history.isLoading());
    QCOMPARE(history.model().recordCount(), 5); // the late one was never written to the file
}

QTEST_GUILESS_MAIN(TestPostLogLoader)
#include "tst_post_log_loader.moc"

// The lists reach the disk as they change, not only at shutdown.
#include "shell/lists_autosave.h"
#include "shell/lists_writer.h"
#include "store/list_files.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"
#include "watch/list_state.h"
#include "watch/watch_lists.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

class TestListsAutosave : public QObject {
    Q_OBJECT
private slots:
    void everyKindOfChangeIsWritten_data();
    void everyKindOfChangeIsWritten();
    void loadingTheListsWritesNothing();
    void failureIsReportedOnceUntilAWriteSucceeds();
    void writesHandedFasterThanWrittenLoseNothing();
};

void TestListsAutosave::everyKindOfChangeIsWritten_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<QByteArray>("posts");
    QTest::addColumn<QByteArray>("sizes");
    QTest::addColumn<QByteArray>("forums");
    const QByteArray onePost("http://p/\r\n\r\n"), oneForum("http://f/|u|p\r\n\r\n");
    QTest::newRow("post added") << 0 << QByteArray(onePost + "http://q/\r\n\r\n")
                                << QByteArray("10\r\n\r\n-1\r\n\r\n") << oneForum;
    QTest::newRow("post removed") << 1 << QByteArray() << QByteArray() << oneForum;
    QTest::newRow("size measured") << 2 << onePost << QByteArray("77\r\n\r\n") << oneForum;
    QTest::newRow("forum added") << 3 << onePost << QByteArray("10\r\n\r\n")
                                 << QByteArray(oneForum + "http://g/||\r\n\r\n");
    QTest::newRow("forum removed") << 4 << onePost << QByteArray("10\r\n\r\n") << QByteArray();
    QTest::newRow("login changed")
        << 5 << onePost << QByteArray("10\r\n\r\n") << QByteArray("http://f/|me|pw\r\n\r\n");
}

void TestListsAutosave::everyKindOfChangeIsWritten() {
    QFETCH(int, change);
    QFETCH(QByteArray, posts);
    QFETCH(QByteArray, sizes);
    QFETCH(QByteArray, forums);
    TestFolders folders;
    RecordingMessages messages;
    WatchLists lists;
    ListsAutosave autosave(lists, folders.dataFolder(), messages);
    lists.setLists({{{u"http://p/"_s, 10}}, {{u"http://f/"_s, u"u|p"_s}}});
    switch (change) {
    case 0:
        lists.appendPost(u"http://q/"_s);
        break;
    case 1:
        lists.removePost(0);
        break;
    case 2:
        lists.setPostSize(0, 77);
        break;
    case 3:
        lists.appendForum(u"http://g/"_s);
        break;
    case 4:
        lists.removeForum(0);
        break;
    case 5:
        lists.setForumLogin(0, u"me|pw"_s);
        break;
    }
    QVERIFY(autosave.isPending());
    QTRY_VERIFY(!autosave.isPending());
    QCOMPARE(readBytes(folders.path(u"posts.txt"_s)), posts);
    QCOMPARE(readBytes(folders.path(u"sizes.txt"_s)), sizes);
    QCOMPARE(readBytes(folders.path(u"posts2.txt"_s)), forums);
    QVERIFY(messages.entries.isEmpty());
}

void TestListsAutosave::loadingTheListsWritesNothing() {
    TestFolders folders;
    RecordingMessages messages;
    WatchLists lists;
    ListsAutosave autosave(lists, folders.dataFolder(), messages);
    lists.setLists({{{u"http://p/"_s, 10}}, {}});
    QVERIFY(!autosave.isPending());
    QVERIFY(!QFileInfo::exists(folders.path(u"posts.txt"_s)));
}

void TestListsAutosave::failureIsReportedOnceUntilAWriteSucceeds() {
    TestFolders folders;
    RecordingMessages messages;
    WatchLists lists;
    ListsAutosave autosave(lists, folders.dataFolder(), messages);
    // A folder where posts.txt should be makes every write fail.
    QVERIFY(QDir(folders.dataFolder()).mkdir(u"posts.txt"_s));
    lists.appendPost(u"http://a/"_s);
    QVERIFY(autosave.flush());
    lists.appendPost(u"http://b/"_s);
    QVERIFY(autosave.flush());
    QVERIFY(!autosave.lastWriteSucceeded());
    QTRY_COMPARE(messages.entries.size(), 1);
    QVERIFY(messages.entries[0].text.contains(u"posts.txt"_s));

    QVERIFY(QDir(folders.dataFolder()).rmdir(u"posts.txt"_s));
    lists.appendPost(u"http://c/"_s);
    QVERIFY(autosave.flush());
    QVERIFY(autosave.lastWriteSucceeded());
    QCOMPARE(readBytes(folders.path(u"posts.txt"_s)),
             QByteArray("http://a/\r\n\r\nhttp://b/\r\n\r\nhttp://c/\r\n\r\n"));
    QVERIFY(QFile::remove(folders.path(u"posts.txt"_s)));
    QVERIFY(QDir(folders.dataFolder()).mkdir(u"posts.txt"_s));
    lists.appendPost(u"http://d/"_s);
    QVERIFY(autosave.flush());
    QTRY_COMPARE(messages.entries.size(), 2);
}

// The writes go off the window's thread; one handed while another waits replaces it, keeping
// what only the older one held, so the files end as the lists last stood, whatever the timing.
void TestListsAutosave::writesHandedFasterThanWrittenLoseNothing() {
    TestFolders folders;
    ListState state;
    state.threads.append(ThreadState{u"http://a/"_s, {}, true, u"Title"_s});
    const ListsData last{{{u"http://a/"_s, 30}}, {{u"http://f/"_s, u"u|p"_s}}};
    {
        ListsWriter writer(folders.dataFolder(), {});
        for (int round = 0; round < 20; ++round) {
            writer.write({ListsData{{{u"http://a/"_s, round}}, {}}, {}, {}});
            if (round == 10)
                writer.write({std::nullopt, {}, state});
        }
        writer.write({last, {}, std::nullopt});
        writer.wait();
        QVERIFY(!writer.isBusy());
        const QList<QStringList> results = writer.takeResults();
        QVERIFY(!results.isEmpty());
        for (const QStringList& problems : results)
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u' ')));
        QCOMPARE(loadLists(folders.dataFolder()).data, last);
        QCOMPARE(loadListState(folders.dataFolder()).state, state);
        // Ending while a write waits writes it first.
        writer.write({ListsData{}, {}, ListState{}});
    }
    QCOMPARE(loadLists(folders.dataFolder()).data, ListsData{});
    QCOMPARE(loadListState(folders.dataFolder()).state, ListState{});
}

QTEST_GUILESS_MAIN(TestListsAutosave)
#include "tst_lists_autosave.moc"

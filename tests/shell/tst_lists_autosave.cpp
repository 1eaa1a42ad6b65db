// The lists reach the disk as they change, not only at shutdown.
#include "shell/lists_autosave.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"
#include "watch/watch_lists.h"

#include <QDir>
#include <QTest>

using namespace quillbox;
using namespace quillbox::test;

class TestListsAutosave : public QObject {
    Q_OBJECT
private slots:
    void everyKindOfChangeIsWritten_data();
    void everyKindOfChangeIsWritten();
    void loadingTheListsWritesNothing();
    void failureIsReportedOnceUntilAWriteSucceeds();
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
    QTest::newRow("login changed") << 5 << onePost << QByteArray("10\r\n\r\n")
                                   << QByteArray("http://f/|me|pw\r\n\r\n");
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
    lists.setLists({{{QStringLiteral("http://p/"), 10}},
                    {{QStringLiteral("http://f/"), QStringLiteral("u|p")}}});
    switch (change) {
    case 0:
        lists.appendPost(QStringLiteral("http://q/"));
        break;
    case 1:
        lists.removePost(0);
        break;
    case 2:
        lists.setPostSize(0, 77);
        break;
    case 3:
        lists.appendForum(QStringLiteral("http://g/"));
        break;
    case 4:
        lists.removeForum(0);
        break;
    case 5:
        lists.setForumLogin(0, QStringLiteral("me|pw"));
        break;
    }
    QVERIFY(autosave.isPending());
    QTRY_VERIFY(!autosave.isPending());
    QCOMPARE(readBytes(folders.path(QStringLiteral("posts.txt"))), posts);
    QCOMPARE(readBytes(folders.path(QStringLiteral("sizes.txt"))), sizes);
    QCOMPARE(readBytes(folders.path(QStringLiteral("posts2.txt"))), forums);
    QVERIFY(messages.entries.isEmpty());
}

void TestListsAutosave::loadingTheListsWritesNothing() {
    TestFolders folders;
    RecordingMessages messages;
    WatchLists lists;
    ListsAutosave autosave(lists, folders.dataFolder(), messages);
    lists.setLists({{{QStringLiteral("http://p/"), 10}}, {}});
    QVERIFY(!autosave.isPending());
    QVERIFY(!QFileInfo::exists(folders.path(QStringLiteral("posts.txt"))));
}

void TestListsAutosave::failureIsReportedOnceUntilAWriteSucceeds() {
    TestFolders folders;
    RecordingMessages messages;
    WatchLists lists;
    ListsAutosave autosave(lists, folders.dataFolder(), messages);
    // A folder where posts.txt should be makes every write fail.
    QVERIFY(QDir(folders.dataFolder()).mkdir(QStringLiteral("posts.txt")));
    lists.appendPost(QStringLiteral("http://a/"));
    QVERIFY(autosave.flush());
    lists.appendPost(QStringLiteral("http://b/"));
    QVERIFY(autosave.flush());
    QCOMPARE(messages.entries.size(), 1);
    QVERIFY(messages.entries[0].text.contains(QStringLiteral("posts.txt")));

    QVERIFY(QDir(folders.dataFolder()).rmdir(QStringLiteral("posts.txt")));
    lists.appendPost(QStringLiteral("http://c/"));
    QVERIFY(autosave.flush());
    QCOMPARE(readBytes(folders.path(QStringLiteral("posts.txt"))),
             QByteArray("http://a/\r\n\r\nhttp://b/\r\n\r\nhttp://c/\r\n\r\n"));
    QVERIFY(QFile::remove(folders.path(QStringLiteral("posts.txt"))));
    QVERIFY(QDir(folders.dataFolder()).mkdir(QStringLiteral("posts.txt")));
    lists.appendPost(QStringLiteral("http://d/"));
    QVERIFY(autosave.flush());
    QCOMPARE(messages.entries.size(), 2);
}

QTEST_GUILESS_MAIN(TestListsAutosave)
#include "tst_lists_autosave.moc"

// The state kept beside the lists: what a restart finds again, and what a damaged file leaves.
#include "support/test_folders.h"
#include "watch/list_state.h"
#include "watch/watch_lists.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

class TestListState : public QObject {
    Q_OBJECT
private slots:
    void stateSurvivesTheRoundTrip();
    void followedThreadsSurviveAndPlainRowsAreLeftOut();
    void recordsFindTheirRowsByAddressInOrder();
    void damagedRecordsAreLeftOutAndTheFileKept_data();
    void damagedRecordsAreLeftOutAndTheFileKept();
};

namespace {

const QDateTime checkedAt(QDate(2026, 5, 1), QTime(10, 0), Qt::UTC);

void fillSample(WatchLists& lists) {
    lists.setLists({{{u"http://a/"_s, 100}, {u"http://b/"_s, 200}, {u"http://a/"_s, 300}},
                    {{u"http://f/"_s, u"u|p"_s}}});
    lists.setLastCheck(lists.postId(0), {checkedAt, CheckOutcome::NewReplies, 900, QString(), 100});
    lists.setLastCheck(lists.postId(1),
                       {checkedAt, CheckOutcome::Failed, {}, u"Connection refused"_s, 200});
    lists.addNewReply(u"http://a/"_s, lists.postId(0));
    lists.forumModel().setFormat(0, u"ubb"_s);
    lists.forumModel().setPostingPage(0, u"http://f/post?x=1&y=\"2\""_s);
}

} // namespace

void TestListState::followedThreadsSurviveAndPlainRowsAreLeftOut() {
    TestFolders folders;
    WatchLists before;
    before.setLists({{{u"http://t/1"_s, 100}, {u"http://plain/"_s, 5}, {u"http://t/2"_s, 7}}, {}});
    ThreadPage page{4200,
                    u"http://t/1?page=3"_s,
                    1043,
                    u"Brake squeal"_s,
                    u"https://t/1"_s,
                    u"\"e1\""_s,
                    u"Mon, 07 Dec 2026 10:00:00 GMT"_s};
    before.recordMeasured(before.postId(0), page);
    PostCheck check{checkedAt, CheckOutcome::NewReplies, 5100, QString(), 4200};
    check.page = ThreadPage{
        5100, u"http://t/1?page=4"_s, 1050, u"Brake squeal"_s, u"https://t/1"_s, u"\"e2\""_s, {}};
    check.newPosts = 3;
    before.setLastCheck(before.postId(0), check);
    PostCheck moved{checkedAt, CheckOutcome::Failed, {}, u"moved to http://new/"_s, 7};
    moved.movedTo = u"http://new/"_s;
    before.setLastCheck(before.postId(2), moved);
    QVERIFY(saveListState(folders.dataFolder(), collectListState(before)).ok);

    QFile file(folders.path(listStateFileName()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // Compact, and only what differs from a new row: the plain thread is not there at all.
    QVERIFY(!bytes.contains('\n'));
    QVERIFY(!bytes.contains("http://plain/"));
    QVERIFY(!bytes.contains("\"unread\":false"));

    WatchLists after;
    after.setLists(before.lists());
    applyListState(after, loadListState(folders.dataFolder()).state);
    for (int row = 0; row < 3; ++row) {
        ThreadRecord a = after.threadModel().record(row);
        ThreadRecord b = before.threadModel().record(row);
        a.id = b.id = 0;
        QCOMPARE(a, b);
    }
    QCOMPARE(after.threadModel().index(0).data(Qt::DisplayRole).toString(), u"Brake squeal"_s);
    QCOMPARE(after.threadModel().index(2).data(ThreadModel::MovedToRole).toString(),
             u"http://new/"_s);
}

void TestListState::stateSurvivesTheRoundTrip() {
    TestFolders folders;
    WatchLists before;
    fillSample(before);
    const ListState state = collectListState(before);
    QVERIFY(saveListState(folders.dataFolder(), state).ok);
    QCOMPARE(QFile(folders.path(listStateFileName())).permissions() & QFile::ReadOther,
             QFile::Permissions());

    const LoadListStateResult loaded = loadListState(folders.dataFolder());
    QVERIFY(loaded.error.isEmpty() && loaded.damaged.isEmpty());
    QCOMPARE(loaded.state, state);
    WatchLists after;
    after.setLists(before.lists());
    applyListState(after, loaded.state);
    QCOMPARE(collectListState(after), state);
    QCOMPARE(after.newReplies(), QStringList{u"http://a/"_s});
    QCOMPARE(after.threadModel().index(1).data(Qt::ToolTipRole).toString(),
             before.threadModel().index(1).data(Qt::ToolTipRole).toString());
    QCOMPARE(after.forumModel().postingPage(0), u"http://f/post?x=1&y=\"2\""_s);
}

void TestListState::recordsFindTheirRowsByAddressInOrder() {
    WatchLists before;
    fillSample(before);
    ListState state = collectListState(before);
    // A thread removed by another program, and the rows of one address in another order: each
    // record goes to the next row of its address.
    WatchLists after;
    after.setLists({{{u"http://a/"_s, 100}, {u"http://new/"_s, {}}, {u"http://a/"_s, 300}}, {}});
    applyListState(after, state);
    QCOMPARE(after.lastCheck(0)->outcome, CheckOutcome::NewReplies);
    QVERIFY(!after.lastCheck(1));
    QVERIFY(!after.lastCheck(2)); // the second "http://a/" had never been checked
    QCOMPARE(after.newReplies(), QStringList{u"http://a/"_s});
    QCOMPARE(after.newReplyPost(0), after.postId(0));
}

void TestListState::damagedRecordsAreLeftOutAndTheFileKept_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("threads"); // records still read
    QTest::addColumn<bool>("damaged");
    QTest::newRow("empty file") << QByteArray() << 0 << false;
    QTest::newRow("cut short") << QByteArray(R"({"threads":[{"address":"http://a/")") << 0 << true;
    QTest::newRow("not JSON") << QByteArray("posts.txt by mistake\r\n") << 0 << true;
    QTest::newRow("one bad result")
        << QByteArray(R"({"threads":[{"address":"http://a/","result":"maybe","checked":"x"},)"
                      R"({"address":"http://b/","unread":true}]})")
        << 1 << true;
    QTest::newRow("negative size")
        << QByteArray(R"({"threads":[{"address":"http://a/","result":"unchanged",)"
                      R"("checked":"2026-05-01T10:00:00Z","measured":-4}]})")
        << 0 << true;
    QTest::newRow("address not text") << QByteArray(R"({"threads":[{"address":7}]})") << 0 << true;
}

void TestListState::damagedRecordsAreLeftOutAndTheFileKept() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, threads);
    QFETCH(bool, damaged);
    TestFolders folders;
    QVERIFY(writeBytes(folders.path(listStateFileName()), bytes));
    const LoadListStateResult loaded = loadListState(folders.dataFolder());
    QCOMPARE(loaded.state.threads.size(), threads);
    QCOMPARE(!loaded.damaged.isEmpty(), damaged);
    QVERIFY(!loaded.keepUnwritten);
    // The original is kept before anything writes the file again.
    if (damaged)
        QCOMPARE(readBytes(folders.path(listStateFileName() + u".damaged"_s)), bytes);
}

QTEST_GUILESS_MAIN(TestListState)
#include "tst_list_state.moc"

// The state kept beside the lists: what a restart finds again, and what a damaged file leaves.
#include "store/list_files.h"
#include "support/test_folders.h"
#include "watch/list_state.h"
#include "watch/lists_preload.h"
#include "watch/watch_lists.h"

#include <QFile>
#include <QSignalSpy>
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
    void checkedPagesKeepOnlyWhatDiffersFromTheReadPage_data();
    void checkedPagesKeepOnlyWhatDiffersFromTheReadPage();
    void earlierFilesKeepTheirWholePages();
    void earlierJsonFileIsReadThenReplaced();
    void textKeepsAnyCharacterAndPassesOverUnknownFields();
    void restoringTheStateIsOneChangeForAllRows();
    void readAheadGivesWhatIsThereWhenTaken();
    void readAheadKeepsADamagedOriginalOnlyWhenTaken();
    void listedRowsFollowTheirThreadsChanges();
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
    lists.forumModel().setName(0, u"Garden \"Friends\" – Forum"_s);
}

// A file as version 3 wrote it, with what fillSample gives.
const QByteArray jsonVersion3(
    R"({"version":3,"threads":[{"address":"http://a/","unread":true,)"
    R"("checked":"2026-05-01T10:00:00Z","result":"new replies","measured":900,"recorded":100},)"
    R"({"address":"http://b/","checked":"2026-05-01T10:00:00Z","result":"failed",)"
    R"("recorded":200,"reason":"Connection refused"},{"address":"http://a/"}],)"
    R"("forums":[{"address":"http://f/","format":"ubb","posting_page":"http://f/post?x=1&y=\"2\"",)"
    R"("name":"Garden \"Friends\" – Forum"}]})");

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
    // A line a record, with only what differs from a new row: the plain thread is not there at
    // all. Then the end, so a file cut short is told.
    QCOMPARE(bytes.count('\n'), 4);
    QVERIFY(!bytes.contains("http://plain/"));
    QVERIFY(!bytes.contains("unread"));
    QVERIFY(bytes.endsWith("\nend\n"));

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
    QCOMPARE(after.forumModel().name(0), u"Garden \"Friends\" – Forum"_s);
    // A file written before forums had names gives them none.
    const ListState unnamed = parseListState(
        R"({"version":1,"threads":[],"forums":[{"address":"http://f/","format":"ubb"}]})");
    QCOMPARE(unnamed.forums.value(0).name, QString());
    QCOMPARE(unnamed.forums.value(0).format, u"ubb"_s);
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

void TestListState::checkedPagesKeepOnlyWhatDiffersFromTheReadPage_data() {
    QTest::addColumn<QString>("readUpTo");    // the thread's last page read, "" for the address
    QTest::addColumn<QVariant>("readPost");   // the highest post read, null for none
    QTest::addColumn<QString>("checkedPage"); // the page the check ended on
    QTest::addColumn<QVariant>("checkedPost");
    QTest::addColumn<QByteArray>("pageRecord"); // what the file keeps of the checked page

    const QString t = u"http://t/1"_s;
    const QString p3 = u"http://t/1?page=3"_s;
    const QVariant none;
    QTest::newRow("the address, same post")
        << QString() << QVariant(40) << t << QVariant(40) << QByteArray("\tpage=1\tetag=\"e\"\n");
    QTest::newRow("the read page, same post")
        << p3 << QVariant(40) << p3 << QVariant(40) << QByteArray("\tpage=1\tetag=\"e\"\n");
    QTest::newRow("a later page")
        << QString() << QVariant(40) << p3 << QVariant(52)
        << QByteArray("\tpage=1\tpage_last_page=http://t/1?page=3\tpage_highest_post=52\t"
                      "etag=\"e\"\n");
    QTest::newRow("posts no longer marked")
        << QString() << QVariant(40) << t << none
        << QByteArray("\tpage=1\tpage_highest_post=\tetag=\"e\"\n");
    QTest::newRow("posts marked since")
        << QString() << none << t << QVariant(7)
        << QByteArray("\tpage=1\tpage_highest_post=7\tetag=\"e\"\n");
    QTest::newRow("a page without address")
        << p3 << none << QString() << none << QByteArray("\tpage=1\tpage_last_page=\tetag=\"e\"\n");
}

void TestListState::checkedPagesKeepOnlyWhatDiffersFromTheReadPage() {
    QFETCH(QString, readUpTo);
    QFETCH(QVariant, readPost);
    QFETCH(QString, checkedPage);
    QFETCH(QVariant, checkedPost);
    QFETCH(QByteArray, pageRecord);
    auto post = [](const QVariant& v) {
        return v.isNull() ? std::optional<qint64>() : std::optional<qint64>(v.toLongLong());
    };
    ThreadState thread{u"http://t/1"_s};
    thread.lastPage = readUpTo;
    thread.highestPost = post(readPost);
    PostCheck check{checkedAt, CheckOutcome::Unchanged, 900, {}, 900};
    check.page = ThreadPage{900, checkedPage, post(checkedPost), {}, {}, u"\"e\""_s, {}};
    thread.check = check;
    const ListState state{{thread}, {}};

    const QByteArray bytes = serializeListState(state);
    QVERIFY2(bytes.contains(pageRecord), bytes.constData());
    bool damaged = true;
    QCOMPARE(parseListState(bytes, &damaged), state);
    QVERIFY(!damaged);
}

void TestListState::earlierFilesKeepTheirWholePages() {
    // Before version 3 a page without its own post had none, whatever the thread had read.
    const QByteArray bytes(R"({"version":2,"threads":[{"address":"http://t/1","highest_post":40,)"
                           R"("checked":"2026-05-01T10:00:00Z","result":"unchanged","measured":9,)"
                           R"("recorded":9,"page":{"last_page":"http://t/1?page=2"}}]})");
    const ListState state = parseListState(bytes);
    QCOMPARE(state.threads.size(), 1);
    const ThreadPage page = *state.threads[0].check->page;
    QCOMPARE(page.lastPage, u"http://t/1?page=2"_s);
    QCOMPARE(page.highestPost, std::nullopt);
}

void TestListState::earlierJsonFileIsReadThenReplaced() {
    TestFolders folders;
    WatchLists sample;
    fillSample(sample);
    const ListState expected = collectListState(sample);
    const QString earlier = folders.path(u"lists-state.json"_s);
    QVERIFY(writeBytes(earlier, jsonVersion3));

    const LoadListStateResult loaded = loadListState(folders.dataFolder());
    QVERIFY(loaded.error.isEmpty() && loaded.damaged.isEmpty());
    QCOMPARE(loaded.state, expected);
    // The first write is text, under its own name, and the earlier file goes: left there it
    // would come back, out of date, the day the text file went missing.
    QVERIFY(saveListState(folders.dataFolder(), loaded.state).ok);
    QVERIFY(!QFile::exists(earlier));
    QVERIFY(readBytes(folders.path(listStateFileName())).startsWith("Quillbox lists state 4\n"));
    QCOMPARE(loadListState(folders.dataFolder()).state, expected);

    // While the text file is there an earlier file beside it is passed over.
    QVERIFY(writeBytes(earlier, R"({"version":3,"threads":[],"forums":[]})"));
    QCOMPARE(loadListState(folders.dataFolder()).state, expected);

    // A damaged earlier file is kept under its own name before the text replaces it.
    TestFolders other;
    const QByteArray cut = jsonVersion3.left(120);
    QVERIFY(writeBytes(other.path(u"lists-state.json"_s), cut));
    const LoadListStateResult damaged = loadListState(other.dataFolder());
    QVERIFY(damaged.damaged.endsWith(u"lists-state.json.damaged"_s));
    QVERIFY(!damaged.keepUnwritten);
    QCOMPARE(readBytes(other.path(u"lists-state.json.damaged"_s)), cut);
}

void TestListState::textKeepsAnyCharacterAndPassesOverUnknownFields() {
    ThreadState thread{u"http://t/1?a=1\tb"_s};
    thread.title = u"Tabs\there, lines\r\nthere, a \\ and \\t, é ✓ = ="_s;
    thread.current = u"http://t/1\n"_s;
    PostCheck check{checkedAt, CheckOutcome::Failed, {}, u"moved to http://x/\t"_s, 5};
    check.movedTo = u"http://x/\t"_s;
    thread.check = check;
    const ListState state{{thread}, {{u"http://f/\\"_s, u"a\tb"_s, {}, u"Me\r"_s}}};
    const QByteArray bytes = serializeListState(state);
    // One line a record, between the first line and the end.
    QCOMPARE(bytes.count('\n'), 4);
    QVERIFY(bytes.endsWith("\nend\n"));
    bool damaged = true;
    QCOMPARE(parseListState(bytes, &damaged), state);
    QVERIFY(!damaged);

    // A later version's fields and kinds of records are passed over; lines may end in CR LF.
    QByteArray later = bytes;
    later.replace("\n", "\r\n");
    later.replace("end\r\n", "bookmark\thttp://b/\r\nend\r\n");
    later.replace("\tresult=", "\tsnoozed=until=tomorrow\tresult=");
    QCOMPARE(parseListState(later, &damaged), state);
    QVERIFY(!damaged);
}

void TestListState::restoringTheStateIsOneChangeForAllRows() {
    WatchLists before;
    fillSample(before);
    before.setLastCheck(before.postId(2), {checkedAt, CheckOutcome::NewReplies, 950, {}, 300});
    before.addNewReply(u"http://a/"_s, before.postId(2));
    const ListState state = collectListState(before);

    // Start-up puts back many thousand records: a signal a row would cost every view and
    // listener as much again.
    WatchLists after;
    after.setLists(before.lists());
    QSignalSpy threadsChanged(&after.threadModel(), &QAbstractItemModel::dataChanged);
    QSignalSpy forumsChanged(&after.forumModel(), &QAbstractItemModel::dataChanged);
    QSignalSpy listed(&after.newRepliesModel(), &QAbstractItemModel::rowsInserted);
    applyListState(after, state);
    QCOMPARE(forumsChanged.size(), 1);
    QCOMPARE(threadsChanged.size(), 1);
    QCOMPARE(threadsChanged[0][0].value<QModelIndex>().row(), 0);
    QCOMPARE(threadsChanged[0][1].value<QModelIndex>().row(), 2);
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed[0][1].toInt(), 0);
    QCOMPARE(listed[0][2].toInt(), 1);
    QCOMPARE(after.newReplyPost(0), after.postId(0));
    QCOMPARE(after.newReplyPost(1), after.postId(2));
    QVERIFY(after.threadModel().isUnread(0));
    QVERIFY(!after.threadModel().isUnread(1));
    QVERIFY(after.threadModel().isUnread(2));
    QCOMPARE(collectListState(after), state);

    // Nothing to put back is no change at all.
    WatchLists plain;
    plain.setLists(before.lists());
    QSignalSpy plainChanged(&plain.threadModel(), &QAbstractItemModel::dataChanged);
    applyListState(plain, ListState{});
    QCOMPARE(plainChanged.size(), 0);
    QVERIFY(plain.newReplies().isEmpty());
}

void TestListState::readAheadGivesWhatIsThereWhenTaken() {
    TestFolders folders;
    WatchLists sample;
    fillSample(sample);
    const ListState first = collectListState(sample);
    QVERIFY(saveLists(folders.dataFolder(), sample.lists()).isEmpty());
    QVERIFY(saveListState(folders.dataFolder(), first).ok);
    {
        ListsPreload preload(folders.dataFolder());
        const LoadListsResult lists = preload.takeLists();
        QCOMPARE(lists.data, sample.lists());
        QVERIFY(lists.errors.isEmpty() && lists.damaged.isEmpty());
        const LoadListStateResult state = preload.takeState();
        QVERIFY(preload.stateReady());
        QVERIFY(state.error.isEmpty() && state.damaged.isEmpty());
        QCOMPARE(state.state, first);
    }

    // Written again after the read began (by the command-line check, say): whether the read saw
    // the old files or the new ones, the new ones are what is taken.
    sample.forumModel().setName(0, u"Renamed"_s);
    ListsData more = sample.lists();
    more.posts.append(WatchedPost{u"http://c.test/t/9"_s, 900});
    const ListState second = collectListState(sample);
    ListsPreload preload(folders.dataFolder());
    QVERIFY(saveLists(folders.dataFolder(), more).isEmpty());
    QVERIFY(saveListState(folders.dataFolder(), second).ok);
    QCOMPARE(preload.takeLists().data, more);
    QCOMPARE(preload.takeState().state, second);
    // So is the earlier JSON file while the text file is not there, and no file at all.
    QVERIFY(QFile::remove(folders.path(listStateFileName())));
    QCOMPARE(preload.takeState().state, ListState{});
    ListsPreload earlier(folders.dataFolder());
    QVERIFY(writeBytes(folders.path(u"lists-state.json"_s), jsonVersion3));
    WatchLists fromJson;
    fillSample(fromJson);
    QCOMPARE(earlier.takeState().state, collectListState(fromJson));
}

void TestListState::readAheadKeepsADamagedOriginalOnlyWhenTaken() {
    TestFolders folders;
    const QByteArray cut("Quillbox lists state 4\nthread\thttp://a/\tunread=1\n");
    QVERIFY(writeBytes(folders.path(listStateFileName()), cut));
    const QByteArray notText("http://a.test/post\xff\xfe|me|pw\r\n\r\n");
    QVERIFY(writeBytes(folders.path(u"posts2.txt"_s), notText));
    const QString copy = folders.path(listStateFileName() + u".damaged"_s);
    const QString listCopy = folders.path(u"posts2.txt.damaged"_s);
    {
        // Made and dropped untaken (a start that ends early): nothing is written.
        ListsPreload dropped(folders.dataFolder());
    }
    QVERIFY(!QFile::exists(copy));
    QVERIFY(!QFile::exists(listCopy));
    ListsPreload preload(folders.dataFolder());
    const LoadListsResult lists = preload.takeLists();
    QCOMPARE(lists.damaged.size(), 1);
    QCOMPARE(lists.data.forums.size(), 1);
    QCOMPARE(readBytes(listCopy), notText);
    const LoadListStateResult state = preload.takeState();
    QCOMPARE(state.state.threads.size(), 1);
    QVERIFY(state.damaged.endsWith(u".damaged"_s));
    QCOMPARE(readBytes(copy), cut);
}

void TestListState::listedRowsFollowTheirThreadsChanges() {
    WatchLists lists;
    lists.setLists({{{u"http://a/"_s, 1}, {u"http://b/"_s, 2}, {u"http://c/"_s, 3}}, {}});
    lists.addNewReply(u"http://c/"_s, lists.postId(2));
    lists.addNewReply(u"http://a/"_s, lists.postId(0));
    lists.addNewReply(u"http://c/"_s, lists.postId(2));
    QSignalSpy tooltips(&lists.newRepliesModel(), &QAbstractItemModel::dataChanged);
    auto told = [&tooltips] {
        QList<int> rows;
        for (const QList<QVariant>& signal : std::as_const(tooltips))
            rows << signal[0].value<QModelIndex>().row() << signal[1].value<QModelIndex>().row();
        tooltips.clear();
        return rows;
    };

    // A thread that is not listed tells no row; one listed twice tells both.
    lists.setLastCheck(lists.postId(1), {checkedAt, CheckOutcome::Unchanged, 2, {}, 2});
    QCOMPARE(told(), QList<int>{});
    lists.setLastCheck(lists.postId(2), {checkedAt, CheckOutcome::NewReplies, 900, {}, 3});
    QCOMPARE(told(), (QList<int>{0, 2}));
    lists.setLastCheck(lists.postId(0), {checkedAt, CheckOutcome::NewReplies, 900, {}, 1});
    QCOMPARE(told(), (QList<int>{1, 1}));
    // A change to every thread at once is one change to the listed rows.
    lists.threadModel().updateRecords(
        [](int row, ThreadRecord& r) { r.title = u"Thread "_s + QString::number(row); });
    QCOMPARE(told(), (QList<int>{0, 2}));
    QCOMPARE(lists.newRepliesModel().index(1).data(Qt::ToolTipRole),
             lists.threadModel().index(0).data(Qt::ToolTipRole));
    // Threads whose rows are all unlisted tell nothing.
    lists.threadModel().updateRecords([](int row, ThreadRecord& r) {
        if (row == 1)
            r.title = u"Only b"_s;
    });
    QCOMPARE(told(), QList<int>{});
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
    const QByteArray first("Quillbox lists state 4\n");
    const QByteArray a("thread\thttp://a/\tunread=1\n");
    const QByteArray checked("\tchecked=2026-05-01T10:00:00Z\tresult=unchanged");
    QTest::newRow("text") << first + a + "end\n" << 1 << false;
    QTest::newRow("text cut short") << first + a + "thread\thttp://b" << 1 << true;
    QTest::newRow("text without records") << first << 0 << true;
    QTest::newRow("text with records after its end") << first + "end\n" + a << 0 << true;
    QTest::newRow("text with a bad result")
        << first + "thread\thttp://b/\tresult=maybe\tchecked=x\n" + a + "end\n"
        << 1 << true;
    QTest::newRow("text with a negative size")
        << first + "thread\thttp://b/" + checked + "\tmeasured=-4\n" + a + "end\n"
        << 1 << true;
    QTest::newRow("text with a size not a number")
        << first + "thread\thttp://b/" + checked + "\tmeasured= 4\n" + a + "end\n"
        << 1 << true;
    QTest::newRow("text without a date")
        << first + "thread\thttp://b/\tresult=unchanged\n" + a + "end\n"
        << 1 << true;
    QTest::newRow("text with a field without a value")
        << first + "thread\thttp://b/\ttitle\n" + a + "end\n"
        << 1 << true;
    QTest::newRow("text without an address") << first + "thread\t\ttitle=x\n" + a + "end\n"
                                             << 1 << true;
    QTest::newRow("text not UTF-8") << first + "thread\thttp://b/\ttitle=\xff\xfe\n" + a +
                                           "thread\thttp://c/\ttitle=\xc3\n" + "end\n"
                                    << 1 << true;
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

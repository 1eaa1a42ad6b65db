// Threads followed as they grow on a board that pages its posts: every reply noticed, page after
// page, and nothing reported while only the page around the posts changes.
#include "support/manual_clock.h"
#include "support/paging_board.h"
#include "support/recording_messages.h"
#include "watch/page_fetcher.h"
#include "watch/post_measurer.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using quillbox::CheckOutcome;
using quillbox::ThreadModel;
using quillbox::test::PagingBoard;

namespace {

struct FollowRig {
    quillbox::test::RecordingMessages messages;
    quillbox::test::ManualClock clock;
    quillbox::WatchLists lists;
    quillbox::PageFetcher sizes;
    quillbox::PostMeasurer measurer{lists, sizes, messages};
    quillbox::ReplyCheck check{lists, messages, clock};

    // Watches an address as "Watch This Post" does, and waits for its measurement.
    bool watch(const QString& address) {
        measurer.watchPost(address);
        const int row = lists.watchedIndex(address);
        return row >= 0 && QTest::qWaitFor([&] { return lists.post(row).size.has_value(); }, 20000);
    }
    // Runs a whole check; the outcome of the first thread.
    CheckOutcome runCheck() {
        QSignalSpy finished(&check, &quillbox::ReplyCheck::finished);
        check.start();
        if (!finished.wait(60000))
            return CheckOutcome::Pending;
        return CheckOutcome(lists.threadModel().index(0).data(ThreadModel::LastResultRole).toInt());
    }
};

} // namespace

class TestThreadFollow : public QObject {
    Q_OBJECT
private slots:
    void everyReplyIsNoticedAcrossPages_data();
    void everyReplyIsNoticedAcrossPages();
    void watchingAPageBeyondTheLastStillSeesReplies();
    void errorPageIsAFailureAndKeepsTheRecordedSize();
    void smallerPageLowersWhatTheNextCheckComparesWith();
    void notModifiedKeepsTheResultOfTheCheckBefore();
};

void TestThreadFollow::everyReplyIsNoticedAcrossPages_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("perPage");
    QTest::newRow("offsets, 10 a page") << int(PagingBoard::Style::Classic) << 10;
    QTest::newRow("page numbers, 25 a page") << int(PagingBoard::Style::Threads) << 25;
    QTest::newRow("page numbers, 10 a page") << int(PagingBoard::Style::Threads) << 10;
}

void TestThreadFollow::everyReplyIsNoticedAcrossPages() {
    QFETCH(int, style);
    QFETCH(int, perPage);
    PagingBoard board(PagingBoard::Style(style), perPage);
    QVERIFY(board.listen());
    FollowRig rig;
    // Watched where the follow-up finds a post: the address of the post itself.
    const QString watched = board.postAddress(board.postCount() - 1);
    QVERIFY(rig.watch(watched));
    QCOMPARE(rig.lists.threadModel().index(0).data(ThreadModel::TitleRole).toString(),
             u"Brake squeal"_s);

    for (int reply = 1; reply <= 30; ++reply) {
        board.addReply();
        board.tick();
        const CheckOutcome outcome = rig.runCheck();
        QVERIFY2(outcome == CheckOutcome::NewReplies,
                 qPrintable(u"reply %1: %2"_s.arg(reply).arg(
                     rig.lists.threadModel().index(0).data(Qt::ToolTipRole).toString())));
        QCOMPARE(rig.lists.threadModel().index(0).data(ThreadModel::NewPostsRole).toInt(), 1);
        QCOMPARE(rig.lists.newReplies(), QStringList{watched});
        // The user opens it from New Replies: read up to here.
        QVERIFY(rig.lists.markAsRead(0));
        QVERIFY(rig.lists.newReplies().isEmpty());
    }
    QVERIFY(board.pageCount() > 1);
    for (int round = 0; round < 10; ++round) {
        board.tick();
        QCOMPARE(rig.runCheck(), CheckOutcome::Unchanged);
        QVERIFY(rig.lists.newReplies().isEmpty());
    }
    QCOMPARE(rig.messages.entries.size(), 0);
}

void TestThreadFollow::watchingAPageBeyondTheLastStillSeesReplies() {
    // The engines answer a page past the last with the first page, which is larger than the
    // real second page will be at first.
    PagingBoard board(PagingBoard::Style::Threads, 10);
    QVERIFY(board.listen());
    for (int i = 0; i < 5; ++i)
        board.addReply();
    FollowRig rig;
    QVERIFY(rig.watch(board.pageAddress(2)));
    for (int reply = 1; reply <= 8; ++reply) {
        board.addReply();
        QCOMPARE(rig.runCheck(), CheckOutcome::NewReplies);
        QVERIFY(rig.lists.markAsRead(0));
    }
}

void TestThreadFollow::errorPageIsAFailureAndKeepsTheRecordedSize() {
    quillbox::test::PageServer server;
    QVERIFY(server.listenLocal());
    server.setDefaultScript(quillbox::test::PageServer::whole(
        quillbox::test::PageServer::response("404 Not Found", {}, QByteArray(5000, 'x'))));
    FollowRig rig;
    const QString gone = server.url(u"/gone"_s);
    rig.lists.setPostSize(rig.lists.appendPost(gone), 100);
    QCOMPARE(rig.runCheck(), CheckOutcome::Failed);
    QCOMPARE(rig.lists.post(0).size, std::optional<qint64>(100));
    QVERIFY(rig.lists.newReplies().isEmpty());
    QCOMPARE(rig.lists.threadModel().index(0).data(ThreadModel::ReasonRole).toString(),
             u"HTTP 404 Not Found"_s);
}

void TestThreadFollow::smallerPageLowersWhatTheNextCheckComparesWith() {
    quillbox::test::PageServer server;
    QVERIFY(server.listenLocal());
    server.addPage("/t", QByteArray(3000, 'a'));
    FollowRig rig;
    const QString address = server.url(u"/t"_s);
    QVERIFY(rig.watch(address));
    // Posts deleted: the page shrinks by far more than a reply.
    server.addPage("/t", QByteArray(1000, 'a'));
    QCOMPARE(rig.runCheck(), CheckOutcome::Unchanged);
    QCOMPARE(rig.lists.post(0).size, std::optional<qint64>(1000));
    // A reply of 600 bytes would have hidden behind the old size of 3000.
    server.addPage("/t", QByteArray(1600, 'a'));
    QCOMPARE(rig.runCheck(), CheckOutcome::NewReplies);
}

void TestThreadFollow::notModifiedKeepsTheResultOfTheCheckBefore() {
    quillbox::test::PageServer server;
    QVERIFY(server.listenLocal());
    const QByteArray validators = "ETag: \"a1\"\r\n";
    server.setScript("/t", quillbox::test::PageServer::whole(quillbox::test::PageServer::response(
                               "200 OK", validators, QByteArray(1000, 'a'))));
    FollowRig rig;
    const QString address = server.url(u"/t"_s);
    QVERIFY(rig.watch(address));
    server.setScript("/t", quillbox::test::PageServer::whole(quillbox::test::PageServer::response(
                               "200 OK", "ETag: \"a2\"\r\n", QByteArray(2000, 'a'))));
    QCOMPARE(rig.runCheck(), CheckOutcome::NewReplies);
    server.setScript("/t", quillbox::test::PageServer::whole(
                               "HTTP/1.1 304 Not Modified\r\nConnection: close\r\n\r\n"));
    // Still unread: the same new replies are reported until they are read.
    QCOMPARE(rig.runCheck(), CheckOutcome::NewReplies);
    QVERIFY(server.requests().last().contains("If-None-Match: \"a2\""));
    QCOMPARE(rig.lists.newReplies(), QStringList{address});
    QVERIFY(rig.lists.markAsRead(0));
    QCOMPARE(rig.lists.post(0).size, std::optional<qint64>(2000));
    QCOMPARE(rig.runCheck(), CheckOutcome::Unchanged);
}

QTEST_GUILESS_MAIN(TestThreadFollow)
#include "tst_thread_follow.moc"

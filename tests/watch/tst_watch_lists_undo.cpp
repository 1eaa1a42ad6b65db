// Undo of a removal: the row comes back whole and where it was, once, and only while the lists
// have not changed otherwise.
#include "watch/watch_lists.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using quillbox::Forum;
using quillbox::WatchedPost;
using quillbox::WatchLists;

namespace {

// Two forums (the first with a login, format, posting page and name) and three threads (the
// middle one checked, with replies not read yet).
void fill(WatchLists& lists) {
    lists.setLists({{{u"http://a/t/1"_s, 10}, {u"http://a/t/2"_s, 20}, {u"http://a/t/3"_s, 30}},
                    {{u"http://one/"_s, u"ann|pw"_s}, {u"http://two/"_s}}});
    lists.forumModel().setFormat(0, u"ubb"_s);
    lists.forumModel().setPostingPage(0, u"http://one/post"_s);
    lists.forumModel().setName(0, u"Garden"_s);
    quillbox::PostCheck check;
    check.checkedAt = QDateTime(QDate(2026, 5, 1), QTime(9, 30));
    check.outcome = quillbox::CheckOutcome::NewReplies;
    check.measured = 900;
    lists.setLastCheck(lists.postId(1), check);
    lists.addNewReply(u"http://a/t/2"_s, lists.postId(1));
}

} // namespace

class TestWatchListsUndo : public QObject {
    Q_OBJECT
private slots:
    void removedRowComesBackWholeWhereItWas_data();
    void removedRowComesBackWholeWhereItWas();
    void undoEndsWithAnyOtherChange_data();
    void undoEndsWithAnyOtherChange();
    void rowAddedAgainIsNotListedTwice();
    void noRowNoUndo();
};

void TestWatchListsUndo::removedRowComesBackWholeWhereItWas_data() {
    QTest::addColumn<bool>("forum");
    QTest::addColumn<int>("row");
    QTest::newRow("first forum") << true << 0;
    QTest::newRow("last forum") << true << 1;
    QTest::newRow("checked thread in the middle") << false << 1;
    QTest::newRow("last thread") << false << 2;
}

void TestWatchListsUndo::removedRowComesBackWholeWhereItWas() {
    QFETCH(bool, forum);
    QFETCH(int, row);
    WatchLists lists;
    fill(lists);
    const QList<Forum> forums = lists.forums();
    const quillbox::ThreadRecord thread = lists.threadModel().record(row);
    const QString format = lists.forumModel().format(row);
    const QString postingPage = lists.forumModel().postingPage(row);
    const QString name = lists.forumModel().name(row);
    QSignalSpy available(&lists, &WatchLists::undoAvailableChanged);

    const QString removed = forum ? lists.removeForumUndoably(row) : lists.removePostUndoably(row);
    QCOMPARE(removed, forum ? forums.at(row).address : thread.post.address);
    QCOMPARE(forum ? lists.forumCount() : lists.postCount(), forum ? 1 : 2);
    QVERIFY(lists.canUndoRemoval());
    QCOMPARE(available.size(), 1);
    QCOMPARE(available.at(0).at(0).toBool(), true);

    QCOMPARE(lists.undoRemoval(), removed);
    QVERIFY(!lists.canUndoRemoval());
    QCOMPARE(available.size(), 2);
    QCOMPARE(available.at(1).at(0).toBool(), false);
    if (forum) {
        QCOMPARE(lists.forums(), forums);
        QCOMPARE(lists.forumModel().format(row), format);
        QCOMPARE(lists.forumModel().postingPage(row), postingPage);
        QCOMPARE(lists.forumModel().name(row), name);
    } else {
        QCOMPARE(lists.postCount(), 3);
        QCOMPARE(lists.threadModel().record(row), thread);
    }
    // Once only.
    QCOMPARE(lists.undoRemoval(), QString());
    QCOMPARE(forum ? lists.forumCount() : lists.postCount(), forum ? 2 : 3);
}

void TestWatchListsUndo::undoEndsWithAnyOtherChange_data() {
    QTest::addColumn<bool>("forum");
    QTest::addColumn<QString>("change");
    for (const bool forum : {true, false}) {
        const char* what = forum ? "forum" : "thread";
        for (const char* change :
             {"add forum", "add thread", "remove forum", "remove thread", "load lists"})
            QTest::addRow("%s, then %s", what, change) << forum << QString::fromLatin1(change);
    }
}

void TestWatchListsUndo::undoEndsWithAnyOtherChange() {
    QFETCH(bool, forum);
    QFETCH(QString, change);
    WatchLists lists;
    fill(lists);
    forum ? lists.removeForumUndoably(0) : lists.removePostUndoably(0);
    QSignalSpy available(&lists, &WatchLists::undoAvailableChanged);
    if (change == u"add forum")
        lists.appendForum(u"http://three/"_s);
    else if (change == u"add thread")
        lists.appendPost(u"http://a/t/4"_s);
    else if (change == u"remove forum")
        lists.removeForum(0);
    else if (change == u"remove thread")
        lists.removePost(0);
    else
        lists.setLists({{{u"http://b/t/1"_s, 1}}, {{u"http://b/"_s}}});
    QVERIFY(!lists.canUndoRemoval());
    QCOMPARE(available.size(), 1);
    QCOMPARE(available.at(0).at(0).toBool(), false);
    const int forums = lists.forumCount();
    const int posts = lists.postCount();
    QCOMPARE(lists.undoRemoval(), QString());
    QCOMPARE(lists.forumCount(), forums);
    QCOMPARE(lists.postCount(), posts);
}

void TestWatchListsUndo::rowAddedAgainIsNotListedTwice() {
    WatchLists lists;
    fill(lists);
    lists.removeForumUndoably(0);
    lists.appendForum(u"http://one/"_s, u"|"_s);
    QCOMPARE(lists.undoRemoval(), QString());
    QCOMPARE(lists.forums(), QList<Forum>({{u"http://two/"_s}, {u"http://one/"_s, u"|"_s}}));

    // A second removal replaces the first: only the last one comes back.
    lists.removePostUndoably(0);
    lists.removePostUndoably(0);
    QCOMPARE(lists.undoRemoval(), u"http://a/t/2"_s);
    QCOMPARE(lists.posts(), QList<WatchedPost>({{u"http://a/t/2"_s, 20}, {u"http://a/t/3"_s, 30}}));
}

void TestWatchListsUndo::noRowNoUndo() {
    WatchLists lists;
    fill(lists);
    QSignalSpy available(&lists, &WatchLists::undoAvailableChanged);
    QCOMPARE(lists.removeForumUndoably(-1), QString());
    QCOMPARE(lists.removeForumUndoably(2), QString());
    QCOMPARE(lists.removePostUndoably(3), QString());
    QVERIFY(!lists.canUndoRemoval());
    QVERIFY(available.isEmpty());
    QCOMPARE(lists.undoRemoval(), QString());
}

QTEST_GUILESS_MAIN(TestWatchListsUndo)
#include "tst_watch_lists_undo.moc"

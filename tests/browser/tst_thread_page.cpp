// When a page counts as the thread an inserted message was posted to, and how the follow-up of
// an insert keeps to it: previews and forms sent back, the posting page loaded again, a forum
// that adds the post to the open document, and the time after which the watch gives up.
#include "browser/insert_follow_up.h"
#include "browser/thread_page.h"
#include "support/recording_browser_page.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::RecordingBrowserPage;

namespace {

TextPlacement placed(int editable, int inPost, int inList, int elsewhere, bool postsMarked,
                     std::optional<ShownSpots> baseline = {}) {
    TextPlacement placement;
    placement.editable = editable;
    placement.inPost = inPost;
    placement.inList = inList;
    placement.elsewhere = elsewhere;
    placement.postsMarked = postsMarked;
    placement.baseline = baseline;
    return placement;
}

const QString postingPage = u"https://forum.example/newreply.php?tid=1"_s;
const QString message = u"Marker reply\r\nsecond line\r\n"_s;

struct Harness {
    RecordingBrowserPage page;
    QStringList watched; // the thread handed to "Watch This Post", each time
    InsertFollowUp followUp{page, [this](const QString& thread) { watched.append(thread); }};
    QSignalSpy notFound{&followUp, &InsertFollowUp::threadNotFound};

    Harness() {
        QObject::connect(&page, &BrowserPage::downloadCompleted, &followUp,
                         &InsertFollowUp::checkInsertedPost);
        page.showNewPage(postingPage);
        page.setBodyMarkup(u"<form><textarea></textarea></form>"_s);
    }
    void load(const QString& address, const TextPlacement& placement) {
        page.showNewPage(address);
        page.setBodyMarkup(u"<p>page</p>"_s);
        page.placement = placement;
        page.completeDownload();
    }
};

} // namespace

class TestThreadPage : public QObject {
    Q_OBJECT

private slots:
    void pageCountsAsTheThreadOnlyWhereAPostShowsTheText_data();
    void pageCountsAsTheThreadOnlyWhereAPostShowsTheText();
    void threadIsWatchedUnderItsCanonicalAddress_data();
    void threadIsWatchedUnderItsCanonicalAddress();
    void previewAndFormSentBackDoNotUseUpTheWatch();
    void postingPageLoadedAgainIsNotTheThread();
    void postAddedToTheOpenDocumentIsFound();
    void postAlreadyInTheOpenDocumentIsNotTheNewOne();
    void quietUserEndsTheWatchAsNotFound();
};

void TestThreadPage::pageCountsAsTheThreadOnlyWhereAPostShowsTheText_data() {
    QTest::addColumn<TextPlacement>("placement");
    QTest::addColumn<ThreadVerdict>("verdict");
    QTest::newRow("thread of a board without post ids")
        << placed(0, 0, 0, 1, false) << ThreadVerdict::Thread;
    QTest::newRow("inside a marked post") << placed(0, 1, 0, 0, true) << ThreadVerdict::Thread;
    QTest::newRow("marked page, text outside every post")
        << placed(0, 0, 0, 1, true) << ThreadVerdict::NotThread;
    QTest::newRow("category list quoting the first line")
        << placed(0, 0, 1, 0, false) << ThreadVerdict::NotThread;
    QTest::newRow("preview above the form sent back")
        << placed(1, 0, 0, 1, false) << ThreadVerdict::Composing;
    QTest::newRow("preview inside a post-like box, text still in the editor")
        << placed(1, 1, 0, 0, true) << ThreadVerdict::Composing;
    QTest::newRow("text nowhere") << placed(0, 0, 0, 0, true) << ThreadVerdict::NotThread;
    QTest::newRow("earlier copy already shown when the watch began")
        << placed(0, 1, 0, 0, true, ShownSpots{1, 0, true}) << ThreadVerdict::NotThread;
    QTest::newRow("a post more than when the watch began")
        << placed(0, 2, 0, 0, true, ShownSpots{1, 0, true}) << ThreadVerdict::Thread;
    QTest::newRow("composer open over the thread")
        << placed(1, 0, 0, 0, false, ShownSpots{0, 0, false}) << ThreadVerdict::Composing;
}

void TestThreadPage::pageCountsAsTheThreadOnlyWhereAPostShowsTheText() {
    QFETCH(TextPlacement, placement);
    QFETCH(ThreadVerdict, verdict);
    QCOMPARE(judgeThreadPage(placement), verdict);
}

void TestThreadPage::threadIsWatchedUnderItsCanonicalAddress_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("canonical");
    QTest::addColumn<QString>("thread");
    QTest::newRow("no canonical") << u"https://f.example/t/5/12"_s << QString()
                                  << u"https://f.example/t/5/12"_s;
    QTest::newRow("canonical over a post's number")
        << u"https://f.example/t/topic/5/12"_s << u"https://f.example/t/topic/5"_s
        << u"https://f.example/t/topic/5"_s;
    QTest::newRow("another site's canonical")
        << u"https://f.example/t/5"_s << u"https://mirror.example/t/5"_s
        << u"https://f.example/t/5"_s;
    QTest::newRow("another port's canonical")
        << u"http://127.0.0.1:8080/t/5"_s << u"http://127.0.0.1:8081/t/5"_s
        << u"http://127.0.0.1:8080/t/5"_s;
    QTest::newRow("canonical that is no web address")
        << u"https://f.example/t/5"_s << u"javascript:alert(1)"_s << u"https://f.example/t/5"_s;
}

void TestThreadPage::threadIsWatchedUnderItsCanonicalAddress() {
    QFETCH(QString, shown);
    QFETCH(QString, canonical);
    QFETCH(QString, thread);
    QCOMPARE(threadAddress(shown, canonical), thread);
}

void TestThreadPage::previewAndFormSentBackDoNotUseUpTheWatch() {
    Harness h;
    h.followUp.recordInsert(message);
    // Four previews, then the post: the watch is still armed when the thread loads.
    for (int i = 0; i < 4; ++i)
        h.load(u"https://forum.example/newreply.php?tid=1&processed=%1"_s.arg(i),
               placed(1, 0, 0, 1, false));
    QCOMPARE(h.followUp.insertWatchCount(), InsertFollowUp::armedDownloads);
    QVERIFY(h.watched.isEmpty());
    h.load(u"https://forum.example/showthread.php?tid=1"_s, placed(0, 1, 0, 0, true));
    QCOMPARE(h.watched, QStringList{u"https://forum.example/showthread.php?tid=1"_s});
    QCOMPARE(h.notFound.size(), 0);
}

void TestThreadPage::postingPageLoadedAgainIsNotTheThread() {
    Harness h;
    h.followUp.recordInsert(message);
    // The reply page lists the thread's latest posts under its form, an earlier copy among them.
    h.load(postingPage + u"#form"_s, placed(0, 1, 0, 0, true));
    QVERIFY(h.watched.isEmpty());
    QCOMPARE(h.followUp.insertWatchCount(), 3);
    h.load(u"https://forum.example/showthread.php?tid=1&page=2"_s, placed(0, 1, 0, 0, true));
    QCOMPARE(h.watched.size(), 1);
}

void TestThreadPage::postAddedToTheOpenDocumentIsFound() {
    Harness h;
    h.followUp.recordInsert(message);
    QVERIFY(h.page.documentWatched);
    QVERIFY(h.page.baseline); // what the document showed when the watch began
    // The composer still holds the text: not yet.
    h.page.placement = placed(1, 0, 0, 0, true);
    emit h.page.documentChanged();
    QVERIFY(h.watched.isEmpty());
    // The forum's script sent it and appended the post; the address moved with pushState.
    h.page.url = u"https://forum.example/t/topic/1/7"_s;
    h.page.placement = placed(0, 1, 0, 0, true);
    h.page.placement->canonical = u"https://forum.example/t/topic/1"_s;
    emit h.page.documentChanged();
    QCOMPARE(h.watched, QStringList{u"https://forum.example/t/topic/1"_s});
    QVERIFY(!h.page.documentWatched);
    QVERIFY(h.followUp.insertWatchCount() <= 0);
    // The watch is over: a later change finds nothing more.
    emit h.page.documentChanged();
    QCOMPARE(h.watched.size(), 1);
    QCOMPARE(h.notFound.size(), 0);
}

void TestThreadPage::postAlreadyInTheOpenDocumentIsNotTheNewOne() {
    Harness h;
    // The user's earlier copy already stands in a post of the page the text goes into.
    h.page.placement = placed(0, 1, 0, 0, true);
    h.followUp.recordInsert(message);
    emit h.page.documentChanged();
    QVERIFY(h.watched.isEmpty());
    h.page.placement = placed(0, 2, 0, 0, true);
    emit h.page.documentChanged();
    QCOMPARE(h.watched, QStringList{postingPage});
}

void TestThreadPage::quietUserEndsTheWatchAsNotFound() {
    Harness h;
    h.followUp.setQuietTime(std::chrono::milliseconds(20));
    h.followUp.recordInsert(message);
    QTRY_COMPARE(h.notFound.size(), 1);
    QVERIFY(!h.page.documentWatched);
    QVERIFY(h.followUp.insertWatchCount() <= 0);
    // Nothing the page does afterwards is taken for the post.
    h.page.placement = placed(0, 1, 0, 0, true);
    emit h.page.documentChanged();
    h.page.completeDownload();
    QVERIFY(h.watched.isEmpty());
    QCOMPARE(h.notFound.size(), 1);
}

QTEST_GUILESS_MAIN(TestThreadPage)
#include "tst_thread_page.moc"

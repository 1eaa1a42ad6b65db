#include "browser/insert_follow_up.h"
#include "support/recording_browser_page.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::RecordingBrowserPage;

namespace {

struct Harness {
    RecordingBrowserPage page;
    QStringList watched; // the address shown when "Watch This Post" ran
    InsertFollowUp followUp{page, [this] { watched.append(page.currentUrl()); }};

    Harness() {
        QObject::connect(&page, &BrowserPage::downloadCompleted, &followUp,
                         &InsertFollowUp::checkInsertedPost);
    }
    // A download of a page showing the given markup completes.
    void load(const QString& address, const QString& markup) {
        page.showNewPage(address);
        page.setBodyMarkup(markup);
        page.completeDownload();
    }
};

const QString reply = u"[b]Great[/b] idea!\r\nSee you.\r\n\r\n"_s;

} // namespace

class TestInsertFollowUp : public QObject {
    Q_OBJECT

private slots:
    void searchTextIsFirstLineCutBeforeFirstTag_data();
    void searchTextIsFirstLineCutBeforeFirstTag();
    void searchesPageOuterAndInnerWithoutRegardToCase_data();
    void searchesPageOuterAndInnerWithoutRegardToCase();
    void watchesPageOfSecondDownload();
    void fourMissesEndTheWatch();
    void countStopsAtMinusOne();
    void emptyTextIsInEveryPage();
    void hitIsKeptOnlyForThePageStillShown();
    void laterReadsOfTheSameWatchAreDropped();
    void armingAgainWhileReadingKeepsTheNewWatch();
};

void TestInsertFollowUp::searchTextIsFirstLineCutBeforeFirstTag_data() {
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("searchText");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one line") << u"abc"_s << u"abc"_s;
    QTest::newRow("CR LF") << u"Hello\r\nWorld"_s << u"Hello"_s;
    QTest::newRow("lone LF") << u"a b\nc"_s << u"a b"_s;
    QTest::newRow("lone CR") << u"a b\rc"_s << u"a b"_s;
    QTest::newRow("tag before line end") << u"Hi <b>you</b>\r\n"_s << u"Hi "_s;
    QTest::newRow("line end before tag") << u"Hi\r\n<b>you</b>"_s << u"Hi"_s;
    QTest::newRow("leading tag is not a cut")
        << u"<b>Bold</b> text\r\nmore"_s << u"<b>Bold</b> text"_s;
    QTest::newRow("leading tag, no line end") << u"<i>x</i>"_s << u"<i>x</i>"_s;
    QTest::newRow("leading CR LF leaves its CR") << u"\r\nabc\r\n"_s << u"\r"_s;
    QTest::newRow("leading LF") << u"\nabc\r\n"_s << u"\nabc"_s;
    QTest::newRow("non-Latin") << u"\u65e5\u672c\u8a9e<br>"_s << u"\u65e5\u672c\u8a9e"_s;
}

void TestInsertFollowUp::searchTextIsFirstLineCutBeforeFirstTag() {
    QFETCH(QString, inserted);
    QFETCH(QString, searchText);
    QCOMPARE(followUpSearchText(inserted), searchText);
}

void TestInsertFollowUp::searchesPageOuterAndInnerWithoutRegardToCase_data() {
    QTest::addColumn<QString>("outer");
    QTest::addColumn<QString>("inner");
    QTest::addColumn<QString>("searchText");
    QTest::addColumn<bool>("shown");

    QTest::newRow("only part of the line")
        << u"<body>x [B]GREAT[/B] y</body>"_s << u"x [B]GREAT[/B] y"_s << u"[b]Great[/b] idea!"_s
        << false;
    QTest::newRow("other case") << u"<body>[B]GREAT[/B] IDEA!</body>"_s << QString()
                                << u"[b]Great[/b] idea!"_s << true;
    QTest::newRow("non-Latin case")
        << QString() << u"\u00c9T\u00c9"_s << u"\u00e9t\u00e9"_s << true;
    QTest::newRow("absent") << u"<body></body>"_s << QString() << u"abc"_s << false;
    QTest::newRow("across the joint") << u"a\r"_s << u"\nb"_s << u"\r"_s << true;
    QTest::newRow("empty text") << QString() << QString() << QString() << true;
}

void TestInsertFollowUp::searchesPageOuterAndInnerWithoutRegardToCase() {
    QFETCH(QString, outer);
    QFETCH(QString, inner);
    QFETCH(QString, searchText);
    QFETCH(bool, shown);
    QCOMPARE(pageShowsText(BodyHtml{outer, inner}, searchText), shown);
}

void TestInsertFollowUp::watchesPageOfSecondDownload() {
    Harness h;
    h.followUp.recordInsert(reply);
    h.load(u"https://forum.example/post"_s, u"<p>Posting...</p>"_s);
    QCOMPARE(h.followUp.insertWatchCount(), 3);
    h.load(u"https://forum.example/thread/7"_s, u"<div>[B]Great[/B] idea!<br>See</div>"_s);
    QCOMPARE(h.watched, QStringList{u"https://forum.example/thread/7"_s});
    QCOMPARE(h.followUp.insertWatchCount(), 0);

    // The watch is over: later pages are not read, even when they hold the text.
    const int reads = h.page.bodyReads;
    h.load(u"https://forum.example/thread/7?p=2"_s, u"[b]Great[/b] idea!"_s);
    QCOMPARE(h.page.bodyReads, reads);
    QCOMPARE(h.watched.size(), 1);
    QCOMPARE(h.followUp.insertWatchCount(), -1);
}

void TestInsertFollowUp::fourMissesEndTheWatch() {
    Harness h;
    h.followUp.recordInsert(reply);
    for (int i = 0; i < 4; ++i)
        h.load(u"https://forum.example/%1"_s.arg(i), u"nothing here"_s);
    QCOMPARE(h.page.bodyReads, 4);
    QCOMPARE(h.followUp.insertWatchCount(), 0);

    h.load(u"https://forum.example/4"_s, u"[b]Great[/b] idea!"_s);
    QCOMPARE(h.page.bodyReads, 4);
    QVERIFY(h.watched.isEmpty());
    QCOMPARE(h.followUp.lastInsertedText(), reply);
}

void TestInsertFollowUp::countStopsAtMinusOne() {
    Harness h;
    // Far more downloads than a 16-bit countdown could take.
    for (int i = 0; i < 70000; ++i)
        h.page.completeDownload();
    QCOMPARE(h.followUp.insertWatchCount(), -1);
    QCOMPARE(h.page.bodyReads, 0);

    h.followUp.armFollowUp();
    QCOMPARE(h.followUp.insertWatchCount(), 4);
}

void TestInsertFollowUp::emptyTextIsInEveryPage() {
    Harness h;
    h.followUp.armFollowUp(); // a double-click before any insert
    h.load(u"https://forum.example/thread/1"_s, u"<p>anything</p>"_s);
    QCOMPARE(h.watched, QStringList{u"https://forum.example/thread/1"_s});
    QCOMPARE(h.followUp.lastInsertedText(), QString());
}

void TestInsertFollowUp::hitIsKeptOnlyForThePageStillShown() {
    Harness h;
    h.page.holdAnswers = true;
    h.followUp.recordInsert(reply);
    h.load(u"https://forum.example/thread/7"_s, u"[b]Great[/b] idea!"_s);
    // The user moves on before the page has been read.
    h.page.showNewPage(u"https://forum.example/other"_s);
    h.page.answerAll();
    QVERIFY(h.watched.isEmpty());
    QCOMPARE(h.followUp.insertWatchCount(), 3);
}

void TestInsertFollowUp::laterReadsOfTheSameWatchAreDropped() {
    Harness h;
    h.page.holdAnswers = true;
    h.followUp.recordInsert(reply);
    h.page.setBodyMarkup(u"[b]Great[/b] idea!"_s);
    h.page.completeDownload(); // a frame of the same page
    h.page.completeDownload();
    QCOMPARE(h.followUp.insertWatchCount(), 2);

    h.page.answerAll();
    QCOMPARE(h.watched.size(), 1);
    // As if searched at once: the first download ends the watch, the second lowers it.
    QCOMPARE(h.followUp.insertWatchCount(), -1);
}

void TestInsertFollowUp::armingAgainWhileReadingKeepsTheNewWatch() {
    Harness h;
    h.page.holdAnswers = true;
    h.followUp.recordInsert(reply);
    h.page.setBodyMarkup(u"[b]Great[/b] idea!"_s);
    h.page.completeDownload();
    h.followUp.armFollowUp(); // a double-click in the post list, before the read answers
    h.page.answerAll();
    QCOMPARE(h.watched.size(), 1);
    QCOMPARE(h.followUp.insertWatchCount(), 4);
}

QTEST_GUILESS_MAIN(TestInsertFollowUp)
#include "tst_insert_follow_up.moc"

#include "browser/insert_follow_up.h"
#include "browser/shown_text.h"
#include "support/recording_browser_page.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::RecordingBrowserPage;

namespace {

struct Harness {
    RecordingBrowserPage page;
    QStringList watched; // the address shown when "Watch This Post" ran
    InsertFollowUp followUp{page, [this](const QString&) { watched.append(page.currentUrl()); }};

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
    void plainFirstLineIsTheFirstLineWithText_data();
    void plainFirstLineIsTheFirstLineWithText();
    void renderedTextShowsTheLine_data();
    void renderedTextShowsTheLine();
    void threadShownAsTheForumRendersItIsWatched_data();
    void threadShownAsTheForumRendersItIsWatched();
    void countdownWithoutAFindSaysSoOnce();
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

void TestInsertFollowUp::plainFirstLineIsTheFirstLineWithText_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line");
    QTest::newRow("CR LF") << u"Hello you\r\nsecond"_s << u"Hello you"_s;
    QTest::newRow("lone CR and LF") << u"a\rb"_s << u"a"_s;
    QTest::newRow("blank lines first") << u"\r\n  \r\n\tGreat idea \r\nx"_s << u"Great idea"_s;
    QTest::newRow("only white space") << u" \r\n\t\r\n"_s << QString();
    QTest::newRow("address kept as its own text")
        << u"See https://a.example/x?y=1&z=2 now\r\n"_s << u"See https://a.example/x?y=1&z=2 now"_s;
}

void TestInsertFollowUp::plainFirstLineIsTheFirstLineWithText() {
    QFETCH(QString, message);
    QFETCH(QString, line);
    QCOMPARE(plainFirstLine(message), line);
}

void TestInsertFollowUp::renderedTextShowsTheLine_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("shown");
    QTest::newRow("as written") << u"Thread\nTom & Jerry rock\n"_s << u"Tom & Jerry rock"_s << true;
    QTest::newRow("escaped twice by the board")
        << u"Tom &amp; Jerry rock"_s << u"Tom & Jerry rock"_s << true;
    QTest::newRow("reference in the message") << u"a < b"_s << u"a &lt; b"_s << true;
    QTest::newRow("numeric references") << u"x &#38; y &#x26;"_s << u"x & y &"_s << true;
    QTest::newRow("white space runs, tabs, no-break spaces")
        << u"Great\t\u00a0 idea,\r\n  really"_s << u"Great idea, really"_s << true;
    QTest::newRow("line break forms") << u"one\r\ntwo"_s << u"one\ntwo"_s << true;
    QTest::newRow("other case") << u"ÉTÉ À KÖLN"_s << u"été à köln"_s << true;
    QTest::newRow("other words") << u"Tom and Jerry"_s << u"Tom & Jerry"_s << false;
    QTest::newRow("only part of the line") << u"Tom &"_s << u"Tom & Jerry"_s << false;
    QTest::newRow("blank line is in no page") << u"anything"_s << u" \t "_s << false;
    QTest::newRow("unknown reference kept") << u"&bogus; x"_s << u"&bogus; x"_s << true;
    QTest::newRow("no character for the number")
        << u"&#0; &#xD800; &#1114112;"_s << u"&#0; &#xd800; &#1114112;"_s << true;
    QTest::newRow("emoji and other scripts")
        << u"\U0001F600 日本語"_s << u"\U0001F600  日本語"_s << true;
    QTest::newRow("repeated letters, needle just missing")
        << QString(5000, u'a') << QString(300, u'a') + u"b"_s << false;
}

void TestInsertFollowUp::renderedTextShowsTheLine() {
    QFETCH(QString, page);
    QFETCH(QString, line);
    QFETCH(bool, shown);
    QCOMPARE(shownTextContains(page, line), shown);
}

void TestInsertFollowUp::threadShownAsTheForumRendersItIsWatched_data() {
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("rendered");
    QTest::addColumn<bool>("watched");
    // The message "Tom & Jerry: https://a.example/?x=1&y=2" inserted as BBCode.
    QTest::newRow("BBCode board")
        << u"<div>Tom &amp; Jerry: <a href=\"https://a.example/?x=1&amp;y=2\">"
           "https://a.example/?x=1&amp;y=2</a></div>"_s
        << u"Tom & Jerry: https://a.example/?x=1&y=2"_s << true;
    QTest::newRow("plain-text board")
        << u"<pre>Tom &amp;amp; Jerry: [url=https://a.example/?x=1&amp;amp;y=2]"_s
        << u"Tom &amp; Jerry: [url=https://a.example/?x=1&amp;y=2]"_s << false;
    QTest::newRow("plain-text board showing the words")
        << u"<pre>Tom &amp; Jerry:   https://a.example/?x=1&amp;y=2</pre>"_s
        << u"Tom & Jerry:\u00a0 https://a.example/?x=1&y=2\n"_s << true;
    QTest::newRow("HTML board: the raw search")
        << u"[url=https://a.example/?x=1&y=2]"_s << QString() << false;
    QTest::newRow("another thread") << u"<p>Tom</p>"_s << u"Tom"_s << false;
}

void TestInsertFollowUp::threadShownAsTheForumRendersItIsWatched() {
    QFETCH(QString, markup);
    QFETCH(QString, rendered);
    QFETCH(bool, watched);
    Harness h;
    QSignalSpy nowWatching(&h.followUp, &InsertFollowUp::nowWatching);
    QSignalSpy found(&h.followUp, &InsertFollowUp::postFound);
    h.page.pageTitle = u"Cartoons - Board"_s;
    h.followUp.recordInsert(u"Tom & Jerry: [url=https://a.example/?x=1&y=2]"
                            "https://a.example/?x=1&y=2[/url]\r\nmore\r\n\r\n"_s,
                            u"Tom & Jerry: https://a.example/?x=1&y=2\r\nmore"_s);
    h.page.showNewPage(u"https://forum.example/t/1"_s);
    h.page.setBodyMarkup(markup, rendered);
    h.page.completeDownload();
    QCOMPARE(h.watched.size(), watched ? 1 : 0);
    QCOMPARE(nowWatching.size(), watched ? 1 : 0);
    if (watched) {
        QCOMPARE(nowWatching[0][0].toString(), u"Cartoons - Board"_s);
        // The thread and its page's title, for the post log.
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0][0].toString(), u"https://forum.example/t/1"_s);
        QCOMPARE(found[0][1].toString(), u"Cartoons - Board"_s);
        QCOMPARE(nowWatchingStatus(u"Cartoons - Board"_s), u"Now watching: Cartoons - Board"_s);
    }
}

void TestInsertFollowUp::countdownWithoutAFindSaysSoOnce() {
    Harness h;
    QSignalSpy notFound(&h.followUp, &InsertFollowUp::threadNotFound);
    h.page.holdAnswers = true;
    h.followUp.recordInsert(reply, u"Great idea!"_s);
    for (int i = 0; i < 3; ++i)
        h.load(u"https://forum.example/%1"_s.arg(i), u"nothing here"_s);
    h.page.answerAll();
    QCOMPARE(notFound.size(), 0);
    // The last page of the watch is left before it is read: that counts as not found too.
    h.load(u"https://forum.example/3"_s, u"Great idea!"_s);
    h.page.showNewPage(u"https://forum.example/4"_s);
    h.page.answerAll();
    QCOMPARE(notFound.size(), 1);
    QCOMPARE(threadNotFoundStatus(),
             u"The posted thread was not found; use Watch This Post on it"_s);
    // Downloads after the watch say nothing more.
    for (int i = 0; i < 3; ++i)
        h.load(u"https://forum.example/x%1"_s.arg(i), u"nothing"_s);
    h.page.answerAll();
    QCOMPARE(notFound.size(), 1);

    // A watch that finds its thread says nothing of the kind.
    h.followUp.recordInsert(reply, u"Great idea!"_s);
    h.load(u"https://forum.example/t"_s, u"<b>Great</b> idea!"_s);
    h.page.setBodyMarkup(u"<b>Great</b> idea!"_s, u"Great idea!"_s);
    h.page.answerAll();
    for (int i = 0; i < 4; ++i)
        h.load(u"https://forum.example/y%1"_s.arg(i), u"nothing"_s);
    h.page.answerAll();
    QCOMPARE(h.watched.size(), 1);
    QCOMPARE(notFound.size(), 1);
}

QTEST_GUILESS_MAIN(TestInsertFollowUp)
#include "tst_insert_follow_up.moc"

// The loop a user relies on, in a real browser against local boards: Auto-Insert puts the
// message into the posting page, the form is submitted, and the follow-up finds the thread among
// the pages that load afterwards.
#include "browser/auto_insert.h"
#include "browser/insert_follow_up.h"
#include "platform/qt/web_engine_page.h"
#include "support/page_server.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"
#include "web_view_harness.h"

#include <csignal>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

// The thread page a board shows after a post. The page tidies its address once it has loaded,
// as many boards do to land on the new post.
QByteArray threadPage(const QByteArray& title, const QByteArray& post, bool tidiesAddress) {
    const QByteArray tidy = tidiesAddress
                                ? "<script>addEventListener('load', function () { setTimeout("
                                  "function () { history.replaceState(null, '', '#last'); }, 500); "
                                  "});</script>"
                                : "";
    return "<html><head><title>" + title + "</title>" + tidy + "</head><body><h1>" + title +
           "</h1><div class=\"post\">Earlier post</div>"
           "<div class=\"post\" id=\"last\">" +
           post + "</div></body></html>";
}

const char postingPage[] = R"html(<html><head><title>Post a reply</title></head><body>
<form action="thread.html" method="post"><input type="hidden" name="t" value="7">
<textarea name="message" rows="10" cols="60"></textarea><input type="submit" value="Submit"></form>
</body></html>)html";

// The message as the user wrote it, and as each board's format turns it into what is inserted.
const QString plainMessage = u"Tom & Jerry: https://a.example/?x=1&y=2\r\nSecond line"_s;

} // namespace

class TestInsertLoop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void threadTidyingItsAddressIsWatched();
    void postedThreadIsWatchedOnEveryKindOfBoard_data();
    void postedThreadIsWatchedOnEveryKindOfBoard();
    void insertIntoAPageThatNeverYieldsEnds_data();
    void insertIntoAPageThatNeverYieldsEnds();

private:
    void open(const QByteArray& path);
    QVariant inPage(const QString& expression) { return evaluate(page->webPage(), expression); }

    std::unique_ptr<PageServer> server;
    std::unique_ptr<TestFolders> folders;
    std::unique_ptr<RecordingMessages> messages;
    std::unique_ptr<QWebEngineView> view;
    std::unique_ptr<WebEnginePage> page;
    std::unique_ptr<InsertFollowUp> followUp;
    std::unique_ptr<AutoInsert> autoInsert;
    QString message;
    QStringList watched; // the address shown each time "Watch This Post" ran
};

void TestInsertLoop::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    server = std::make_unique<PageServer>();
    QVERIFY(server->listenLocal());
    server->addPage("/post.html", postingPage);
    // Its scripts take the page's thread for ever once it has loaded.
    server->addPage("/busy.html",
                    QByteArray(postingPage)
                        .replace("</body>", "<script>addEventListener('load', function () { "
                                            "setTimeout(function () { for (;;) {} }, 0); "
                                            "});</script></body>"));
    for (const char* board : {"/bbcode/", "/plain/", "/html/"})
        server->addPage(QByteArray(board) + "post.html", postingPage);
    // A board writing BBCode: the address becomes a link, "&" goes out as "&amp;".
    server->addPage("/bbcode/thread.html",
                    threadPage("Cartoons - BBCode board",
                               "Tom &amp; Jerry: <a href=\"https://a.example/?x=1&amp;y=2\" "
                               "class=\"postlink\">https://a.example/?x=1&amp;y=2</a><br>"
                               "Second line",
                               false));
    // A board showing plain text as it came, line breaks and runs of blanks kept.
    server->addPage("/plain/thread.html",
                    threadPage("Cartoons - plain board",
                               "<div style=\"white-space: pre-wrap\">Tom &amp; Jerry:  "
                               "https://a.example/?x=1&amp;y=2\r\nSecond line</div>",
                               false));
    // A board taking the HTML as it was inserted.
    server->addPage("/html/thread.html",
                    threadPage("Cartoons - HTML board",
                               "Tom &amp; Jerry: <a href=\"https://a.example/?x=1&amp;y=2\">"
                               "https://a.example/?x=1&amp;y=2</a><br>Second line",
                               true));
    server->addPage("/tidy.html", threadPage("Tidy thread", "Marker-tidy first line", true));
}

void TestInsertLoop::init() {
    folders = std::make_unique<TestFolders>();
    messages = std::make_unique<RecordingMessages>();
    view = std::make_unique<QWebEngineView>();
    view->resize(900, 700);
    view->show();
    page = std::make_unique<WebEnginePage>(view.get());
    watched.clear();
    followUp = std::make_unique<InsertFollowUp>(
        *page, [this](const QString& thread) { watched << thread; });
    connect(page.get(), &BrowserPage::downloadCompleted, followUp.get(),
            &InsertFollowUp::checkInsertedPost);
    autoInsert = std::make_unique<AutoInsert>(*page, *messages, *followUp, folders->dataFolder(),
                                              [this] { return message; });
    autoInsert->setPlainMessageSource([] { return plainMessage; });
}

void TestInsertLoop::cleanup() {
    autoInsert.reset();
    followUp.reset();
    page.reset();
    view.reset();
}

void TestInsertLoop::open(const QByteArray& path) {
    QSignalSpy finished(page->webPage(), &QWebEnginePage::loadFinished);
    page->navigate(server->url(QString::fromLatin1(path)));
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, webWait);
}

void TestInsertLoop::threadTidyingItsAddressIsWatched() {
    followUp->recordInsert(u"Marker-tidy first line\r\nmore\r\n\r\n"_s);
    QSignalSpy found(followUp.get(), &InsertFollowUp::postFound);
    open("/tidy.html");
    // The page moved to its new post after loading and is still the thread that was read.
    QTRY_VERIFY_WITH_TIMEOUT(page->currentUrl().endsWith(u"#last"_s), webWait);
    QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, webWait);
    // The thread's page, whether it was read before or after it tidied its address.
    QCOMPARE(watched.size(), 1);
    QCOMPARE(QUrl(watched[0]).adjusted(QUrl::RemoveFragment),
             QUrl(page->currentUrl()).adjusted(QUrl::RemoveFragment));
}

void TestInsertLoop::postedThreadIsWatchedOnEveryKindOfBoard_data() {
    QTest::addColumn<QByteArray>("board");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("BBCode") << QByteArray("/bbcode/")
                            << u"Tom & Jerry: [url=https://a.example/?x=1&y=2]"
                               "https://a.example/?x=1&y=2[/url]\r\nSecond line\r\n\r\n"_s;
    QTest::newRow("plain text") << QByteArray("/plain/")
                                << u"Tom & Jerry: https://a.example/?x=1&y=2\r\n"
                                   "Second line\r\n\r\n"_s;
    QTest::newRow("HTML, address tidied")
        << QByteArray("/html/")
        << u"Tom & Jerry: <a href=\"https://a.example/?x=1&y=2\">https://a.example/?x=1&y=2</a>"
           "\r\nSecond line\r\n\r\n"_s;
}

void TestInsertLoop::postedThreadIsWatchedOnEveryKindOfBoard() {
    QFETCH(QByteArray, board);
    QFETCH(QString, inserted);
    message = inserted;
    open(board + "post.html");
    QSignalSpy finished(autoInsert.get(), &AutoInsert::finished);
    QSignalSpy nowWatching(followUp.get(), &InsertFollowUp::nowWatching);
    QSignalSpy notFound(followUp.get(), &InsertFollowUp::threadNotFound);
    autoInsert->insertMessage();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, webWait);
    QVERIFY(finished[0][0].toBool());
    QCOMPARE(evaluate(page->webPage(), u"document.querySelector('textarea').value"_s).toString(),
             QString(inserted).replace(u"\r\n"_s, u"\n"_s));

    inPage(u"document.forms[0].submit(); true"_s);
    QTRY_COMPARE_WITH_TIMEOUT(nowWatching.count(), 1, webWait);
    QCOMPARE(watched.size(), 1);
    QVERIFY2(watched[0].contains(QString::fromLatin1(board + "thread.html")),
             qPrintable(watched[0]));
    QVERIFY(nowWatching[0][0].toString().startsWith(u"Cartoons - "_s));
    QCOMPARE(notFound.count(), 0);
    QVERIFY(messages->entries.isEmpty());
}

void TestInsertLoop::insertIntoAPageThatNeverYieldsEnds_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("detail");
    QTest::newRow("time-out") << u"silence"_s << u"did not answer"_s;
    QTest::newRow("user goes to another page") << u"navigate"_s << u"The page changed"_s;
    QTest::newRow("renderer ends") << u"kill"_s << u"stopped working"_s;
}

void TestInsertLoop::insertIntoAPageThatNeverYieldsEnds() {
    QFETCH(QString, end);
    QFETCH(QString, detail);
    autoInsert->setAnswerTimeout(end == u"silence" ? std::chrono::milliseconds(1500)
                                                   : std::chrono::hours(1));
    message = u"Marker-busy"_s;
    open("/busy.html");
    QSignalSpy finished(autoInsert.get(), &AutoInsert::finished);
    autoInsert->insertMessage();
    QVERIFY(autoInsert->isBusy());
    if (end == u"navigate")
        page->navigate(server->url(u"/post.html"_s));
    else if (end == u"kill")
        QCOMPARE(::kill(pid_t(page->webPage()->renderProcessPid()), SIGKILL), 0);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, webWait);
    QVERIFY(!finished[0][0].toBool());
    QVERIFY(!autoInsert->isBusy());
    QCOMPARE(messages->entries.size(), 1);
    QCOMPARE(messages->entries[0].title, u"Auto-Insert Error"_s);
    QVERIFY2(messages->entries[0].informativeText.contains(detail),
             qPrintable(messages->entries[0].informativeText));
}

QTEST_MAIN(TestInsertLoop)
#include "tst_insert_loop.moc"

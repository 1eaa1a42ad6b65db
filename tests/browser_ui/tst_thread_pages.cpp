// The follow-up of an insert in a real browser, on pages that must not be taken for the thread
// (a preview, the reply page listing earlier posts, a list of topics quoting the post) and on
// boards that post from their own scripts without loading a page.
#include "browser/auto_insert.h"
#include "browser/insert_follow_up.h"
#include "platform/qt/web_engine_page.h"
#include "support/page_server.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"
#include "web_view_harness.h"

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

QByteArray page(const QByteArray& title, const QByteArray& body, const QByteArray& head = {}) {
    return "<html><head><title>" + title + "</title>" + head + "</head><body>" + body +
           "</body></html>";
}

QByteArray form(const QByteArray& action, const QByteArray& text = {}) {
    return "<form action=\"" + action + "\" method=\"post\"><textarea name=\"message\">" + text +
           "</textarea><input type=\"submit\" value=\"Post\"></form>";
}

// A board posting from its own scripts: Reply writes into a composer over the topic, Send
// posts through fetch and adds the post to the page. After the post, "push" moves the address
// to the new post's number, "latest" shows the list of latest topics quoting its first line.
QByteArray singlePageBoard(const QByteArray& after, const QByteArray& head = {}) {
    return page("Topic 5 - single-page board",
                "<div id=\"posts\"><article id=\"post_1\" data-post-id=\"1\">Opening post"
                "</article></div><div class=\"composer\"><textarea id=\"reply\"></textarea>"
                "<div id=\"preview\"></div><button id=\"send\">Reply</button></div><script>"
                "var reply = document.getElementById('reply');"
                "reply.addEventListener('input', function () {"
                "  document.getElementById('preview').textContent = reply.value; });"
                "document.getElementById('send').addEventListener('click', function () {"
                "  var text = reply.value;"
                "  fetch('/api/posts', {method: 'POST', body: text}).then(function (r) {"
                "    return r.text(); }).then(function () {"
                "    reply.value = ''; document.getElementById('preview').textContent = '';"
                "    var after = '" +
                    after +
                    "';"
                    "    if (after === 'latest') {"
                    "      document.body.innerHTML = '<ul class=\"topic-list\"><li id=\"topic-5\">"
                    "<a href=\"/spa/t/5\">Topic 5</a><p class=\"excerpt\"></p></li></ul>';"
                    "      document.querySelector('.excerpt').textContent = text.split('\\n')[0];"
                    "      history.pushState(null, '', '/latest');"
                    "      return; }"
                    "    var post = document.createElement('article'); post.id = 'post_2';"
                    "    post.setAttribute('data-post-id', '2'); post.textContent = text;"
                    "    document.getElementById('posts').appendChild(post);"
                    "    if (after === 'push') history.pushState(null, '', '/spa/t/5/2');"
                    "  }); });</script>",
                head);
}

} // namespace

class TestThreadPages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void previewIsNotTheThreadAndTheRealPostIs();
    void replyPageListingEarlierPostsIsNotTheThread();
    void listOfThreadsQuotingThePostIsNotTheThread();
    void postAddedByTheBoardsScriptIsWatched_data();
    void postAddedByTheBoardsScriptIsWatched();
    void latestTopicsQuotingThePostIsNotTheThread();

private:
    void open(const QByteArray& path);
    void insert(const QString& text);
    QVariant inPage(const QString& expression) { return evaluate(webPage->webPage(), expression); }

    std::unique_ptr<PageServer> server;
    std::unique_ptr<TestFolders> folders;
    std::unique_ptr<RecordingMessages> messages;
    std::unique_ptr<QWebEngineView> view;
    std::unique_ptr<WebEnginePage> webPage;
    std::unique_ptr<InsertFollowUp> followUp;
    std::unique_ptr<AutoInsert> autoInsert;
    QString message;
    QStringList watched; // the thread handed to "Watch This Post", each time
};

void TestThreadPages::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    server = std::make_unique<PageServer>();
    QVERIFY(server->listenLocal());
    // A classic board whose Preview shows the message above its form, sent back with the text.
    server->addPage("/pv/newreply.html", page("Post Reply", form("preview.html")));
    server->addPage(
        "/pv/preview.html",
        page("Post Reply - Preview", "<div class=\"preview\">Marker-preview first line</div>" +
                                         form("thread.html", "Marker-preview first line\nmore")));
    server->addPage("/pv/thread.html",
                    page("Thread - classic board",
                         "<div id=\"post_1\">Opening post</div><div id=\"post_2\">"
                         "Marker-preview first line<br>more</div>"));
    // A reply page listing the thread's latest posts under its form, an earlier copy among them.
    server->addPage("/rp/newreply.html",
                    page("Post Reply", form("thread.html") +
                                           "<h2>Latest posts</h2><div id=\"post_7\">"
                                           "Marker-again first line<br>more</div>"));
    server->addPage("/rp/thread.html",
                    page("Thread - reply board", "<div id=\"post_7\">Marker-again first line"
                                                 "</div><div id=\"post_8\">Marker-again first "
                                                 "line<br>more</div>"));
    // After the post the board lands on its category list, which quotes the post's first line.
    server->addPage("/cat/newreply.html", page("Post Reply", form("category.html")));
    server->addPage("/cat/category.html",
                    page("General - category",
                         "<table class=\"topic-list\"><tr id=\"topic-55\"><td><a href=\"t55\">"
                         "New topic</a><p class=\"excerpt\">Marker-teaser first line</p></td>"
                         "</tr><tr id=\"topic-54\"><td>Older topic</td></tr></table>"));
    server->addPage("/api/posts", "{}", "application/json");
    server->addPage("/spa/fetch.html", singlePageBoard("stay"));
    server->addPage("/spa/t/5",
                    singlePageBoard("push", "<link rel=\"canonical\" href=\"/spa/t/5\">"));
    server->addPage("/spa/latest.html", singlePageBoard("latest"));
}

void TestThreadPages::init() {
    folders = std::make_unique<TestFolders>();
    messages = std::make_unique<RecordingMessages>();
    view = std::make_unique<QWebEngineView>();
    view->resize(900, 700);
    view->show();
    webPage = std::make_unique<WebEnginePage>(view.get());
    watched.clear();
    followUp = std::make_unique<InsertFollowUp>(
        *webPage, [this](const QString& thread) { watched << thread; });
    connect(webPage.get(), &BrowserPage::downloadCompleted, followUp.get(),
            &InsertFollowUp::checkInsertedPost);
    autoInsert = std::make_unique<AutoInsert>(*webPage, *messages, *followUp, folders->dataFolder(),
                                              [this] { return message; });
}

void TestThreadPages::cleanup() {
    autoInsert.reset();
    followUp.reset();
    webPage.reset();
    view.reset();
}

void TestThreadPages::open(const QByteArray& path) {
    QSignalSpy finished(webPage->webPage(), &QWebEnginePage::loadFinished);
    webPage->navigate(server->url(QString::fromLatin1(path)));
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, webWait);
}

void TestThreadPages::insert(const QString& text) {
    message = text;
    QSignalSpy finished(autoInsert.get(), &AutoInsert::finished);
    autoInsert->insertMessage();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, webWait);
    QVERIFY(finished[0][0].toBool());
    QVERIFY(followUp->insertWatchCount() == InsertFollowUp::armedDownloads);
}

void TestThreadPages::previewIsNotTheThreadAndTheRealPostIs() {
    open("/pv/newreply.html");
    insert(u"Marker-preview first line\r\nmore\r\n"_s);
    QSignalSpy loaded(webPage->webPage(), &QWebEnginePage::loadFinished);
    inPage(u"document.forms[0].submit(); true"_s);
    QTRY_VERIFY_WITH_TIMEOUT(
        webPage->currentUrl().endsWith(u"preview.html"_s) && loaded.count() > 0, webWait);
    // The preview holds the text in its form: not the thread, and the watch is not used up.
    QTRY_COMPARE_WITH_TIMEOUT(followUp->insertWatchCount(), InsertFollowUp::armedDownloads,
                              webWait);
    QVERIFY(watched.isEmpty());
    inPage(u"document.forms[0].submit(); true"_s);
    QTRY_COMPARE_WITH_TIMEOUT(watched.size(), 1, webWait);
    QCOMPARE(watched[0], server->url(u"/pv/thread.html"_s));
}

void TestThreadPages::replyPageListingEarlierPostsIsNotTheThread() {
    open("/rp/newreply.html");
    QSignalSpy notFound(followUp.get(), &InsertFollowUp::threadNotFound);
    insert(u"Marker-again first line\r\nmore\r\n"_s);
    // The reply page loads again (as a second queue run opens it) before anything is sent.
    open("/rp/newreply.html");
    QTRY_COMPARE_WITH_TIMEOUT(followUp->insertWatchCount(), 3, webWait);
    // Its answer is in when a later look at the page has come back.
    QVERIFY(inPage(u"document.title"_s).isValid());
    QVERIFY(evaluate(webPage->webPage(), u"1"_s, QWebEngineScript::ApplicationWorld).isValid());
    QVERIFY(watched.isEmpty());
    QCOMPARE(notFound.count(), 0);
    inPage(u"document.forms[0].submit(); true"_s);
    QTRY_COMPARE_WITH_TIMEOUT(watched.size(), 1, webWait);
    QCOMPARE(watched[0], server->url(u"/rp/thread.html"_s));
}

void TestThreadPages::listOfThreadsQuotingThePostIsNotTheThread() {
    open("/cat/newreply.html");
    insert(u"Marker-teaser first line\r\nmore\r\n"_s);
    inPage(u"document.forms[0].submit(); true"_s);
    QTRY_COMPARE_WITH_TIMEOUT(followUp->insertWatchCount(), 3, webWait);
    QVERIFY(webPage->currentUrl().endsWith(u"category.html"_s));
    QVERIFY(evaluate(webPage->webPage(), u"1"_s, QWebEngineScript::ApplicationWorld).isValid());
    QVERIFY(watched.isEmpty());
}

void TestThreadPages::postAddedByTheBoardsScriptIsWatched_data() {
    QTest::addColumn<QByteArray>("board");
    QTest::addColumn<QString>("thread");
    QTest::newRow("fetch, address kept") << QByteArray("/spa/fetch.html") << u"/spa/fetch.html"_s;
    QTest::newRow("pushState to the post's number, canonical kept")
        << QByteArray("/spa/t/5") << u"/spa/t/5"_s;
}

void TestThreadPages::postAddedByTheBoardsScriptIsWatched() {
    QFETCH(QByteArray, board);
    QFETCH(QString, thread);
    open(board);
    QSignalSpy notFound(followUp.get(), &InsertFollowUp::threadNotFound);
    insert(u"Marker-spa first line\r\nmore\r\n"_s);
    // The composer's preview shows the text as typed; still no post.
    QTRY_COMPARE_WITH_TIMEOUT(
        inPage(u"document.getElementById('preview').textContent"_s).toString(),
        u"Marker-spa first line\nmore\n"_s, webWait);
    QVERIFY(followUp->watchesDocument());
    QVERIFY(watched.isEmpty());
    inPage(u"document.getElementById('send').click(); true"_s);
    QTRY_COMPARE_WITH_TIMEOUT(watched.size(), 1, webWait);
    QCOMPARE(watched[0], server->url(thread));
    QVERIFY(!followUp->watchesDocument());
    QCOMPARE(notFound.count(), 0);
}

void TestThreadPages::latestTopicsQuotingThePostIsNotTheThread() {
    open("/spa/latest.html");
    followUp->setQuietTime(std::chrono::seconds(3));
    QSignalSpy notFound(followUp.get(), &InsertFollowUp::threadNotFound);
    insert(u"Marker-latest first line\r\nmore\r\n"_s);
    inPage(u"document.getElementById('send').click(); true"_s);
    QTRY_VERIFY_WITH_TIMEOUT(webPage->currentUrl().endsWith(u"/latest"_s), webWait);
    // The user falls quiet: the watch ends as not found, never on the list.
    QTRY_COMPARE_WITH_TIMEOUT(notFound.count(), 1, webWait);
    QVERIFY(watched.isEmpty());
    QVERIFY(!followUp->watchesDocument());
}

QTEST_MAIN(TestThreadPages)
#include "tst_thread_pages.moc"

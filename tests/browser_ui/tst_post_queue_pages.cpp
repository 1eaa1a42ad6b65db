// A queue over three boards served on 127.0.0.1, in a real browser view: one without a posting
// page, one in BBCode whose thread shows the post once submitted, one in HTML whose thread does
// not (held for moderation), so the user moves on. The insert, the follow-up and the log are
// wired as the window wires them; the test plays the user's submits.
#include "browser/insert_follow_up.h"
#include "browser/post_log.h"
#include "browser/post_queue.h"
#include "compose/converter.h"
#include "compose/link_template.h"
#include "platform/qt/web_engine_page.h"
#include "support/manual_clock.h"
#include "support/page_server.h"
#include "support/test_folders.h"
#include "web_view_harness.h"

#include <QTest>
#include <QWebEngineView>

using namespace Qt::StringLiterals;
using namespace quillbox;
using namespace quillbox::test;

namespace {

QByteArray postingPage(const QByteArray& thread) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>New topic</title></head>"
           "<body><form method=\"post\" action=\"" +
           thread +
           "\"><input type=\"text\" name=\"subject\">"
           "<textarea name=\"message\" rows=\"8\" cols=\"60\"></textarea>"
           "<input type=\"submit\" value=\"Submit\"></form></body></html>";
}

QByteArray threadPage(const QByteArray& shown) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Topic</title></head><body>"
           "<div class=\"post\">" +
           shown + "</div></body></html>";
}

} // namespace

class TestPostQueuePages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void queueOverThreeBoards();
};

void TestPostQueuePages::queueOverThreeBoards() {
    TestFolders folders;
    PageServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    const QString message = u"See http://127.0.0.1/x for details\r\nThanks"_s;
    const TemplateSet templates = defaultTemplates();
    const QString bbcode = convertMessage(message, u"ubb"_s, templates);
    QVERIFY(bbcode.contains(u"[url="_s));
    server.addPage("/b/new", postingPage("/b/t"));
    server.addPage("/b/t", threadPage(bbcode.section(u"\r\n"_s, 0, 0).toUtf8()));
    server.addPage("/c/new", postingPage("/c/t"));
    server.addPage("/c/t", threadPage("Your post awaits a moderator."));
    const QList<QueueForum> forums = {
        {server.url(u"/a/"_s), u"Board A"_s, u"ubb"_s, {}},
        {server.url(u"/b/"_s), u"Board B"_s, u"ubb"_s, server.url(u"/b/new"_s)},
        {server.url(u"/c/"_s), u"Board C"_s, u"html"_s, server.url(u"/c/new"_s)}};

    QWebEngineView view;
    view.resize(800, 600);
    view.show();
    WebEnginePage page(&view);
    ManualClock clock;
    PostQueue queue(clock);
    InsertFollowUp followUp(page, [](const QString&) {});
    QStringList written; // what went into each posting page
    QStringList navigations;
    QList<PostRecord> logged;
    connect(&page, &BrowserPage::downloadCompleted, &queue, &PostQueue::pageLoaded);
    connect(&page, &BrowserPage::downloadCompleted, &followUp, &InsertFollowUp::checkInsertedPost);
    connect(&followUp, &InsertFollowUp::postFound, &queue,
            [&] { queue.threadFound(page.currentUrl()); });
    connect(&queue, &PostQueue::navigateRequested, &page, [&](const QString& address) {
        navigations.append(address);
        page.navigate(address);
    });
    connect(&queue, &PostQueue::insertRequested, &page,
            [&](const QString& subject, const QString& text, const QString& format) {
                const QString converted = convertMessage(text, format, templates);
                page.writeMessage({0, 1}, converted, subject,
                                  [&, converted](WrittenField field, bool) {
                                      if (field == WrittenField::None)
                                          return;
                                      written.append(converted);
                                      followUp.recordInsert(converted);
                                  });
            });
    connect(&queue, &PostQueue::recorded, &queue, [&](const PostRecord& record) {
        logged.append(record);
        QVERIFY(appendPostRecord(folders.dataFolder(), record).ok);
    });

    QVERIFY(queue.start(forums, u"Club news"_s, message));
    QCOMPARE(logged.size(), 1); // Board A, at once
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 1, webWait);
    QCOMPARE(queue.progressText(), u"2 of 3: Board B"_s);
    QCOMPARE(evaluate(view.page(), u"document.querySelector('textarea').value"_s).toString(),
             QString(bbcode).replace(u"\r\n"_s, u"\n"_s));
    // The user submits.
    evaluate(view.page(), u"document.forms[0].submit(), 1"_s);
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 2, webWait);
    QCOMPARE(queue.progressText(), u"3 of 3: Board C"_s);
    evaluate(view.page(), u"document.forms[0].submit(), 1"_s);
    QTRY_COMPARE_WITH_TIMEOUT(queue.state(), PostQueue::State::Watching, webWait);
    QTRY_VERIFY_WITH_TIMEOUT(page.currentUrl().endsWith(u"/c/t"_s), webWait);
    queue.nextForum(); // the post is not shown: the user moves on
    QVERIFY(!queue.isRunning());

    QCOMPARE(navigations, (QStringList{server.url(u"/b/new"_s), server.url(u"/c/new"_s)}));
    QVERIFY(written.at(1).contains(u"<a href="_s));
    const PostLogRead read = readPostLog(folders.dataFolder());
    QCOMPARE(read.records, logged);
    QStringList results;
    for (const PostRecord& record : read.records)
        results.append(record.result);
    QCOMPARE(results,
             (QStringList{postResult::skipped(), postResult::watched(), postResult::notFound()}));
    QCOMPARE(read.records.at(1).thread, std::optional<QString>(server.url(u"/b/t"_s)));
    QCOMPARE(read.records.at(0).note, PostQueue::noPostingPageReason());
}

QTEST_MAIN(TestPostQueuePages)
#include "tst_post_queue_pages.moc"

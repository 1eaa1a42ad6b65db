// Posting to many forums through the main window: three boards on 127.0.0.1, one without a
// posting page, one that shows posts as BBCode boards do, one that shows them as plain text. The
// test plays the user: it selects the forums, starts the queue and submits each form.
#include "browser/post_log.h"
#include "browser/post_queue.h"
#include "support/main_window_fixture.h"
#include "support/page_server.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

constexpr int webWait = 30000;

QByteArray postingPage(const QByteArray& thread) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>New topic</title></head>"
           "<body><form method=\"post\" action=\"" +
           thread +
           "\"><input type=\"text\" name=\"subject\">"
           "<textarea name=\"message\" rows=\"8\" cols=\"60\"></textarea>"
           "<input type=\"submit\" value=\"Submit\"></form></body></html>";
}

QByteArray threadPage(const QByteArray& title, const QByteArray& shown) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title +
           "</title></head><body><div class=\"post\">" + shown + "</div></body></html>";
}

} // namespace

class TestPostQueueWindow : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init() { MainWindowFixture::init(); }
    void cleanup() { MainWindowFixture::cleanup(); }
    void queueWalksThreeBoardsAndLogsEachPost();

private:
    // The user submits once the message is in: Auto-Insert fills the form a moment after the
    // queue starts waiting, and a form sent empty would log the post without its subject.
    void submitForm() {
        webPage->webPage()->runJavaScript(
            u"(function send() { const f = document.forms[0];"
            " if (f.subject.value && f.message.value) f.submit(); else setTimeout(send, 50); })()"_s);
    }
};

void TestPostQueueWindow::queueWalksThreeBoardsAndLogsEachPost() {
    PageServer server;
    QVERIFY(server.listenLocal());
    // The BBCode board turns [url] into a link and & into &amp;; the plain-text board shows the
    // text as typed. Neither shows the converted first line the raw search looks for.
    server.addPage("/b/new", postingPage("/b/t"));
    server.addPage("/b/t", threadPage("Swap thread", "Seedlings &amp; more on Saturday<br>"
                                                     "<a href=\"http://x.example/\">link</a>"));
    server.addPage("/c/new", postingPage("/c/t"));
    server.addPage("/c/t", threadPage("Plain thread", "Seedlings &amp; more on Saturday\n"
                                                      "http://x.example/"));
    const QList<Forum> forums{
        {server.url(u"/a/"_s)}, {server.url(u"/b/"_s)}, {server.url(u"/c/"_s)}};
    QVERIFY(saveLists(folders->dataFolder(), {{}, forums}).isEmpty());
    open();
    QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), u"Complete"_s, webWait);
    ForumModel& model = program->lists().forumModel();
    model.setFormat(1, u"ubb"_s);
    model.setPostingPage(1, server.url(u"/b/new"_s));
    model.setFormat(2, u"text"_s);
    model.setPostingPage(2, server.url(u"/c/new"_s));
    control<QLineEdit>(window.get(), "txtSubject")->setText(u"Seedling swap"_s);
    control<QPlainTextEdit>(window.get(), "txtMessage")
        ->setPlainText(u"Seedlings & more on Saturday\nhttp://x.example/"_s);

    auto* list = control<QListView>(window.get(), "lstPosts2");
    list->selectionModel()->select(
        QItemSelection(list->model()->index(0, 0), list->model()->index(2, 0)),
        QItemSelectionModel::Select);
    QTest::mouseClick(control<QPushButton>(window.get(), "cmdQueue"), Qt::LeftButton);

    // Board A has no posting page: skipped, and board B's posting page opens.
    PostQueue& queue = program->postQueue();
    QTRY_COMPARE_WITH_TIMEOUT(queue.state(), PostQueue::State::WaitingForSubmit, webWait);
    QCOMPARE(queue.position(), 2);
    QCOMPARE(window->browserPage().currentUrl(), server.url(u"/b/new"_s));
    QVERIFY(control<QWidget>(window.get(), "picQueueStrip")->isVisible());
    submitForm();
    QTRY_COMPARE_WITH_TIMEOUT(queue.position(), 3, webWait);
    QTRY_COMPARE_WITH_TIMEOUT(queue.state(), PostQueue::State::WaitingForSubmit, webWait);
    QCOMPARE(window->browserPage().currentUrl(), server.url(u"/c/new"_s));
    submitForm();
    QTRY_VERIFY_WITH_TIMEOUT(!queue.isRunning(), webWait);

    // Both threads are watched and measured; the log holds one record a forum, in order.
    QTRY_COMPARE_WITH_TIMEOUT(program->lists().postCount(), 2, webWait);
    QCOMPARE(program->lists().posts().at(0).address, server.url(u"/b/t"_s));
    QCOMPARE(program->lists().posts().at(1).address, server.url(u"/c/t"_s));
    const PostLogRead log = readPostLog(folders->dataFolder());
    QCOMPARE(log.records.size(), 3);
    QCOMPARE(log.records[0].result, u"skipped"_s);
    QCOMPARE(log.records[0].forum, server.url(u"/a/"_s));
    QCOMPARE(log.records[1].result, u"watched"_s);
    QCOMPARE(log.records[1].thread, std::optional<QString>(server.url(u"/b/t"_s)));
    QCOMPARE(log.records[1].format, u"ubb"_s);
    QCOMPARE(log.records[2].result, u"watched"_s);
    QCOMPARE(log.records[2].postingPage, server.url(u"/c/new"_s));
    QCOMPARE(log.records[2].subject, u"Seedling swap"_s);
    QVERIFY(!log.records[0].queueRun.isEmpty());
    QCOMPARE(log.records[2].queueRun, log.records[0].queueRun);
    QVERIFY2(messages.entries.isEmpty(),
             qPrintable(messages.entries.isEmpty()
                            ? QString()
                            : messages.entries[0].text + u" | "_s +
                                  messages.entries[0].informativeText + u" | "_s +
                                  window->browserPage().currentUrl()));
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestPostQueueWindow t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_post_queue_window.moc"

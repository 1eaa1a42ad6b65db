// The main window's browser pane as a person uses it: auto-insert into a forum's posting page,
// submit, and find the thread on watch; paste single values; the separate website window.
// Real Qt WebEngine pages, served on 127.0.0.1.
#include "browser/post_log.h"
#include "platform/qt/web_engine_page.h"
#include "shell/ui/main_window.h"
#include "store/settings_store.h"
#include "support/main_window_fixture.h"
#include "support/page_server.h"
#include "support/program_probe.h"
#include "support/recording_clipboard.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWebEnginePage>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

constexpr int webWait = 30000;

// A board's reply page: a search box first, then the posting form as forum engines print it.
const QByteArray replyPage = R"(<html><head><title>Post a reply</title></head><body>
<form action="/search" method="get"><input type="text" name="q"></form>
<form action="/thread" method="get" name="postform">
<input type="hidden" name="t" value="42">
<input type="text" name="subject" id="subject" value="">
<select name="icon"><option>none</option></select>
<textarea name="message" id="message" rows="10"></textarea>
<input type="submit" name="post" value="Submit">
</form>
<p><input type="text" id="single"></p>
</body></html>)";

const QString firstLine = u"Hello forum, it's \"me\" \u2013 Gr\u00fc\u00dfe"_s;

QByteArray threadPage() {
    return "<html><head><title>Thread</title></head><body><div class=\"post\">" +
           firstLine.toHtmlEscaped().toUtf8() + "<br>second line</div></body></html>";
}

} // namespace

class TestMainWindowBrowser : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void autoInsertSubmitAndTheThreadIsWatched();
    void pagesWithoutAFieldShowTheError();
    void pasteEachValueIntoTheFocusedField_data();
    void pasteEachValueIntoTheFocusedField();
    void programEndsWhenTheWebsiteWindowClosesLast();

private:
    QVariant evaluate(const QString& script);
    void openPage(const QString& url);

    std::unique_ptr<PageServer> server;
};

void TestMainWindowBrowser::initTestCase() {
    server = std::make_unique<PageServer>();
    QVERIFY(server->listenLocal());
    server->addPage("/reply", replyPage);
    server->addPage("/empty", "<html><body><p>No form here.</p></body></html>");
    // Whatever the form sends, the board answers with the thread showing the post.
    server->setDefaultScript(ScriptedHttpServer::whole(PageServer::response(
        "200 OK", "Content-Type: text/html; charset=utf-8\r\n", threadPage())));
}

void TestMainWindowBrowser::init() {
    MainWindowFixture::init();
    open();
    QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), u"Complete"_s, webWait);
    messages.entries.clear();
    clipboard.texts.clear();
}

void TestMainWindowBrowser::cleanup() {
    MainWindowFixture::cleanup();
}

QVariant TestMainWindowBrowser::evaluate(const QString& script) {
    auto answer = std::make_shared<std::optional<QVariant>>();
    webPage->webPage()->runJavaScript(script, [answer](const QVariant& v) { *answer = v; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, webWait))
        return {};
    return **answer;
}

void TestMainWindowBrowser::openPage(const QString& url) {
    QSignalSpy completed(&window->browserPage(), &BrowserPage::downloadCompleted);
    window->browserPage().navigate(url);
    QTRY_VERIFY_WITH_TIMEOUT(!completed.isEmpty() && window->browserPage().currentUrl() == url,
                             webWait);
}

void TestMainWindowBrowser::autoInsertSubmitAndTheThreadIsWatched() {
    openPage(server->url(u"/reply"_s));
    control<QLineEdit>(window.get(), "txtSubject")->setText(u"Swap on Saturday & more"_s);
    control<QPlainTextEdit>(window.get(), "txtMessage")
        ->setPlainText(firstLine + u"\nsee http://example.com/a?b=1 </script> ${x}"_s);
    auto* formats = control<QComboBox>(window.get(), "cmbConvert");
    formats->setCurrentIndex(formats->findText(u"ubb"_s));
    const QString converted = window->convertedMessage();

    QTest::mouseClick(control<QPushButton>(window.get(), "cmdMessage"), Qt::LeftButton);
    // A text area reports its line breaks as LF.
    QString expected = converted;
    expected.replace(u"\r\n"_s, u"\n"_s);
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(u"document.getElementById('message').value"_s).toString(),
                              expected, webWait);
    // The form's empty subject field gets the subject, as typed.
    QCOMPARE(evaluate(u"document.getElementById('subject').value"_s).toString(),
             u"Swap on Saturday & more"_s);
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(probe(*program).followUp().insertWatchCount(), 4);

    // The user submits; the board shows the thread, which goes on watch by itself.
    evaluate(u"document.forms[1].submit(); true"_s);
    QTRY_COMPARE_WITH_TIMEOUT(probe(*program).lists().postCount(), 1, webWait);
    const QString thread = probe(*program).lists().posts().at(0).address;
    QVERIFY2(thread.startsWith(server->url(u"/thread?"_s)), qPrintable(thread));
    QTRY_COMPARE_WITH_TIMEOUT(probe(*program).lists().posts().at(0).size,
                              std::optional<qint64>(threadPage().size()), webWait);
    // The row names the thread by its page's title; the address is in its tooltip.
    QCOMPARE(
        probe(*program).lists().threadModel().index(0).data(ThreadModel::AddressRole).toString(),
        thread);
    QCOMPARE(rows(window.get(), "lstPosts").at(0), u"Thread"_s);
    QVERIFY(probe(*program).followUp().insertWatchCount() <= 0);
    QVERIFY(messages.entries.isEmpty());
    // And it is on disk at once, and in the post log.
    QTRY_VERIFY(readBytes(folders->path(u"posts.txt"_s)).startsWith(thread.toUtf8()));
    const PostLogRead log = readPostLog(folders->dataFolder());
    QCOMPARE(log.records.size(), 1);
    QCOMPARE(log.records[0].result, u"watched"_s);
    QCOMPARE(log.records[0].thread, std::optional<QString>(thread));
    QCOMPARE(log.records[0].postingPage, server->url(u"/reply"_s));
    QCOMPARE(log.records[0].queueRun, QString());
}

void TestMainWindowBrowser::pagesWithoutAFieldShowTheError() {
    openPage(server->url(u"/empty"_s));
    QTest::mouseClick(control<QPushButton>(window.get(), "cmdMessage"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(messages.entries.size(), 1, webWait);
    QCOMPARE(messages.entries[0].title, u"Auto-Insert Error"_s);
    QCOMPARE(messages.entries[0].text,
             u"Could not auto-insert your message.  Try pasting instead."_s);
    QCOMPARE(messages.entries[0].icon, MessageIcon::None);
    QVERIFY(probe(*program).followUp().insertWatchCount() <= 0);
}

void TestMainWindowBrowser::pasteEachValueIntoTheFocusedField_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("subject, unconverted") << "cmdPaste0"
                                          << "See http://x/ \"now\"";
    QTest::newRow("user name") << "cmdPaste1"
                               << "ann";
    QTest::newRow("password, unmasked") << "cmdPaste2"
                                        << "pw|x'\\";
    QTest::newRow("message, converted") << "cmdPaste3"
                                        << "a [url=http://x/]http://x/[/url] b\n\n";
}

void TestMainWindowBrowser::pasteEachValueIntoTheFocusedField() {
    QFETCH(QString, button);
    QFETCH(QString, expected);
    QGuiApplication::clipboard()->setText(u"the user's own clipboard"_s);
    // The forum is the page's own site: its password needs no question.
    probe(*program).lists().setLists({{}, {{server->url(u"/"_s), u"ann|pw|x'\\"_s}}});
    auto* forums = control<QListView>(window.get(), "lstPosts2");
    QTest::mouseClick(forums->viewport(), Qt::LeftButton, {},
                      forums->visualRect(forums->model()->index(0, 0)).center());
    control<QLineEdit>(window.get(), "txtSubject")->setText(u"See http://x/ \"now\""_s);
    control<QPlainTextEdit>(window.get(), "txtMessage")->setPlainText(u"a http://x/ b"_s);
    auto* formats = control<QComboBox>(window.get(), "cmbConvert");
    formats->setCurrentIndex(formats->findText(u"ubb"_s));

    openPage(server->url(u"/reply"_s));
    QVERIFY(evaluate(u"document.getElementById('single').focus(); "
                     "document.activeElement.id == 'single'"_s)
                .toBool());
    QTest::mouseClick(control<QPushButton>(window.get(), button.toLatin1().constData()),
                      Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(u"document.getElementById('single').value"_s).toString(),
                              expected.contains(u'\n') ? QString(expected).remove(u'\n') : expected,
                              webWait);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"the user's own clipboard"_s);
    QVERIFY(clipboard.texts.isEmpty());
    // The message pasted arms the follow-up, as Auto-Insert does; the other values do not.
    if (button == u"cmdPaste3") {
        QCOMPARE(probe(*program).followUp().insertWatchCount(), InsertFollowUp::armedDownloads);
        QCOMPARE(probe(*program).followUp().lastInsertedText(),
                 u"a [url=http://x/]http://x/[/url] b\r\n\r\n"_s);
    } else {
        QVERIFY(probe(*program).followUp().insertWatchCount() <= 0);
    }
}

void TestMainWindowBrowser::programEndsWhenTheWebsiteWindowClosesLast() {
    QSignalSpy ended(program.get(), &Program::quitRequested);
    // The Visit button shows only in a build that names a website; its action is the same.
    control<QToolButton>(window.get(), "Command1")->click();
    QWidget* website = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmWebsite") && w->isVisible())
            website = w;
    }
    QVERIFY(website);
    QVERIFY(website->isMaximized());
    QVERIFY(window->close());
    QVERIFY(ended.isEmpty());
    QVERIFY(website->isVisible());
    website->close();
    QCOMPARE(ended.size(), 1);
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestMainWindowBrowser t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_main_window_browser.moc"

// The main window's browser pane as a person uses it: auto-insert into a forum's posting page,
// submit, and find the thread on watch; paste single values; the separate website window.
// Real Qt WebEngine pages, served on 127.0.0.1.
#include "platform/qt/web_engine_page.h"
#include "shell/session.h"
#include "shell/ui/main_window.h"
#include "store/settings_store.h"
#include "support/page_server.h"
#include "support/recording_clipboard.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"
#include "support/window_parts.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWebEnginePage>

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

const QString firstLine = QStringLiteral("Hello forum, it's \"me\" \u2013 Gr\u00fc\u00dfe");

QByteArray threadPage() {
    return "<html><head><title>Thread</title></head><body><div class=\"post\">" +
           firstLine.toHtmlEscaped().toUtf8() + "<br>second line</div></body></html>";
}

} // namespace

class TestMainWindowBrowser : public QObject {
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
    std::unique_ptr<TestFolders> folders;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Session> session;
    std::unique_ptr<WindowParts> parts;
    std::unique_ptr<MainWindow> window;
    RecordingMessages messages;
    RecordingClipboard clipboard;
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
    folders = std::make_unique<TestFolders>();
    settings = std::make_unique<SettingsStore>(folders->settingsFolder());
    session = std::make_unique<Session>(folders->dataFolder(), *settings, messages);
    parts = std::make_unique<WindowParts>(*session, clipboard, messages);
    window = std::make_unique<MainWindow>(parts->parts());
    window->load();
    window->show();
    QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), QStringLiteral("Complete"), webWait);
    messages.entries.clear();
    clipboard.texts.clear();
}

void TestMainWindowBrowser::cleanup() {
    window.reset();
    parts.reset();
    session.reset();
    settings.reset();
    folders.reset();
}

QVariant TestMainWindowBrowser::evaluate(const QString& script) {
    auto answer = std::make_shared<std::optional<QVariant>>();
    parts->webPage->webPage()->runJavaScript(script, [answer](const QVariant& v) { *answer = v; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, webWait))
        return {};
    return **answer;
}

void TestMainWindowBrowser::openPage(const QString& url) {
    QSignalSpy completed(&window->browserPage(), &BrowserPage::downloadCompleted);
    window->navigateBrowser(url);
    QTRY_VERIFY_WITH_TIMEOUT(!completed.isEmpty() && window->browserPage().currentUrl() == url,
                             webWait);
}

void TestMainWindowBrowser::autoInsertSubmitAndTheThreadIsWatched() {
    openPage(server->url(QStringLiteral("/reply")));
    control<QPlainTextEdit>(window.get(), "txtMessage")
        ->setPlainText(firstLine + QStringLiteral("\nsee http://example.com/a?b=1 </script> ${x}"));
    auto* formats = control<QComboBox>(window.get(), "cmbConvert");
    formats->setCurrentIndex(formats->findText(QStringLiteral("ubb")));
    const QString converted = window->convertedMessage();

    QTest::mouseClick(control<QPushButton>(window.get(), "cmdMessage"), Qt::LeftButton);
    // A text area reports its line breaks as LF.
    QString expected = converted;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(QStringLiteral("document.getElementById('message').value"))
                                  .toString(),
                              expected, webWait);
    QCOMPARE(evaluate(QStringLiteral("document.getElementById('subject').value")).toString(),
             QString());
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(window->insertWatchCount(), 4);

    // The user submits; the board shows the thread, which goes on watch by itself.
    evaluate(QStringLiteral("document.forms[1].submit(); true"));
    QTRY_COMPARE_WITH_TIMEOUT(parts->lists.postCount(), 1, webWait);
    const QString thread = parts->lists.posts().at(0).address;
    QVERIFY2(thread.startsWith(server->url(QStringLiteral("/thread?"))), qPrintable(thread));
    QTRY_COMPARE_WITH_TIMEOUT(parts->lists.posts().at(0).size,
                              std::optional<qint64>(threadPage().size()), webWait);
    QCOMPARE(control<QListWidget>(window.get(), "lstPosts")->item(0)->text(), thread);
    QVERIFY(window->insertWatchCount() <= 0);
    QVERIFY(messages.entries.isEmpty());
    // And it is on disk at once.
    QTRY_VERIFY(readBytes(folders->path(QStringLiteral("posts.txt"))).startsWith(thread.toUtf8()));
}

void TestMainWindowBrowser::pagesWithoutAFieldShowTheError() {
    openPage(server->url(QStringLiteral("/empty")));
    QTest::mouseClick(control<QPushButton>(window.get(), "cmdMessage"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(messages.entries.size(), 1, webWait);
    QCOMPARE(messages.entries[0].title, QStringLiteral("Auto-Insert Error"));
    QCOMPARE(messages.entries[0].text,
             QStringLiteral("Could not auto-insert your message.  Try pasting instead."));
    QCOMPARE(messages.entries[0].icon, MessageIcon::None);
    QVERIFY(window->insertWatchCount() <= 0);
}

void TestMainWindowBrowser::pasteEachValueIntoTheFocusedField_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("subject, unconverted") << "cmdPaste0" << "See http://x/ \"now\"";
    QTest::newRow("user name") << "cmdPaste1" << "ann";
    QTest::newRow("password, unmasked") << "cmdPaste2" << "pw|x'\\";
    QTest::newRow("message, converted") << "cmdPaste3"
                                        << "a [url=http://x/ ]http://x/ [/url]b\n\n";
}

void TestMainWindowBrowser::pasteEachValueIntoTheFocusedField() {
    QFETCH(QString, button);
    QFETCH(QString, expected);
    QGuiApplication::clipboard()->setText(QStringLiteral("the user's own clipboard"));
    window->setLists({{}, {{QStringLiteral("http://board/"), QStringLiteral("ann|pw|x'\\")}}});
    auto* forums = control<QListWidget>(window.get(), "lstPosts2");
    QTest::mouseClick(forums->viewport(), Qt::LeftButton, {},
                      forums->visualItemRect(forums->item(0)).center());
    control<QLineEdit>(window.get(), "txtSubject")->setText(QStringLiteral("See http://x/ \"now\""));
    control<QPlainTextEdit>(window.get(), "txtMessage")->setPlainText(QStringLiteral("a http://x/ b"));
    auto* formats = control<QComboBox>(window.get(), "cmbConvert");
    formats->setCurrentIndex(formats->findText(QStringLiteral("ubb")));

    openPage(server->url(QStringLiteral("/reply")));
    QVERIFY(evaluate(QStringLiteral("document.getElementById('single').focus(); "
                                    "document.activeElement.id == 'single'"))
                .toBool());
    QTest::mouseClick(control<QPushButton>(window.get(), button.toLatin1().constData()),
                      Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(
        evaluate(QStringLiteral("document.getElementById('single').value")).toString(),
        expected.contains(u'\n') ? QString(expected).remove(u'\n') : expected, webWait);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the user's own clipboard"));
    QVERIFY(clipboard.texts.isEmpty());
    QVERIFY(window->insertWatchCount() <= 0); // pasting never arms the follow-up
}

void TestMainWindowBrowser::programEndsWhenTheWebsiteWindowClosesLast() {
    QSignalSpy ended(window.get(), &MainWindow::endProcessRequested);
    QTest::mouseClick(control<QToolButton>(window.get(), "Command1"), Qt::LeftButton);
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

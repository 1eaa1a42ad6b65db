// Each forum remembers its own, through the main window: its format, its posting page, and the
// forum row that follows the page shown (with its login for the Paste buttons).
#include "platform/browser_page.h"
#include "shell/ui/lists_pane.h"
#include "support/main_window_fixture.h"
#include "support/page_server.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

constexpr int webWait = 30000;
const QByteArray loginPage = R"(<html><head><title>Log in</title></head><body>
<form><input type="text" id="user"><input type="password" id="pass"></form></body></html>)";

} // namespace

class TestForumMemory : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { MainWindowFixture::cleanup(); }
    void forumKeepsItsFormatAndPostingPage();
    void pageOfAForumsSiteSelectsItsLoginAndFormat();
    void passwordForAnotherSiteIsPastedOnlyWhenConfirmed();

private:
    void openPage(const QString& url);
    ListsPane* pane() const { return window->findChild<ListsPane*>(); }
    QComboBox* formats() const { return control<QComboBox>(window.get(), "cmbConvert"); }
    void chooseFormat(const QString& name);
    // The two forums are two sites: 127.0.0.1 and localhost, served by the same server.
    QString siteA(const QString& path) const { return server->url(path); }
    QString siteB(const QString& path) const {
        return siteA(path).replace(u"127.0.0.1"_s, u"localhost"_s);
    }
    std::unique_ptr<PageServer> server;
};

void TestForumMemory::initTestCase() {
    server = std::make_unique<PageServer>();
    QVERIFY(server->listenLocal());
    for (const char* path : {"/a/", "/a/new", "/b/", "/b/login", "/a/login"})
        server->addPage(path, loginPage);
}

void TestForumMemory::init() {
    MainWindowFixture::init();
    QVERIFY(saveLists(folders->dataFolder(),
                      {{}, {{siteA(u"/a/"_s), u"ann|pw-a"_s}, {siteB(u"/b/"_s), u"bob|pw-b"_s}}})
                .isEmpty());
    open();
    QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), u"Complete"_s, webWait);
}

void TestForumMemory::openPage(const QString& url) {
    // The window follows a page once it has loaded, not when its address shows.
    QSignalSpy loaded(&window->browserPage(), &BrowserPage::downloadCompleted);
    window->browserPage().navigate(url);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), webWait);
    QCOMPARE(window->browserPage().currentUrl(), url);
}

void TestForumMemory::chooseFormat(const QString& name) {
    // As the user does: the drop-down's own choice, not a program's setting of it.
    const int index = formats()->findText(name);
    formats()->setCurrentIndex(index);
    emit formats()->activated(index);
}

void TestForumMemory::forumKeepsItsFormatAndPostingPage() {
    auto* list = control<QListView>(window.get(), "lstPosts2");
    list->setCurrentIndex(list->model()->index(1, 0));
    chooseFormat(u"ubb"_s);
    list->setCurrentIndex(list->model()->index(0, 0));
    chooseFormat(u"html"_s);
    openPage(siteA(u"/a/new"_s));
    pane()->useCurrentPageAsPostingPage();

    // Kept across a restart, beside the lists.
    QVERIFY(window->close());
    open();
    list = control<QListView>(window.get(), "lstPosts2");
    list->setCurrentIndex(list->model()->index(1, 0));
    QCOMPARE(formats()->currentText(), u"ubb"_s);
    list->setCurrentIndex(list->model()->index(0, 0));
    QCOMPARE(formats()->currentText(), u"html"_s);
    QCOMPARE(rowData(window.get(), "lstPosts2", 0, ForumModel::PostingPageRole).toString(),
             siteA(u"/a/new"_s));
    QCOMPARE(rowData(window.get(), "lstPosts2", 1, ForumModel::PostingPageRole).toString(),
             QString());
    // posts2.txt keeps its format: address and login only.
    QCOMPARE(readBytes(folders->path(u"posts2.txt"_s)),
             (siteA(u"/a/"_s) + u"|ann|pw-a\r\n\r\n"_s + siteB(u"/b/"_s) + u"|bob|pw-b\r\n\r\n"_s)
                 .toUtf8());
}

void TestForumMemory::pageOfAForumsSiteSelectsItsLoginAndFormat() {
    auto* list = control<QListView>(window.get(), "lstPosts2");
    list->setCurrentIndex(list->model()->index(1, 0));
    chooseFormat(u"ezboard"_s);
    list->setCurrentIndex(list->model()->index(0, 0));
    chooseFormat(u"text"_s);

    openPage(siteB(u"/b/login"_s));
    QCOMPARE(list->currentIndex().row(), 1);
    QCOMPARE(control<QLineEdit>(window.get(), "txtUsername")->text(), u"bob"_s);
    QCOMPARE(formats()->currentText(), u"ezboard"_s);
    openPage(siteA(u"/a/login"_s));
    QCOMPARE(list->currentIndex().row(), 0);
    QCOMPARE(control<QLineEdit>(window.get(), "txtPassword")->text(), u"pw-a"_s);
    QCOMPARE(formats()->currentText(), u"text"_s);
}

void TestForumMemory::passwordForAnotherSiteIsPastedOnlyWhenConfirmed() {
    openPage(siteB(u"/b/login"_s));
    // The user picks the other forum by hand, then pastes its password into this page.
    auto* list = control<QListView>(window.get(), "lstPosts2");
    list->setCurrentIndex(list->model()->index(0, 0));
    auto field = [this] {
        auto answer = std::make_shared<std::optional<QVariant>>();
        webPage->webPage()->runJavaScript(u"document.getElementById('pass').value"_s,
                                          [answer](const QVariant& v) { *answer = v; });
        (void)QTest::qWaitFor([&] { return answer->has_value(); }, webWait);
        return answer->value_or(QVariant()).toString();
    };
    webPage->webPage()->runJavaScript(u"document.getElementById('pass').focus()"_s);
    messages.answers = {1}; // Cancel
    QTest::mouseClick(control<QPushButton>(window.get(), "cmdPaste2"), Qt::LeftButton);
    QCOMPARE(messages.entries.size(), 1);
    QCOMPARE(messages.entries[0].buttons, QStringList({u"Paste"_s, u"Cancel"_s}));
    QTest::qWait(200); // nothing is on its way to the page
    QCOMPARE(field(), QString());

    messages.answers = {0}; // Paste
    webPage->webPage()->runJavaScript(u"document.getElementById('pass').focus()"_s);
    QTest::mouseClick(control<QPushButton>(window.get(), "cmdPaste2"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(field(), u"pw-a"_s, webWait);
    // Which pages ask at all is the program's rule (tst_browser_paste_rule).
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestForumMemory t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_forum_memory.moc"

// The About and help windows, the menu items that open them, the help window at start-up, the
// skin at the end of the main window's start-up and the start page's own address.
#include "platform/browser_page.h"
#include "shell/branding.h"
#include "shell/ui/about_window.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_window.h"
#include "shell/ui/splash_window.h"
#include "skin/skin_engine.h"
#include "skin/ui/skin_label.h"
#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/main_window_fixture.h"
#include "support/recording_clipboard.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

constexpr int webWait = 30000;

QWidget* openWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    }
    return nullptr;
}

int openWindows(const char* name) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->objectName() == QLatin1String(name) && w->isVisible() ? 1 : 0;
    return n;
}

QStringList arrayTexts(const QWidget* window, const char* array) {
    QStringList texts;
    for (const SkinLabel* element : skinLabelArray(window, QString::fromLatin1(array))) {
        if (element->index() > 0)
            texts << element->text();
    }
    return texts;
}

} // namespace

class TestInfoWindows : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aboutShowsNameVersionOwnerAndWebsite();
    void helpShowsTheGuideOnTop();
    void showAtStartupFollowsTheSetting_data();
    void showAtStartupFollowsTheSetting();
    void missingHelpTextKeepsTheWindowClosed();
    void firstStartOpensTheHelpAndUntickingKeepsItClosed();
    void menusOpenHelpAndAbout();
    void mainWindowWearsTheSkinWithItsSkinLabels();
    void closingUnloadsSplashAndHelpAndShutsTheEngineDown();
    void startPageReadsWellAndIsNoWebPage();

private:
    MainWindow* startMainWindow();
    QString showHelpSetting() {
        return settings->getSetting(settingsApplication(), u"Settings"_s, u"showHelp"_s,
                                    u"<none>"_s);
    }
};

void TestInfoWindows::init() {
    MainWindowFixture::init();
    // The help window's tests need the program, not its window.
    open(nullptr, nullptr, false);
}

void TestInfoWindows::cleanup() {
    MainWindowFixture::cleanup();
    SplashWindow::unload();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isWindow() && w->objectName() != QLatin1String("frmWebsite"))
            w->close();
    }
}

// The program's start: the splash window, then the main window on its 75th tick.
MainWindow* TestInfoWindows::startMainWindow() {
    open(nullptr, nullptr, false);
    SplashWindow* splash = SplashWindow::load();
    splash->stopTimer();
    connect(splash, &SplashWindow::mainWindowDue, window.get(), [this] {
        window->load();
        window->show();
    });
    for (int tick = 0; tick < 75; ++tick)
        splash->tick();
    return window.get();
}

void TestInfoWindows::aboutShowsNameVersionOwnerAndWebsite() {
    AboutWindow about;
    about.load();
    const Branding b = loadBranding();
    QCOMPARE(about.objectName(), u"frmAbout"_s);
    QCOMPARE(about.windowTitle(), u"About Quillbox"_s);
    const QList<std::pair<const char*, QString>> labels{
        {"Label1", u"Quillbox"_s},
        {"Label2", u"Version:"_s},
        {"lblVersion", u"2.0"_s},
        {"Label3", u"Owned By:"_s},
        {"lblCompany", b.companyName},
        {"Label4", u"Website:"_s},
        {"lblWebsite", b.websiteConfigured ? b.websiteAddress : QString()},
        {"Label5", AboutWindow::ownershipNotice()}};
    QStringList texts;
    for (const auto& [name, text] : labels) {
        QCOMPARE(control<QLabel>(&about, name)->text(), text);
        texts << text;
    }
    QVERIFY(!b.companyName.isEmpty());
    QVERIFY(!control<QLabel>(&about, "Picture1")->pixmap().isNull());
    // Every label has its skin label over it, in the window's order.
    QCOMPARE(arrayTexts(&about, "SkinLabel1"), texts);
}

void TestInfoWindows::helpShowsTheGuideOnTop() {
    HelpWindow help(*program);
    QVERIFY(help.load());
    help.show();
    QCOMPARE(help.objectName(), u"Form8"_s);
    QCOMPARE(help.windowTitle(), u"Readme/Help"_s);
    QVERIFY(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QString guide = control<QTextBrowser>(&help, "rtf1")->toPlainText();
    for (const char* topic :
         {"Auto-Insert", "Your Forums", "Check for new replies", "Save and Close", "posts2.txt",
          "quillbox-convert", "quillbox-check", "Quit without saving"})
        QVERIFY2(guide.contains(QString::fromLatin1(topic)), topic);
    QCOMPARE(control<QCheckBox>(&help, "Check1")->text(), u"Show at Startup"_s);
}

void TestInfoWindows::showAtStartupFollowsTheSetting_data() {
    QTest::addColumn<QString>("stored"); // "<none>": nothing stored
    QTest::addColumn<bool>("ticked");
    QTest::newRow("first start") << "<none>" << true;
    QTest::newRow("shown") << "1" << true;
    QTest::newRow("not shown") << "0" << false;
    QTest::newRow("zero among blanks") << " 0 " << false;
    QTest::newRow("not a number") << "yes" << true;
}

void TestInfoWindows::showAtStartupFollowsTheSetting() {
    QFETCH(QString, stored);
    QFETCH(bool, ticked);
    if (stored != QLatin1String("<none>"))
        settings->saveSetting(settingsApplication(), u"Settings"_s, u"showHelp"_s, stored);
    HelpWindow help(*program);
    QVERIFY(help.load());
    auto* box = control<QCheckBox>(&help, "Check1");
    QCOMPARE(box->isChecked(), ticked);
    // The load stores only what it changed; every click stores the box's value.
    QCOMPARE(showHelpSetting(), ticked ? stored : u"0"_s);
    box->click();
    QCOMPARE(showHelpSetting(), ticked ? u"0"_s : u"1"_s);
    box->click();
    QCOMPARE(showHelpSetting(), ticked ? u"1"_s : u"0"_s);
}

void TestInfoWindows::missingHelpTextKeepsTheWindowClosed() {
    HelpWindow help(*program, folders->path(u"no-help.html"_s));
    QVERIFY(!help.load());
    QVERIFY(!help.isVisible());
    QCOMPARE(showHelpSetting(), u"<none>"_s);
}

void TestInfoWindows::firstStartOpensTheHelpAndUntickingKeepsItClosed() {
    startMainWindow();
    QWidget* help = openWindow("Form8");
    QVERIFY(help);
    QVERIFY(control<QCheckBox>(help, "Check1")->isChecked());
    control<QCheckBox>(help, "Check1")->click();
    QCOMPARE(showHelpSetting(), u"0"_s);
    QVERIFY(window->close());

    startMainWindow();
    QVERIFY(window->isVisible());
    QCOMPARE(openWindows("Form8"), 0);
}

void TestInfoWindows::menusOpenHelpAndAbout() {
    settings->saveSetting(settingsApplication(), u"Settings"_s, u"showHelp"_s, u"0"_s);
    startMainWindow();
    QCOMPARE(openWindows("Form8"), 0);
    auto* viewHelp = control<QAction>(window.get(), "aboutMenuItem0");
    auto* about = control<QAction>(window.get(), "mnuAboutItem0");
    QVERIFY(viewHelp->isEnabled());
    QVERIFY(about->isEnabled());

    viewHelp->trigger();
    viewHelp->trigger(); // an open help window is shown again, not made twice
    QCOMPARE(openWindows("Form8"), 1);
    openWindow("Form8")->close();
    QTRY_COMPARE(openWindows("Form8"), 0);
    viewHelp->trigger();
    QCOMPARE(openWindows("Form8"), 1);

    about->trigger();
    about->trigger();
    QCOMPARE(openWindows("frmAbout"), 1);
    QCOMPARE(openWindow("frmAbout")->windowTitle(), u"About Quillbox"_s);
}

void TestInfoWindows::mainWindowWearsTheSkinWithItsSkinLabels() {
    startMainWindow();
    QCOMPARE(window->property("skin").toString(), u"Gem Blue"_s);
    QCOMPARE(arrayTexts(window.get(), "SkinLabel1"), QStringList{u"as"_s});
    QCOMPARE(arrayTexts(window.get(), "SkinLabel2"), QStringList({u"Subject:"_s, u"Message:"_s}));
    QCOMPARE(arrayTexts(window.get(), "SkinLabel3"), QStringList{u"URL:"_s});
    for (const char* name : {"SkinLabel4", "SkinLabel5", "SkinLabel6", "SkinLabel7"})
        QVERIFY(qobject_cast<SkinLabel*>(control<QLabel>(window.get(), name)));
    auto* subject = control<QLineEdit>(window.get(), "txtSubject");
    QCOMPARE(subject->property("skinColouring").toString(), u"BackgroundAndText"_s);
    QCOMPARE(subject->palette().color(QPalette::Base).name(), u"#ffffff"_s);
    // The clone over "URL:" leaves the address box in front of it.
    const QWidget* address = control<QLineEdit>(window.get(), "Text5");
    const QObjectList& order = address->parentWidget()->children();
    QVERIFY(order.indexOf(skinLabelArray(window.get(), u"SkinLabel3"_s)[1]) <
            order.indexOf(address));
}

void TestInfoWindows::closingUnloadsSplashAndHelpAndShutsTheEngineDown() {
    startMainWindow();
    QVERIFY(SplashWindow::loaded());
    QVERIFY(openWindow("Form8"));
    QVERIFY(SkinEngine::instance().running());
    QSignalSpy ended(program.get(), &Program::quitRequested);
    QVERIFY(window->close());
    QCOMPARE(ended.size(), 1);
    QVERIFY(!SplashWindow::loaded());
    QCOMPARE(openWindows("Form8"), 0);
    QCOMPARE(SkinEngine::instance().state(), SkinEngine::State::ShutDown);
}

void TestInfoWindows::startPageReadsWellAndIsNoWebPage() {
    startMainWindow();
    QCOMPARE(startPageAddress(), u"quillbox:start"_s);
    // The start page is no website to visit: the button tells of none.
    QVERIFY(!control<QToolButton>(window.get(), "Command1")->text().contains(u"quillbox:"_s));
    auto* view = control<QWebEngineView>(window.get(), "WebBrowser1");
    QTRY_COMPARE_WITH_TIMEOUT(view->title(), u"Quillbox"_s, webWait);
    QTRY_COMPARE_WITH_TIMEOUT(control<QLineEdit>(window.get(), "Text5")->text(),
                              u"quillbox:start"_s, webWait);

    // The start page cannot be put on a list: the fetcher would find nothing on the web there.
    messages.entries.clear();
    QTest::mouseClick(control<QPushButton>(window.get(), "cmdAdd2"), Qt::LeftButton);
    QCOMPARE(int(rows(window.get(), "lstPosts2").size()), 0);
    control<QToolButton>(window.get(), "cmdAdd")->click();
    QCOMPARE(int(rows(window.get(), "lstPosts").size()), 0);
    QCOMPARE(messages.entries.size(), 2);
    for (const RecordingMessages::Entry& e : messages.entries)
        QVERIFY(e.text.startsWith(u"An error has occurred.\r\nError #: 1002"_s));

    // Visit opens it in the separate browser window (the button shows only in a build that
    // names a website; its action is the same).
    control<QToolButton>(window.get(), "Command1")->click();
    QWidget* website = openWindow("frmWebsite");
    QVERIFY(website);
    QTRY_COMPARE_WITH_TIMEOUT(control<QLineEdit>(website, "Text1")->text(), u"quillbox:start"_s,
                              webWait);
    QTRY_COMPARE_WITH_TIMEOUT(website->windowTitle(), u"Quillbox"_s, webWait);
    QCOMPARE(website->property("skin").toString(), u"Gem Blue"_s);
    QCOMPARE(arrayTexts(website, "SkinLabel1"), QStringList{u"URL:"_s});
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestInfoWindows t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_info_windows.moc"

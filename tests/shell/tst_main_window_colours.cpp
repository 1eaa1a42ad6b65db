// The skin or the desktop's own colours: the View menu's switch, kept for the next start, over
// every window of the program, following the desktop's palette as it changes.
#include "shell/ui/splash_window.h"
#include "skin/ui/apply_skin.h"
#include "store/app_settings.h"
#include "support/main_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

// A dark desktop: light text on dark grounds.
QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2a, 0x2a, 0x2e));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Base, QColor(0x1c, 0x1c, 0x20));
    p.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    p.setColor(QPalette::Button, QColor(0x33, 0x33, 0x38));
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    return p;
}

QString baseOf(const QWidget* w) {
    return w->palette().color(QPalette::Base).name();
}

} // namespace

class TestMainWindowColours : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void skinIsTheDefault();
    void systemColoursFollowTheDesktopAndAreKept();

private:
    void start();
    QAction* colourItem() const;
    QPalette m_original;
};

void TestMainWindowColours::init() {
    m_original = QApplication::palette();
    MainWindowFixture::init();
}

void TestMainWindowColours::cleanup() {
    MainWindowFixture::cleanup();
    SplashWindow::unload();
    setSystemColours(false);
    QApplication::setPalette(m_original);
}

// The program's start: the splash window, which carries the skin, then the main window.
void TestMainWindowColours::start() {
    open(nullptr, nullptr, false);
    SplashWindow* splash = SplashWindow::load();
    splash->stopTimer();
    connect(splash, &SplashWindow::mainWindowDue, window.get(), [this] {
        window->load();
        window->show();
    });
    for (int tick = 0; tick < 75; ++tick)
        splash->tick();
}

QAction* TestMainWindowColours::colourItem() const {
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->text() == u"Use the system's colours"_s)
            return a;
    }
    return nullptr;
}

void TestMainWindowColours::skinIsTheDefault() {
    start();
    QVERIFY(colourItem());
    QVERIFY(colourItem()->isCheckable());
    QVERIFY(!colourItem()->isChecked());
    QCOMPARE(window->property("skin").toString(), u"Gem Blue"_s);
    // A dark desktop does not darken the skin.
    QApplication::setPalette(darkPalette());
    QCOMPARE(baseOf(control<QLineEdit>(window.get(), "txtSubject")), u"#ffffff"_s);
    QCOMPARE(setting(u"Settings"_s, u"useSystemColours"_s), u"<none>"_s);
}

void TestMainWindowColours::systemColoursFollowTheDesktopAndAreKept() {
    QApplication::setPalette(darkPalette());
    start();
    colourItem()->trigger();
    QVERIFY(colourItem()->isChecked());
    QVERIFY(!window->property("skin").isValid());
    QVERIFY(window->styleSheet().isEmpty());
    auto* subject = control<QLineEdit>(window.get(), "txtSubject");
    QCOMPARE(baseOf(subject), u"#1c1c20"_s);
    QCOMPARE(window->palette().color(QPalette::Window).name(), u"#2a2a2e"_s);
    QCOMPARE(setting(u"Settings"_s, u"useSystemColours"_s), u"1"_s);
    // The splash window, skinned before the choice, takes its skin off too.
    QVERIFY(!SplashWindow::load()->property("skin").isValid());

    // The desktop changing its colours while the program runs.
    QPalette other = darkPalette();
    other.setColor(QPalette::Base, QColor(0x30, 0x10, 0x10));
    QApplication::setPalette(other);
    QTRY_COMPARE(baseOf(subject), u"#301010"_s);
    QApplication::setPalette(darkPalette());

    // The next start keeps the choice, and windows opened later never wear the skin.
    close();
    SplashWindow::unload();
    setSystemColours(false);
    start();
    QVERIFY(colourItem()->isChecked());
    QVERIFY(!window->property("skin").isValid());
    QCOMPARE(baseOf(control<QLineEdit>(window.get(), "txtSubject")), u"#1c1c20"_s);
    control<QAction>(window.get(), "mnuAboutItem0")->trigger();
    QWidget* about = nullptr;
    QTRY_VERIFY((about = window->findChild<QWidget*>(u"frmAbout"_s)) || [&about] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"frmAbout"_s && w->isVisible())
                about = w;
        return about != nullptr;
    }());
    QVERIFY(!about->property("skin").isValid());

    // Back to the skin: every window wears it again.
    colourItem()->trigger();
    QVERIFY(!colourItem()->isChecked());
    QCOMPARE(window->property("skin").toString(), u"Gem Blue"_s);
    QCOMPARE(about->property("skin").toString(), u"Gem Blue"_s);
    QCOMPARE(baseOf(control<QLineEdit>(window.get(), "txtSubject")), u"#ffffff"_s);
    QCOMPARE(setting(u"Settings"_s, u"useSystemColours"_s), u"0"_s);
    about->close();
}

QTEST_MAIN(TestMainWindowColours)
#include "tst_main_window_colours.moc"

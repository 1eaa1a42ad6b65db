// The splash window: the shared skin object and the engine at its load, the main window due on
// the 75th tick of its timer and only then, and the way applySkin brings it back.
#include "shell/ui/splash_window.h"
#include "skin/skin_engine.h"
#include "skin/ui/apply_skin.h"
#include "skin/ui/skin_control.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

using namespace quillbox;

class TestSplashWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void loadPreparesTheSkinAndEnablesTheTimer();
    void mainWindowIsDueOnThe75thTickOnlyOnce();
    void itsOwnTimerShowsTheMainWindowOnce();
    void unloadTakesTheSharedSkinObjectAlong();
    void applySkinLoadsTheSplashAgainWithoutItsStartUp();
};

void TestSplashWindow::cleanup() {
    SplashWindow::unload();
}

void TestSplashWindow::loadPreparesTheSkinAndEnablesTheTimer() {
    SplashWindow* splash = SplashWindow::load();
    QCOMPARE(splash->objectName(), u"frmSplash"_s);
    QCOMPARE(SplashWindow::load(), splash); // loaded once
    QCOMPARE(SkinControl::shared(), splash->skin());
    QCOMPARE(splash->skin()->objectName(), u"skn"_s);
    QCOMPARE(splash->skin()->skin().description, u"Gem Blue"_s);
    QCOMPARE(splash->property("skin").toString(), u"Gem Blue"_s);
    QVERIFY(SkinEngine::instance().running());
    QVERIFY(splash->timerEnabled());
    QCOMPARE(splash->findChild<QTimer*>(u"Timer2"_s)->interval(), 2);
    QCOMPARE(splash->count(), 0);
    QVERIFY(!splash->findChild<QLabel*>(u"Image1"_s)->pixmap().isNull());
}

void TestSplashWindow::mainWindowIsDueOnThe75thTickOnlyOnce() {
    SplashWindow* splash = SplashWindow::load();
    splash->stopTimer(); // the test is the clock
    splash->show();
    QSignalSpy due(splash, &SplashWindow::mainWindowDue);
    for (int tick = 1; tick < 75; ++tick) {
        splash->tick();
        QCOMPARE(splash->count(), tick * 2);
    }
    QCOMPARE(due.size(), 0);
    QVERIFY(splash->isVisible());
    splash->tick();
    QCOMPARE(splash->count(), 150);
    QCOMPARE(due.size(), 1);
    QVERIFY(!splash->isVisible());
    QVERIFY(!splash->timerEnabled());
    QCOMPARE(SplashWindow::loaded(), splash); // stays loaded: it owns the skin
    for (int tick = 0; tick < 10; ++tick)
        splash->tick();
    QCOMPARE(due.size(), 1);
}

void TestSplashWindow::itsOwnTimerShowsTheMainWindowOnce() {
    SplashWindow* splash = SplashWindow::load();
    splash->show();
    QSignalSpy due(splash, &SplashWindow::mainWindowDue);
    QTRY_COMPARE(due.size(), 1);
    QCOMPARE(splash->count(), 150);
    QVERIFY(!splash->timerEnabled());
    QVERIFY(!splash->isVisible());
}

void TestSplashWindow::unloadTakesTheSharedSkinObjectAlong() {
    const QPointer<SplashWindow> splash = SplashWindow::load();
    SplashWindow::unload();
    QVERIFY(!splash);
    QVERIFY(!SplashWindow::loaded());
    QVERIFY(!SkinControl::shared());
}

void TestSplashWindow::applySkinLoadsTheSplashAgainWithoutItsStartUp() {
    SplashWindow::load();
    SplashWindow::unload(); // as the main window's shutdown does
    QWidget popup;
    auto* button = new QPushButton(u"OK"_s, &popup);
    QVERIFY(applySkin(&popup));

    SplashWindow* splash = SplashWindow::loaded();
    QVERIFY(splash);
    QCOMPARE(SkinControl::shared(), splash->skin());
    QVERIFY(!splash->isVisible());
    QVERIFY(!splash->timerEnabled());
    QCOMPARE(popup.property("skin").toString(), u"Gem Blue"_s);
    QCOMPARE(button->property("skinColouring").toString(), u"Background"_s);
    // Its start-up never runs: with the timer disabled no tick comes.
    QSignalSpy due(splash, &SplashWindow::mainWindowDue);
    QCoreApplication::processEvents();
    QCOMPARE(splash->count(), 0);
    QCOMPARE(due.size(), 0);
}

QTEST_MAIN(TestSplashWindow)
#include "tst_splash_window.moc"

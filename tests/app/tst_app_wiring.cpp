// The program's wiring as main() uses it: a termination signal closes a started window as the
// user would, the splash window's wait ends in the main window, and a program ended during that
// wait never shows it.
#include "app/app_wiring.h"
#include "app/termination_signals.h"
#include "shell/ui/splash_window.h"
#include "support/main_window_fixture.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>

using namespace quillbox;
using namespace quillbox::test;

class TestAppWiring : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init() { MainWindowFixture::init(); }
    void cleanup();
    void terminationSignalClosesTheStartedWindow();
    void splashWindowOpensTheMainWindowWhenDue();
    void programEndedDuringTheSplashNeverShowsItsWindow();
};

void TestAppWiring::cleanup() {
    MainWindowFixture::cleanup();
    SplashWindow::unload();
}

void TestAppWiring::terminationSignalClosesTheStartedWindow() {
    TerminationSignals termination;
    // As at a real start: a signal before the program has started would end the test run.
    termination.setStarting(true);
    open(nullptr, nullptr, false);
    wiring->followTerminationSignals(termination);
    wiring->showWindow();
    QVERIFY(window->isVisible());
    QSignalSpy ended(program.get(), &Program::quitRequested);
    std::raise(SIGTERM);
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(ended.size(), 1);
}

void TestAppWiring::splashWindowOpensTheMainWindowWhenDue() {
    SplashWindow* splash = SplashWindow::load();
    splash->stopTimer(); // the test is the clock
    open(nullptr, nullptr, false);
    wiring->openAfter(splash);
    for (int tick = 1; tick < SplashWindow::countWhenDue / SplashWindow::countPerTick; ++tick)
        splash->tick();
    QVERIFY(!window->isVisible());
    splash->tick();
    QVERIFY(window->isVisible());
    // Loaded, as a start loads it: the program's caption is on it.
    QCOMPARE(window->windowTitle(), program->windowTitle());
}

void TestAppWiring::programEndedDuringTheSplashNeverShowsItsWindow() {
    SplashWindow* splash = SplashWindow::load();
    QVERIFY(splash->timerEnabled());
    open(nullptr, nullptr, false);
    wiring->openAfter(splash);
    program->endProcess();
    QVERIFY(!splash->timerEnabled());
    QTest::qWait(100);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestAppWiring)
#include "tst_app_wiring.moc"

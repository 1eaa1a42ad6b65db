#include "app/app_wiring.h"

#include "app/cookie_mirror.h"
#include "app/termination_signals.h"
#include "shell/ui/main_window.h"
#include "shell/ui/splash_window.h"

#include <QCoreApplication>

namespace quillbox {

AppWiring::AppWiring(const ProgramSeams& seams, QWidget* pageView, Clipboard& clipboard)
    : m_program(std::make_unique<Program>(seams)),
      m_window(std::make_unique<MainWindow>(*m_program, seams.page, pageView, clipboard)) {
    // Queued, so the window that asked to end has finished closing first. Outside the
    // application's own event loop (a test's) quitting does nothing.
    QObject::connect(m_program.get(), &Program::quitRequested, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // Quitting mid-check applies nothing of it.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, m_program.get(),
                     &Program::abandonChecks);
}

AppWiring::~AppWiring() {
    m_window.reset();
    m_cookieMirror.reset();
    m_program.reset();
}

void AppWiring::listen(SingleInstance& instance) {
    m_program->listen(instance);
}

void AppWiring::mirrorCookies(QWebEngineProfile* profile) {
    m_cookieMirror = std::make_unique<CookieMirror>(profile, *m_program);
}

void AppWiring::followTerminationSignals(TerminationSignals& termination) {
    QObject::connect(&termination, &TerminationSignals::terminationRequested, m_window.get(),
                     &QWidget::close);
    QObject::connect(m_program.get(), &Program::started, &termination,
                     [&termination] { termination.setStarting(false); });
}

void AppWiring::openAfter(SplashWindow* splash) {
    QObject::connect(m_program.get(), &Program::quitRequested, splash, &SplashWindow::stopTimer);
    QObject::connect(splash, &SplashWindow::mainWindowDue, m_window.get(), [this] { open(); });
}

void AppWiring::showWindow() {
    m_window->load();
    m_window->show();
}

void AppWiring::open() {
    showWindow();
    m_program->startBackgroundChecks();
}

} // namespace quillbox

#include "app/exit_when_shown.h"

#include "shell/program.h"
#include "shell/ui/splash_window.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace quillbox {

ExitWhenShown::ExitWhenShown(QObject* parent) : QObject(parent) {
    m_sinceStart.start();
}

bool ExitWhenShown::requested() {
    return qEnvironmentVariable("QUILLBOX_EXIT_WHEN_SHOWN") == QLatin1String("1");
}

void ExitWhenShown::watchStart(QWidget* window, SplashWindow* splash) {
    if (!requested())
        return;
    m_window = window;
    qApp->installEventFilter(this);
    // The splash window's ticks run from the event loop's start: what remains of its wait.
    QTimer::singleShot(0, this, [this] { m_splashStart = m_sinceStart.elapsed(); });
    connect(splash, &SplashWindow::mainWindowDue, this,
            [this] { m_splashEnd = m_sinceStart.elapsed(); });
}

void ExitWhenShown::watchListState(const Program& program) {
    if (!requested())
        return;
    m_stateWatched = true;
    connect(&program, &Program::listStateApplied, this, [this] {
        m_stateAt = m_sinceStart.elapsed();
        finishWhenAllSeen();
    });
}

void ExitWhenShown::finishWhenAllSeen() {
    if (!m_done || (m_stateWatched && m_stateAt < 0))
        return;
    if (m_stateWatched) {
        std::printf("state %lld\n", static_cast<long long>(m_stateAt));
        std::fflush(stdout);
    }
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

bool ExitWhenShown::eventFilter(QObject* watched, QEvent* event) {
    // The first paint of the window or of anything in it.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!m_done && event->type() == QEvent::Paint && widget && widget->window() == m_window) {
        m_done = true;
        std::printf("shown %lld splash %lld\n", static_cast<long long>(m_sinceStart.elapsed()),
                    static_cast<long long>(m_splashEnd - m_splashStart));
        std::fflush(stdout);
        finishWhenAllSeen();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillbox

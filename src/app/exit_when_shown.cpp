#include "app/exit_when_shown.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace quillbox {

ExitWhenShown::ExitWhenShown(QObject* parent) : QObject(parent) {}

bool ExitWhenShown::requested() {
    return qEnvironmentVariable("QUILLBOX_EXIT_WHEN_SHOWN") == QLatin1String("1");
}

void ExitWhenShown::watch(QWidget* window) {
    m_window = window;
    qApp->installEventFilter(this);
}

bool ExitWhenShown::eventFilter(QObject* watched, QEvent* event) {
    // The first paint of the window or of anything in it.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!m_done && event->type() == QEvent::Paint && widget && widget->window() == m_window) {
        m_done = true;
        std::printf("shown %lld splash %lld\n", static_cast<long long>(m_sinceStart.elapsed()),
                    static_cast<long long>(m_splashEnd - m_splashStart));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillbox

// The yardstick for Quillbox's start-up: a Qt WebEngine program that only shows one view with a
// small page. Prints "shown <ms>" (since main() began) once the view has painted, then quits.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>

namespace {

// The first paint of the window or of anything in it.
class FirstPaint : public QObject {
public:
    FirstPaint(const QElapsedTimer& clock, QWidget* window) : m_clock(clock), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!m_done && event->type() == QEvent::Paint && widget && widget->window() == m_window) {
            m_done = true;
            std::printf("shown %lld\n", static_cast<long long>(m_clock.elapsed()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
    QWidget* m_window;
    bool m_done = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    FirstPaint firstPaint(clock, &view);
    app.installEventFilter(&firstPaint);
    view.setHtml(QStringLiteral("<!DOCTYPE html><html><head><title>Start</title></head>"
                                "<body><h1>Hello</h1><p>One view, one page.</p></body></html>"));
    view.resize(745, 600);
    view.show();
    return app.exec();
}

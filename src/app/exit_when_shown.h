#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWidget;

namespace quillbox {

class Program;
class SplashWindow;

// For measuring start-up: when QUILLBOX_EXIT_WHEN_SHOWN=1 is set, the program prints
// "shown <ms> splash <ms>" on standard output once the main window has painted (milliseconds
// since main() began, and of them the splash window's wait), then "state <ms>" once the state
// beside the lists is on them (at once, or after the window shows for many thousand threads),
// then quits without saving.
class ExitWhenShown final : public QObject {
    Q_DISABLE_COPY_MOVE(ExitWhenShown)

public:
    explicit ExitWhenShown(QObject* parent = nullptr);

    static bool requested();

    // When requested, measures from now on: the splash window's wait (from the event loop's
    // start to its mainWindowDue) and the first paint of the main window.
    void watchStart(QWidget* window, SplashWindow* splash);
    // And when the lists' state is on the lists (Program::listStateApplied).
    void watchListState(const Program& program);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer m_sinceStart;
    qint64 m_splashStart = 0;
    qint64 m_splashEnd = 0;
    QWidget* m_window = nullptr;
    qint64 m_stateAt = -1; // -1: not yet, or not watched
    bool m_stateWatched = false;
    bool m_done = false;

    void finishWhenAllSeen();
};

} // namespace quillbox

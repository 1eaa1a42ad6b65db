#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWidget;

namespace quillbox {

// For measuring start-up: when QUILLBOX_EXIT_WHEN_SHOWN=1 is set, the program prints
// "shown <ms> splash <ms>" on standard output once the main window has painted (milliseconds
// since main() began, and of them the splash window's wait), then quits without saving.
class ExitWhenShown : public QObject {
public:
    explicit ExitWhenShown(QObject* parent = nullptr);

    static bool requested();

    // Call at the start of main() and when the splash window's wait begins and ends.
    void programStarted() { m_sinceStart.start(); }
    void splashWaitStarted() { m_splashStart = m_sinceStart.elapsed(); }
    void splashWaitEnded() { m_splashEnd = m_sinceStart.elapsed(); }
    void watch(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer m_sinceStart;
    qint64 m_splashStart = 0;
    qint64 m_splashEnd = 0;
    QWidget* m_window = nullptr;
    bool m_done = false;
};

} // namespace quillbox

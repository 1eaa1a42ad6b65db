#pragma once

#include <QObject>

class QSocketNotifier;

namespace quillbox {

// Turns SIGTERM, SIGINT and SIGHUP (a desktop logout, a kill, Ctrl+C in a terminal) into a
// Qt signal on the main thread, so the program can save and close as if the user closed it.
class TerminationSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminationSignals)
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // While the program starts (its window loading, a start-up message box open), a signal ends
    // the program at once, as if it had no handler, instead of closing a window that is only half
    // made: nothing has been changed yet, and every file is written whole or not at all.
    void setStarting(bool starting);

signals:
    void terminationRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace quillbox

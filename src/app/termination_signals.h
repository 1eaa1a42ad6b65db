#pragma once

#include <QObject>

class QSocketNotifier;

namespace quillbox {

// Turns SIGTERM, SIGINT and SIGHUP (a desktop logout, a kill, Ctrl+C in a terminal) into a
// Qt signal on the main thread, so the program can save and close as if the user closed it.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace quillbox

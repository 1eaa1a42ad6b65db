#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace quillbox {

class PostQueue;

// The strip above the browser pane while forums are posted to one after the other: where the
// run stands ("2 of 5: forum name"), what it waits for, the last forum passed over and why,
// and "Next Forum", "Skip" and "Stop", each with a mnemonic. It shows itself while a run goes
// on; when the run ends it sums up what happened and stays until dismissed, offering "Retry
// Skipped" when forums were passed over.
class QueueStrip final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QueueStrip)

public:
    explicit QueueStrip(const PostQueue& queue, QWidget* parent = nullptr);

signals:
    // The buttons of a run going on: the run's owner moves it on, skips a forum or stops it.
    void nextRequested();
    void skipRequested();
    void stopRequested();
    // "Retry Skipped": post again to the forums the run passed over.
    void retrySkippedRequested();
    // The summary was put away: the strip has hidden.
    void dismissed();

private:
    void refresh();

    const PostQueue& m_queue;
    QLabel* progressLabel = nullptr;
    QLabel* stateLabel = nullptr;
    QLabel* noteLabel = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* skipButton = nullptr;
    QPushButton* stopButton = nullptr;
    QPushButton* retryButton = nullptr;
    QPushButton* dismissButton = nullptr;
    bool m_dismissed = true; // the last run's summary was put away (or there is none)
};

} // namespace quillbox

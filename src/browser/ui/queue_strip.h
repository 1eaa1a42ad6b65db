#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace quillbox {

class PostQueue;

// The strip above the browser pane while forums are posted to one after the other: where the
// run stands ("2 of 5: forum name"), what it waits for, the last forum passed over and why,
// and "Next Forum", "Skip" and "Stop", each with a mnemonic. It shows itself while a run goes
// on and hides when the run ends.
class QueueStrip final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QueueStrip)

public:
    explicit QueueStrip(PostQueue& queue, QWidget* parent = nullptr);

private:
    void refresh();

    PostQueue& m_queue;
    QLabel* progressLabel = nullptr;
    QLabel* stateLabel = nullptr;
    QLabel* noteLabel = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* skipButton = nullptr;
    QPushButton* stopButton = nullptr;
};

} // namespace quillbox

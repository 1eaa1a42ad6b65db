#include "browser/ui/queue_strip.h"

#include "browser/post_queue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace quillbox {

QueueStrip::QueueStrip(const PostQueue& queue, QWidget* parent) : QWidget(parent), m_queue(queue) {
    setObjectName(QStringLiteral("picQueueStrip"));

    progressLabel = new QLabel(this);
    progressLabel->setObjectName(QStringLiteral("lblQueueProgress"));
    QFont bold = progressLabel->font();
    bold.setBold(true);
    progressLabel->setFont(bold);
    stateLabel = new QLabel(this);
    stateLabel->setObjectName(QStringLiteral("lblQueueState"));
    noteLabel = new QLabel(this);
    noteLabel->setObjectName(QStringLiteral("lblQueueNote"));

    // The letters stay clear of the main window's menus (File, Tools, View, Help).
    nextButton = new QPushButton(tr("&Next Forum"), this);
    nextButton->setObjectName(QStringLiteral("cmdNextForum"));
    skipButton = new QPushButton(tr("&Skip"), this);
    skipButton->setObjectName(QStringLiteral("cmdSkipForum"));
    stopButton = new QPushButton(tr("St&op"), this);
    stopButton->setObjectName(QStringLiteral("cmdStopQueue"));
    retryButton = new QPushButton(tr("&Retry Skipped"), this);
    retryButton->setObjectName(QStringLiteral("cmdRetrySkipped"));
    dismissButton = new QPushButton(tr("&Dismiss"), this);
    dismissButton->setObjectName(QStringLiteral("cmdDismissQueue"));
    for (QPushButton* button : {nextButton, skipButton, stopButton, retryButton, dismissButton})
        button->setAutoDefault(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(progressLabel);
    layout->addWidget(stateLabel);
    layout->addWidget(noteLabel, 1);
    layout->addWidget(nextButton);
    layout->addWidget(skipButton);
    layout->addWidget(stopButton);
    layout->addWidget(retryButton);
    layout->addWidget(dismissButton);

    connect(nextButton, &QPushButton::clicked, this, &QueueStrip::nextRequested);
    connect(skipButton, &QPushButton::clicked, this, &QueueStrip::skipRequested);
    connect(stopButton, &QPushButton::clicked, this, &QueueStrip::stopRequested);
    connect(retryButton, &QPushButton::clicked, this, &QueueStrip::retrySkippedRequested);
    connect(dismissButton, &QPushButton::clicked, this, [this] {
        m_dismissed = true;
        refresh();
        emit dismissed();
    });
    connect(&m_queue, &PostQueue::changed, this, &QueueStrip::refresh);
    refresh();
}

void QueueStrip::refresh() {
    const bool running = m_queue.isRunning();
    // A new run brings the strip back; its end leaves the summary up until it is put away.
    if (running)
        m_dismissed = false;
    progressLabel->setText(running ? m_queue.progressText() : m_queue.summaryText());
    stateLabel->setText(running ? QStringLiteral("— ") + m_queue.stateText() : QString());
    noteLabel->setText(!running || m_queue.skipNote().isEmpty()
                           ? QString()
                           : tr("(skipped %1)").arg(m_queue.skipNote()));
    for (QPushButton* button : {nextButton, skipButton, stopButton}) {
        button->setEnabled(running);
        button->setVisible(running);
    }
    retryButton->setVisible(!running && !m_queue.skippedForums().isEmpty());
    dismissButton->setVisible(!running);
    setVisible(running || !m_dismissed);
}

} // namespace quillbox

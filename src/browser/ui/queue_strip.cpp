#include "browser/ui/queue_strip.h"

#include "browser/post_queue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace quillbox {

QueueStrip::QueueStrip(PostQueue& queue, QWidget* parent) : QWidget(parent), m_queue(queue) {
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
    for (QPushButton* button : {nextButton, skipButton, stopButton})
        button->setAutoDefault(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(progressLabel);
    layout->addWidget(stateLabel);
    layout->addWidget(noteLabel, 1);
    layout->addWidget(nextButton);
    layout->addWidget(skipButton);
    layout->addWidget(stopButton);

    connect(nextButton, &QPushButton::clicked, &m_queue, &PostQueue::nextForum);
    connect(skipButton, &QPushButton::clicked, &m_queue, &PostQueue::skip);
    connect(stopButton, &QPushButton::clicked, &m_queue, &PostQueue::stop);
    connect(&m_queue, &PostQueue::changed, this, &QueueStrip::refresh);
    refresh();
}

void QueueStrip::refresh() {
    const bool running = m_queue.isRunning();
    progressLabel->setText(m_queue.progressText());
    stateLabel->setText(running ? QStringLiteral("— ") + m_queue.stateText() : QString());
    noteLabel->setText(m_queue.skipNote().isEmpty() ? QString()
                                                    : tr("(skipped %1)").arg(m_queue.skipNote()));
    for (QPushButton* button : {nextButton, skipButton, stopButton})
        button->setEnabled(running);
    setVisible(running);
}

} // namespace quillbox

#include "watch/check_outcome.h"

namespace quillbox {

QString outcomeName(CheckOutcome outcome) {
    switch (outcome) {
    case CheckOutcome::Pending:
        return QStringLiteral("not checked");
    case CheckOutcome::NewReplies:
        return QStringLiteral("new replies");
    case CheckOutcome::Unchanged:
        return QStringLiteral("unchanged");
    case CheckOutcome::Failed:
        return QStringLiteral("failed");
    case CheckOutcome::NoSize:
        return QStringLiteral("no size");
    }
    return {};
}

bool hasNewReplies(qint64 measured, qint64 recorded) {
    // The difference of two 64-bit sizes is exact in unsigned arithmetic once measured is the
    // larger, where a difference of doubles would round sizes beyond 2^53.
    return measured > recorded && quint64(measured) - quint64(recorded) > quint64(kGrowthThreshold);
}

CheckOutcome measuredOutcome(qint64 measured, qint64 recorded) {
    return hasNewReplies(measured, recorded) ? CheckOutcome::NewReplies : CheckOutcome::Unchanged;
}

CheckOutcome judgeThread(const ThreadMark& read, const ThreadPage& now, QString* why) {
    const auto judged = [why](CheckOutcome outcome, QString reason) {
        if (why)
            *why = std::move(reason);
        return outcome;
    };
    if (read.highestPost && now.highestPost)
        return judged(*now.highestPost > *read.highestPost ? CheckOutcome::NewReplies
                                                           : CheckOutcome::Unchanged,
                      QStringLiteral("highest post %1, read up to %2")
                          .arg(*now.highestPost)
                          .arg(*read.highestPost));
    if (!read.lastPage.isEmpty() && now.lastPage != read.lastPage)
        return judged(CheckOutcome::NewReplies,
                      QStringLiteral("the thread goes on past its read page"));
    if (!read.size)
        return judged(CheckOutcome::Unchanged, QStringLiteral("no size to compare with"));
    return judged(measuredOutcome(now.size, *read.size),
                  QStringLiteral("%1 bytes, recorded %2").arg(now.size).arg(*read.size));
}

} // namespace quillbox

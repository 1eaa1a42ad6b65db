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

CheckOutcome judgeThread(const ThreadMark& read, const ThreadPage& now) {
    if (read.highestPost && now.highestPost)
        return *now.highestPost > *read.highestPost ? CheckOutcome::NewReplies
                                                    : CheckOutcome::Unchanged;
    if (!read.lastPage.isEmpty() && now.lastPage != read.lastPage)
        return CheckOutcome::NewReplies;
    if (!read.size)
        return CheckOutcome::Unchanged;
    return measuredOutcome(now.size, *read.size);
}

} // namespace quillbox

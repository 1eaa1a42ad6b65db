#pragma once

#include "watch/thread_page.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace quillbox {

enum class CheckOutcome {
    Pending,    // not checked (yet)
    NewReplies, // a post newer than the recorded one, a new page, or 500 bytes more
    Unchanged,  // none of that
    Failed,     // could not be fetched; the reason says why
    NoSize,     // nothing recorded to compare with, so not fetched
};

// The words a result is reported with ("new replies", "unchanged", "failed", "no size").
QString outcomeName(CheckOutcome outcome);

// A thread has new replies when its page has grown by more than this many bytes since its
// size was recorded.
inline constexpr qint64 kGrowthThreshold = 500;
// Whether a page measured at `measured` bytes has new replies against the recorded size. Every
// check (the window's, the background one, quillbox-check) decides by this alone.
bool hasNewReplies(qint64 measured, qint64 recorded);
// NewReplies or Unchanged, by hasNewReplies.
CheckOutcome measuredOutcome(qint64 measured, qint64 recorded);

// Whether a thread has new replies, judged against what the user has read:
// - where the recorded and the fetched page both mark their posts, a post numbered higher than
//   the highest recorded one;
// - otherwise, a later page than the one recorded (the thread spilled onto a new page);
// - otherwise, the page grew by more than 500 bytes (hasNewReplies).
// `why`, when given, is told which of these decided, in words for the log.
CheckOutcome judgeThread(const ThreadMark& read, const ThreadPage& now, QString* why = nullptr);

// What the last check of a watched thread found.
struct PostCheck {
    QDateTime checkedAt;
    CheckOutcome outcome = CheckOutcome::Pending;
    std::optional<qint64> measured;
    QString reason;                 // for a failure
    std::optional<qint64> recorded; // the size the measured one was compared with
    // What the check found of the thread, when it found it: its last page and what that showed.
    std::optional<ThreadPage> page;
    // How many posts are newer than the recorded ones, when the pages tell; 0 when unknown.
    int newPosts = 0;
    // A redirect to another site: where the thread now lives.
    QString movedTo;

    bool operator==(const PostCheck&) const = default;
};

} // namespace quillbox

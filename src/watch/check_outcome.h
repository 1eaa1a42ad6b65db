#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace quillbox {

enum class CheckOutcome {
    Pending,    // not checked (yet)
    NewReplies, // grew by more than 500 bytes
    Unchanged,  // grew by 500 bytes or less, or shrank
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

// What the last check of a watched thread found.
struct PostCheck {
    QDateTime checkedAt;
    CheckOutcome outcome = CheckOutcome::Pending;
    std::optional<qint64> measured;
    QString reason;                 // for a failure
    std::optional<qint64> recorded; // the size the measured one was compared with

    bool operator==(const PostCheck&) const = default;
};

} // namespace quillbox

#pragma once

#include <QDateTime>

namespace quillbox {

// When the background check is due: every N hours (1 to 24) after the last check, or never
// when off. The times are wall-clock times, so hours spent asleep count: a computer that
// wakes after missing several checks finds one check due, not one per missed interval, and
// the next falls due a whole interval after that one.
class CheckSchedule {
public:
    static constexpr int kMinHours = 1;
    static constexpr int kMaxHours = 24;

    // 0 (or less) turns the checks off; more than 24 hours means 24. Turning them on counts
    // the first interval from now; a changed interval counts from the last check.
    void setIntervalHours(int hours, const QDateTime& now);
    int intervalHours() const { return m_hours; }
    bool enabled() const { return m_hours > 0; }

    // The last check, remembered from an earlier run of the program; invalid for none.
    void setLastCheck(const QDateTime& when) { m_last = when; }
    QDateTime lastCheck() const { return m_last; }

    // When the next check falls due; invalid while off.
    QDateTime nextDue() const;
    // True when a check should run now. A clock set back before the last check starts the
    // interval again from now, so the check does not wait for the old time to come round.
    bool isDue(const QDateTime& now);
    // A check has run (or started) at now: the next one is a whole interval later.
    void checked(const QDateTime& now) { m_last = now; }

private:
    int m_hours = 0;
    QDateTime m_last;
};

} // namespace quillbox

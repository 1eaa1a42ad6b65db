#pragma once

#include <QDateTime>
#include <QString>

namespace quillbox {

// When the background check is due: every N minutes (15 minutes to 24 hours), or never when
// off. The schedule counts from one time: the start of the last check, or, while none has run,
// the time checks were switched on. That time is kept across restarts (countsFrom() is stored,
// restore() takes it back), so a check falls due an interval after checks were first switched
// on even when the program never stays open that long at a stretch. The times are wall-clock
// times, so hours spent asleep count: a computer that wakes after missing several checks finds
// one check due, not one per missed interval, and the next falls due a whole interval later.
class CheckSchedule {
public:
    static constexpr int kMinMinutes = 15;
    static constexpr int kMaxMinutes = 24 * 60;

    // Held to the offered range: 0 (or less) is off, anything from 1 to 15 minutes is 15, more
    // than a day is a day.
    static int boundedMinutes(int minutes);

    // The user's choice. Turning the checks on counts the first interval from now; a changed
    // interval counts from where the schedule counted.
    void setIntervalMinutes(int minutes, const QDateTime& now);
    // At start-up, from what an earlier run kept. With the checks on and no time kept (the first
    // start with checks on), or a time that is not valid, the schedule counts from now.
    void restore(int minutes, const QDateTime& countsFrom, const QDateTime& now);
    int intervalMinutes() const { return m_minutes; }
    bool enabled() const { return m_minutes > 0; }

    // The time the schedule counts from (to be kept for restore()); invalid while off.
    QDateTime countsFrom() const { return m_from; }
    // When the next check falls due; invalid while off.
    QDateTime nextDue() const;
    // True when a check should run now. A clock set back before the time the schedule counts
    // from starts the interval again from now, so the check does not wait for the old time to
    // come round.
    bool isDue(const QDateTime& now);
    // A check has run (or started) at now: the next one is a whole interval later.
    void checked(const QDateTime& now);

private:
    int m_minutes = 0;
    QDateTime m_from;
};

// The stored interval in minutes: the minutes value when there is one (a number), otherwise
// the hours value an earlier version stored, as hours; held by CheckSchedule::boundedMinutes.
int storedIntervalMinutes(const QString& minutesValue, const QString& hoursValue);

} // namespace quillbox

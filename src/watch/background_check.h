#pragma once

#include "watch/check_schedule.h"
#include "watch/parallel_check.h"
#include "watch/watch_lists.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace quillbox {

class Clock;
class Notifier;
class ReplyCheck;

// The title and text of the notification about threads with new replies: how many, and the
// names of up to three of them (their titles, or their addresses where no title is known),
// each after the name of its forum where forums names one.
struct Notice {
    QString title;
    QString body;
};
Notice newRepliesNotice(const QStringList& threads, const QStringList& forums = {});

// Checks the watched threads for new replies on a schedule while the program runs, with the
// parallel checker and without any message box. Threads that grew by more than 500 bytes are
// added to the new replies (once), every thread's result is kept with it (see
// WatchLists::lastCheck), and a notification names the threads newly found.
//
// It never runs beside the window's own check: a check that falls due while that one runs
// waits for it to end. Every page of either check has its deadline (checker().setDeadline of
// each), so a page that never ends holds up the next check no longer than that. Nothing is
// written while it runs: results are applied when every thread has been checked, to the
// threads that are still watched with the size they had at the start, so quitting midway loses
// nothing and records no half-measured size.
class BackgroundCheck final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackgroundCheck)
public:
    // How often the schedule is looked at; a check runs at most this long after it fell due
    // (or after the computer woke).
    static constexpr int kPollMs = 60 * 1000;

    BackgroundCheck(WatchLists& lists, ReplyCheck& manualCheck, Clock& clock,
                    QObject* parent = nullptr);
    ~BackgroundCheck() override;

    const CheckSchedule& schedule() const { return m_schedule; }
    // The user's choice of interval (0: off); see CheckSchedule::setIntervalMinutes.
    void setIntervalMinutes(int minutes);
    // At start-up: the stored interval and the time the schedule counted from when the program
    // last ran (invalid when none was kept); see CheckSchedule::restore.
    void restoreSchedule(int minutes, const QDateTime& countsFrom);
    ParallelCheck& checker() { return m_checker; }
    void setNotifier(Notifier* notifier) { m_notifier = notifier; }

    // Starts looking at the schedule every kPollMs.
    void startPolling();
    bool isPolling() const { return m_poll.isActive(); }
    // Runs the check when it is due and nothing else is checking. True when one started.
    bool poll();
    bool isRunning() const { return m_checker.isRunning(); }
    // Ends a check in flight without applying anything (the program is quitting).
    void abandon();

signals:
    void runningChanged(bool running);
    // The time the schedule counts from has moved (checks switched on, a check started, the
    // clock set back): the program keeps it for restoreSchedule() at the next start.
    void scheduleMoved(const QDateTime& countsFrom);
    // A check has ended.
    void checkFinished(const QStringList& newlyFound);

private:
    void startCheck();
    // When the next check falls due, for the log.
    QString nextDueText() const;
    // Logs why a poll started no check.
    void notRun(const char* why);
    // Tells of a move of the schedule's time from `before`, and logs why it moved.
    void scheduleChanged(const QDateTime& before, const char* why);
    void onFinished();

    WatchLists& m_lists;
    ReplyCheck& m_manual;
    Clock& m_clock;
    Notifier* m_notifier = nullptr;
    CheckSchedule m_schedule;
    ParallelCheck m_checker;
    QList<WatchLists::PostId> m_checking; // the posts of the check in flight, in its order
    QTimer m_poll;
    const char* m_lastNotRun = nullptr; // the reason last logged at info
};

} // namespace quillbox

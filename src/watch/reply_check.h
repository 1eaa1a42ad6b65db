#pragma once

#include "watch/fetch_error.h"
#include "watch/parallel_check.h"
#include "watch/watch_lists.h"

#include <QList>
#include <QObject>

namespace quillbox {

class Clock;
class UserMessages;

// "Check for new replies": the window's check, on the engine every check shares (ParallelCheck:
// a few pages at a time, never more than two against one server). Each page whose body has
// grown by more than 500 bytes since its size was recorded (hasNewReplies) is listed in the new
// replies, in the order of the list, as soon as it and every thread before it are known; every
// thread's row keeps what its check found (WatchLists::lastCheck), the warning sign on a
// failure. Nothing is written back.
//
// A failed thread does not stop the check. At the end panel 1 says how many new replies were
// found and how many threads failed, and one box lists every failure with its reason. The
// threads checked are the ones watched at the start, taken by id: a thread removed meanwhile is
// passed over, one added meanwhile waits for the next check, and one measured anew meanwhile
// keeps its new size unjudged. A thread without a recorded size is not fetched. Starting again
// abandons the check in flight and begins with the first thread.
class ReplyCheck final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReplyCheck)
public:
    ReplyCheck(WatchLists& lists, UserMessages& messages, Clock& clock, QObject* parent = nullptr);

    // The engine, for its settings (cookies, deadline, jobs).
    ParallelCheck& checker() { return m_checker; }

    void start();
    // Ends a check in flight without a summary (the program is quitting).
    void abandon();
    // From start() until finished(); the closing box is shown while it still runs, so no other
    // check starts behind it.
    bool isRunning() const { return m_running; }
    int newRepliesFound() const { return m_found; }
    int failedCount() const { return int(m_failures.size()); }

    // Panel 1's closing text: "finished - n new replies found", and the failures when any.
    static QString finishedText(int found, int failed);

signals:
    void panelText(int panel, const QString& text);
    void runningChanged(bool running);
    // Every check that is not abandoned ends here, failures or not.
    void finished(int newRepliesFound);

private:
    void threadChecked(int index);
    void onFinished();

    WatchLists& m_lists;
    UserMessages& m_messages;
    Clock& m_clock;
    ParallelCheck m_checker;
    QList<WatchLists::PostId> m_checking; // the threads of the check in flight, in its order
    QList<FetchError> m_failures;
    int m_found = 0;
    bool m_running = false;
};

// Every watched thread as a check takes it, in the list's order; `ids` gets, in the same order,
// the post each result goes back to, so a row removed meanwhile cannot take another's result.
QList<ThreadToCheck> threadsToCheck(const WatchLists& lists, QList<WatchLists::PostId>* ids);

// A thread as a check takes it: its address and marks, and the previous check's page while
// that was judged against the same marks.
ThreadToCheck threadToCheck(const ThreadRecord& record);

// Records a thread's result as its last check; false, recording nothing, for a thread removed
// since the check began or measured anew meanwhile, which keeps what it has now.
bool recordCheckResult(WatchLists& lists, WatchLists::PostId id, const ThreadCheckResult& result,
                       const QDateTime& at);

} // namespace quillbox

#include "watch/reply_check.h"

#include "platform/clock.h"
#include "platform/logging.h"
#include "watch/check_outcome.h"
#include "watch/fetch_messages.h"
#include "watch/shown_address.h"

#include <QCoreApplication>

namespace quillbox {

QList<ThreadToCheck> threadsToCheck(const WatchLists& lists, QList<WatchLists::PostId>* ids) {
    ids->clear();
    QList<ThreadToCheck> threads;
    const ThreadModel& model = lists.threadModel();
    for (int row = 0; row < lists.postCount(); ++row) {
        ids->append(lists.postId(row));
        threads.append(threadToCheck(model.record(row)));
    }
    return threads;
}

ThreadToCheck threadToCheck(const ThreadRecord& r) {
    ThreadToCheck t{r.post.address, r.post.size, r.lastPage, r.highestPost,
                    std::nullopt,   0,           {},         r.title};
    // The previous check's page stands for the thread only while the marks it was judged
    // against are the marks of today.
    if (r.check && r.check->page && r.check->outcome != CheckOutcome::Failed &&
        r.check->recorded == r.post.size) {
        t.previous = r.check->page;
        t.previousNewPosts = r.check->newPosts;
    }
    return t;
}

bool recordCheckResult(WatchLists& lists, WatchLists::PostId id, const ThreadCheckResult& result,
                       const QDateTime& at) {
    const int row = lists.rowOfPost(id);
    if (row < 0 || lists.post(row).size != result.recorded) {
        // Judged against a size that is no longer the thread's, the result would mislead.
        qCDebug(logCheck).noquote()
            << "result not kept:" << shownAddress(result.address)
            << (row < 0 ? "is no longer watched" : "had its size recorded again meanwhile");
        return false;
    }
    PostCheck check{at, result.outcome, result.measured, result.reason, result.recorded};
    check.page = result.page;
    check.newPosts = result.newPosts;
    check.movedTo = result.movedTo;
    lists.setLastCheck(id, check);
    // A page that shrank where the size was recorded (posts deleted) is compared from its new
    // size on; a larger recorded size would hide the next replies.
    if (result.outcome == CheckOutcome::Unchanged && result.page && result.measured &&
        result.page->lastPage == result.read.lastPage)
        lists.lowerRecordedSize(id, *result.measured);
    return true;
}

ReplyCheck::ReplyCheck(WatchLists& lists, UserMessages& messages, Clock& clock, QObject* parent)
    : QObject(parent), m_lists(lists), m_messages(messages), m_clock(clock) {
    connect(&m_checker, &ParallelCheck::threadChecked, this, &ReplyCheck::threadChecked);
    connect(&m_checker, &ParallelCheck::finished, this, &ReplyCheck::onFinished);
}

QString ReplyCheck::finishedText(int found, int failed) {
    //: The status bar after a check: %n threads have grown since their last check.
    if (failed <= 0)
        return QCoreApplication::translate("quillbox::ReplyCheck",
                                           "finished - %n new replies found", nullptr, found);
    //: The status bar after a check: %1 threads have grown, %n could not be fetched.
    return failed == 1 ? QCoreApplication::translate(
                             "quillbox::ReplyCheck",
                             "finished - %1 new replies found, 1 thread could not be checked")
                             .arg(found)
                       : QCoreApplication::translate(
                             "quillbox::ReplyCheck",
                             "finished - %1 new replies found, %n threads could not be checked",
                             nullptr, failed)
                             .arg(found);
}

void ReplyCheck::start() {
    qCInfo(logCheck) << (m_running ? "the window's check started anew, ending the one in flight"
                                   : "the window's check started");
    m_checker.abandon();
    m_lists.clearNewReplies();
    m_found = 0;
    m_failures.clear();
    const QList<ThreadToCheck> threads = threadsToCheck(m_lists, &m_checking);
    const bool wasRunning = m_running;
    m_running = true;
    if (!wasRunning)
        emit runningChanged(true);
    emit panelText(1,
                   QCoreApplication::translate("quillbox::ReplyCheck", "checking post %1").arg(1));
    // Threads without a size, and a list with nothing to fetch, are told of inside start().
    m_checker.start(threads);
}

void ReplyCheck::abandon() {
    m_checker.abandon();
    m_checking.clear();
    if (!m_running)
        return;
    qCInfo(logCheck) << "the window's check was abandoned";
    m_running = false;
    emit runningChanged(false);
}

void ReplyCheck::threadChecked(int index) {
    if (index < 0 || index >= m_checking.size())
        return;
    const ThreadCheckResult& r = m_checker.results().at(index);
    if (r.outcome == CheckOutcome::Failed)
        m_failures.append(r.error);
    const WatchLists::PostId id = m_checking[index];
    if (recordCheckResult(m_lists, id, r, m_clock.now()) && r.outcome == CheckOutcome::NewReplies) {
        m_lists.addNewReply(r.address, id);
        ++m_found;
    }
    // The first thread still in flight, as the sequential check counted; the last thread's
    // count is the one beyond the list, which the closing text replaces at once.
    //: The status bar during a check: %1 counts the threads from 1.
    emit panelText(
        1, QCoreApplication::translate("quillbox::ReplyCheck", "checking post %1").arg(index + 2));
}

void ReplyCheck::onFinished() {
    if (!m_running)
        return;
    m_checking.clear();
    qCInfo(logCheck) << "the window's check finished:" << m_found << "new replies listed,"
                     << m_failures.size() << "threads failed";
    // The status bar has its result before the box opens, and keeps it after.
    emit panelText(1, finishedText(m_found, int(m_failures.size())));
    showCheckFailures(m_messages, m_failures);
    // A check started again from behind the box has begun anew: this one has nothing more to
    // say.
    if (m_checker.isRunning())
        return;
    m_running = false;
    emit runningChanged(false);
    emit finished(m_found);
}

} // namespace quillbox

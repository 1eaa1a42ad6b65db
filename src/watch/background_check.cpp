#include "watch/background_check.h"

#include "platform/clock.h"
#include "platform/logging.h"
#include "platform/notifier.h"
#include "watch/forum_match.h"
#include "watch/forum_model.h"
#include "watch/reply_check.h"
#include "watch/shown_address.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace quillbox {

Notice newRepliesNotice(const QStringList& threads, const QStringList& forums) {
    const qsizetype n = threads.size();
    const int count = int(n);
    Notice notice;
    notice.title = QCoreApplication::translate("quillbox::BackgroundCheck", "New replies");
    // One thread reads as its own sentence; more take the translation's plural forms.
    notice.body =
        n == 1
            ? QCoreApplication::translate("quillbox::BackgroundCheck", "1 thread has new replies:")
            : QCoreApplication::translate("quillbox::BackgroundCheck",
                                          "%n threads have new replies:", nullptr, count);
    for (qsizetype i = 0; i < std::min<qsizetype>(n, 3); ++i) {
        const QString forum = forums.value(i);
        notice.body +=
            u'\n' + (forum.isEmpty()
                         ? shownAddress(threads[i])
                         //: A thread in a notification: %1 is the name of its forum,
                         //: %2 its address.
                         : QCoreApplication::translate("quillbox::BackgroundCheck", "%1: %2")
                               .arg(forum, shownAddress(threads[i])));
    }
    const int more = count - 3;
    //: Ends the list of threads in a notification.
    if (more > 0)
        notice.body += u'\n' + QCoreApplication::translate("quillbox::BackgroundCheck",
                                                           "and %n more", nullptr, more);
    return notice;
}

BackgroundCheck::BackgroundCheck(WatchLists& lists, ReplyCheck& manualCheck, Clock& clock,
                                 QObject* parent)
    : QObject(parent), m_lists(lists), m_manual(manualCheck), m_clock(clock) {
    connect(&m_checker, &ParallelCheck::finished, this, &BackgroundCheck::onFinished);
    // A check that fell due while the window's check ran goes as soon as that one ends.
    connect(
        &m_manual, &ReplyCheck::runningChanged, this,
        [this](bool running) {
            if (!running)
                poll();
        },
        Qt::QueuedConnection);
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
}

BackgroundCheck::~BackgroundCheck() {
    abandon();
}

void BackgroundCheck::setIntervalMinutes(int minutes) {
    const QDateTime before = m_schedule.countsFrom();
    const int was = m_schedule.intervalMinutes();
    m_schedule.setIntervalMinutes(minutes, m_clock.now());
    if (m_schedule.intervalMinutes() != was)
        scheduleChanged(before,
                        m_schedule.enabled() ? "the interval was set" : "checks were switched off");
    else
        scheduleChanged(before, "");
}

void BackgroundCheck::restoreSchedule(int minutes, const QDateTime& countsFrom) {
    m_schedule.restore(minutes, countsFrom, m_clock.now());
    // Only a time that was not kept yet needs keeping: the first start with checks on.
    scheduleChanged(countsFrom, "");
    qCInfo(logSchedule).noquote() << "restored:"
                                  << (!m_schedule.enabled() ? QStringLiteral("checks off")
                                      : countsFrom.isValid()
                                          ? QStringLiteral("counting from the last run's %1")
                                                .arg(countsFrom.toString(Qt::ISODate))
                                          : QStringLiteral("no time kept, counting from now"))
                                  << nextDueText();
}

QString BackgroundCheck::nextDueText() const {
    if (!m_schedule.enabled())
        return QStringLiteral("(no check is due while checks are off)");
    return QStringLiteral("(every %1 minutes, next at %2)")
        .arg(m_schedule.intervalMinutes())
        .arg(m_schedule.nextDue().toString(Qt::ISODate));
}

void BackgroundCheck::scheduleChanged(const QDateTime& before, const char* why) {
    const bool moved = m_schedule.countsFrom() != before;
    if (*why != 0)
        qCInfo(logSchedule).noquote() << why << nextDueText();
    else if (moved)
        qCDebug(logSchedule).noquote() << "moved" << nextDueText();
    if (moved && m_schedule.countsFrom().isValid())
        emit scheduleMoved(m_schedule.countsFrom());
}

void BackgroundCheck::startPolling() {
    m_poll.start();
}

void BackgroundCheck::notRun(const char* why) {
    // Polled every minute, the same answer would fill the log: it is told once, then again only
    // as detail, until the answer changes or a check runs.
    const QString text = u"not run: "_s + QLatin1StringView(why) +
                         (m_schedule.enabled() ? u' ' + nextDueText() : QString());
    if (why != m_lastNotRun)
        qCInfo(logBackground).noquote() << text;
    else
        qCDebug(logBackground).noquote() << text;
    m_lastNotRun = why;
}

bool BackgroundCheck::poll() {
    if (!m_schedule.enabled()) {
        notRun("checks are off");
        return false;
    }
    if (m_checker.isRunning()) {
        notRun("the previous background check is still running");
        return false;
    }
    if (m_manual.isRunning()) {
        notRun("the window's check is running");
        return false;
    }
    const QDateTime now = m_clock.now();
    const QDateTime before = m_schedule.countsFrom();
    const bool due = m_schedule.isDue(now);
    scheduleChanged(before, before.isValid() && now < before ? "the clock was set back" : "");
    if (!due) {
        notRun("not due yet");
        return false;
    }
    m_lastNotRun = nullptr;
    startCheck();
    return true;
}

void BackgroundCheck::startCheck() {
    // The next check counts from this one's start, so a slow check does not push the
    // schedule back, and a failing one is not retried at every poll.
    const QDateTime before = m_schedule.countsFrom();
    m_schedule.checked(m_clock.now());
    scheduleChanged(before, "a check started");
    const QList<ThreadToCheck> threads = threadsToCheck(m_lists, &m_checking);
    qCInfo(logBackground) << "run:" << threads.size() << "watched threads";
    emit runningChanged(true);
    m_checker.start(threads);
}

void BackgroundCheck::abandon() {
    if (!m_checker.isRunning())
        return;
    qCInfo(logBackground) << "abandoned: the program is quitting";
    m_checker.abandon();
    m_checking.clear();
    emit runningChanged(false);
}

void BackgroundCheck::onFinished() {
    const QDateTime now = m_clock.now();
    QStringList newlyFound;
    QStringList names;  // what the notification calls them: their titles where known
    QStringList forums; // the names of their forums
    int failed = 0;
    const QList<ThreadCheckResult>& results = m_checker.results();
    for (qsizetype i = 0; i < results.size() && i < m_checking.size(); ++i) {
        const ThreadCheckResult& r = results[i];
        const WatchLists::PostId id = m_checking[i];
        if (!recordCheckResult(m_lists, id, r, now))
            continue;
        if (r.outcome == CheckOutcome::Failed)
            ++failed;
        if (r.outcome == CheckOutcome::NewReplies && m_lists.newReplyRow(id) < 0 &&
            !m_lists.newReplies().contains(r.address)) {
            m_lists.addNewReply(r.address, id);
            newlyFound.append(r.address);
            const QString title = r.page ? r.page->title : r.title;
            names.append(title.isEmpty() ? r.address : title);
            // A thread is on the forum whose address starts its own.
            forums.append(m_lists.forumModel().name(forumForPage(m_lists.forums(), r.address)));
        }
    }
    m_checking.clear();
    qCInfo(logBackground) << "finished:" << newlyFound.size()
                          << "threads newly found with new replies," << failed << "failed"
                          << (m_notifier && !newlyFound.isEmpty() ? "; notified" : "");
    if (m_notifier && !newlyFound.isEmpty()) {
        const Notice notice = newRepliesNotice(names, forums);
        m_notifier->notify(notice.title, notice.body);
    }
    emit runningChanged(false);
    emit checkFinished(newlyFound);
}

} // namespace quillbox

#include "watch/parallel_check.h"

#include "platform/logging.h"
#include "watch/fetch_messages.h"
#include "watch/fetch_target.h"
#include "watch/page_fetcher.h"
#include "watch/shown_address.h"
#include "watch/thread_fetch.h"

#include <algorithm>

namespace quillbox {

namespace {

// Fetches to one host name and port share the per-host limit; an address that cannot be
// parsed fails at once and needs no key.
QString hostKey(const QString& address) {
    const FetchTargetResult parsed = parseFetchTarget(address);
    if (!parsed.target)
        return {};
    return parsed.target->host.toLower() + u':' + QString::number(parsed.target->port);
}

// A thread's result in the log: new replies and failures are what a user asks about; that a
// thread is unchanged is the detail.
void logResult(const ThreadCheckResult& r, const QString& why) {
    const QString address = shownAddress(r.address);
    switch (r.outcome) {
    case CheckOutcome::NewReplies:
        qCInfo(logCheck).noquote() << "new replies:" << address << "-" << why;
        break;
    case CheckOutcome::Failed:
        qCInfo(logCheck).noquote() << "failed:" << address << "-" << r.reason;
        break;
    case CheckOutcome::NoSize:
        qCDebug(logCheck).noquote() << "not fetched, no size recorded:" << address;
        break;
    default:
        qCDebug(logCheck).noquote() << outcomeName(r.outcome) + u':' << address << "-" << why;
        break;
    }
}

} // namespace

struct ParallelCheck::Slot {
    std::unique_ptr<ThreadFetch> fetcher;
    int index = -1; // the thread being fetched, -1 when idle
};

ParallelCheck::ParallelCheck(QObject* parent) : QObject(parent) {}

ParallelCheck::~ParallelCheck() {
    abandon();
}

void ParallelCheck::setJobs(int jobs) {
    m_jobs = std::clamp(jobs, 1, kMaxJobs);
}

void ParallelCheck::start(const QList<ThreadToCheck>& threads) {
    abandon();
    m_results.clear();
    m_hostKeys.clear();
    m_pending.clear();
    m_pendingCount = 0;
    m_perHost.clear();
    m_done.clear();
    m_reported = 0;
    m_checked = 0;
    m_inFlight = 0;
    m_peakRunning = 0;
    m_peakPerHost = 0;

    while (int(m_slots.size()) < m_jobs) {
        auto slot = std::make_unique<Slot>();
        slot->fetcher = std::make_unique<ThreadFetch>();
        Slot* s = slot.get();
        connect(s->fetcher.get(), &ThreadFetch::completed, this,
                [this, s](const ThreadFetch::Result& r) { onCompleted(*s, r); });
        connect(s->fetcher.get(), &ThreadFetch::failed, this,
                [this, s](const FetchError& error) { onFailed(*s, error); });
        m_slots.push_back(std::move(slot));
    }
    m_slots.resize(m_jobs);
    for (auto& slot : m_slots)
        slot->fetcher->setOptions(m_options);

    m_running = true;
    m_threads = threads;
    for (const ThreadToCheck& thread : threads) {
        ThreadCheckResult result;
        result.address = thread.address;
        result.recorded = thread.recorded;
        result.read = thread.mark();
        result.title = thread.title;
        if (result.read.lastPage.isEmpty())
            result.read.lastPage = thread.address;
        m_results.append(result);
        m_hostKeys.append(hostKey(thread.address));
        m_done.append(false);
    }
    for (int i = 0; i < m_results.size(); ++i) {
        if (m_results[i].recorded) {
            m_pending[m_hostKeys[i]].append(i);
            ++m_pendingCount;
        } else {
            m_results[i].outcome = CheckOutcome::NoSize;
            logResult(m_results[i], {});
            record(i);
        }
    }
    qCInfo(logCheck) << "check started:" << threads.size() << "threads," << m_pendingCount
                     << "to fetch," << m_jobs << "at a time";
    fill();
}

void ParallelCheck::abandon() {
    if (m_running)
        qCDebug(logCheck) << "check abandoned after" << m_checked << "of" << m_results.size()
                          << "threads";
    for (auto& slot : m_slots) {
        slot->fetcher->abandon();
        slot->index = -1;
    }
    m_pending.clear();
    m_pendingCount = 0;
    m_perHost.clear();
    m_inFlight = 0;
    m_running = false;
}

int ParallelCheck::pickNext() const {
    // Addresses without a host key fail at their start and take no connection: no limit.
    int next = -1;
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        if (it->isEmpty() || (!it.key().isEmpty() && m_perHost.value(it.key()) >= kPerHost))
            continue;
        if (next < 0 || it->first() < next)
            next = it->first();
    }
    return next;
}

void ParallelCheck::fill() {
    // A fetch refused at its start fails inside launch() and frees its slot at once; the
    // outer pass then looks again instead of recursing.
    if (m_filling) {
        m_fillAgain = true;
        return;
    }
    m_filling = true;
    do {
        m_fillAgain = false;
        for (auto& slot : m_slots) {
            if (!m_running)
                break;
            if (slot->index >= 0)
                continue;
            const int next = pickNext();
            if (next < 0)
                break;
            launch(*slot, next);
        }
    } while (m_fillAgain && m_running);
    m_filling = false;
    finishIfDone();
}

void ParallelCheck::launch(Slot& slot, int index) {
    const QString& key = m_hostKeys[index];
    QList<int>& queue = m_pending[key];
    queue.removeFirst();
    if (queue.isEmpty())
        m_pending.remove(key);
    --m_pendingCount;
    slot.index = index;
    if (!key.isEmpty())
        m_peakPerHost = std::max(m_peakPerHost, ++m_perHost[key]);
    m_peakRunning = std::max(m_peakRunning, ++m_inFlight);
    const ThreadToCheck& thread = m_threads[index];
    slot.fetcher->start(
        ThreadFetch::Request{thread.address, thread.mark(), thread.previous, thread.forumName});
}

void ParallelCheck::release(Slot& slot) {
    const QString& key = m_hostKeys[slot.index];
    if (!key.isEmpty() && --m_perHost[key] <= 0)
        m_perHost.remove(key);
    --m_inFlight;
    slot.index = -1;
}

void ParallelCheck::onCompleted(Slot& slot, const ThreadFetch::Result& fetched) {
    if (!m_running || slot.index < 0)
        return;
    const int index = slot.index;
    release(slot);
    ThreadCheckResult& result = m_results[index];
    result.measured = fetched.page.size;
    result.page = fetched.page;
    result.notModified = fetched.notModified;
    QString why;
    result.outcome = judgeThread(result.read, fetched.page, &why);
    if (fetched.notModified)
        why += QStringLiteral(" (not modified since the last check)");
    result.newPosts = result.outcome == CheckOutcome::NewReplies ? fetched.newPosts : 0;
    // The server said nothing changed since the previous check, which counted the new posts.
    if (fetched.notModified && result.outcome == CheckOutcome::NewReplies)
        result.newPosts = m_threads[index].previousNewPosts;
    logResult(result, why);
    record(index);
    fill();
}

void ParallelCheck::onFailed(Slot& slot, const FetchError& error) {
    if (!m_running || slot.index < 0)
        return;
    const int index = slot.index;
    release(slot);
    ThreadCheckResult& result = m_results[index];
    result.outcome = CheckOutcome::Failed;
    result.reason = fetchFailureReason(error);
    result.error = error;
    result.movedTo = error.movedTo;
    logResult(result, {});
    record(index);
    fill();
}

void ParallelCheck::record(int index) {
    ++m_checked;
    m_done[index] = true;
    // A handler may abandon or restart the check, so the lists are looked at afresh each time.
    while (m_running && m_reported < m_done.size() && m_done[m_reported])
        emit threadChecked(m_reported++);
}

void ParallelCheck::finishIfDone() {
    if (!m_running || m_filling || m_pendingCount > 0 || m_inFlight > 0)
        return;
    m_running = false;
    if (logCheck().isInfoEnabled()) {
        const auto count = [this](CheckOutcome outcome) {
            return std::count_if(
                m_results.cbegin(), m_results.cend(),
                [outcome](const ThreadCheckResult& r) { return r.outcome == outcome; });
        };
        qCInfo(logCheck) << "check finished:" << count(CheckOutcome::NewReplies)
                         << "with new replies," << count(CheckOutcome::Unchanged) << "unchanged,"
                         << count(CheckOutcome::Failed) << "failed," << count(CheckOutcome::NoSize)
                         << "without a size; at most" << m_peakRunning << "fetches at once";
    }
    emit finished();
}

} // namespace quillbox

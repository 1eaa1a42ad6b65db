#include "watch/parallel_check.h"

#include "platform/user_messages.h"
#include "watch/fetch_target.h"
#include "watch/page_fetcher.h"
#include "watch/reply_check.h"

#include <algorithm>

namespace quillbox {

namespace {

// The fetchers report failures through a message box; this check keeps the reason with the
// thread instead, so the boxes go nowhere.
class QuietMessages : public UserMessages {
public:
    void showMessage(const QString&, const QString&, MessageIcon, const QString&) override {}
    int askChoice(const QString&, const QString&, const QStringList& buttons,
                  MessageIcon) override {
        return int(buttons.size()) - 1;
    }
};

// Fetches to one host name and port share the per-host limit; an address that cannot be
// parsed fails at once and needs no key.
QString hostKey(const QString& address) {
    const FetchTargetResult parsed = parseFetchTarget(address);
    if (!parsed.target)
        return {};
    return parsed.target->host.toLower() + u':' + QString::number(parsed.target->port);
}

} // namespace

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

struct ParallelCheck::Slot {
    std::unique_ptr<PageFetcher> fetcher;
    int index = -1; // the thread being fetched, -1 when idle
};

ParallelCheck::ParallelCheck(QObject* parent)
    : QObject(parent), m_quiet(std::make_unique<QuietMessages>()),
      m_idleTimeout(PageFetcher::kDefaultIdleTimeout) {}

ParallelCheck::~ParallelCheck() {
    abandon();
    // The fetchers refer to the quiet messages: they go first.
    m_slots.clear();
}

void ParallelCheck::setJobs(int jobs) {
    m_jobs = std::clamp(jobs, 1, kMaxJobs);
}

void ParallelCheck::setIdleTimeout(std::chrono::milliseconds timeout) {
    m_idleTimeout = timeout;
}

void ParallelCheck::setExtraCaCertificates(const QList<QSslCertificate>& certificates) {
    m_extraCas = certificates;
}

void ParallelCheck::setRequestCookies(const RequestCookies* cookies) {
    m_cookies = cookies;
    for (auto& slot : m_slots)
        slot->fetcher->setRequestCookies(cookies);
}

void ParallelCheck::start(const QList<ThreadToCheck>& threads) {
    abandon();
    m_results.clear();
    m_hostKeys.clear();
    m_pending.clear();
    m_perHost.clear();
    m_checked = 0;
    m_inFlight = 0;
    m_peakRunning = 0;
    m_peakPerHost = 0;

    while (int(m_slots.size()) < m_jobs) {
        auto slot = std::make_unique<Slot>();
        slot->fetcher = std::make_unique<PageFetcher>(*m_quiet);
        Slot* s = slot.get();
        connect(s->fetcher.get(), &PageFetcher::completed, this,
                [this, s](qint64 bytes) { onCompleted(*s, bytes); });
        connect(s->fetcher.get(), &PageFetcher::failed, this, [this, s] { onFailed(*s); });
        m_slots.push_back(std::move(slot));
    }
    m_slots.resize(m_jobs);
    for (auto& slot : m_slots) {
        slot->fetcher->setIdleTimeout(m_idleTimeout);
        slot->fetcher->setExtraCaCertificates(m_extraCas);
        slot->fetcher->setRequestCookies(m_cookies);
    }

    m_running = true;
    for (const ThreadToCheck& thread : threads) {
        ThreadCheckResult result;
        result.address = thread.address;
        result.recorded = thread.recorded;
        m_results.append(result);
        m_hostKeys.append(hostKey(thread.address));
    }
    for (int i = 0; i < m_results.size(); ++i) {
        if (m_results[i].recorded) {
            m_pending.append(i);
        } else {
            m_results[i].outcome = CheckOutcome::NoSize;
            record(i);
        }
    }
    fill();
}

void ParallelCheck::abandon() {
    for (auto& slot : m_slots) {
        slot->fetcher->abandon();
        slot->index = -1;
    }
    m_pending.clear();
    m_perHost.clear();
    m_inFlight = 0;
    m_running = false;
}

int ParallelCheck::pickNext() const {
    for (int index : m_pending) {
        const QString& key = m_hostKeys[index];
        if (key.isEmpty() || m_perHost.value(key) < kPerHost)
            return index;
    }
    return -1;
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
    m_pending.removeOne(index);
    slot.index = index;
    const QString& key = m_hostKeys[index];
    if (!key.isEmpty())
        m_peakPerHost = std::max(m_peakPerHost, ++m_perHost[key]);
    m_peakRunning = std::max(m_peakRunning, ++m_inFlight);
    slot.fetcher->start(m_results[index].address);
}

void ParallelCheck::release(Slot& slot) {
    const QString& key = m_hostKeys[slot.index];
    if (!key.isEmpty() && --m_perHost[key] <= 0)
        m_perHost.remove(key);
    --m_inFlight;
    slot.index = -1;
}

void ParallelCheck::onCompleted(Slot& slot, qint64 bodyBytes) {
    if (!m_running || slot.index < 0)
        return;
    const int index = slot.index;
    release(slot);
    ThreadCheckResult& result = m_results[index];
    result.measured = bodyBytes;
    result.outcome = ReplyCheck::hasNewReplies(bodyBytes, *result.recorded)
                         ? CheckOutcome::NewReplies
                         : CheckOutcome::Unchanged;
    record(index);
    fill();
}

void ParallelCheck::onFailed(Slot& slot) {
    if (!m_running || slot.index < 0)
        return;
    const int index = slot.index;
    release(slot);
    ThreadCheckResult& result = m_results[index];
    result.outcome = CheckOutcome::Failed;
    result.reason = slot.fetcher->lastErrorDescription();
    if (result.reason.isEmpty())
        result.reason = QStringLiteral("Error ") + QString::number(slot.fetcher->lastErrorNumber());
    record(index);
    fill();
}

void ParallelCheck::record(int index) {
    ++m_checked;
    emit threadChecked(index);
}

void ParallelCheck::finishIfDone() {
    if (!m_running || m_filling || !m_pending.isEmpty() || m_inFlight > 0)
        return;
    m_running = false;
    emit finished();
}

} // namespace quillbox

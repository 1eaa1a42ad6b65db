#pragma once

#include "watch/check_outcome.h"
#include "watch/fetch_error.h"
#include "watch/fetch_options.h"
#include "watch/thread_fetch.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace quillbox {

class RequestCookies;

// One thread to check: its address, the size recorded for it (if any), what else the user has
// read of it, and what its previous check found.
struct ThreadToCheck {
    QString address;
    std::optional<qint64> recorded;
    QString lastPage;                  // the page the size was recorded on; "" for the address
    std::optional<qint64> highestPost; // the highest post read there, when the page marks posts
    std::optional<ThreadPage> previous;
    int previousNewPosts = 0; // what the previous check counted, against the same marks
    QString forumName;
    QString title; // the title known so far

    ThreadMark mark() const { return {recorded, lastPage, highestPost}; }
};

struct ThreadCheckResult {
    QString address;
    std::optional<qint64> recorded;
    std::optional<qint64> measured;
    CheckOutcome outcome = CheckOutcome::Pending;
    QString reason;   // for a failure: what went wrong, as the error box would say it
    FetchError error; // for a failure: the fetcher's report, for the window's box
    // What the check found of the thread when it was fetched: its last page and what it showed.
    std::optional<ThreadPage> page;
    int newPosts = 0; // posts newer than the recorded ones, when the pages tell
    ThreadMark read;  // what the outcome was judged against
    QString movedTo;  // for a redirect to another site
    bool notModified = false;
    QString title; // the title known before the check
};

// Checks many threads at once, each with its own page fetcher: the engine of every check (the
// window's, the background one and quillbox-check). It goes on past a thread that fails,
// collects every failure with its reason, and never shows a message box. At most
// jobs() fetches run at a time, and at most kPerHost of them against one host (host name and
// port), so one forum never sees more than two connections from us. Results keep the order
// of the threads given, whatever order the replies come in, and threadChecked() tells of each
// thread in that order too: as soon as it and every thread before it have been checked.
class ParallelCheck final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ParallelCheck)
public:
    static constexpr int kDefaultJobs = 4;
    static constexpr int kMaxJobs = 64;
    static constexpr int kPerHost = 2;

    explicit ParallelCheck(QObject* parent = nullptr);
    ~ParallelCheck() override;

    void setJobs(int jobs); // clamped to 1 … kMaxJobs
    int jobs() const { return m_jobs; }
    // How every page is fetched: time-outs, certificates, cookies.
    void setOptions(const FetchOptions& options) { m_options = options; }
    const FetchOptions& options() const { return m_options; }
    void setIdleTimeout(std::chrono::milliseconds timeout) { m_options.idleTimeout = timeout; }
    // Each page's deadline (see PageFetcher::setDeadline).
    void setDeadline(std::chrono::milliseconds deadline) { m_options.deadline = deadline; }
    std::chrono::milliseconds deadline() const { return m_options.deadline; }
    void setExtraCaCertificates(const QList<QSslCertificate>& certificates) {
        m_options.extraCaCertificates = certificates;
    }
    void setRequestCookies(const RequestCookies* cookies) { m_options.cookies = cookies; }

    // Starts checking; a check in flight is abandoned first. finished() may come before this
    // returns (nothing to fetch, every address refused at once).
    void start(const QList<ThreadToCheck>& threads);
    // Ends the check in flight silently: no finished(), results stay as far as they got.
    void abandon();
    bool isRunning() const { return m_running; }

    const QList<ThreadCheckResult>& results() const { return m_results; }
    int checkedCount() const { return m_checked; }
    // The most fetches that ran at once, in all and against one host, during the last check.
    int peakRunning() const { return m_peakRunning; }
    int peakPerHost() const { return m_peakPerHost; }

signals:
    // Thread `index` and every one before it have their results; emitted once for each thread,
    // in the order of the list.
    void threadChecked(int index);
    void finished();

private:
    struct Slot;
    void fill();
    int pickNext() const;
    void launch(Slot& slot, int index);
    void onCompleted(Slot& slot, const ThreadFetch::Result& fetched);
    void onFailed(Slot& slot, const FetchError& error);
    void release(Slot& slot);
    void record(int index);
    void finishIfDone();

    std::vector<std::unique_ptr<Slot>> m_slots;
    QList<ThreadCheckResult> m_results;
    QList<QString> m_hostKeys;
    // The indices still to fetch, one queue per host key, each in the list's order: the next
    // fetch is the earliest thread of a host below its limit, found without walking past every
    // thread of a busy host (a list of tens of thousands on one forum).
    QHash<QString, QList<int>> m_pending;
    int m_pendingCount = 0;
    QList<bool> m_done; // the threads with a result
    int m_reported = 0; // threadChecked() has told of the threads before this one
    QHash<QString, int> m_perHost;
    QList<ThreadToCheck> m_threads;
    int m_jobs = kDefaultJobs;
    FetchOptions m_options;
    int m_checked = 0;
    int m_inFlight = 0;
    int m_peakRunning = 0;
    int m_peakPerHost = 0;
    bool m_running = false;
    bool m_filling = false;
    bool m_fillAgain = false;
};

} // namespace quillbox

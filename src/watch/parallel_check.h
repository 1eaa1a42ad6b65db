#pragma once

#include "watch/check_outcome.h"
#include "watch/fetch_error.h"

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

class PageFetcher;
class RequestCookies;

// One thread to check: its address and the size recorded for it, if any.
struct ThreadToCheck {
    QString address;
    std::optional<qint64> recorded;
};

struct ThreadCheckResult {
    QString address;
    std::optional<qint64> recorded;
    std::optional<qint64> measured;
    CheckOutcome outcome = CheckOutcome::Pending;
    QString reason;   // for a failure: what went wrong, as the error box would say it
    FetchError error; // for a failure: the fetcher's report, for the window's box
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
    void setIdleTimeout(std::chrono::milliseconds timeout);
    // Each page's deadline (see PageFetcher::setDeadline).
    void setDeadline(std::chrono::milliseconds deadline);
    std::chrono::milliseconds deadline() const { return m_deadline; }
    void setExtraCaCertificates(const QList<QSslCertificate>& certificates);
    void setRequestCookies(const RequestCookies* cookies);

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
    void onCompleted(Slot& slot, qint64 bodyBytes);
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
    int m_jobs = kDefaultJobs;
    std::chrono::milliseconds m_idleTimeout;
    std::chrono::milliseconds m_deadline;
    QList<QSslCertificate> m_extraCas;
    const RequestCookies* m_cookies = nullptr;
    int m_checked = 0;
    int m_inFlight = 0;
    int m_peakRunning = 0;
    int m_peakPerHost = 0;
    bool m_running = false;
    bool m_filling = false;
    bool m_fillAgain = false;
};

} // namespace quillbox

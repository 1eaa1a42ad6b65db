// Parallel check benchmark: 100 threads spread over 10 loopback web servers (ports) that wait
// 100 ms before each reply. Times the parallel checker at several job counts next to
// curl --parallel --parallel-max 6 fetching the same pages from the same servers in the same
// run, and next to the window's check. Run by hand:
//   bench_parallel_check_bench [threads] [hosts] [delay-ms]

#include "bench_support.h"
#include "platform/clock.h"
#include "platform/user_messages.h"
#include "watch/page_fetcher.h"
#include "watch/parallel_check.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

using namespace quillbox;
using namespace quillbox::bench;

namespace {

constexpr qint64 kBodyBytes = 20 * 1024;

// Answers every request after a fixed wait with a page of kBodyBytes, then closes.
class SlowServer : public QTcpServer {
public:
    explicit SlowServer(int delayMs) : m_delayMs(delayMs) {
        m_reply = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                  QByteArray::number(kBodyBytes) + "\r\nConnection: close\r\n\r\n" +
                  QByteArray(kBodyBytes, 'x');
    }
    int requests = 0;

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            if (buffer->isEmpty() || !buffer->contains("\r\n\r\n"))
                return;
            buffer->clear();
            buffer->append('!'); // served: later bytes are ignored
            ++requests;
            QTimer::singleShot(m_delayMs, socket, [this, socket] {
                socket->write(m_reply);
                socket->disconnectFromHost();
            });
        });
    }

private:
    int m_delayMs;
    QByteArray m_reply;
};

double timeParallel(const QList<ThreadToCheck>& threads, int jobs, int* failures) {
    ParallelCheck check;
    check.setJobs(jobs);
    QEventLoop loop;
    QObject::connect(&check, &ParallelCheck::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    check.start(threads);
    if (check.isRunning())
        loop.exec();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    *failures = 0;
    for (const ThreadCheckResult& r : check.results())
        *failures += r.outcome == CheckOutcome::Failed ? 1 : 0;
    return ms;
}

// The window's "Check for new replies", which runs on the same checker with its default jobs.
double timeWindowCheck(const QList<ThreadToCheck>& threads, int* failures) {
    PrintingMessages messages;
    SystemClock clock;
    WatchLists lists;
    ListsData data;
    for (const ThreadToCheck& t : threads)
        data.posts.append({t.address, t.recorded});
    lists.setLists(data);
    ReplyCheck check(lists, messages, clock);
    QEventLoop loop;
    QObject::connect(&check, &ReplyCheck::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    check.start();
    if (check.isRunning())
        loop.exec();
    *failures = check.failedCount();
    return double(timer.nsecsElapsed()) / 1e6;
}

// curl fetching the same pages, six at a time; -1 when curl is missing or failed.
double timeCurl(const QList<ThreadToCheck>& threads, int parallelMax) {
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (curl.isEmpty())
        return -1;
    QTemporaryFile config;
    if (!config.open())
        return -1;
    for (const ThreadToCheck& t : threads)
        config.write("url = \"" + t.address.toLatin1() + "\"\noutput = \"/dev/null\"\n");
    config.flush();
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    process.start(curl,
                  {QStringLiteral("--silent"), QStringLiteral("--show-error"),
                   QStringLiteral("--parallel"), QStringLiteral("--parallel-max"),
                   QString::number(parallelMax), QStringLiteral("--config"), config.fileName()});
    if (!process.waitForStarted(10000))
        return -1;
    loop.exec();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (process.exitCode() != 0) {
        std::fprintf(stderr, "curl: %s\n", process.readAllStandardError().constData());
        return -1;
    }
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int threadCount = args.size() > 1 ? args[1].toInt() : 100;
    const int hostCount = args.size() > 2 ? args[2].toInt() : 10;
    const int delayMs = args.size() > 3 ? args[3].toInt() : 100;

    std::vector<std::unique_ptr<SlowServer>> servers;
    for (int i = 0; i < hostCount; ++i) {
        servers.push_back(std::make_unique<SlowServer>(delayMs));
        if (!servers.back()->listen(QHostAddress::LocalHost, 0)) {
            std::fprintf(stderr, "cannot listen\n");
            return 1;
        }
    }
    QList<ThreadToCheck> threads;
    for (int i = 0; i < threadCount; ++i) {
        const quint16 port = servers[i % hostCount]->serverPort();
        threads.append({QStringLiteral("http://127.0.0.1:") + QString::number(port) +
                            QStringLiteral("/thread/") + QString::number(i),
                        kBodyBytes});
    }
    std::printf("%d threads over %d loopback hosts, %d ms before each reply, %lld-byte pages\n",
                threadCount, hostCount, delayMs, static_cast<long long>(kBodyBytes));

    int failures = 0;
    // A warm-up run, so neither side pays for first use.
    timeParallel(threads, 6, &failures);
    const double curl6 = timeCurl(threads, 6);
    const double jobs6 = timeParallel(threads, 6, &failures);
    const int failures6 = failures;
    const double curl6b = timeCurl(threads, 6);
    const double jobs4 = timeParallel(threads, 4, &failures);
    const double jobs1 = timeParallel(threads, 1, &failures);
    const double jobs12 = timeParallel(threads, 12, &failures);
    const double window = timeWindowCheck(threads, &failures);
    const int windowFailures = failures;
    const double curlBest = curl6 < 0 ? -1 : (curl6b < 0 ? curl6 : std::min(curl6, curl6b));

    std::printf("%-44s %10.1f ms\n", "curl --parallel --parallel-max 6 (best of 2)", curlBest);
    std::printf("%-44s %10.1f ms  (%d failed)\n", "parallel check, --jobs 6", jobs6, failures6);
    std::printf("%-44s %10.1f ms\n", "parallel check, --jobs 4 (default)", jobs4);
    std::printf("%-44s %10.1f ms\n", "parallel check, --jobs 12 (2 per host cap)", jobs12);
    std::printf("%-44s %10.1f ms\n", "parallel check, --jobs 1", jobs1);
    std::printf("%-44s %10.1f ms  (%d failed)\n", "the window's check", window, windowFailures);
    if (curlBest > 0)
        std::printf("--jobs 6 / curl:              %.2f (goal: 1.10 or less)\n", jobs6 / curlBest);
    std::printf("--jobs 1 / --jobs 6:          %.2f (goal: about 6)\n", jobs1 / jobs6);
    std::printf("window's check / --jobs 4:    %.2f (goal: about 1)\n", window / jobs4);
    return 0;
}

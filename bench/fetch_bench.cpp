// Fetch benchmark: a reply check over 1,000 pages of 5 to 200 KB served by nginx on loopback,
// timed next to curl fetching the same pages one connection each; then the peak memory of
// measuring one 1 GiB page. Run by hand: bench_fetch_bench [pages]

#include "../tests/support/nginx_fixture.h"
#include "bench_support.h"
#include "platform/clock.h"
#include "platform/user_messages.h"
#include "watch/fetch_messages.h"
#include "watch/page_fetcher.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdio>

using namespace quillbox;
using namespace quillbox::bench;

namespace {

qint64 peakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Child mode: measures one page and prints "size peakKiB".
int measureOne(const QString& url) {
    PrintingMessages messages;
    PageFetcher fetcher;
    qint64 size = -1;
    QEventLoop loop;
    QObject::connect(&fetcher, &PageFetcher::completed, &loop, [&](const FetchResult& r) {
        size = r.bodySize;
        loop.quit();
    });
    QObject::connect(&fetcher, &PageFetcher::failed, &loop, [&](const FetchError& error) {
        showFetchFailure(messages, error);
        loop.quit();
    });
    fetcher.start(url);
    loop.exec();
    std::printf("%lld %lld\n", static_cast<long long>(size),
                static_cast<long long>(peakMemoryKiB()));
    return size >= 0 ? 0 : 1;
}

double runCheck(const QStringList& urls, const QList<qint64>& sizes, bool* allRight) {
    PrintingMessages messages;
    SystemClock clock;
    WatchLists lists;
    ListsData data;
    for (const QString& url : urls)
        data.posts.append(WatchedPost{url, 0});
    lists.setLists(data);
    ReplyCheck check(lists, messages, clock);
    QEventLoop loop;
    QObject::connect(&check, &ReplyCheck::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    check.start();
    if (check.isRunning())
        loop.exec();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    QList<qint64> measured;
    for (const ThreadCheckResult& r : check.checker().results())
        measured.append(r.measured.value_or(-1));
    *allRight = measured == sizes && messages.count == 0;
    return ms;
}

double runCurlPerProcess(const QStringList& urls) {
    QElapsedTimer timer;
    timer.start();
    for (const QString& url : urls) {
        QProcess curl;
        curl.start(QStringLiteral("curl"),
                   {QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                    QStringLiteral("-H"), QStringLiteral("Connection: close"), url});
        curl.waitForFinished(60000);
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

double runCurlOneProcess(const QStringList& urls, const QString& configPath) {
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    for (const QString& url : urls)
        config.write("url = \"" + url.toUtf8() + "\"\noutput = \"/dev/null\"\n");
    config.close();
    QElapsedTimer timer;
    timer.start();
    QProcess curl;
    curl.start(QStringLiteral("curl"),
               {QStringLiteral("-s"), QStringLiteral("--no-keepalive"), QStringLiteral("-H"),
                QStringLiteral("Connection: close"), QStringLiteral("-K"), configPath});
    curl.waitForFinished(600000);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--measure-one"))
        return measureOne(args[2]);
    const int pages = args.size() > 1 ? args[1].toInt() : 1000;
    if (pages <= 0) {
        std::fprintf(stderr, "usage: bench_fetch_bench [pages]\n");
        return 2;
    }

    test::NginxFixture nginx;
    if (!nginx.start()) {
        std::fprintf(stderr, "cannot start nginx: %s\n", qPrintable(nginx.error()));
        return 1;
    }

    // Pages of 5 to 200 KB, the same every run.
    QRandomGenerator random(20260101);
    QStringList urls;
    QList<qint64> sizes;
    qint64 total = 0;
    for (int i = 0; i < pages; ++i) {
        const qint64 size = random.bounded(5 * 1024, 200 * 1024 + 1);
        const QString name = QStringLiteral("/page%1.html").arg(i);
        QFile file(nginx.root() + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(size, 'p')) != size) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        urls.append(nginx.url(name));
        sizes.append(size);
        total += size;
    }
    std::printf("%d pages, %.1f MB in all, nginx on 127.0.0.1:%u\n", pages, double(total) / 1e6,
                unsigned(nginx.port()));

    // Warm the page cache and the server once, untimed.
    bool right = false;
    runCheck(urls, sizes, &right);

    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        best = std::min(best, runCheck(urls, sizes, &right));
        if (!right) {
            std::fprintf(stderr, "the check measured wrong sizes\n");
            return 1;
        }
    }
    std::printf("reply check (Quillbox):            %8.1f ms  (%.3f ms a page), sizes right\n",
                best, best / pages);

    if (QStandardPaths::findExecutable(QStringLiteral("curl")).isEmpty()) {
        std::printf("curl is not installed; no comparison\n");
    } else {
        double one = 1e300;
        double each = 1e300;
        for (int run = 0; run < 3; ++run) {
            one = std::min(one,
                           runCurlOneProcess(urls, nginx.root() + QStringLiteral("/../curl.cfg")));
            each = std::min(each, runCurlPerProcess(urls));
        }
        std::printf("curl, one process, new connection each page (--no-keepalive, "
                    "Connection: close): %8.1f ms  -> ratio %.2fx\n",
                    one, best / one);
        std::printf("curl, one process per page (curl -s -o /dev/null -H 'Connection: close'): "
                    "%8.1f ms  -> ratio %.2fx\n",
                    each, best / each);
        std::printf("goal: ratio <= 1.10x against the one-process curl\n");
    }

    // Peak memory while measuring one 1 GiB page, in a fresh process.
    const qint64 big = qint64(1) << 30;
    {
        QFile file(nginx.root() + QStringLiteral("/big.bin"));
        if (!file.open(QIODevice::WriteOnly) || !file.resize(big)) {
            std::fprintf(stderr, "cannot make the 1 GiB page\n");
            return 1;
        }
    }
    QElapsedTimer timer;
    timer.start();
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--measure-one"), nginx.url(QStringLiteral("/big.bin"))});
    child.waitForFinished(600000);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    const qint64 measured = fields.value(0).toLongLong();
    const qint64 peakKiB = fields.value(1).toLongLong();
    std::printf("1 GiB page: measured %lld bytes (%s) in %.2f s, peak memory %.1f MiB "
                "(limit 64 MiB: %s)\n",
                static_cast<long long>(measured), measured == big ? "right" : "WRONG", seconds,
                double(peakKiB) / 1024.0, peakKiB < 64 * 1024 ? "met" : "EXCEEDED");
    if (!QStandardPaths::findExecutable(QStringLiteral("curl")).isEmpty()) {
        timer.start();
        QProcess curl;
        curl.start(QStringLiteral("curl"),
                   {QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                    QStringLiteral("-H"), QStringLiteral("Connection: close"),
                    nginx.url(QStringLiteral("/big.bin"))});
        curl.waitForFinished(600000);
        std::printf("1 GiB page with curl: %.2f s\n", double(timer.nsecsElapsed()) / 1e9);
    }
    return measured == big && peakKiB < 64 * 1024 ? 0 : 1;
}

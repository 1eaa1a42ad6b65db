// Conditional check benchmark: 1,000 forum threads of one page each (30 to 60 KB of a board's
// markup, posts marked with their numbers) served unchanged by Debian's nginx on loopback, put
// on the watched list and checked twice with the window's check. The first check fetches every
// page whole; the second sends each page's validators from the first check's results and nginx
// answers 304. A third check runs on lists read back from the saved state, as after a restart.
// The bytes nginx sends are counted in its access log ($bytes_sent: status line, headers and
// body). Run by hand: bench_conditional_check_bench [pages]
// Exit status 0 when the second check's bytes are at most a tenth of the first's.

#include "../tests/support/nginx_fixture.h"
#include "bench_support.h"
#include "platform/clock.h"
#include "watch/list_state.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>

using namespace quillbox;
using namespace quillbox::bench;

namespace {

// A thread page as a PHP board renders it: head, navigation, posts with their numbers in their
// ids, each with its author, date and text, and a footer; `size` bytes in all.
QByteArray threadPage(int thread, qsizetype size, QRandomGenerator& random) {
    QByteArray page = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n<title>"
                      "Thread " +
                      QByteArray::number(thread) +
                      ": the new version works fine - Example Board</title>\n"
                      "<link rel=\"stylesheet\" href=\"/style.css\">\n</head><body>\n"
                      "<div id=\"wrap\"><div class=\"navbar\"><a href=\"/index.php\">Board "
                      "index</a> &raquo; <a href=\"/viewforum.php?f=3\">General</a></div>\n"
                      "<h2 class=\"topic-title\"><a href=\"/viewtopic.php?t=" +
                      QByteArray::number(thread) + "\">Thread " + QByteArray::number(thread) +
                      "</a></h2>\n";
    const QByteArray footer = "<div class=\"footer\">Powered by an example board. All times are "
                              "UTC.</div></div>\n</body></html>\n";
    const int posts = 10;
    const qsizetype perPost = (size - page.size() - footer.size()) / posts;
    qint64 number = 100000 + qint64(thread) * 40;
    for (int i = 0; i < posts && page.size() < size - footer.size(); ++i) {
        number += 1 + random.bounded(3);
        QByteArray post = "<div id=\"p" + QByteArray::number(number) +
                          "\" class=\"post bg2\"><div class=\"inner\"><div class=\"postbody\">"
                          "<h3><a href=\"#p" +
                          QByteArray::number(number) + "\">Re: Thread " +
                          QByteArray::number(thread) +
                          "</a></h3><p class=\"author\">by <strong>member" +
                          QByteArray::number(random.bounded(5000)) +
                          "</strong> &raquo; Mon Dec 07, 2026 9:" + QByteArray::number(10 + i) +
                          " pm</p>\n<div class=\"content\">";
        const QByteArray end = "</div></div></div></div>\n";
        const qsizetype text = std::max<qsizetype>(0, perPost - post.size() - end.size());
        // Cut on whole characters to the bytes the post has room for.
        QString message = forumMessage(text).toHtmlEscaped().left(text);
        QByteArray bytes = message.toUtf8();
        while (bytes.size() > text) {
            message.chop(bytes.size() - text);
            bytes = message.toUtf8();
        }
        post += bytes + end;
        page += post;
    }
    page += footer;
    if (page.size() < size)
        page.insert(page.size() - footer.size(), QByteArray(size - page.size(), ' '));
    return page.left(size);
}

struct LogTally {
    int requests = 0;
    int notModified = 0;
    qint64 bytes = 0;
};

// The access log's lines after `offset`, once `expected` requests are in it (nginx writes a
// line as each request ends, a moment after the client has its answer).
LogTally tallyLog(const QString& path, qint64* offset, int expected) {
    LogTally tally;
    for (int wait = 0; wait < 200; ++wait) {
        QFile log(path);
        if (!log.open(QIODevice::ReadOnly))
            return tally;
        log.seek(*offset);
        const QByteArray lines = log.readAll();
        if (lines.count('\n') >= expected || wait == 199) {
            tally = {};
            for (const QByteArray& line : lines.split('\n')) {
                const QList<QByteArray> fields = line.split(' ');
                if (fields.size() < 2)
                    continue;
                ++tally.requests;
                tally.notModified += fields[0] == "304" ? 1 : 0;
                tally.bytes += fields[1].toLongLong();
            }
            *offset += lines.size();
            return tally;
        }
        QThread::msleep(25);
    }
    return tally;
}

struct CheckRun {
    double ms = 0;
    int unchanged = 0;
    int answeredNotModified = 0;
    int failed = 0;
    int readPosts = 0; // pages whose post numbers and title the check read
    LogTally log;
};

CheckRun runCheck(WatchLists& lists, const QString& logPath, qint64* logOffset) {
    PrintingMessages messages;
    SystemClock clock;
    ReplyCheck check(lists, messages, clock);
    QEventLoop loop;
    QObject::connect(&check, &ReplyCheck::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    check.start();
    if (check.isRunning())
        loop.exec();
    CheckRun run;
    run.ms = double(timer.nsecsElapsed()) / 1e6;
    for (const ThreadCheckResult& r : check.checker().results()) {
        run.unchanged += r.outcome == CheckOutcome::Unchanged ? 1 : 0;
        run.answeredNotModified += r.notModified ? 1 : 0;
        run.failed += r.outcome == CheckOutcome::Failed ? 1 : 0;
        run.readPosts += r.page && r.page->highestPost && !r.page->title.isEmpty() ? 1 : 0;
    }
    run.log = tallyLog(logPath, logOffset, lists.postCount());
    return run;
}

void printRun(const char* name, const CheckRun& run) {
    std::printf("%-40s %8.1f ms  %6d requests  %5d answered 304  %11lld bytes sent  "
                "(%d unchanged, %d failed)\n",
                name, run.ms, run.log.requests, run.log.notModified,
                static_cast<long long>(run.log.bytes), run.unchanged, run.failed);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int pages = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (pages <= 0) {
        std::fprintf(stderr, "usage: bench_conditional_check_bench [pages]\n");
        return 2;
    }
    test::NginxFixture nginx;
    nginx.setAccessLog(true);
    if (!nginx.start()) {
        std::fprintf(stderr, "cannot start nginx: %s\n", qPrintable(nginx.error()));
        return 1;
    }

    // Pages of 30 to 60 KB, the same every run; each is watched with its size recorded, as
    // putting it on watch records it.
    QRandomGenerator random(20261207);
    ListsData data;
    qint64 total = 0;
    for (int i = 0; i < pages; ++i) {
        const qsizetype size = random.bounded(30 * 1024, 60 * 1024 + 1);
        const QString name = QStringLiteral("/viewtopic-%1.html").arg(i);
        const QByteArray page = threadPage(i, size, random);
        QFile file(nginx.root() + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(page) != page.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        data.posts.append(WatchedPost{nginx.url(name), page.size()});
        total += page.size();
    }
    std::printf("%d thread pages of 30 to 60 KB, %.1f MB in all, nginx on 127.0.0.1:%u\n\n", pages,
                double(total) / 1e6, unsigned(nginx.port()));

    qint64 logOffset = 0;
    {
        // Warms the disk cache and the server, unmeasured, on lists of their own.
        WatchLists warm;
        warm.setLists(data);
        runCheck(warm, nginx.accessLogPath(), &logOffset);
    }

    WatchLists lists;
    lists.setLists(data);
    const CheckRun first = runCheck(lists, nginx.accessLogPath(), &logOffset);
    const CheckRun second = runCheck(lists, nginx.accessLogPath(), &logOffset);
    // The lists as the next start reads them: the list files' data and the saved state.
    WatchLists restarted;
    restarted.setLists(lists.lists());
    applyListState(restarted, parseListState(serializeListState(collectListState(lists))));
    const CheckRun third = runCheck(restarted, nginx.accessLogPath(), &logOffset);

    printRun("first check (no validators yet)", first);
    printRun("second check (validators of the first)", second);
    printRun("third check (after a restart)", third);
    std::printf("pages whose posts and title the first check read: %d of %d\n", first.readPosts,
                pages);

    const double ratio = first.log.bytes > 0 ? double(second.log.bytes) / first.log.bytes : 1.0;
    const double afterRestart =
        first.log.bytes > 0 ? double(third.log.bytes) / first.log.bytes : 1.0;
    const bool right = first.unchanged == pages && first.readPosts == pages &&
                       second.unchanged == pages && second.answeredNotModified == pages &&
                       third.answeredNotModified == pages;
    std::printf("\nsecond check's bytes / first's:      %.4f (aim: 0.10 at most) %s\n", ratio,
                ratio <= 0.1 ? "met" : "MISSED");
    std::printf("after a restart, bytes / first's:     %.4f\n", afterRestart);
    std::printf("second check's time / first's:       %.2f\n", second.ms / first.ms);
    std::printf("every check unchanged, the later ones all answered 304: %s\n",
                right ? "yes" : "NO");
    return ratio <= 0.1 && right ? 0 : 1;
}

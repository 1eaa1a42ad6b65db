// How "Post History" answers while it reads a long log: 1,000,000 records (about 370 MB) with
// one damaged line of 50 MB in the middle. A 10 ms timer runs in the window's event loop all the
// while; the longest wait between two of its ticks is how long the window could not answer (the
// target is 100 ms). The list is first left alone (one page is read), then kept scrolled to its
// end until the whole log is in, then a filter is typed that matches one old record. Also: when
// the newest rows showed, the memory held after the first page and after the whole log. Run by hand
// from a Release-like build:
//   bench_post_history_load_window_bench [records]
// Exit status 0 when the window answered within 100 ms throughout, 1 otherwise.

#include "browser/post_history.h"
#include "browser/post_log.h"
#include "browser/post_log_model.h"
#include "browser/ui/post_history_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace quillbox;

namespace {

// A figure of /proc/self/status in MB ("VmRSS", "VmHWM").
double memoryMb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key) + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

bool writeLog(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDateTime time(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);
    QString run;
    QByteArray chunk;
    for (int i = 0; i < count; ++i) {
        time = time.addSecs(17);
        if (i % 10 == 0)
            run = newQueueRunId();
        else if (i % 10 == 5)
            run.clear();
        PostRecord record;
        record.time = time;
        record.forum = QStringLiteral("https://forum%1.example.org/board/").arg(i % 400);
        record.postingPage = record.forum + QStringLiteral("posting.php?f=%1").arg(i % 37);
        record.result = i % 3 == 0 ? postResult::notFound() : postResult::watched();
        if (record.result == postResult::watched())
            record.thread = record.forum + QStringLiteral("viewtopic.php?t=%1").arg(i);
        record.subject = QStringLiteral("Release notes for version %1").arg(i);
        record.format = QStringLiteral("BBCode");
        record.queueRun = run;
        chunk += serializePostRecord(record);
        if (i == count / 2)
            chunk += "{\"time\":\"" + QByteArray(50 * 1024 * 1024, 'x') + "\n";
        if (chunk.size() > 8 * 1024 * 1024 || i + 1 == count) {
            if (file.write(chunk) != chunk.size())
                return false;
            chunk.clear();
        }
    }
    return true;
}

// The processor time this thread has used, in ms.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Times every event the window's thread handles, to tell which one held it up the longest.
class TimedApplication final : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        QElapsedTimer timer;
        timer.start();
        const int type = event->type();
        const double cpuBefore = threadCpuMs();
        const bool handled = QApplication::notify(receiver, event);
        if (const qint64 took = timer.elapsed(); took > longest) {
            longest = took;
            longestCpu = threadCpuMs() - cpuBefore;
            longestWhat = QByteArray(receiver->metaObject()->className()) + " event " +
                          QByteArray::number(type);
        }
        return handled;
    }
    qint64 longest = 0;
    double longestCpu = 0; // of it, time the thread ran: the rest it waited for a processor
    QByteArray longestWhat;
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    QTemporaryDir folder;
    const QString path = folder.filePath(postLogFileName());
    if (!writeLog(path, count)) {
        std::fprintf(stderr, "could not write the log\n");
        return 2;
    }
    std::printf("post log: %d records and one 50 MB line, %.1f MB\n", count,
                double(QFile(path).size()) / 1e6);
    const double before = memoryMb("VmRSS:");

    PostHistory history;
    PostHistoryWindow window(history);
    QObject::connect(&window, &PostHistoryWindow::filterChanged, &history, &PostHistory::setFilter);
    auto* list = window.findChild<QTreeView*>(QStringLiteral("tvwPosts"));
    auto* filter = window.findChild<QLineEdit*>(QStringLiteral("txtFilter"));
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestWait = 0;
    qint64 longestIn[3] = {0, 0, 0};
    int firstPageRecords = 0;
    qint64 firstRows = -1;
    double firstPageMb = -1;
    int phase = 0; // 0: the first page, 1: scrolled to the end, 2: a filter typed
    qint64 filterTyped = 0;
    qint64 filterRows = -1;
    // The bench's own steps inside a tick, which the window's turns include: the longest drag
    // to the end, and typing the filter (the list emptied, the log read again).
    qint64 longestScroll = 0;
    qint64 typing = 0;
    QTimer ticks;
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout, &window, [&] {
        const qint64 now = clock.elapsed();
        longestWait = std::max(longestWait, now - lastTick);
        longestIn[phase] = std::max(longestIn[phase], now - lastTick);
        lastTick = now;
        if (firstRows < 0 && history.model().rowCount() > 0)
            firstRows = now;
        if (phase == 0 && firstRows >= 0 && !history.isLoading()) {
            firstPageMb = memoryMb("VmRSS:");
            firstPageRecords = history.model().recordCount();
            phase = 1;
        } else if (phase == 1) {
            // The user keeps dragging the scroll bar to the end: the log is read on and on.
            QElapsedTimer step;
            step.start();
            list->scrollToBottom();
            longestScroll = std::max(longestScroll, step.elapsed());
            if (history.model().recordCount() >= count) {
                phase = 2;
                filterTyped = now;
                step.restart();
                filter->setText(QStringLiteral("viewtopic.php?t=1999"));
                typing = step.elapsed();
            }
        } else if (phase == 2 && filterRows < 0 && history.model().rowCount() > 0) {
            filterRows = now - filterTyped;
            QApplication::quit();
        }
    });
    ticks.start();
    history.open(folder.path());
    window.show();
    app.exec();

    std::printf("newest rows shown after:           %7lld ms\n", qlonglong(firstRows));
    std::printf("whole log in (scrolled) after:     %7lld ms\n", qlonglong(filterTyped));
    std::printf("filter's first match shown after:  %7lld ms\n", qlonglong(filterRows));
    std::printf("longest the window waited:         %7lld ms (target 100 ms)\n",
                qlonglong(longestWait));
    std::printf("  first page / scrolling / filter: %lld / %lld / %lld ms\n",
                qlonglong(longestIn[0]), qlonglong(longestIn[1]), qlonglong(longestIn[2]));
    std::printf("  of which dragging to the end:    %lld ms at most\n", qlonglong(longestScroll));
    std::printf("  of which typing the filter:      %lld ms\n", qlonglong(typing));
    std::printf("  longest single event:            %lld ms, of which running %.0f ms (%s)\n",
                qlonglong(app.longest), app.longestCpu, app.longestWhat.constData());
    std::printf("records read for the first page:   %d\n", firstPageRecords);
    std::printf("memory before / first page / all:  %.0f / %.0f / %.0f MB (peak %.0f MB)\n", before,
                firstPageMb, memoryMb("VmRSS:"), memoryMb("VmHWM:"));
    return longestWait <= 100 ? 0 : 1;
}

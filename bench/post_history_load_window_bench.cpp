// How "Post History" answers while it reads a long log: 1,000,000 records (about 300 MB) with
// one damaged line of 50 MB in the middle. A 10 ms timer runs in the window's event loop all the
// while; the longest wait between two of its ticks is how long the window could not answer (the
// target is 100 ms). Also: when the newest rows showed, when the whole log was in, the memory the
// program held before and after, and a filter typed once all is in. Run by hand from a
// Release-like build:
//   bench_post_history_load_window_bench [records]
// Exit status 0 when the window answered within 100 ms throughout, 1 otherwise.

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

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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

    PostHistoryWindow window;
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestWait = 0;
    qint64 firstRows = -1;
    QTimer ticks;
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout, &window, [&] {
        const qint64 now = clock.elapsed();
        longestWait = std::max(longestWait, now - lastTick);
        lastTick = now;
        if (firstRows < 0 && window.model().rowCount() > 0)
            firstRows = now;
        if (!window.isLoading())
            QApplication::quit();
    });
    ticks.start();
    window.loadLog(folder.path());
    window.show();
    app.exec();
    const qint64 loaded = clock.elapsed();
    const double after = memoryMb("VmRSS:");

    auto* filter = window.findChild<QLineEdit*>(QStringLiteral("txtFilter"));
    QElapsedTimer filtering;
    filtering.start();
    filter->setText(QStringLiteral("viewtopic.php?t=1999"));
    QApplication::processEvents();
    const qint64 filtered = filtering.elapsed();

    std::printf("newest rows shown after:       %7lld ms\n", qlonglong(firstRows));
    std::printf("whole log in after:            %7lld ms (%d records)\n", qlonglong(loaded),
                window.model().recordCount());
    std::printf("longest the window waited:     %7lld ms (target 100 ms)\n",
                qlonglong(longestWait));
    std::printf("memory before / after / peak:  %.0f / %.0f / %.0f MB\n", before, after,
                memoryMb("VmHWM:"));
    std::printf("filter typed over all records: %7lld ms\n", qlonglong(filtered));
    return longestWait <= 100 ? 0 : 1;
}

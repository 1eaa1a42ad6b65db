// Times "Post History" over a post log of 100,000 records (about 30 MB): reading the file alone,
// and reading it into the window until the window is shown, which must stay under 300 ms; then
// a filter typed into the window. Runs of five forums alternate with single inserts. Run by hand
// from a Release-like build:
//   bench_post_history_window_bench [records]
// Exit status 0 when the target is met, 1 otherwise.

#include "bench_support.h"
#include "browser/post_history.h"
#include "browser/post_log.h"
#include "browser/post_log_model.h"
#include "browser/ui/post_history_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace quillbox;
using quillbox::bench::milliseconds;

namespace {

QByteArray logFile(int count) {
    const QStringList results = {postResult::watched(), postResult::watched(),
                                 postResult::notFound(), postResult::skipped(),
                                 postResult::stopped()};
    QByteArray file;
    file.reserve(qsizetype(count) * 330);
    QDateTime time(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);
    QString run;
    for (int i = 0; i < count; ++i) {
        time = time.addSecs(97);
        // Every tenth record starts a run of five; the others are single inserts.
        if (i % 10 == 0)
            run = newQueueRunId();
        else if (i % 10 == 5)
            run.clear();
        PostRecord record;
        record.time = time;
        record.forum = QStringLiteral("https://forum%1.example.org/board/").arg(i % 400);
        record.postingPage =
            record.forum + QStringLiteral("posting.php?mode=post&f=%1").arg(i % 37);
        const QString& result = results.at(i % results.size());
        if (result == postResult::watched())
            record.thread = record.forum + QStringLiteral("viewtopic.php?t=%1").arg(100000 + i);
        record.subject = QStringLiteral("Release notes for version %1.%2 – what changed")
                             .arg(i / 100)
                             .arg(i % 100);
        record.format = i % 3 == 0 ? QStringLiteral("BBCode") : QStringLiteral("HTML");
        record.result = result;
        record.queueRun = run;
        file += serializePostRecord(record);
    }
    return file;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir folder;
    {
        QFile file(folder.filePath(postLogFileName()));
        if (!file.open(QIODevice::WriteOnly) || file.write(logFile(count)) < 0) {
            std::fprintf(stderr, "could not write the log\n");
            return 2;
        }
        std::printf("post log: %d records, %.1f MB\n", count, double(file.size()) / 1e6);
    }

    constexpr int runs = 5;
    std::vector<double> reads, models, shows, filters;
    for (int r = 0; r < runs; ++r) {
        reads.push_back(milliseconds([&] {
            const PostLogRead read = readPostLog(folder.path());
            if (read.records.size() != count)
                std::fprintf(stderr, "read %lld records\n", qlonglong(read.records.size()));
        }));
        PostLogRead read = readPostLog(folder.path());
        PostLogModel model;
        models.push_back(milliseconds([&] { model.setRecords(std::move(read.records)); }));
        PostHistory history;
        PostHistoryWindow* window = nullptr;
        shows.push_back(milliseconds([&] {
            window = new PostHistoryWindow(history);
            QObject::connect(window, &PostHistoryWindow::filterChanged, &history,
                             &PostHistory::setFilter);
            history.open(folder.path());
            window->show();
            // The log comes in off the window's thread: shown once its newest rows are there.
            while (!window->windowHandle() || !window->windowHandle()->isExposed() ||
                   history.model().rowCount() == 0)
                QApplication::processEvents();
            QApplication::processEvents(); // the first paint
        }));
        while (history.isLoading())
            QApplication::processEvents();
        auto* filter = window->findChild<QLineEdit*>(QStringLiteral("txtFilter"));
        filters.push_back(milliseconds([&] {
            filter->setText(QStringLiteral("viewtopic.php?t=1999"));
            QApplication::processEvents();
        }));
        delete window;
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("read the log:                 median %7.1f ms, best %7.1f ms\n", median(reads),
                *std::min_element(reads.begin(), reads.end()));
    std::printf("group and sort (the model):   median %7.1f ms\n", median(models));
    std::printf("show the newest rows:         median %7.1f ms, best %7.1f ms (target 300 ms)\n",
                median(shows), *std::min_element(shows.begin(), shows.end()));
    std::printf("filter typed into the window: median %7.1f ms\n", median(filters));
    return median(shows) < 300.0 ? 0 : 1;
}

// Start-up with big lists: from process start to the main window shown, for Quillbox with an
// empty data folder, with 100,000 watched threads and 100,000 forums before the state beside the
// lists (lists-state.txt) exists, and with it as a user's file reads after checks (every thread
// checked, most with a title, the page and post read up to and the last page's validators, a few
// unread or failed; some forums with a format and a posting page). The files are written with the
// program's own functions. Runs alternate between the folders; medians are reported, with the state
// file's size and, measured in this process without a window, what reading and writing the lists
// takes, and how long after the window shows the state is on the lists (a big state is put on them
// once it is read, after the window shows). Run by hand: bench_startup_lists_window_bench [runs]
// [threads]; 0 runs gives only the figures measured in this process (for a profiler). With
// QUILLBOX_BENCH_KEEP=1 the data folders are kept and named, to start the program on them by hand
// or under a profiler. Exit status 0 when the start with the state file takes at most 1.5 times an
// empty start.

#include "startup/program_start.h"
#include "store/list_files.h"
#include "watch/list_state.h"
#include "watch/watch_lists.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <unistd.h>

using namespace quillbox;
using namespace quillbox::bench;

namespace {

const QDateTime checkedAt =
    QDateTime::fromString(QStringLiteral("2026-12-07T20:15:00Z"), Qt::ISODate);

QString threadAddress(int i) {
    const QString host = QStringLiteral("forum%1.example").arg(i % 400);
    switch (i % 3) {
    case 0:
        return QStringLiteral("https://%1/viewtopic.php?t=%2").arg(host).arg(i);
    case 1:
        return QStringLiteral("https://%1/showthread.php?tid=%2").arg(host).arg(i);
    default:
        return QStringLiteral("https://%1/threads/thread-title-words.%2/").arg(host).arg(i);
    }
}

QString laterPage(const QString& address, int i) {
    if (i % 3 == 2)
        return address + QStringLiteral("page-%1").arg(2 + i % 9);
    return address + (i % 3 == 0 ? QStringLiteral("&start=%1").arg(20 * (1 + i % 9))
                                 : QStringLiteral("&page=%1").arg(2 + i % 9));
}

// The lists of a user who watches `count` threads and has as many forums, after checks.
void fillLists(WatchLists& lists, int count, bool checked) {
    ListsData data;
    data.posts.reserve(count);
    data.forums.reserve(count);
    for (int i = 0; i < count; ++i) {
        data.posts.append(WatchedPost{threadAddress(i), 20000 + qint64(i % 5000) * 7});
        data.forums.append(Forum{QStringLiteral("https://board%1.example/posting.php").arg(i),
                                 QStringLiteral("member%1|secret%1").arg(i)});
    }
    lists.setLists(data);
    if (!checked)
        return;
    for (int i = 0; i < count; ++i) {
        const WatchLists::PostId id = lists.postId(i);
        const QString address = lists.post(i).address;
        // Put on watch: its page, the posts there and its title were read.
        ThreadPage page{*lists.post(i).size, i % 5 < 2 ? laterPage(address, i) : address};
        if (i % 10 != 0)
            page.highestPost = 1000000 + qint64(i) * 13;
        page.title = QStringLiteral("Thread %1: the new version works fine").arg(i);
        if (i % 5 < 3) {
            page.etag =
                QStringLiteral("\"%1-%2\"").arg(0x6571a2b3 + i, 0, 16).arg(page.size, 0, 16);
            page.lastModified = QStringLiteral("Mon, 07 Dec 2026 19:%1:00 GMT")
                                    .arg(i % 60, 2, 10, QLatin1Char('0'));
        }
        lists.recordMeasured(id, page);
        // And checked since: most unchanged, a few grown, a few failed.
        PostCheck check{checkedAt, CheckOutcome::Unchanged, page.size, {}, page.size};
        if (i % 50 == 7) {
            check.outcome = CheckOutcome::Failed;
            check.measured.reset();
            check.reason = QStringLiteral("HTTP 503 Service Unavailable");
        } else {
            if (i % 50 == 3) {
                check.outcome = CheckOutcome::NewReplies;
                check.measured = page.size + 4000;
                check.newPosts = 2;
                page.size += 4000;
                if (page.highestPost)
                    *page.highestPost += 2;
            }
            check.page = page;
        }
        lists.setLastCheck(id, check);
        if (check.outcome == CheckOutcome::NewReplies)
            lists.addNewReply(address, id);
    }
    for (int i = 0; i < count; i += 4) {
        lists.forumModel().setFormat(i, i % 8 ? QStringLiteral("phpBB") : QStringLiteral("vB"));
        if (i % 12 == 0)
            lists.forumModel().setPostingPage(
                i, QStringLiteral("https://board%1.example/posting.php?mode=post&f=2").arg(i));
    }
}

bool writeFolder(const QString& folder, const WatchLists& lists, bool withState) {
    if (!QDir().mkpath(folder) || !saveLists(folder, lists.lists()).isEmpty())
        return false;
    return !withState || saveListState(folder, collectListState(lists)).ok;
}

double msOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Scenario {
    const char* name;
    QProcessEnvironment env;
    QList<double> wall;
    QList<double> splash;
    QList<double> stateAfter; // the state on the lists, after the window painted
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(0, std::atoi(argv[1])) : 5;
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100000;
    QTemporaryDir root;
    if (!root.isValid()) {
        std::fputs("cannot make a temporary folder\n", stderr);
        return 1;
    }
    if (qEnvironmentVariable("QUILLBOX_BENCH_KEEP") == QLatin1String("1")) {
        root.setAutoRemove(false);
        std::printf("data folders kept in %s\n", qPrintable(root.path()));
    }
    const QString empty = root.filePath(QStringLiteral("empty"));
    const QString plain = root.filePath(QStringLiteral("plain"));
    const QString full = root.filePath(QStringLiteral("full"));
    {
        WatchLists lists;
        fillLists(lists, count, true);
        if (!QDir().mkpath(empty) || !writeFolder(plain, lists, false) ||
            !writeFolder(full, lists, true)) {
            std::fputs("cannot write the lists\n", stderr);
            return 1;
        }
    }

    // What reading the lists and their state costs without a window, and what one write of the
    // state costs (every change to a row's check or unread mark writes it whole).
    WatchLists loaded;
    const double readLists = msOf([&] { loaded.setLists(loadLists(full).data); });
    LoadListStateResult state;
    const double readState = msOf([&] { state = loadListState(full); });
    const double apply = msOf([&] { applyListState(loaded, state.state); });
    QByteArray bytes;
    const double collect = msOf([&] { bytes = serializeListState(collectListState(loaded)); });
    const double save = msOf([&] { saveListState(root.path(), collectListState(loaded)); });
    const qint64 stateSize = QFileInfo(full + u'/' + listStateFileName()).size();
    const qint64 listsSize = QFileInfo(full + QStringLiteral("/posts.txt")).size() +
                             QFileInfo(full + QStringLiteral("/sizes.txt")).size() +
                             QFileInfo(full + QStringLiteral("/posts2.txt")).size();
    std::printf("%d threads and %d forums: list files %.1f MB, %s %.1f MB "
                "(%lld bytes, %d thread records, %d forum records)\n",
                count, count, double(listsSize) / 1e6, qPrintable(listStateFileName()),
                double(stateSize) / 1e6, static_cast<long long>(stateSize),
                int(state.state.threads.size()), int(state.state.forums.size()));
    std::printf("without a window: lists read %.0f ms, state read %.0f ms, state applied %.0f ms; "
                "state collected and serialized %.0f ms, saved %.0f ms\n\n",
                readLists, readState, apply, collect, save);
    if (runs == 0)
        return 0;

    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    if (!base.contains(QStringLiteral("QT_QPA_PLATFORM")))
        base.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (::geteuid() == 0)
        base.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    base.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false"));
    base.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("share")));
    base.insert(QStringLiteral("XDG_CACHE_HOME"), root.filePath(QStringLiteral("cache")));
    base.insert(QStringLiteral("QUILLBOX_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    const QString config = root.filePath(QStringLiteral("config"));
    QDir().mkpath(config + QStringLiteral("/Quillbox"));
    writeFile(config + QStringLiteral("/Quillbox/Quillbox.ini"), "[Settings]\nshowHelp=0\n");
    base.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    auto scenario = [&](const char* name, const QString& folder) {
        QProcessEnvironment env = base;
        env.insert(QStringLiteral("QUILLBOX_DATA_DIR"), folder);
        return Scenario{name, env, {}, {}};
    };
    const QString threads = QString::number(count);
    QList<Scenario> scenarios{
        scenario("empty folder", empty),
        scenario("big lists, no state file", plain),
        scenario("big lists with the state file", full),
    };

    // One unmeasured start each fills the disk caches and makes the browser profile.
    const QString program = QStringLiteral(QUILLBOX_PROGRAM);
    for (Scenario& s : scenarios) {
        if (!launch(program, s.env)) {
            std::fprintf(stderr, "%s: the window did not show\n", s.name);
            return 1;
        }
    }
    for (int run = 0; run < runs; ++run) {
        for (Scenario& s : scenarios) {
            const std::optional<Timing> t = launch(program, s.env);
            if (!t) {
                std::fprintf(stderr, "%s: the window did not show\n", s.name);
                return 1;
            }
            s.wall << t->wallMs;
            s.splash << t->splashMs;
            s.stateAfter << std::max(0.0, t->stateMs - t->shownMs);
        }
    }

    const double emptyShown = median(scenarios[0].wall);
    std::printf("Start-up to the window shown, %d runs each, %s threads and forums (ms)\n", runs,
                qPrintable(threads));
    std::printf("%-36s %8s %8s %8s %8s %8s %10s\n", "data folder", "median", "fastest", "slowest",
                "splash", "ratio", "state +ms");
    for (const Scenario& s : scenarios) {
        std::printf("%-36s %8.0f %8.0f %8.0f %8.0f %8.2f %10.0f\n", s.name, median(s.wall),
                    *std::min_element(s.wall.begin(), s.wall.end()),
                    *std::max_element(s.wall.begin(), s.wall.end()), median(s.splash),
                    median(s.wall) / emptyShown, median(s.stateAfter));
    }
    const double ratio = median(scenarios[2].wall) / emptyShown;
    std::printf("\nratio: median shown over the empty folder's median shown (splash wait "
                "included in both).\nstate +ms: how long after the window painted the state "
                "beside the lists was on them (titles, unread replies, forums' names).\nwith the "
                "state file / empty: %.2f (aim: 1.50 at most) %s\n",
                ratio, ratio <= 1.5 ? "met" : "MISSED");
    return ratio <= 1.5 ? 0 : 1;
}

// Times the main window with large lists: 100,000 watched posts and 100,000 forums read from
// their files, shown in the window's list boxes, and saved (goal: each step under 200 ms); and
// how late the window handles its events while a reply check of 1,000 pages runs against a
// server on this machine (goal: the longest delay under 100 ms). Run by hand from a
// Release-like build, headless if need be:
//   QT_QPA_PLATFORM=offscreen bench_lists_window_bench
// Exit status 0 when every goal is met, 1 otherwise.

#include "platform/clock.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/web_engine_page.h"
#include "platform/user_messages.h"
#include "shell/program.h"
#include "shell/ui/main_window.h"
#include "store/list_files.h"
#include "store/settings_store.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"
#include "web_bench_support.h"

// The bench fills and checks the lists directly, as the tests do.
#include "../tests/support/program_probe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>

using namespace quillbox;

namespace {

// Any box would stop the benchmark: none is expected, and one is counted.
class CountingMessages : public UserMessages {
public:
    void showMessage(const QString&, const QString&, MessageIcon, const QString&) override {
        ++shown;
    }
    int askChoice(const QString&, const QString&, const QStringList&, MessageIcon) override {
        ++shown;
        return 0;
    }
    int shown = 0;
};

// A forum server of its own thread, so its work is not counted as the window's: every request
// gets the same 20 KB page.
class PageServer : public QTcpServer {
protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            if (!socket->readAll().contains("\r\n\r\n"))
                return;
            static const QByteArray page =
                "HTTP/1.1 200 OK\r\nContent-Length: 20000\r\n\r\n" + QByteArray(20000, 'x');
            socket->write(page);
            socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
};

ListsData bigLists(int count) {
    ListsData data;
    data.posts.reserve(count);
    data.forums.reserve(count);
    for (int i = 0; i < count; ++i) {
        data.posts.append(
            {QStringLiteral("http://forum%1.example/viewtopic.php?t=%2&start=0").arg(i % 97).arg(i),
             qint64(i) * 13});
        data.forums.append(
            {QStringLiteral("http://forum%1.example/index.php").arg(i), QStringLiteral("me|pw")});
    }
    return data;
}

double ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

bool report(const char* step, double value, double goal) {
    const bool met = value < goal;
    std::printf("%-44s %9.1f ms   (goal < %.0f ms)%s\n", step, value, goal, met ? "" : "  MISSED");
    return met;
}

} // namespace

int main(int argc, char* argv[]) {
    bench::prepareHeadlessWebEngine();
    QApplication app(argc, argv);
    constexpr int rows = 100000;
    constexpr int pages = 1000;

    QTemporaryDir root;
    const QString dataFolder = root.filePath(QStringLiteral("data"));
    QDir().mkpath(dataFolder);
    const ListsData lists = bigLists(rows);
    if (!saveLists(dataFolder, lists).isEmpty())
        return 2;

    CountingMessages messages;
    QtClipboard clipboard;
    SettingsStore settings(root.filePath(QStringLiteral("settings")));
    SystemClock systemClock;
    auto* view = new QWebEngineView;
    WebEnginePage page(view);
    Program program({dataFolder, settings, messages, systemClock, page});
    MainWindow window(program, page, view, clipboard);
    ReplyCheck& check = probe(program).replyCheck();
    window.show();
    QCoreApplication::processEvents();

    bool met = true;
    QElapsedTimer t;
    t.start();
    const LoadListsResult loaded = loadLists(dataFolder);
    met &= report("read 100,000 posts and 100,000 forums", ms(t), 200);
    if (loaded.data != lists)
        return 2;

    t.restart();
    probe(program).lists().setLists(loaded.data);
    QCoreApplication::processEvents();
    met &= report("show them in the list boxes", ms(t), 200);
    const auto* postList = window.findChild<QListView*>(QStringLiteral("lstPosts"));
    const auto* forumList = window.findChild<QListView*>(QStringLiteral("lstPosts2"));
    if (!postList || postList->model()->rowCount() != rows || !forumList ||
        forumList->model()->rowCount() != rows)
        return 2;

    t.restart();
    const QStringList errors = saveLists(dataFolder, probe(program).lists().lists());
    met &= report("save them", ms(t), 200);
    if (!errors.isEmpty() || loadLists(dataFolder).data != lists)
        return 2;

    // The reply check, with the window's event loop watched by a 1 ms timer.
    QThread serverThread;
    PageServer server;
    server.listen(QHostAddress::LocalHost);
    server.moveToThread(&serverThread);
    serverThread.start();
    ListsData checked;
    for (int i = 0; i < pages; ++i) {
        checked.posts.append(
            {QStringLiteral("http://127.0.0.1:%1/t/%2").arg(server.serverPort()).arg(i),
             i % 2 ? 19000 : 20000});
    }
    probe(program).lists().setLists(checked);
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    int found = -1;
    QEventLoop loop;
    QObject::connect(&check, &ReplyCheck::finished, &loop, [&](int n) {
        found = n;
        loop.quit();
    });
    tick.start(1);
    t.restart();
    check.start();
    loop.exec();
    const double total = ms(t);
    tick.stop();
    serverThread.quit();
    serverThread.wait();
    std::printf("reply check of %d pages: %.0f ms, %.2f ms a page, %d new replies\n", pages, total,
                total / pages, found);
    met &= report("longest event delay during the check", double(longest) / 1e6 - 1.0, 100);
    if (found != pages / 2 || messages.shown != 0)
        return 2;
    return met ? 0 : 1;
}

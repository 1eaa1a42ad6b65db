// Times the saved-messages window on a messages.txt of 1,000, 10,000 and 20,000 messages of
// about 1 KB each (10,000 make about 10 MB): reading the file, filling the window's list and
// showing it, filtering as the user types, and a save while the window is open. Loading must
// grow linearly with the file. Run by hand from a Release-like build:
//   bench_saved_messages_window_bench
// Exit status 0 when every target is met, 1 otherwise.

#include "bench_support.h"
#include "compose/saved_messages.h"
#include "compose/ui/saved_messages_window.h"
#include "platform/user_messages.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace quillbox;
using quillbox::bench::milliseconds;

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

// `count` saved messages of about 1 KB: a subject and a body of sentences over several lines,
// some words with accents, an address now and then.
QByteArray messagesFile(int count) {
    static const QStringList words = {u"forum"_qs,
                                      u"thread"_qs,
                                      u"reply"_qs,
                                      u"posted"_qs,
                                      u"about"_qs,
                                      u"version"_qs,
                                      u"works"_qs,
                                      u"Thanks"_qs,
                                      u"see"_qs,
                                      u"question"_qs,
                                      u"answer"_qs,
                                      u"über"_qs,
                                      u"naïve"_qs,
                                      u"Straße"_qs,
                                      u"the"_qs,
                                      u"and"_qs,
                                      u"release"_qs,
                                      u"update"_qs,
                                      u"http://forum.example.org/viewtopic.php?t=4711"_qs,
                                      u"someone@example.net"_qs};
    QRandomGenerator rng(2024);
    QByteArray file;
    file.reserve(qsizetype(count) * 1100);
    for (int m = 0; m < count; ++m) {
        QString body;
        while (body.size() < 1000) {
            body += words[rng.bounded(int(words.size()))];
            body += rng.bounded(12) == 0 ? u"\r\n"_qs : u" "_qs;
        }
        const QString subject = u"Subject %1: "_qs.arg(m) + words[rng.bounded(int(words.size()))];
        file += messageRecord(body, subject) + "\r\n";
    }
    return file;
}

double best(int runs, const std::function<void()>& work) {
    double ms = 1e300;
    for (int i = 0; i < runs; ++i)
        ms = std::min(ms, milliseconds(work));
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(messagesFileName());
    CountingMessages messages;

    std::printf("Saved-messages window, offscreen; best of 3 (filtering: one run).\n");
    std::printf("%-9s %8s %9s %10s %12s\n", "messages", "MB", "read ms", "fill+show", "ms/message");
    struct Row {
        int count;
        double loadMs;
    };
    QList<Row> rows;
    for (const int count : {1000, 10000, 20000}) {
        const QByteArray bytes = messagesFile(count);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            return 2;
        out.close();
        SavedMessages store(path);
        const double readMs = best(3, [&] { (void)store.read(); });
        const double loadMs = best(3, [&] {
            SavedMessagesWindow window(
                store, [&store](const QByteArray& line) { return store.remove(line); }, messages,
                u"Quillbox"_qs);
            window.showRead(store.readIntoList());
            window.show();
            QApplication::processEvents();
        });
        std::printf("%-9d %8.2f %9.1f %10.1f %12.4f\n", count, double(bytes.size()) / 1048576.0,
                    readMs, loadMs, loadMs / count);
        rows.append({count, loadMs});

        if (count != 10000)
            continue;
        SavedMessagesWindow window(
            store, [&store](const QByteArray& line) { return store.remove(line); }, messages,
            u"Quillbox"_qs);
        QObject::connect(&window, &SavedMessagesWindow::filterChanged, &store,
                         &SavedMessages::setFilter);
        window.showRead(store.readIntoList());
        window.show();
        QApplication::processEvents();
        auto* filter = window.findChild<QLineEdit*>(u"txtFilter"_qs);
        auto* list = window.findChild<QListView*>(u"List1"_qs);
        std::printf(
            "\nFiltering 10,000 messages as the user types (each keystroke, then shown):\n");
        std::printf("%-22s %9s %8s\n", "filter box", "ms", "rows");
        for (const QString& typed :
             {u"s"_qs, u"st"_qs, u"str"_qs, u"stra"_qs, u"straß"_qs, u"straße"_qs, u"straße "_qs,
              u"straße u"_qs, u"STRASSE"_qs, u"subject 999"_qs, u"no such text"_qs, QString()}) {
            const double ms = milliseconds([&] {
                filter->setText(typed);
                QApplication::processEvents();
            });
            std::printf("%-22s %9.1f %8d\n",
                        typed.isEmpty() ? "(cleared)" : qPrintable(u'"' + typed + u'"'), ms,
                        list->model()->rowCount());
        }
        const double saveMs = milliseconds([&] {
            (void)store.save(u"one more\r\nmessage"_qs, u"Late"_qs);
            QApplication::processEvents();
        });
        std::printf("\nsave while the window is open (rewrite 10 MB, list refilled): %.1f ms, "
                    "%d rows\n",
                    saveMs, list->model()->rowCount());
    }

    const double perMessageSmall = rows[0].loadMs / rows[0].count;
    const double perMessageLarge = rows[2].loadMs / rows[2].count;
    const double growth = perMessageLarge / perMessageSmall;
    const bool linear = growth <= 1.5;
    std::printf("\nloading: time per message at 20,000 / at 1,000 = %.2f (target <= 1.5, "
                "linear): %s\n",
                growth, linear ? "met" : "MISSED");
    const bool quick = rows[1].loadMs <= 1000.0;
    std::printf("loading 10,000 messages: %.0f ms (target <= 1000 ms): %s\n", rows[1].loadMs,
                quick ? "met" : "MISSED");
    if (messages.shown)
        std::printf("unexpected message boxes: %d\n", messages.shown);
    return (linear && quick && messages.shown == 0) ? 0 : 1;
}

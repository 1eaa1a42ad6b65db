// Times long texts where the user sees them whole: a saved message clicked in the saved-messages
// window, and the message preview box. Texts of one line of 10,000 (the longest text a preview
// shows in a plain message box), 100,000, 300,000 and 1,000,000 characters with no place to
// break, and 1 MB of forum text over many lines, next to a message of 1,000 characters. Each time
// runs from the action to the end of the first paint that follows.
// Run by hand from a Release-like build:
//   bench_long_text_window_bench [runs]   (offscreen unless QT_QPA_PLATFORM is set)
// Exit status 0 when every text shows within 1 s, 1 otherwise.

#include "bench_support.h"
#include "compose/saved_messages.h"
#include "compose/ui/saved_messages_window.h"
#include "platform/qt/qt_user_messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QListView>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace quillbox;
using namespace quillbox::bench;

namespace {

constexpr double aimMs = 1000.0;

// Ends a timing at the end of the first paint of a watched window (or of the window open
// modally), after the action that started it; the modal window is then closed.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* watched) : m_watched(watched) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }

    // Milliseconds from the start of `action` to the end of the first paint, or -1 when nothing
    // was painted within five minutes.
    double time(const std::function<void()>& action) {
        m_painted = false;
        m_done = false;
        m_clock.start();
        action();
        while (!m_done && m_clock.elapsed() < 300000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return m_done ? m_ms : -1;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        QWidget* window = m_watched ? m_watched : QApplication::activeModalWidget();
        if (!m_painted && event->type() == QEvent::Paint && widget && window &&
            widget->window() == window) {
            m_painted = true;
            // Every widget of the window is painted in one go: the timer fires after it.
            QTimer::singleShot(0, this, [this, window] {
                m_ms = double(m_clock.nsecsElapsed()) / 1e6;
                m_done = true;
                if (!m_watched)
                    window->close();
            });
        }
        return QObject::eventFilter(object, event);
    }

private:
    QWidget* m_watched;
    QElapsedTimer m_clock;
    bool m_painted = false;
    bool m_done = false;
    double m_ms = -1;
};

// One line of letters and digits: nowhere to break it.
QString oneLine(qsizetype size) {
    QString line(size, u'x');
    for (qsizetype i = 0; i < size; ++i)
        line[i] = QLatin1Char("abcdefghij0123456789"[i % 20]);
    return line;
}

struct Text {
    const char* name;
    QString text;
};

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values[values.size() / 2];
}

// The median of `runs` timings; -1 when one of them never painted.
double medianOf(int runs, const std::function<double()>& timing) {
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = timing();
        if (ms < 0)
            return -1;
        times << ms;
    }
    return median(times);
}

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir folder;
    const QList<Text> texts = {{"1,000 characters of forum text", forumMessage(1000)},
                               {"one line of 10,000, still a box", oneLine(10000)},
                               {"one line of 100,000", oneLine(100000)},
                               {"one line of 300,000", oneLine(300000)},
                               {"one line of 1,000,000", oneLine(1000000)},
                               {"1 MB of forum text, many lines", forumMessage(megabyte)}};

    // messages.txt holds a short message first, then each text as a saved message.
    QByteArray file = messageRecord(u"first"_qs, u"short"_qs) + "\r\n";
    for (const Text& t : texts)
        file += messageRecord(t.text, QString::fromLatin1(t.name)) + "\r\n";
    const QString path = folder.filePath(messagesFileName());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return 2;
    out.close();

    PrintingMessages messages;
    SavedMessages store(path);
    SavedMessagesWindow window(
        store, [&store](const QByteArray& line) { return store.remove(line); }, messages,
        u"Quillbox"_qs);
    window.showRead(store.readIntoList());
    window.resize(460, 560);
    window.show();
    QApplication::processEvents();
    auto* list = window.findChild<QListView*>(u"List1"_qs);
    auto* body = window.findChild<QPlainTextEdit*>(u"Text1"_qs);
    QtUserMessages preview;
    UserMessages& previewBox = preview;

    std::printf("Long texts shown whole, offscreen; median of %d runs, from the action to the end "
                "of the first paint (ms)\n\n",
                runs);
    std::printf("%-32s %14s %8s %12s %8s\n", "text", "viewer click", "ratio", "preview", "ratio");
    bool met = true;
    double viewerShort = 0;
    double previewShort = 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        // The short message first, so every click changes what the viewer shows.
        const double viewerMs = medianOf(runs, [&] {
            list->setCurrentIndex(list->model()->index(0, 0));
            QApplication::processEvents();
            PaintWatch paint(&window);
            return paint.time([&] { list->setCurrentIndex(list->model()->index(int(i) + 1, 0)); });
        });
        const bool same =
            body->toPlainText() == QString(texts[i].text).replace(u"\r\n"_qs, u"\n"_qs);
        const double previewMs = medianOf(runs, [&] {
            PaintWatch paint(nullptr);
            return paint.time(
                [&] { previewBox.showMessage(u"message preview"_qs, texts[i].text); });
        });
        if (i == 0) {
            viewerShort = viewerMs;
            previewShort = previewMs;
        }
        const bool rowMet =
            same && viewerMs >= 0 && viewerMs <= aimMs && previewMs >= 0 && previewMs <= aimMs;
        met = met && rowMet;
        std::printf("%-32s %14.0f %8.1f %12.0f %8.1f  %s\n", texts[i].name, viewerMs,
                    viewerMs / viewerShort, previewMs, previewMs / previewShort,
                    !same    ? "TEXT CHANGED"
                    : rowMet ? "met"
                             : "MISSED");
    }
    std::printf("\nratio: over the 1,000-character message; aim: every text shown within %.0f ms, "
                "as typed; -1: nothing painted within 5 minutes.\n",
                aimMs);
    return met ? 0 : 1;
}

#pragma once

// What several benchmarks share: the sample forum text, the copies the work is compared with,
// and the timing.

#include "platform/user_messages.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace quillbox::bench {

inline constexpr qsizetype kilobyte = 1024;
inline constexpr qsizetype megabyte = 1024 * 1024;

// A forum message of exactly `size` characters, the same for the same size: sentences of words
// and punctuation, a line break now and then, and an address about every 200 characters.
inline QString forumMessage(qsizetype size) {
    static const QStringList words = {
        QStringLiteral("the"),        QStringLiteral("forum"),     QStringLiteral("thread"),
        QStringLiteral("reply"),      QStringLiteral("posted"),    QStringLiteral("about"),
        QStringLiteral("new"),        QStringLiteral("version"),   QStringLiteral("works"),
        QStringLiteral("fine"),       QStringLiteral("Thanks"),    QStringLiteral("everyone"),
        QStringLiteral("see"),        QStringLiteral("below"),     QStringLiteral("question"),
        QStringLiteral("answer"),     QStringLiteral("settings:"), QStringLiteral("(details)"),
        QStringLiteral("\"quoted\""), QStringLiteral("über"),      QStringLiteral("naïve"),
        QStringLiteral("x-y")};
    static const QStringList punctuation = {
        QStringLiteral(" "),  QStringLiteral(" "),  QStringLiteral(" "),  QStringLiteral(", "),
        QStringLiteral(". "), QStringLiteral("! "), QStringLiteral("? "), QStringLiteral("\r\n")};
    static const QStringList addresses = {
        QStringLiteral("http://forum.example.org/viewtopic.php?t=4711&start=20 "),
        QStringLiteral("https://www.example.com/docs/page.html, "),
        QStringLiteral("write to someone@example.net. "),
        QStringLiteral("(see HTTPS://Example.com/x/y) "),
        QStringLiteral("\r\nhttp://files.example.org/a/b/c.zip\r\n"),
        QStringLiteral("mail: team@example.com! "),
        QStringLiteral("https://example.org/search?q=quillbox&lang=en "),
        QStringLiteral("as@posted, ")};
    QRandomGenerator rng(4242);
    QString text;
    text.reserve(size + 256);
    qsizetype nextAddress = 150;
    while (text.size() < size) {
        text += words[rng.bounded(int(words.size()))];
        text += punctuation[rng.bounded(int(punctuation.size()))];
        if (text.size() >= nextAddress) {
            text += addresses[rng.bounded(int(addresses.size()))];
            nextAddress = text.size() + 150 + rng.bounded(100);
        }
    }
    text.truncate(size);
    return text;
}

// The least work any pass over text must do: look at every character and build a new string.
inline QString appendCopy(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        out.append(c);
    return out;
}

// A copy with no look at the characters at all: a memory copy.
inline QString detachedCopy(const QString& text) {
    QString copy = text;
    copy.detach();
    return copy;
}

// The time one run of the work takes, in milliseconds.
inline double milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Best time of `runs` rounds of `reps` calls, per call, in milliseconds. The work's results are
// summed so the compiler cannot drop it.
inline double bestMilliseconds(int runs, int reps, const std::function<qsizetype()>& work) {
    double best = 1e300;
    qsizetype sink = 0;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < reps; ++i)
            sink += work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6 / reps);
    }
    if (sink == -1)
        std::puts("");
    return best;
}

// Messages a benchmark prints instead of showing, counted; a question takes its last answer.
class PrintingMessages : public UserMessages {
public:
    void showMessage(const QString& title, const QString& text, MessageIcon,
                     const QString& detail) override {
        std::fprintf(stderr, "%s: %s %s\n", qPrintable(title), qPrintable(text),
                     qPrintable(detail));
        ++count;
    }
    int askChoice(const QString&, const QString&, const QStringList& buttons,
                  MessageIcon) override {
        return int(buttons.size()) - 1;
    }
    int count = 0;
};

inline double megabytesPerSecond(qsizetype size, double ms) {
    return (double(size) / double(megabyte)) / (ms / 1000.0);
}

} // namespace quillbox::bench

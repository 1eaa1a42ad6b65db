// Times the markup converter on forum messages from 1 KB to 10 MB, next to a plain copy of the
// same text, and checks that it stays linear and fast. Run by hand from a Release-like build:
//   bench_converter_bench
// Exit status 0 when every target is met, 1 otherwise.

#include "compose/converter.h"
#include "compose/link_template.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace quillbox;

namespace {

constexpr qsizetype kilobyte = 1024;
constexpr qsizetype megabyte = 1024 * 1024;

// A forum message of exactly `size` characters: sentences of words and punctuation, a line
// break now and then, and an address about every 200 characters.
QString forumMessage(qsizetype size) {
    static const QStringList words = {
        u"the"_qs,    u"forum"_qs,     u"thread"_qs,    u"reply"_qs,      u"posted"_qs,
        u"about"_qs,  u"new"_qs,       u"version"_qs,   u"works"_qs,      u"fine"_qs,
        u"Thanks"_qs, u"everyone"_qs,  u"see"_qs,       u"below"_qs,      u"question"_qs,
        u"answer"_qs, u"settings:"_qs, u"(details)"_qs, u"\"quoted\""_qs, u"über"_qs,
        u"naïve"_qs,  u"x-y"_qs};
    static const QStringList punctuation = {u" "_qs,  u" "_qs,  u" "_qs,  u", "_qs,
                                            u". "_qs, u"! "_qs, u"? "_qs, u"\r\n"_qs};
    static const QStringList addresses = {
        u"http://forum.example.org/viewtopic.php?t=4711&start=20 "_qs,
        u"https://www.example.com/docs/page.html, "_qs,
        u"write to someone@example.net. "_qs,
        u"(see HTTPS://Example.com/x/y) "_qs,
        u"\r\nhttp://files.example.org/a/b/c.zip\r\n"_qs,
        u"mail: team@example.com! "_qs,
        u"https://example.org/search?q=quillbox&lang=en "_qs,
        u"as@posted, "_qs};
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

// The least work any converter must do: look at every character and build a new string.
QString appendCopy(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        out.append(c);
    return out;
}

// A copy with no look at the characters at all: a memory copy.
QString detachedCopy(const QString& text) {
    QString copy = text;
    copy.detach();
    return copy;
}

// Best time of `runs` rounds of `reps` calls, per call, in milliseconds.
double bestMilliseconds(int runs, int reps, const std::function<qsizetype()>& work) {
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

double megabytesPerSecond(qsizetype size, double ms) {
    return (double(size) / double(megabyte)) / (ms / 1000.0);
}

} // namespace

int main() {
    const LinkTemplate html = defaultTemplates()[0];
    TemplateSet templates = defaultTemplates();
    struct Size {
        const char* label;
        qsizetype chars;
        int reps;
    };
    const Size sizes[] = {{"1 KB", kilobyte, 20000},
                          {"100 KB", 100 * kilobyte, 200},
                          {"1 MB", megabyte, 20},
                          {"10 MB", 10 * megabyte, 2}};

    std::printf("Converter (html template) against plain copies of the same text; best of 5.\n");
    std::printf("%-7s %7s %10s %9s %11s %9s %11s %9s %9s %9s\n", "size", "links", "convert ms",
                "MB/s", "append ms", "MB/s", "memcpy ms", "MB/s", "/append", "/memcpy");

    double msOneMb = 0, msTenMb = 0, worstShareOfAppend = 1e9, worstMbps = 1e9;
    for (const Size& s : sizes) {
        const QString text = forumMessage(s.chars);
        const QString converted = convertMessage(text, html.Name, templates);
        const qsizetype links = converted.count(u"</a>"_qs);

        const double convertMs = bestMilliseconds(
            5, s.reps, [&] { return convertMessage(text, html.Name, templates).size(); });
        const double appendMs =
            bestMilliseconds(5, s.reps, [&] { return appendCopy(text).size(); });
        const double memcpyMs =
            bestMilliseconds(5, s.reps, [&] { return detachedCopy(text).size(); });
        const double mbps = megabytesPerSecond(s.chars, convertMs);
        std::printf("%-7s %7lld %10.4f %9.0f %11.4f %9.0f %11.4f %9.0f %9.2f %9.2f\n", s.label,
                    static_cast<long long>(links), convertMs, mbps, appendMs,
                    megabytesPerSecond(s.chars, appendMs), memcpyMs,
                    megabytesPerSecond(s.chars, memcpyMs), convertMs / appendMs,
                    convertMs / memcpyMs);
        if (s.chars == megabyte)
            msOneMb = convertMs;
        if (s.chars == 10 * megabyte)
            msTenMb = convertMs;
        if (s.chars >= 100 * kilobyte) {
            worstShareOfAppend = std::min(worstShareOfAppend, appendMs / convertMs);
            worstMbps = std::min(worstMbps, mbps);
        }
    }

    const double linearity = msTenMb / msOneMb;
    const bool linear = linearity <= 12.0;
    const bool quarter = worstShareOfAppend >= 0.25;
    const bool fast = worstMbps >= 200.0;
    std::printf("\nlinearity: 10 MB time / 1 MB time = %.2f (target <= 12): %s\n", linearity,
                linear ? "met" : "MISSED");
    std::printf("throughput against the appending copy, worst of 100 KB..10 MB: %.2f of it "
                "(target >= 0.25): %s\n",
                worstShareOfAppend, quarter ? "met" : "MISSED");
    std::printf("throughput, worst of 100 KB..10 MB: %.0f MB/s (target >= 200 MB/s, ten times "
                "a 20 MB/s script autolinker): %s\n",
                worstMbps, fast ? "met" : "MISSED");
    return (linear && quarter && fast) ? 0 : 1;
}

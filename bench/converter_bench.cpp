// Times the markup converter on forum messages from 1 KB to 10 MB, next to a plain copy of the
// same text, and checks that it stays linear and fast. Then times it on hostile shapes of text
// (long runs of terminators before an "@", runs of full stops, delimiters, "@") at growing
// sizes, where doubling the text must no more than about double the time. Run by hand from a
// Release-like build:
//   bench_converter_bench [KB ...]
// The KB arguments set the sizes of the hostile texts (default 160 320 640 1280).
// Exit status 0 when every target is met, 1 otherwise.

#include "bench_support.h"
#include "compose/converter.h"
#include "compose/link_template.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace quillbox;
using namespace quillbox::bench;

namespace {

QString repeated(QStringView unit, qsizetype count) {
    QString text;
    text.reserve(unit.size() * count);
    for (qsizetype i = 0; i < count; ++i)
        text += unit;
    return text;
}

// A hostile text of about `size` characters: `head`, then `unit` repeated, then `tail`.
QString hostile(QStringView head, QStringView unit, QStringView tail, qsizetype size) {
    const qsizetype count =
        std::max<qsizetype>(1, (size - head.size() - tail.size()) / unit.size());
    return head + repeated(unit, count) + tail;
}

struct HostileShape {
    const char* name;
    const char* format; // template name
    std::function<QString(qsizetype)> make;
};

// Texts built to make a converter redo work: every "@" whose walk back or forward scan could
// be repeated, every character class in long runs.
const std::vector<HostileShape>& hostileShapes() {
    static const std::vector<HostileShape> shapes = {
        {"a x,x,...,x@y", "html", [](qsizetype n) { return hostile(u"a ", u"x,", u"x@y", n); }},
        {"a ,,,...,@y", "html", [](qsizetype n) { return hostile(u"a ", u",", u"@y", n); }},
        {"a x?x!...x@y", "html", [](qsizetype n) { return hostile(u"a ", u"x?x!", u"x@y", n); }},
        {"a x,x,...,x yyy...y@z", "html",
         [](qsizetype n) -> QString {
             return hostile(u"a ", u"x,", u"", n / 2) + repeated(u"y", n / 2) + u"@z"_qs;
         }},
        {"a x,http://h,...x@y (ubb)", "ubb",
         [](qsizetype n) { return hostile(u"a ", u"x,http://h,", u"x@y", n); }},
        {"blocks ' x,...,x@y' x 64", "html",
         [](qsizetype n) {
             QString text;
             const QString block = hostile(u" ", u"x,", u"x@y", n / 64);
             for (int i = 0; i < 64; ++i)
                 text += block;
             return text;
         }},
        {"a ...(full stops)...@y.", "html",
         [](qsizetype n) { return hostile(u"a ", u".", u"@y.", n); }},
        {"a x.x.x...@y", "html", [](qsizetype n) { return hostile(u"a ", u"x.", u"@y", n); }},
        {"a (spaces) @y", "html", [](qsizetype n) { return hostile(u"a", u" ", u"@y", n); }},
        {"a (CR LF) x@y", "html", [](qsizetype n) { return hostile(u"a", u"\r\n", u"x@y", n); }},
        {"a @@@...@", "html", [](qsizetype n) { return hostile(u"a ", u"@", u"", n); }},
        {"x @ @ @ ...", "html", [](qsizetype n) { return hostile(u"x", u" @", u"", n); }},
        {"a x@,@,@,...", "html", [](qsizetype n) { return hostile(u"a x", u"@,", u"", n); }},
        {"http://http://...", "html", [](qsizetype n) { return hostile(u"", u"http://", u"", n); }},
        {"http://x,http://x,...", "html",
         [](qsizetype n) { return hostile(u"", u"http://x,", u"", n); }},
    };
    return shapes;
}

// Milliseconds for one conversion: one call when it is slow, the best of a few rounds of
// repeated calls when it is fast enough to need them.
double conversionMilliseconds(const QString& text, const QString& format,
                              const TemplateSet& templates) {
    QElapsedTimer timer;
    timer.start();
    qsizetype sink = convertMessage(text, format, templates).size();
    const double once = double(timer.nsecsElapsed()) / 1e6;
    if (once > 200.0)
        return once;
    const int reps = std::max(1, int(100.0 / std::max(once, 0.01)));
    const double best =
        bestMilliseconds(3, reps, [&] { return convertMessage(text, format, templates).size(); });
    if (sink == -1)
        std::puts("");
    return std::min(once, best);
}

// Times every hostile shape at each size; returns whether each shape's time grows about as its
// length does. A shape is judged by its smallest ratio per doubling of the text: work that
// grows with the square of the length shows a ratio near 4 at every doubling, while the step
// up that comes once the converted text outgrows the processor's caches shows at one only.
bool timeHostileShapes(const QList<qsizetype>& kilobytes, const TemplateSet& templates) {
    std::printf("\nHostile texts: milliseconds per conversion and the ratio of each size's time "
                "to the previous size's.\n%-28s",
                "shape");
    for (const qsizetype kb : kilobytes)
        std::printf(" %8lld KB", static_cast<long long>(kb));
    std::printf("   ratios\n");
    double worstShape = 0;
    const char* worstName = "";
    for (const HostileShape& shape : hostileShapes()) {
        std::printf("%-28s", shape.name);
        std::fflush(stdout);
        QList<double> times;
        for (const qsizetype kb : kilobytes) {
            const QString text = shape.make(kb * kilobyte);
            times.append(
                conversionMilliseconds(text, QString::fromLatin1(shape.format), templates));
            std::printf(" %11.3f", times.last());
            std::fflush(stdout);
        }
        std::printf("  ");
        double smallest = 1e300;
        for (qsizetype i = 1; i < times.size(); ++i) {
            const double ratio = times[i] / times[i - 1];
            const double sizeRatio = double(kilobytes[i]) / double(kilobytes[i - 1]);
            // Normalised to a doubling, so any pair of sizes compares alike. Times under a
            // millisecond are too small to judge a trend by.
            if (times[i] >= 1.0)
                smallest = std::min(smallest, std::pow(ratio, 1.0 / std::log2(sizeRatio)));
            std::printf(" %5.2f", ratio);
        }
        std::printf("\n");
        if (smallest < 1e300 && smallest > worstShape) {
            worstShape = smallest;
            worstName = shape.name;
        }
    }
    const bool linear = worstShape <= 3.0;
    std::printf("\nhostile texts: smallest time ratio per doubling of the text, worst shape "
                "(%s) = %.2f (target <= 3, quadratic work gives 4): %s\n",
                worstName, worstShape, linear ? "met" : "MISSED");
    return linear;
}

} // namespace

int main(int argc, char** argv) {
    QList<qsizetype> hostileKilobytes;
    for (int i = 1; i < argc; ++i) {
        const qsizetype kb = std::atoll(argv[i]);
        if (kb <= 0) {
            std::fprintf(stderr, "usage: %s [KB ...]   (sizes of the hostile texts)\n", argv[0]);
            return 2;
        }
        hostileKilobytes.append(kb);
    }
    if (hostileKilobytes.isEmpty())
        hostileKilobytes = {160, 320, 640, 1280};

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
    const bool hostileLinear = timeHostileShapes(hostileKilobytes, templates);
    return (linear && quarter && fast && hostileLinear) ? 0 : 1;
}

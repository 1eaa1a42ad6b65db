// Times the whole-address link rules next to the classic rules on the same forum messages, from
// 1 KB to 10 MB, and checks that they stay linear. Text of a few megabytes still fits the
// processor's caches and larger text does not, so the step from 1 MB to 10 MB also measures
// the memory (the classic rules take the same step); growth is judged from 16 MB to 32 MB, both
// beyond the caches. Run by hand from a Release-like build:
//   bench_whole_links_bench
// Exit status 0 when every target is met, 1 otherwise.

#include "bench_support.h"
#include "compose/link_rules.h"
#include "compose/link_template.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace quillbox;
using namespace quillbox::bench;

namespace {

// Text that makes a careless scanner walk back and forth: long local parts without a domain,
// runs of "@", brackets after addresses and "www" that never become addresses.
QString hostileMessage(qsizetype size) {
    static const QStringList pieces = {
        QString(300, u'a') + u"@"_qs, u"@@@@@@@@"_qs, u"http://x.org/"_qs + QString(200, u')'),
        u"wwwwwwwwwwww.- "_qs,        u"x.y.z@"_qs,   u"www.q"_qs + QString(100, u'.') + u" "_qs};
    QRandomGenerator rng(99);
    QString text;
    text.reserve(size + 512);
    while (text.size() < size)
        text += pieces[rng.bounded(int(pieces.size()))];
    text.truncate(size);
    return text;
}

} // namespace

int main() {
    const TemplateSet templates = defaultTemplates();
    const QString format = templates[0].Name;
    struct Size {
        const char* label;
        qsizetype chars;
        int reps;
    };
    const Size sizes[] = {{"1 KB", kilobyte, 20000},
                          {"100 KB", 100 * kilobyte, 200},
                          {"1 MB", megabyte, 20},
                          {"10 MB", 10 * megabyte, 2}};

    bool linear = true;
    double worstMbps = 1e300;
    for (const bool hostile : {false, true}) {
        std::printf("\n%s, html template; best of 5 (sizes in characters).\n",
                    hostile ? "Hostile text" : "Forum messages (the converter benchmark's texts)");
        std::printf("%-7s %8s %8s %11s %9s %11s %9s %13s\n", "size", "classic", "whole",
                    "classic ms", "MB/s", "whole ms", "MB/s", "whole/classic");
        for (const Size& s : sizes) {
            const QString text = hostile ? hostileMessage(s.chars) : forumMessage(s.chars);
            const auto links = [&](LinkRules rules) {
                return convertMessage(text, format, templates, rules).count(u"</a>"_qs);
            };
            const double classicMs = bestMilliseconds(5, s.reps, [&] {
                return convertMessage(text, format, templates, LinkRules::Classic).size();
            });
            const double wholeMs = bestMilliseconds(5, s.reps, [&] {
                return convertMessage(text, format, templates, LinkRules::WholeAddresses).size();
            });
            std::printf("%-7s %8lld %8lld %11.4f %9.0f %11.4f %9.0f %13.2f\n", s.label,
                        static_cast<long long>(links(LinkRules::Classic)),
                        static_cast<long long>(links(LinkRules::WholeAddresses)), classicMs,
                        megabytesPerSecond(s.chars, classicMs), wholeMs,
                        megabytesPerSecond(s.chars, wholeMs), wholeMs / classicMs);
            if (s.chars >= 100 * kilobyte)
                worstMbps = std::min(worstMbps, megabytesPerSecond(s.chars, wholeMs));
        }
    }
    std::printf("\nGrowth beyond the caches, best of 3: time at 32 MB / time at 16 MB "
                "(target for the whole rules <= 2.5).\n");
    for (const bool hostile : {false, true}) {
        const QString small = hostile ? hostileMessage(16 * megabyte) : forumMessage(16 * megabyte);
        const QString large = hostile ? hostileMessage(32 * megabyte) : forumMessage(32 * megabyte);
        const auto time = [&](const QString& text, LinkRules rules) {
            return bestMilliseconds(
                3, 1, [&] { return convertMessage(text, format, templates, rules).size(); });
        };
        const double classic = time(large, LinkRules::Classic) / time(small, LinkRules::Classic);
        const double whole =
            time(large, LinkRules::WholeAddresses) / time(small, LinkRules::WholeAddresses);
        std::printf("%-15s classic %.2f  whole %.2f: %s\n",
                    hostile ? "hostile text" : "forum messages", classic, whole,
                    whole <= 2.5 ? "met" : "MISSED");
        linear = linear && whole <= 2.5;
    }

    const bool fast = worstMbps >= 100.0;
    std::printf("\nwhole rules, worst throughput of 100 KB..10 MB: %.0f MB/s (target >= 100 MB/s): "
                "%s\n",
                worstMbps, fast ? "met" : "MISSED");
    return (linear && fast) ? 0 : 1;
}

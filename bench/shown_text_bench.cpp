// Times the follow-up's search of a thread page's rendered text (normalising it and looking for
// the message's first line) on pages of 1 MB and 10 MB, next to a plain appending copy of the
// same text, and checks that it stays linear, also on a page of one repeated letter that would
// hold a skipping search to the product of both lengths. Run by hand from a Release-like build:
//   bench_shown_text_bench
// Exit status 0 when every target is met, 1 otherwise.

#include "bench_support.h"
#include "browser/shown_text.h"

#include <cstdio>

using namespace quillbox;
using namespace quillbox::bench;
using namespace Qt::StringLiterals;

namespace {

// A thread's rendered text of `size` characters: forum posts with the blank runs, no-break
// spaces and escaped ampersands rendered text holds, and the posted line at the very end.
QString renderedThread(qsizetype size, const QString& postedLine) {
    QString text = forumMessage(size - postedLine.size() - 8);
    text.replace(u"&"_s, u"&amp;"_s);
    text.replace(u", "_s, u",\u00a0 "_s);
    text.truncate(size - postedLine.size() - 2);
    return text + u"\n\n"_s + postedLine;
}

} // namespace

int main() {
    const QString line = u"Tom & Jerry: https://a.example/?x=1&y=2 see you there"_s;
    const QString shown = u"Tom &amp; Jerry:\u00a0 https://a.example/?x=1&amp;y=2\tsee you there"_s;

    struct Row {
        const char* label;
        QString page;
        QString line;
        bool expected;
    };
    const QString letters = QString(500, u'a') + u'b';
    Row rows[] = {
        {"1 MB thread", renderedThread(megabyte, shown), line, true},
        {"10 MB thread", renderedThread(10 * megabyte, shown), line, true},
        {"1 MB of 'a'", QString(megabyte, u'a'), letters, false},
        {"10 MB of 'a'", QString(10 * megabyte, u'a'), letters, false},
    };

    std::printf("Follow-up search of a page's rendered text for the posted line, best of several "
                "runs,\nagainst an appending copy of the same text.\n\n");
    std::printf("%-14s %9s %9s %9s %7s %6s\n", "page", "copy", "search", "MB/s", "x copy", "found");
    double searchMs[4] = {}, copyMs[4] = {};
    bool correct = true;
    for (int i = 0; i < 4; ++i) {
        const Row& r = rows[i];
        const bool found = shownTextContains(r.page, r.line);
        correct = correct && found == r.expected;
        copyMs[i] = bestMilliseconds(5, 1, [&] { return appendCopy(r.page).size(); });
        searchMs[i] =
            bestMilliseconds(5, 1, [&] { return qsizetype(shownTextContains(r.page, r.line)); });
        std::printf("%-14s %9.2f %9.2f %9.1f %7.1f %6s\n", r.label, copyMs[i], searchMs[i],
                    megabytesPerSecond(r.page.size(), searchMs[i]), searchMs[i] / copyMs[i],
                    found ? "yes" : "no");
    }
    std::printf("\n(ms; search = normalising the page's text and looking for the line in it)\n");

    // Ten times the text: a linear search takes about ten times as long, as the copy does.
    bool linear = true;
    for (int i = 0; i < 4; i += 2) {
        const double growth = searchMs[i + 1] / searchMs[i];
        const double limit = std::max(12.0, 1.5 * copyMs[i + 1] / copyMs[i]);
        linear = linear && growth <= limit;
        std::printf("%s -> %s: search %.2f (target <= %.1f)\n", rows[i].label, rows[i + 1].label,
                    growth, limit);
    }
    std::printf("linear: %s; found where expected: %s\n", linear ? "met" : "MISSED",
                correct ? "yes" : "NO");
    return (linear && correct) ? 0 : 1;
}

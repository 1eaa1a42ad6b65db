// Times the posting-form scan on generated forum pages of 1 MB and 10 MB, next to plain copies
// of the same markup, and checks that it stays linear. Run by hand from a Release-like build:
//   bench_page_scan_bench [folder for the scratch file]
// Exit status 0 when every target is met, 1 otherwise.

#include "bench_support.h"
#include "browser/page_scan.h"
#include "browser/posting_form_scan.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace quillbox;
using namespace quillbox::bench;
using namespace Qt::StringLiterals;

namespace {

// A thread page of about `size` characters as an engine writes it back: a search form at the
// top, posts with links, quotes and buttons (some in small forms of their own, with inputs),
// and the reply form with its text area at the very end, so every scan reads the whole page.
BodyHtml threadPage(qsizetype size) {
    static const QStringList sentences = {
        u"Thanks, that worked for me after the update. "_s,
        u"Has anyone tried the <b>new</b> version yet? "_s,
        u"See <a href=\"https://forum.example.org/viewtopic.php?t=4711&amp;start=20\">this "
        "thread</a> for details. "_s,
        u"<i>Quote:</i> naïve question, über simple answer. "_s,
        u"Ich stimme zu — 日本語 works too. "_s};
    QRandomGenerator rng(4711);
    QString inner;
    inner.reserve(size + 4096);
    inner += u"<div id=\"header\"><FORM action=\"/search\" method=\"get\"><INPUT type=\"text\" "
             "name=\"q\"><INPUT type=\"submit\" value=\"Search\"></FORM></div>"_s;
    const QString replyForm =
        u"<form action=\"/post\" method=\"post\" name=\"reply\"><input type=\"hidden\" "
        "name=\"t\" value=\"4711\"><input type=\"text\" name=\"subject\" value=\"Re: hello\">"
        "<select name=\"icon\"><option>none</option></select><textarea name=\"message\" "
        "rows=\"10\"></textarea><input type=\"submit\" value=\"Post\"></form>"_s;
    for (int post = 0; inner.size() < size - replyForm.size(); ++post) {
        inner += u"<div class=\"post\" id=\"p%1\"><div class=\"author\">user%2</div>"
                 "<div class=\"body\">"_s.arg(post)
                     .arg(rng.bounded(500));
        const int count = 3 + rng.bounded(8);
        for (int i = 0; i < count; ++i)
            inner += sentences[rng.bounded(int(sentences.size()))];
        inner +=
            u"<br></div><form action=\"/rate\" method=\"post\"><input type=\"hidden\" "
            "name=\"p\" value=\"%1\"><input type=\"submit\" value=\"+1\"></form></div>\n"_s.arg(
                post);
    }
    inner += replyForm;
    return {u"<body class=\"forum\">"_s + inner + u"</body>"_s, inner};
}

// Both preparations, both form scans and the field scan, all in memory.
qsizetype scanInMemory(const BodyHtml& body) {
    const QString first = preparePageText(body.outer, ScanPass::First);
    const qsizetype firstForm = findPostingForm(first);
    const QString second = preparePageText(body.inner, ScanPass::Second);
    const qsizetype secondForm = findPostingForm(second);
    return firstForm + secondForm + findMessageField(second, secondForm);
}

// The same with the scratch file written after each preparation and read back for the field.
qsizetype scanWithFile(const BodyHtml& body, const QString& path) {
    const QString first = preparePageText(body.outer, ScanPass::First);
    if (!writeScratchPage(path, first).ok)
        return -100;
    const qsizetype firstForm = findPostingForm(first);
    const QString second = preparePageText(body.inner, ScanPass::Second);
    if (!writeScratchPage(path, second).ok)
        return -100;
    const qsizetype secondForm = findPostingForm(second);
    const ScratchPageText read = readScratchPage(path);
    if (!read.status.ok)
        return -100;
    return firstForm + secondForm + findMessageField(read.text, secondForm);
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString path = QDir(folder).filePath(scratchPageFileName());

    struct Size {
        const char* label;
        qsizetype chars;
        int runs;
    };
    const Size sizes[] = {{"1 MB", megabyte, 9}, {"10 MB", 10 * megabyte, 5}};

    std::printf("Posting-form scan over a generated thread page (posting form last), best of "
                "several runs,\nagainst copies of the same outer markup. Scratch file in %s\n\n",
                qPrintable(QDir::toNativeSeparators(folder)));
    std::printf("%-6s %9s %9s %9s %10s %10s %10s %9s %9s %9s\n", "size", "memcpy", "append", "scan",
                "scan+file", "usual+file", "form/fld", "scan/cpy", "scan/app", "file/cpy");

    double scanMs[2] = {}, fileMs[2] = {}, appendMsBySize[2] = {};
    bool correct = true;
    int row = 0;
    for (const Size& s : sizes) {
        const BodyHtml body = threadPage(s.chars);
        const PostingFormScan usual = scanPostingPage(body, path);
        correct = correct && usual.found() && usual.field == 2;

        const double memcpyMs =
            bestMilliseconds(s.runs, 1, [&] { return detachedCopy(body.outer).size(); });
        const double appendMs =
            bestMilliseconds(s.runs, 1, [&] { return appendCopy(body.outer).size(); });
        const double scan = bestMilliseconds(s.runs, 1, [&] { return scanInMemory(body); });
        const double withFile =
            bestMilliseconds(s.runs, 1, [&] { return scanWithFile(body, path); });
        const double usualMs =
            bestMilliseconds(s.runs, 1, [&] { return scanPostingPage(body, path).field; });
        std::printf("%-6s %9.2f %9.2f %9.2f %10.2f %10.2f %5lld/%-4lld %9.1f %9.1f %9.1f\n",
                    s.label, memcpyMs, appendMs, scan, withFile, usualMs,
                    static_cast<long long>(usual.form), static_cast<long long>(usual.field),
                    scan / memcpyMs, scan / appendMs, withFile / memcpyMs);
        scanMs[row] = scan;
        appendMsBySize[row] = appendMs;
        fileMs[row] = withFile;
        ++row;
    }
    std::printf("\n(ms; scan = both preparations, both form scans and the field scan in memory;\n"
                " scan+file = the same writing the scratch file twice and reading it back;\n"
                " usual+file = one auto-insert's scan of this page, which the first pass finds)\n");

    // Ten times the text: a linear scan takes about ten times as long, as the appending copy
    // does once the text no longer fits in the caches; a quadratic one would take a hundred.
    const double scanGrowth = scanMs[1] / scanMs[0];
    const double fileGrowth = fileMs[1] / fileMs[0];
    const double copyGrowth = appendMsBySize[1] / appendMsBySize[0];
    const double limit = std::max(12.0, 1.5 * copyGrowth);
    const bool linear = scanGrowth <= limit && fileGrowth <= limit;
    std::printf("\n10 MB / 1 MB: scan %.2f, scan+file %.2f, appending copy %.2f "
                "(target <= %.1f): %s\n",
                scanGrowth, fileGrowth, copyGrowth, limit, linear ? "met" : "MISSED");
    std::printf("posting form found at the end of each page: %s\n", correct ? "yes" : "NO");
    return (linear && correct) ? 0 : 1;
}

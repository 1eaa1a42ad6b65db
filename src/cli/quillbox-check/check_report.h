#pragma once

#include "watch/parallel_check.h"

#include <QList>
#include <QString>

namespace quillbox {

// Every address below is shown as shownAddress makes it: a password written into it is masked.

struct CheckCounts {
    int newReplies = 0;
    int failed = 0;
    int shrunk = 0; // pages smaller than recorded where their size was recorded
};
CheckCounts countResults(const QList<ThreadCheckResult>& results);

// "<address>\n" for a page with new replies, nothing for any other.
QString grownLine(const ThreadCheckResult& result);
// "<address>: <reason>" for a page that could not be fetched.
QString failureLine(const ThreadCheckResult& result);
// One JSON object on one line: address, title ("" when none is known), recordedSize,
// measuredSize (null when none), result ("new replies", "unchanged", "failed", "no size"),
// newPosts (how many posts are newer than the recorded ones, 0 when the pages do not tell),
// lastPage (the page measured, once the thread was followed there) and, for a failure, error
// and, for a thread moved to another site, movedTo.
QString resultJson(const ThreadCheckResult& result);

// Writes the results as they come in: one call per thread, in the order of the list, then
// finish(). Text gives the addresses of the pages with new replies; JSON an array whose
// objects come one a line, written as each is known; JSON lines one object a line and nothing
// else, so a run cut short leaves whole lines.
class ResultWriter {
public:
    enum class Format { Text, Json, JsonLines };
    explicit ResultWriter(Format format) : m_format(format) {}
    // The text to print for the next thread.
    QString add(const ThreadCheckResult& result);
    // The text that ends the output.
    QString finish();

private:
    Format m_format;
    int m_written = 0;
};

} // namespace quillbox

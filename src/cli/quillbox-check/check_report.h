#pragma once

#include "watch/parallel_check.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quillbox {

struct CheckCounts {
    int newReplies = 0;
    int failed = 0;
};
CheckCounts countResults(const QList<ThreadCheckResult>& results);

// The addresses of the pages with new replies, one a line, in the order of the list.
QString grownAddresses(const QList<ThreadCheckResult>& results);
// "<address>: <reason>" for a page that could not be fetched.
QString failureLine(const ThreadCheckResult& result);
// A JSON array, one object a line: address, recordedSize, measuredSize (null when none),
// result ("new replies", "unchanged", "failed", "no size") and, for a failure, error.
QString resultsJson(const QList<ThreadCheckResult>& results);

struct MarkReadOutcome {
    int marked = 0;
    QStringList errors;
};
// Records the measured size of every page found grown. The lists are read again first and a
// page is renewed only while its address still carries the size the check compared with, so
// a size recorded by the program meanwhile is kept. The files are replaced atomically.
MarkReadOutcome markRead(const QString& folder, const QList<ThreadCheckResult>& results);

} // namespace quillbox

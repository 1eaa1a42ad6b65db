#pragma once

#include "store/records.h"
#include "watch/parallel_check.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace quillbox {

// The watched posts as quillbox-check reads them: posts.txt and sizes.txt only (posts2.txt, the
// forums and their passwords, is none of its business), and without writing anything, not even
// the copy of a damaged file that the program keeps before it rewrites one.
struct CheckLists {
    QList<WatchedPost> posts;
    QStringList errors;  // one message per file that exists but could not be read
    QStringList damaged; // one message per damaged file, naming it
    // sizes.txt as read, and whether rewriting it would lose anything of it: bytes that are not
    // UTF-8, sizes without a post, or a size line that holds no number.
    QByteArray sizesBytes;
    bool sizesDamaged = false;
};
CheckLists readCheckLists(const QString& folder);

struct MarkReadOutcome {
    int marked = 0;
    QStringList errors; // nothing was written when there are any
    QStringList notes;  // what became of a damaged sizes.txt
};
// Records the measured size of every page found grown. The lists are read again first and a
// page is renewed only while its address still carries the size the check compared with, so
// a size recorded by the program meanwhile is kept. Only sizes.txt is rewritten, atomically,
// and only when a size changed; a damaged sizes.txt is first kept as "sizes.txt.damaged", and
// when that copy cannot be made nothing is written.
MarkReadOutcome markRead(const QString& folder, const QList<ThreadCheckResult>& results);

} // namespace quillbox

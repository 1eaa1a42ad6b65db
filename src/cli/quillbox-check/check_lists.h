#pragma once

#include "store/records.h"
#include "watch/list_state.h"
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
    // What the program keeps beside the lists (lists-state.txt), row for row with the posts:
    // the page and post each thread was read up to, and what its last check found. Whether the
    // file could be read whole, so that writing it back would lose nothing.
    QList<ThreadState> states;
    ListState state;
    bool stateWritable = true;
};
CheckLists readCheckLists(const QString& folder);
// The threads to check, each with what the program keeps of it.
QList<ThreadToCheck> threadsToCheck(const CheckLists& lists);

struct MarkReadOutcome {
    int marked = 0;
    QStringList errors; // nothing was written when there are any
    QStringList notes;  // what became of a damaged sizes.txt
};
// Records what the check measured of every thread found grown, and of every page that came back
// smaller where its size was recorded (posts deleted), so later replies are not hidden behind
// the old size. The lists are read again first and a thread is renewed only while its address
// still carries the size the check compared with, so a size recorded by the program meanwhile
// is kept. sizes.txt is rewritten, atomically, only when a size changed; a damaged sizes.txt is
// first kept as "sizes.txt.damaged", and when that copy cannot be made nothing is written. The
// page and post read up to go to lists-state.txt, when that file could be read whole.
MarkReadOutcome markRead(const QString& folder, const QList<ThreadCheckResult>& results);

} // namespace quillbox

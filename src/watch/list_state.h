#pragma once

#include "store/file_result.h"
#include "watch/check_outcome.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillbox {

class WatchLists;

// What the lists know beyond their files, kept beside them in lists-state.txt: each watched
// thread's title, where it leads now, the page and post the user has read up to, its last check
// and whether its new replies are still unread; and each forum's markup format and posting page.
// The list files themselves keep their format. Only what differs from a new row is written, and
// a row with nothing of its own is left out.
struct ThreadState {
    QString address;
    std::optional<PostCheck> check;
    bool unread = false;
    QString title;
    QString current;
    QString lastPage;
    std::optional<qint64> highestPost;

    bool isEmpty() const { return *this == ThreadState{address}; }
    bool operator==(const ThreadState&) const = default;
};

struct ForumState {
    QString address;
    QString format;      // the name of the format chosen for the forum; "" when none
    QString postingPage; // the address of its "new topic" or reply page; "" when none
    QString name;        // what the user calls it; "" when it has no name

    bool operator==(const ForumState&) const = default;
};

struct ListState {
    QList<ThreadState> threads;
    QList<ForumState> forums;

    bool operator==(const ListState&) const = default;
};

// The file the state is kept in (text, one line a record), and the JSON file earlier versions kept
// it in: that is read while the text file is not there yet, and removed once it is written.
QString listStateFileName();
QString earlierListStateFileName();
// The file the state of the lists in `folder` is read from.
QString listStatePath(const QString& folder);

QByteArray serializeListState(const ListState& state);
// Reads the text and every earlier JSON version. A record that cannot be read is left out;
// `damaged` tells whether anything was, or the file was cut short (it is then kept as it is
// before it is written again).
ListState parseListState(const QByteArray& bytes, bool* damaged = nullptr);

// The state of the lists as they stand, and the state put back onto them: each record goes to
// the first row of its address that has none yet, so a list with the same address twice keeps
// both rows' states in order. Records of rows that are gone are dropped.
ListState collectListState(const WatchLists& lists);
// The state of each address in order, as applyListState hands the records out: the first
// record of an address not yet taken, or one with nothing but the address.
QList<ThreadState> threadStatesFor(const QStringList& addresses, const ListState& state);
void applyListState(WatchLists& lists, const ListState& state);

struct LoadListStateResult {
    ListState state;
    QString error;   // the file exists but could not be read
    QString damaged; // the file was damaged: where its original is kept
    // The file could not be read, or its damaged original could not be kept: writing it would
    // lose what it holds.
    bool keepUnwritten = false;
};
LoadListStateResult loadListState(const QString& folder);

// loadListState in two steps, the first of which may run on another thread: the file read and
// parsed, with what it was like then; and what is done about it once it is taken up (a damaged
// file's original kept).
struct ListStateRead {
    QString path;
    bool exists = false;
    qint64 size = -1;
    QDateTime modified;
    QDateTime changed;
    FileResult status;
    ListState state;
    bool damaged = false;
    QByteArray bytes; // a damaged file's, to keep
};
ListStateRead readListState(const QString& folder);
// Whether the file read is still the one in `folder`, unchanged.
bool isCurrent(const ListStateRead& read, const QString& folder);
LoadListStateResult finishLoading(const ListStateRead& read);
// Writes the file atomically, readable by its owner only, and removes the earlier file. A damaged
// file is kept as "<name>.damaged" when it is loaded (see loadListState), not here.
FileResult saveListState(const QString& folder, const ListState& state);

} // namespace quillbox

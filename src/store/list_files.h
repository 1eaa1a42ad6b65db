#pragma once

#include "store/file_result.h"
#include "store/records.h"

#include <QByteArray>
#include <QStringList>

namespace quillbox {

// The three list files: posts.txt (watched addresses), sizes.txt (their recorded sizes, row for
// row) and posts2.txt (forums with their logins). Each record is written followed by two CR LF;
// on reading, lines that are "" or " " are skipped.

struct ListsData {
    QList<WatchedPost> posts;
    QList<Forum> forums;

    bool operator==(const ListsData&) const = default;
};

// Parsing, from the lines of each file (see splitFileLines).
QStringList parsePostLines(const QStringList& lines);
// A recorded size: a number, with blanks around it ignored, written as whole bytes ("1000",
// "+1000") or with decimals or an exponent ("1000.0", "1e3"), rounded to whole bytes. Anything
// else, a negative size, or one beyond 64 bits is no size.
std::optional<qint64> parseSize(const QString& text);
// Whether a size line holds a number at all (blanks around it ignored), whatever its value: a
// line that does not was written by something other than the program.
bool isSizeText(const QString& line);
// Whether a size line holds a number too large for any size ("1e400", "99999999999999999999"):
// read as no size, it is damage, since a rewrite would lose it.
bool isSizeTooLarge(const QString& line);
// One entry per size line: a missing, negative or non-numeric size is "no size".
QList<std::optional<qint64>> parseSizeLines(const QStringList& lines);
// Field 0 is the address, field 1 the user name, everything after the second "|" the password.
// A line without "|" gets the login "|"; a line with one "|" gets its user name and no password.
QList<Forum> parseForumLines(const QStringList& lines);
// Pairs addresses with sizes by position; posts beyond the sizes have no size.
QList<WatchedPost> pairPosts(const QStringList& addresses,
                             const QList<std::optional<qint64>>& sizes);

// Serialising, byte for byte as written to disk (UTF-8, CR LF).
QByteArray serializePosts(const QList<WatchedPost>& posts);
QByteArray serializeSizes(const QList<WatchedPost>& posts); // "-1" for a post without a size
QByteArray serializeForums(const QList<Forum>& forums);

struct LoadListsResult {
    ListsData data;
    QStringList errors; // one message per file that exists but could not be read
    // One message per damaged file (see loadLists), saying what is wrong with it and where its
    // original is kept.
    QStringList damaged;
    // The list files this run must leave as they are (names as in data_files.h): each file that
    // exists but could not be read, whose content the lists do not hold, and with posts.txt or
    // sizes.txt the other of the pair, since each pairs with the other row for row. Hand them to
    // saveLists; readOnlyListsNotice() tells the user once.
    QStringList readOnly;
};

// What the user is told once when some list files are kept read-only for the run; "" for none.
QString readOnlyListsNotice(const QString& folder, const QStringList& readOnly);

// Whether loadLists copies a damaged file to "<name>.damaged" at once, or only tells of it (a
// reader that writes nothing); saveLists keeps the copy before the first rewrite either way.
enum class DamagedCopies { KeepNow, KeepBeforeRewrite };

// Reads posts.txt, posts2.txt and sizes.txt from the data folder; missing files are empty lists.
// A file that a rewrite would not give back whole is damaged, and kept as it is, as
// "<name>.damaged" (or the next free copy's name), before anything can rewrite it: bytes that
// are not UTF-8, a size that is not a number (anything but the number's own characters) or is
// too large to hold, or more sizes than posts.
LoadListsResult loadLists(const QString& folder);
LoadListsResult loadLists(const QString& folder, DamagedCopies copies);

// Rewrites posts.txt, posts2.txt and sizes.txt (each owner-only), in that order, atomically.
// A file in place that holds bytes that are not UTF-8, or a sizes.txt that holds sizes the
// rewrite would lose (see loadLists), is kept as "<name>.damaged" first, or, when that fails,
// not rewritten (see rewriteTextFile); sizes.txt is then left with its posts.txt.
// Returns one message per file that could not be written; empty when all is well.
QStringList saveLists(const QString& folder, const ListsData& data);
// The same, leaving the files named in readOnly (LoadListsResult::readOnly) untouched. Skipping
// them adds no message: the user has been told once, by readOnlyListsNotice.
QStringList saveLists(const QString& folder, const ListsData& data, const QStringList& readOnly);

} // namespace quillbox

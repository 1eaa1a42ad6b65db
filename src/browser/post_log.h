#pragma once

#include "store/file_result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace quillbox {

// What became of one post: the thread it was found in and put on watch, submitted but not
// found, passed over, or cut short by "Stop" or by closing the program.
namespace postResult {
inline QString watched() {
    return QStringLiteral("watched");
}
inline QString notFound() {
    return QStringLiteral("not found");
}
inline QString skipped() {
    return QStringLiteral("skipped");
}
inline QString stopped() {
    return QStringLiteral("stopped");
}
} // namespace postResult

// One line of post-log.jsonl.
struct PostRecord {
    QDateTime time; // written with its offset from UTC
    QString forum;  // the forum row's address
    QString postingPage;
    std::optional<QString> thread; // where the post was found; nullopt: not found
    QString subject;
    QString format;
    QString result;      // one of postResult; another word read from the file is kept as it is
    QString queueRun;    // the same for every record of one queue run; "" for a single Auto-Insert
    QString note;        // why a forum was skipped; "" when there is nothing to say
    QString message;     // postedMessageDigest of the message; "" when not known
    QString threadTitle; // the thread page's title, as the watched list shows it; "" when not known

    bool operator==(const PostRecord&) const = default;
};

QString postLogFileName();

// What the log keeps of a message, so that a second post of it can be recognised without the
// log holding its text: a hex digest of the text.
QString postedMessageDigest(const QString& message);

// A new queue run's id: unique, so the runs of one day never merge in the history.
QString newQueueRunId();

// The time as ISO 8601 in local time with its offset ("2026-12-07T15:04:05+01:00"), the offset
// written out even when it is zero.
QString postLogTime(const QDateTime& time);

// One record as a single JSON line ending in LF; line breaks inside the fields are escaped.
QByteArray serializePostRecord(const PostRecord& record);
// A line without its line end; nullopt when it is not a record (not a JSON object, or without a
// readable time or result).
std::optional<PostRecord> parsePostRecord(QByteArrayView line);

// Appends one record to post-log.jsonl in the folder, creating the file (readable by its owner
// only) when missing and narrowing one others could read, and flushes it to disk. Its addresses
// are written without their passwords. The file is never rewritten: the line goes in with
// one write at its end. A last line cut off by a crash is ended first, so the new record starts
// on a line of its own; a write cut short by a full disk is taken back.
FileResult appendPostRecord(const QString& folder, const PostRecord& record);

struct PostLogRead {
    QList<PostRecord> records; // in the file's order, oldest first as written
    int damagedLines = 0;      // lines skipped because they hold no record; the file keeps them
    FileResult status;         // a missing file is an empty log, not a failure
};
PostLogRead readPostLog(const QString& folder);

} // namespace quillbox

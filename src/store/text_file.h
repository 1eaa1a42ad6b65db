#pragma once

#include "store/file_result.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace quillbox {

// Line ends written by the program, and the line ends its files are read with.
inline constexpr char crlf[] = "\r\n";

// Splits text the way the data files are read: a line ends at CR LF, at a lone CR or at a lone
// LF (a list made by hand in an editor that ends lines with LF alone still reads row by row);
// text after the last line end is a last line of its own. "" gives no lines, "\r\n" gives one
// empty line, "\n\r" two.
QStringList splitFileLines(const QString& text);

// Decodes file bytes as UTF-8; bytes that are not UTF-8 become replacement characters, and
// `damaged`, when given, tells whether there were any.
QString decodeFileText(const QByteArray& bytes, bool* damaged = nullptr);

struct ReadBytesResult {
    QByteArray bytes;
    FileResult status;
};

// Reads a whole file; a failure names the file and the reason.
ReadBytesResult readFileBytes(const QString& path);

struct ReadLinesResult {
    QStringList lines;
    FileResult status;
    // Some bytes were not UTF-8 and read as replacement characters: writing the lines back
    // would lose them.
    bool damaged = false;
    QByteArray bytes; // the file as read
};

// Reads a data file into lines. A missing file reads as no lines and is not an error.
ReadLinesResult readFileLines(const QString& path);

// Makes a new name in `folder` (a file created or renamed into it) last through a power cut.
// Best effort: the file itself is on disk already, and a folder that cannot be synced has nothing
// to report to the user.
void syncFolder(const QString& folder);

// Writes the whole file through a temporary file renamed into place, so a failure leaves the
// previous content intact: the temporary file is flushed, synced to disk and its size checked
// before the rename, so a full disk is reported rather than leaving an empty file. ownerOnly (as
// every file of the data folder is written, whoever made the folder) makes the file readable and
// writable by its owner alone, a file in place that others could read included.
FileResult writeFileAtomically(const QString& path, const QByteArray& bytes, bool ownerOnly = true);

// The originals of a damaged file are kept beside it, one copy for each damage met and none
// written over another: "<name>.damaged", then "<name>.damaged.2", "<name>.damaged.3", …
// The newest copy, or the first name when there is none.
QString damagedCopyPath(const QString& path);
// Where `original` is or will be kept: the newest copy when it holds exactly these bytes,
// otherwise the name after it.
QString damagedCopyPath(const QString& path, const QByteArray& original);

// Keeps `original`, the damaged content of the file at `path`, as damagedCopyPath(path, original):
// under a name of its own, so no earlier copy is lost; does nothing when the newest copy already
// holds exactly these bytes, so the same damage is copied once however often it is met.
FileResult keepDamagedOriginal(const QString& path, const QByteArray& original,
                               bool ownerOnly = true);

// What the user is told of a damaged file: "<path>" holds <faults, joined>; then where its
// original (the bytes in `original`) is kept. `kept` is the outcome of keeping it, or nullopt when
// the copy is still to be made before the first rewrite.
QString damagedFileNotice(const QString& path, const QStringList& faults,
                          const std::optional<FileResult>& kept, const QByteArray& original);
// The fault of a file whose bytes are not all UTF-8, for damagedFileNotice.
QString notTextFault();

// Rewrites a text file as writeFileAtomically does, but a file in place whose bytes are not all
// UTF-8 (which a read can only pass on as replacement characters) is first kept by
// keepDamagedOriginal. When that copy cannot be made the file is left untouched and the failure
// returned: its original bytes would exist nowhere else.
FileResult rewriteTextFile(const QString& path, const QByteArray& bytes, bool ownerOnly = true);

} // namespace quillbox

#pragma once

#include "store/file_result.h"

#include <QByteArray>
#include <QStringList>

namespace quillbox {

// Line ends written by the program, and the line ends its files are read with.
inline constexpr char crlf[] = "\r\n";

// Splits text the way the data files are read: a line ends at CR or at CR LF (consumed);
// a lone LF stays inside its line; text after the last line end is a last line of its own.
// "" gives no lines, "\r\n" gives one empty line.
QStringList splitFileLines(const QString& text);

// Decodes file bytes as UTF-8; bytes that are not UTF-8 become replacement characters.
QString decodeFileText(const QByteArray& bytes);

struct ReadLinesResult {
    QStringList lines;
    FileResult status;
};

// Reads a data file into lines. A missing file reads as no lines and is not an error.
ReadLinesResult readFileLines(const QString& path);

// Writes the whole file through a temporary file renamed into place, so a failure leaves the
// previous content intact. ownerOnly makes the file readable and writable by its owner alone.
FileResult writeFileAtomically(const QString& path, const QByteArray& bytes, bool ownerOnly = false);

} // namespace quillbox

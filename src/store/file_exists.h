#pragma once

#include <QString>

namespace quillbox {

// The part of a path after its last separator ("/" or "\"); "" for an empty path.
QString fileNamePart(const QString& path);

// True when the path names an ordinary, visible file whose name matches fileNamePart(path)
// without regard to case. Folders, hidden files and anything that cannot be looked up count
// as missing.
bool fileExists(const QString& path);

} // namespace quillbox

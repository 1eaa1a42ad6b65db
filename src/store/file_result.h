#pragma once

#include <QString>

namespace quillbox {

// Outcome of a file read or write: ok, or a message that can be shown to the user as it is.
struct FileResult {
    bool ok = true;
    QString message;

    static FileResult success() { return {}; }
    static FileResult failure(const QString& message) { return {false, message}; }
};

} // namespace quillbox

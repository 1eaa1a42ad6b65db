#pragma once

#include <QString>

namespace quillbox::dataFile {

// The names of the five data files in the data folder.
inline QString posts() {
    return QStringLiteral("posts.txt");
} // watched posts
inline QString forums() {
    return QStringLiteral("posts2.txt");
} // forums and logins
inline QString sizes() {
    return QStringLiteral("sizes.txt");
} // recorded sizes
inline QString messages() {
    return QStringLiteral("messages.txt");
} // saved messages
inline QString scratchPage() {
    return QStringLiteral("htmltemp.txt");
} // last scanned page

} // namespace quillbox::dataFile

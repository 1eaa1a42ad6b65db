#include "store/file_exists.h"

#include <QFileInfo>

namespace quillbox {

QString fileNamePart(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype backslash = path.lastIndexOf(u'\\');
    return path.mid(std::max(slash, backslash) + 1);
}

bool fileExists(const QString& path) {
    const QString name = fileNamePart(path);
    if (name.isEmpty())
        return false;
    const QFileInfo info(path);
    // QFileInfo follows links, so a link to an ordinary file counts as that file.
    if (!info.exists() || !info.isFile() || info.isHidden())
        return false;
    return info.fileName().compare(name, Qt::CaseInsensitive) == 0;
}

} // namespace quillbox

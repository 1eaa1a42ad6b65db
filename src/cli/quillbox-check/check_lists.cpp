#include "check_lists.h"

#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/list_files.h"
#include "store/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace quillbox {

namespace {

struct ReadFile {
    QString path;
    QByteArray bytes;
    QStringList lines;
    bool notText = false;
    FileResult status = FileResult::success();
};

// Reads a list file as the program does, and nothing more: a missing file is an empty list.
ReadFile readListFile(const QString& folder, const QString& name) {
    ReadFile file;
    file.path = dataFilePath(folder, name);
    if (!QFileInfo(file.path).exists() && !QFileInfo(file.path).isSymLink())
        return file;
    ReadBytesResult read = readFileBytes(file.path);
    file.status = read.status;
    if (!read.status.ok)
        return file;
    file.bytes = read.bytes;
    file.lines = splitFileLines(decodeFileText(file.bytes, &file.notText));
    return file;
}

QString shownPath(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

// A size line that holds anything but a number's own characters, or is no size and no negative
// number either: the program never writes such a line, so something else has been at the file.
// The characters are looked at one by one, as a conversion may stop short at a NUL.
bool isJunkSize(const QString& line) {
    const QString number = line.trimmed();
    const bool numberCharacters = std::all_of(number.begin(), number.end(), [](QChar c) {
        return c.isDigit() || c == u'+' || c == u'-' || c == u'.' || c == u'e' || c == u'E';
    });
    if (!numberCharacters)
        return true;
    if (parseSize(line))
        return false;
    bool ok = false;
    const qint64 n = line.trimmed().toLongLong(&ok);
    return !ok || n >= 0;
}

} // namespace

CheckLists readCheckLists(const QString& folder) {
    CheckLists lists;
    const ReadFile posts = readListFile(folder, dataFile::posts());
    const ReadFile sizes = readListFile(folder, dataFile::sizes());
    for (const ReadFile* file : {&posts, &sizes}) {
        if (!file->status.ok)
            lists.errors.append(file->status.message);
        if (file->notText)
            lists.damaged.append(shownPath(file->path) +
                                 QStringLiteral(" is damaged: it holds bytes that are not text."));
    }
    const QStringList addresses = parsePostLines(posts.lines);
    const QStringList sizeLines = parsePostLines(sizes.lines); // the same lines are skipped
    const QList<std::optional<qint64>> sizeValues = parseSizeLines(sizes.lines);
    lists.posts = pairPosts(addresses, sizeValues);
    lists.sizesBytes = sizes.bytes;
    lists.sizesDamaged = sizes.notText;

    if (sizeValues.size() > addresses.size()) {
        lists.sizesDamaged = true;
        lists.damaged.append(shownPath(sizes.path) + QStringLiteral(" is damaged: it holds ") +
                             QString::number(sizeValues.size()) + QStringLiteral(" sizes for ") +
                             QString::number(addresses.size()) + QStringLiteral(" watched posts."));
    }
    for (qsizetype i = 0; i < sizeLines.size(); ++i) {
        if (!isJunkSize(sizeLines[i]))
            continue;
        lists.sizesDamaged = true;
        lists.damaged.append(shownPath(sizes.path) + QStringLiteral(" is damaged: size ") +
                             QString::number(i + 1) + QStringLiteral(" is not a number."));
        break;
    }
    return lists;
}

MarkReadOutcome markRead(const QString& folder, const QList<ThreadCheckResult>& results) {
    MarkReadOutcome outcome;
    CheckLists current = readCheckLists(folder);
    if (!current.errors.isEmpty()) {
        outcome.errors = current.errors;
        return outcome;
    }
    int marked = 0;
    for (const ThreadCheckResult& r : results) {
        if (r.outcome != CheckOutcome::NewReplies || !r.measured)
            continue;
        for (WatchedPost& post : current.posts) {
            if (post.address == r.address && post.size == r.recorded) {
                post.size = r.measured;
                ++marked;
                break;
            }
        }
    }
    if (marked == 0)
        return outcome;

    const QString path = dataFilePath(folder, dataFile::sizes());
    if (current.sizesDamaged) {
        const FileResult kept = keepDamagedOriginal(path, current.sizesBytes);
        if (!kept.ok) {
            outcome.errors.append(shownPath(path) +
                                  QStringLiteral(" is damaged and a copy of it could not be "
                                                 "kept, so it was not written: ") +
                                  kept.message);
            return outcome;
        }
        outcome.notes.append(shownPath(path) +
                             QStringLiteral(" was damaged; the original is kept as ") +
                             shownPath(damagedCopyPath(path)) + u'.');
    }
    const FileResult written = writeFileAtomically(path, serializeSizes(current.posts));
    if (!written.ok) {
        outcome.errors.append(written.message);
        return outcome;
    }
    outcome.marked = marked;
    return outcome;
}

} // namespace quillbox

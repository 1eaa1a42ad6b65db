#include "check_lists.h"

#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/list_files.h"
#include "store/text_file.h"

#include <QDir>
#include <utility>

namespace quillbox {

namespace {

QString shownPath(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

} // namespace

CheckLists readCheckLists(const QString& folder) {
    CheckLists lists;
    const QString postsPath = dataFilePath(folder, dataFile::posts());
    const QString sizesPath = dataFilePath(folder, dataFile::sizes());
    const ReadLinesResult posts = readFileLines(postsPath);
    const ReadLinesResult sizes = readFileLines(sizesPath);
    for (const auto& [file, path] : {std::pair{&posts, postsPath}, std::pair{&sizes, sizesPath}}) {
        if (!file->status.ok)
            lists.errors.append(file->status.message);
        if (file->damaged)
            lists.damaged.append(shownPath(path) +
                                 QStringLiteral(" is damaged: it holds bytes that are not text."));
    }
    const QStringList addresses = parsePostLines(posts.lines);
    const QStringList sizeLines = parsePostLines(sizes.lines); // the same lines are skipped
    const QList<std::optional<qint64>> sizeValues = parseSizeLines(sizes.lines);
    lists.posts = pairPosts(addresses, sizeValues);
    lists.sizesBytes = sizes.bytes;
    lists.sizesDamaged = sizes.damaged;

    if (sizeValues.size() > addresses.size()) {
        lists.sizesDamaged = true;
        lists.damaged.append(shownPath(sizesPath) + QStringLiteral(" is damaged: it holds ") +
                             QString::number(sizeValues.size()) + QStringLiteral(" sizes for ") +
                             QString::number(addresses.size()) + QStringLiteral(" watched posts."));
    }
    for (qsizetype i = 0; i < sizeLines.size(); ++i) {
        const bool number = isSizeText(sizeLines[i]);
        if (number && !isSizeTooLarge(sizeLines[i]))
            continue;
        lists.sizesDamaged = true;
        lists.damaged.append(shownPath(sizesPath) + QStringLiteral(" is damaged: size ") +
                             QString::number(i + 1) +
                             (number ? QStringLiteral(" is too large to hold.")
                                     : QStringLiteral(" is not a number.")));
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
                             shownPath(damagedCopyPath(path, current.sizesBytes)) + u'.');
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

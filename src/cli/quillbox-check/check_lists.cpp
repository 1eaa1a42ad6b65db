#include "check_lists.h"

#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/list_files.h"
#include "store/text_file.h"
#include "watch/reply_check.h"

#include <QDir>
#include <QFileInfo>
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

    // The text file, or the JSON file of an earlier version while it is not there yet.
    const QString statePath = listStatePath(folder);
    if (QFileInfo::exists(statePath)) {
        const ReadBytesResult read = readFileBytes(statePath);
        bool damaged = !read.status.ok;
        if (read.status.ok)
            lists.state = parseListState(read.bytes, &damaged);
        lists.stateWritable = !damaged;
    }
    lists.states = threadStatesFor(addresses, lists.state);
    return lists;
}

QList<ThreadToCheck> threadsToCheck(const CheckLists& lists) {
    QList<ThreadToCheck> threads;
    for (qsizetype i = 0; i < lists.posts.size(); ++i) {
        const ThreadState& t = lists.states.at(i);
        ThreadRecord r;
        r.post = lists.posts.at(i);
        r.lastPage = t.lastPage;
        r.title = t.title;
        r.highestPost = t.highestPost;
        r.check = t.check;
        threads.append(threadToCheck(r));
    }
    return threads;
}

MarkReadOutcome markRead(const QString& folder, const QList<ThreadCheckResult>& results) {
    MarkReadOutcome outcome;
    CheckLists current = readCheckLists(folder);
    if (!current.errors.isEmpty()) {
        outcome.errors = current.errors;
        return outcome;
    }
    int marked = 0;
    bool changed = false;
    for (const ThreadCheckResult& r : results) {
        const bool grown = r.outcome == CheckOutcome::NewReplies;
        const bool shrunk = r.outcome == CheckOutcome::Unchanged && r.page && r.measured &&
                            r.recorded && *r.measured < *r.recorded &&
                            r.page->lastPage == r.read.lastPage;
        if (!(grown || shrunk) || !r.measured)
            continue;
        for (qsizetype i = 0; i < current.posts.size(); ++i) {
            WatchedPost& post = current.posts[i];
            if (post.address != r.address || post.size != r.recorded)
                continue;
            post.size = r.measured;
            if (grown && r.page) {
                ThreadState& t = current.states[i];
                t.lastPage = r.page->lastPage == post.address ? QString() : r.page->lastPage;
                t.highestPost = r.page->highestPost;
                if (!r.page->title.isEmpty())
                    t.title = r.page->title;
            }
            marked += grown ? 1 : 0;
            changed = true;
            break;
        }
    }
    if (!changed)
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
    if (!current.stateWritable) {
        outcome.notes.append(shownPath(listStatePath(folder)) +
                             QStringLiteral(" could not be read whole, so the pages read were "
                                            "not kept in it."));
        return outcome;
    }
    ListState state = current.state;
    state.threads = current.states;
    const FileResult kept = saveListState(folder, state);
    if (!kept.ok)
        outcome.notes.append(kept.message);
    return outcome;
}

} // namespace quillbox

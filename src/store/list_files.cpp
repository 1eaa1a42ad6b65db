#include "store/list_files.h"

#include "platform/logging.h"
#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cmath>

namespace quillbox {

namespace {

const QString postsFile = dataFile::posts();
const QString forumsFile = dataFile::forums();
const QString sizesFile = dataFile::sizes();

bool isSkippedLine(const QString& line) {
    return line.isEmpty() || line == u' ';
}

// Every line break ends a line on reading, so a line break inside a field (pasted into an
// address or a login) is written as a blank, keeping the record on one line.
QString storedField(const QString& text) {
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString field = text;
    field.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    field.replace(u'\r', u' ');
    field.replace(u'\n', u' ');
    return field;
}

// A post whose address reads back as a skipped line would vanish from posts.txt but keep its
// line in sizes.txt, shifting every later size onto the wrong post; it is left out of both.
bool isStorable(const WatchedPost& post) {
    return !isSkippedLine(storedField(post.address));
}

QByteArray recordLine(const QString& text) {
    return storedField(text).toUtf8() + crlf + crlf;
}

// Keeps the original of a damaged list file, so it is there whatever rewrites the file later;
// says what is wrong with it and what became of the original.
QString keepDamagedFile(const QString& path, const QByteArray& original, const QStringList& faults,
                        bool keepCopy) {
    const QString copy = damagedCopyPath(path, original);
    const QString what = faults.join(QStringLiteral("; "));
    if (!keepCopy) {
        qCInfo(logLists).noquote()
            << "damaged:" << path << "-" << what << "- its original is kept as" << copy
            << "before it is first rewritten";
        return damagedFileNotice(path, faults, std::nullopt, original);
    }
    const FileResult kept = keepDamagedOriginal(path, original);
    if (kept.ok)
        qCInfo(logLists).noquote()
            << "damaged:" << path << "-" << what << "- its original is kept as" << copy;
    else
        qCInfo(logLists).noquote()
            << "damaged:" << path << "-" << what
            << "- no copy could be kept, so it is not saved over:" << kept.message;
    return damagedFileNotice(path, faults, kept, original);
}

// Whether the text is a plain decimal number: an optional sign, digits with at most one
// decimal point (at least one digit in all), and an optional exponent of "e" or "E", a sign and
// digits. Names such as "inf" or "nan", hexadecimal and digit groups are not.
bool isDecimalNumber(QStringView text) {
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        return i - from;
    };
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < text.size() && text[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

// How sizes.txt reads: its sizes, how many of them are not numbers, and how many are numbers
// too large to hold.
struct SizeCount {
    qsizetype sizes = 0;
    qsizetype junk = 0;
    qsizetype tooLarge = 0;

    void add(const QString& line) {
        ++sizes;
        if (!isSizeText(line))
            ++junk;
        else if (isSizeTooLarge(line))
            ++tooLarge;
    }
};

SizeCount countSizes(const QStringList& lines) {
    SizeCount count;
    for (const QString& line : lines) {
        if (!isSkippedLine(line))
            count.add(line);
    }
    return count;
}

// Calls `record` with each line of a data file that is not skipped, split as splitFileLines
// splits text but on the bytes: a save checks the files in place each time, and a list of
// 100,000 rows is not decoded for that.
template <typename Record> void forEachRecord(QByteArrayView bytes, Record record) {
    if (bytes.startsWith("\xef\xbb\xbf")) // the decoder drops a byte order mark
        bytes = bytes.sliced(3);
    qsizetype start = 0;
    const auto line = [&](qsizetype end) {
        const QByteArrayView text = bytes.sliced(start, end - start);
        if (!text.isEmpty() && text != " ")
            record(text);
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        line(i);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        line(bytes.size());
}

// A size as the program writes it, "123" or "-1", which needs no closer look: 18 digits always
// fit in 64 bits.
bool isWrittenSize(QByteArrayView line) {
    const QByteArrayView digits = line.startsWith('-') ? line.sliced(1) : line;
    return !digits.isEmpty() && digits.size() <= 18 &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What a rewrite of sizes.txt would lose, beside bytes that are not text: lines that are not
// numbers, which are written back as "no size", and sizes beyond the last of the posts they
// pair with, which are not written back at all.
QStringList sizeFaults(const SizeCount& count, qsizetype postCount) {
    QStringList faults;
    if (count.junk > 0) {
        faults.append(
            count.junk == 1
                ? QCoreApplication::translate("quillbox::ListFiles",
                                              "a size that is not a number, read as no size")
                : QCoreApplication::translate("quillbox::ListFiles",
                                              "%1 sizes that are not numbers, read as no size")
                      .arg(count.junk));
    }
    if (count.tooLarge > 0) {
        faults.append(
            count.tooLarge == 1
                ? QCoreApplication::translate("quillbox::ListFiles",
                                              "a size too large to hold, read as no size")
                : QCoreApplication::translate("quillbox::ListFiles",
                                              "%1 sizes too large to hold, read as no size")
                      .arg(count.tooLarge));
    }
    if (count.sizes > postCount) {
        const int threads = int(std::min<qsizetype>(postCount, INT_MAX));
        faults.append(
            //: %1 sizes are in sizes.txt, for the watched threads: the last %2 sizes pair with
            //: none.
            (postCount == 1 ? QCoreApplication::translate(
                                  "quillbox::ListFiles",
                                  "%1 sizes for 1 watched thread, so the last %2 pair with none")
                            : QCoreApplication::translate(
                                  "quillbox::ListFiles",
                                  "%1 sizes for %n watched threads, so the last %2 pair with none",
                                  nullptr, threads))
                .arg(count.sizes)
                .arg(count.sizes - postCount));
    }
    return faults;
}

// Before sizes.txt is rewritten, keeps its original when the rewrite would lose any of it, judged
// against posts.txt as it is on disk now: whoever wrote the pair, and whenever.
FileResult keepSizesBeforeRewrite(const QString& folder) {
    const QString sizesPath = dataFilePath(folder, sizesFile);
    const QString postsPath = dataFilePath(folder, postsFile);
    // A first save finds none: nothing to keep, and no failed read to log.
    if (!QFileInfo::exists(sizesPath))
        return FileResult::success();
    const ReadBytesResult sizes = readFileBytes(sizesPath);
    if (!sizes.status.ok)
        return FileResult::success(); // nothing there to keep, or the rewrite itself tells
    // A missing posts.txt reads as no posts.
    const ReadBytesResult posts = QFileInfo::exists(postsPath)
                                      ? readFileBytes(postsPath)
                                      : ReadBytesResult{{}, FileResult::success()};
    if (!posts.status.ok)
        return FileResult::success();
    qsizetype postCount = 0;
    forEachRecord(posts.bytes, [&postCount](QByteArrayView) { ++postCount; });
    SizeCount count;
    forEachRecord(sizes.bytes, [&count](QByteArrayView line) {
        if (isWrittenSize(line))
            ++count.sizes;
        else
            count.add(QString::fromUtf8(line));
    });
    if (sizeFaults(count, postCount).isEmpty())
        return FileResult::success();
    const FileResult kept = keepDamagedOriginal(sizesPath, sizes.bytes);
    if (kept.ok)
        return kept;
    return FileResult::failure(
        QCoreApplication::translate(
            "quillbox::ListFiles",
            "Could not write \"%1\": it holds sizes that would be lost, and its "
            "original could not be kept first. %2")
            .arg(QDir::toNativeSeparators(sizesPath), kept.message));
}

} // namespace

bool isSizeText(const QString& line) {
    return isDecimalNumber(line.trimmed());
}

bool isSizeTooLarge(const QString& line) {
    const QString number = line.trimmed();
    // A negative size is the program's own "no size" ("-1"), whatever its magnitude.
    return isDecimalNumber(number) && !number.startsWith(u'-') && !parseSize(number);
}

std::optional<qint64> parseSize(const QString& text) {
    const QString number = text.trimmed();
    // Only the number's own characters: the conversions below would stop at a NUL and read
    // "7\0abc" as 7.
    if (!isDecimalNumber(number))
        return std::nullopt;
    // Whole numbers are read exactly, beyond the 53 bits a double holds.
    bool ok = false;
    const qint64 whole = number.toLongLong(&ok, 10);
    if (ok)
        return whole >= 0 ? std::optional<qint64>(whole) : std::nullopt;
    // A well-formed number fails to convert only when it is too large (read as infinity) or too
    // close to zero (read as 0).
    const double value = number.toDouble();
    if (!std::isfinite(value) || value < 0)
        return std::nullopt;
    const double bytes = std::round(value);
    // 2^63 is the first whole number that qint64 cannot hold.
    if (bytes >= 0x1p63)
        return std::nullopt;
    return qint64(bytes);
}

QStringList parsePostLines(const QStringList& lines) {
    QStringList addresses;
    for (const QString& line : lines) {
        if (!isSkippedLine(line))
            addresses.append(line);
    }
    return addresses;
}

QList<std::optional<qint64>> parseSizeLines(const QStringList& lines) {
    QList<std::optional<qint64>> sizes;
    for (const QString& line : lines) {
        if (isSkippedLine(line))
            continue;
        sizes.append(parseSize(line));
    }
    return sizes;
}

QList<Forum> parseForumLines(const QStringList& lines) {
    QList<Forum> forums;
    for (const QString& line : lines) {
        if (isSkippedLine(line))
            continue;
        const qsizetype firstBar = line.indexOf(u'|');
        if (firstBar < 0) {
            forums.append({line, QStringLiteral("|")});
            continue;
        }
        QString login = line.mid(firstBar + 1);
        if (!login.contains(u'|'))
            login += u'|'; // user name only: an empty password
        forums.append({line.left(firstBar), login});
    }
    return forums;
}

QList<WatchedPost> pairPosts(const QStringList& addresses,
                             const QList<std::optional<qint64>>& sizes) {
    QList<WatchedPost> posts;
    posts.reserve(addresses.size());
    for (qsizetype i = 0; i < addresses.size(); ++i)
        posts.append({addresses.at(i), i < sizes.size() ? sizes.at(i) : std::nullopt});
    return posts;
}

QByteArray serializePosts(const QList<WatchedPost>& posts) {
    QByteArray bytes;
    for (const WatchedPost& post : posts) {
        if (isStorable(post))
            bytes += recordLine(post.address);
    }
    return bytes;
}

QByteArray serializeSizes(const QList<WatchedPost>& posts) {
    QByteArray bytes;
    for (const WatchedPost& post : posts) {
        if (!isStorable(post))
            continue;
        const qint64 size = post.size && *post.size >= 0 ? *post.size : -1;
        bytes += QByteArray::number(size) + crlf + crlf;
    }
    return bytes;
}

QByteArray serializeForums(const QList<Forum>& forums) {
    QByteArray bytes;
    for (const Forum& forum : forums) {
        // A login without "|" is all user name; writing it with its empty password keeps the
        // user name in the user-name field on the next load.
        const LoginParts parts = splitLogin(forum.login);
        bytes += recordLine(forum.address + u'|' + joinLogin(parts.userName, parts.password));
    }
    return bytes;
}

LoadListsResult loadLists(const QString& folder) {
    return loadLists(folder, DamagedCopies::KeepNow);
}

LoadListsResult loadLists(const QString& folder, DamagedCopies copies) {
    LoadListsResult result;
    const ReadLinesResult posts = readFileLines(dataFilePath(folder, postsFile));
    const ReadLinesResult forums = readFileLines(dataFilePath(folder, forumsFile));
    const ReadLinesResult sizes = readFileLines(dataFilePath(folder, sizesFile));
    const QStringList postLines = parsePostLines(posts.lines);
    const struct {
        const ReadLinesResult& read;
        const QString& name;
    } files[] = {{posts, postsFile}, {forums, forumsFile}, {sizes, sizesFile}};
    for (const auto& file : files) {
        if (!file.read.status.ok) {
            qCInfo(logLists).noquote()
                << "not read, so not written until the next start:" << file.read.status.message;
            result.errors.append(file.read.status.message);
            result.readOnly.append(file.name);
            continue;
        }
        QStringList faults;
        if (file.read.damaged)
            faults.append(notTextFault());
        // Sizes are judged only against posts that were read: otherwise they pair with nothing.
        if (&file.read == &sizes && posts.status.ok)
            faults += sizeFaults(countSizes(sizes.lines), postLines.size());
        if (!faults.isEmpty()) {
            result.damaged.append(keepDamagedFile(dataFilePath(folder, file.name), file.read.bytes,
                                                  faults, copies == DamagedCopies::KeepNow));
        }
    }
    // Written alone, either file of the pair would be matched with the other's old rows.
    const bool postsReadOnly = result.readOnly.contains(postsFile);
    if (postsReadOnly != result.readOnly.contains(sizesFile)) {
        result.readOnly.append(postsReadOnly ? sizesFile : postsFile);
        qCInfo(logLists).noquote()
            << result.readOnly.last() << "is not written either: it pairs with the one not read";
    }
    result.data.posts = pairPosts(postLines, parseSizeLines(sizes.lines));
    result.data.forums = parseForumLines(forums.lines);
    qCInfo(logLists).noquote() << "loaded" << result.data.posts.size() << "threads and"
                               << result.data.forums.size() << "forums from"
                               << QDir::toNativeSeparators(folder);
    return result;
}

QString readOnlyListsNotice(const QString& folder, const QStringList& readOnly) {
    if (readOnly.isEmpty())
        return {};
    QStringList names;
    for (const QString& name : readOnly)
        names.append(u'"' + QDir::toNativeSeparators(dataFilePath(folder, name)) + u'"');
    return QCoreApplication::translate(
               "quillbox::ListFiles",
               "Changes to your lists are not saved to %1 until the program is "
               "started again, so that nothing is written over a file that could "
               "not be read.")
        .arg(names.size() == 1 ? names.first()
                               //: Two files, both named in quotes.
                               : QCoreApplication::translate("quillbox::ListFiles", "%1 and %2")
                                     .arg(names.first(), names.mid(1).join(QStringLiteral(", "))));
}

QStringList saveLists(const QString& folder, const ListsData& data) {
    return saveLists(folder, data, {});
}

QStringList saveLists(const QString& folder, const ListsData& data, const QStringList& readOnly) {
    QStringList errors;
    const bool pairWritable = !readOnly.contains(postsFile) && !readOnly.contains(sizesFile);
    FileResult posts;
    // Judged before posts.txt changes, as the pair was read.
    const FileResult sizesKept =
        pairWritable ? keepSizesBeforeRewrite(folder) : FileResult::success();
    if (!readOnly.isEmpty())
        qCDebug(logLists).noquote()
            << "saving all but" << readOnly.join(QStringLiteral(", ")) << "(not read at start-up)";
    if (!sizesKept.ok) {
        // Neither of the pair is written: one without the other would pair wrongly.
        qCInfo(logLists).noquote()
            << "neither" << postsFile << "nor" << sizesFile << "written:" << sizesKept.message;
        errors.append(sizesKept.message);
        posts = sizesKept;
    } else if (!readOnly.contains(postsFile)) {
        posts = rewriteTextFile(dataFilePath(folder, postsFile), serializePosts(data.posts));
        if (!posts.ok)
            errors.append(posts.message);
    }
    if (!readOnly.contains(forumsFile)) {
        const FileResult forums =
            rewriteTextFile(dataFilePath(folder, forumsFile), serializeForums(data.forums));
        if (!forums.ok)
            errors.append(forums.message);
    }
    // sizes.txt means nothing without the posts.txt it pairs with: when the posts could not be
    // written, the previous pair stays together rather than old addresses getting new sizes.
    if (posts.ok && pairWritable) {
        const FileResult sizes =
            rewriteTextFile(dataFilePath(folder, sizesFile), serializeSizes(data.posts));
        if (!sizes.ok)
            errors.append(sizes.message);
    } else if (pairWritable) {
        qCInfo(logLists).noquote()
            << sizesFile << "not written: its" << postsFile << "could not be";
    }
    qCDebug(logLists).noquote() << "saved" << data.posts.size() << "threads and"
                                << data.forums.size() << "forums," << errors.size() << "errors";
    return errors;
}

} // namespace quillbox

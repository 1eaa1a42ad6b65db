#include "browser/post_log.h"

#include "platform/logging.h"
#include "store/text_file.h"
#include "watch/shown_address.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillbox {

namespace {

FileResult appendFailure(const QString& path, int error) {
    qCWarning(logStore) << "could not add to" << path << qt_error_string(error);
    return FileResult::failure(
        QCoreApplication::translate("quillbox::PostLog", "Could not add to the post log \"%1\": %2")
            .arg(QDir::toNativeSeparators(path), qt_error_string(error)));
}

// Whether the file's last byte is a line end; an empty file counts as ended.
bool endsWithLineEnd(int fd, off_t size) {
    if (size <= 0)
        return true;
    char last = 0;
    return ::pread(fd, &last, 1, size - 1) == 1 && last == '\n';
}

} // namespace

QString postLogFileName() {
    return QStringLiteral("post-log.jsonl");
}

QString postedMessageDigest(const QString& message) {
    // Line breaks as the editor gives them or as a page would: the same message either way.
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
}

QString newQueueRunId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

FileResult appendPostRecord(const QString& folder, const PostRecord& record) {
    const QString path = QDir(folder).filePath(postLogFileName());
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return appendFailure(path, errno);
    struct stat info {};
    // A log made by an earlier version, or copied in, may be readable by others: it is narrowed
    // like every file of the data folder.
    if (::fstat(fd, &info) != 0 ||
        ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0 && ::fchmod(fd, S_IRUSR | S_IWUSR) != 0)) {
        const int error = errno;
        ::close(fd);
        return appendFailure(path, error);
    }
    // The log keeps where a post went, never a password written into those addresses.
    PostRecord kept = record;
    kept.forum = addressWithoutPassword(kept.forum);
    kept.postingPage = addressWithoutPassword(kept.postingPage);
    if (kept.thread)
        kept.thread = addressWithoutPassword(*kept.thread);
    QByteArray line = serializePostRecord(kept);
    if (!endsWithLineEnd(fd, info.st_size))
        line.prepend('\n');

    // One write for the whole line, so a reader or a crash sees all of it or none of it as far
    // as the system allows; only an interrupted or short write is continued or taken back.
    qsizetype written = 0;
    int error = 0;
    while (written < line.size()) {
        const ssize_t n = ::write(fd, line.constData() + written, size_t(line.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        written += n;
    }
    if (error == 0 && ::fdatasync(fd) != 0)
        error = errno;
    if (error != 0 && written > 0 && written < line.size()) {
        // Half a record would be read as a damaged line for ever: the file goes back to where
        // it ended.
        if (::ftruncate(fd, info.st_size) != 0) {
            // Nothing more can be done: the next record still starts on a line of its own.
        }
    }
    ::close(fd);
    if (error != 0)
        return appendFailure(path, error);
    // The first record made the file: its name must outlast a power cut as the record does.
    if (info.st_size == 0)
        syncFolder(QFileInfo(path).absolutePath());
    return FileResult::success();
}

PostLogRead readPostLog(const QString& folder) {
    const QString path = QDir(folder).filePath(postLogFileName());
    PostLogRead read;
    if (!QFileInfo::exists(path))
        return read;
    const auto [bytes, status] = readFileBytes(path);
    if (!status.ok) {
        read.status = status;
        return read;
    }
    read.records.reserve(bytes.size() / 200);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line(bytes.constData() + start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (auto record = parsePostRecord(line))
            read.records.append(std::move(*record));
        else
            ++read.damagedLines;
    }
    return read;
}

} // namespace quillbox

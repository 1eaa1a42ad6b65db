#include "store/text_file.h"

#include "platform/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillbox {

QStringList splitFileLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QString decodeFileText(const QByteArray& bytes, bool* damaged) {
    // The decoder drops a leading byte order mark, which editors on other systems like to add.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (damaged)
        *damaged = decoder.hasError();
    return text;
}

ReadBytesResult readFileBytes(const QString& path) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        qCWarning(logStore) << "could not read" << path << file.errorString();
        return {{},
                FileResult::failure(
                    QCoreApplication::translate("quillbox::TextFile", "Could not read \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()))};
    }
    return {bytes, FileResult::success()};
}

ReadLinesResult readFileLines(const QString& path) {
    // A file that is simply not there is an empty list; anything else the user should hear of.
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return {};
    const auto [bytes, status] = readFileBytes(path);
    if (!status.ok)
        return {{}, status};
    ReadLinesResult result;
    result.lines = splitFileLines(decodeFileText(bytes, &result.damaged));
    result.bytes = bytes;
    return result;
}

void syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

FileResult writeFileAtomically(const QString& path, const QByteArray& bytes, bool ownerOnly) {
    const auto failure = [&path](const QString& reason) {
        qCWarning(logStore) << "could not write" << path << reason;
        return FileResult::failure(
            QCoreApplication::translate("quillbox::TextFile", "Could not write \"%1\": %2")
                .arg(QDir::toNativeSeparators(path), reason));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString());
    const auto cancel = [&file, &failure](const QString& reason) {
        file.cancelWriting();
        return failure(reason);
    };
    // Restrict the temporary file before any content reaches it, so a password is never
    // readable by others, not even for a moment.
    if (ownerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return cancel(file.errorString());
    // A small write only fills QSaveFile's buffer, and commit() flushes it without looking at the
    // outcome: on a full disk it renames an empty file over the user's. Every byte is therefore
    // handed to the system, synced and counted here, and only then renamed into place.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return cancel(file.errorString());
    if (::fsync(file.handle()) != 0)
        return cancel(qt_error_string(errno));
    struct stat written = {};
    if (::fstat(file.handle(), &written) != 0)
        return cancel(qt_error_string(errno));
    if (written.st_size != bytes.size()) {
        return cancel(QCoreApplication::translate("quillbox::TextFile",
                                                  "only %1 of %2 bytes reached the disk")
                          .arg(qint64(written.st_size))
                          .arg(bytes.size()));
    }
    if (!file.commit())
        return failure(file.errorString());
    syncFolder(QFileInfo(path).absolutePath());
    qCDebug(logStore) << "wrote" << path << bytes.size() << "bytes";
    return FileResult::success();
}

namespace {

// The number of the newest copy of a damaged file: 0 for none, 1 for "<name>.damaged", n for
// "<name>.damaged.n". Taken from the folder, not by counting up, so a copy the user removed from
// the middle never brings an older name back for the newest damage.
int newestDamagedCopy(const QString& path) {
    const QFileInfo info(path);
    const QString base = info.fileName() + QStringLiteral(".damaged");
    int newest = 0;
    const QStringList names = info.absoluteDir().entryList(
        {base + u'*'}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (name == base) {
            newest = std::max(newest, 1);
        } else if (name.size() > base.size() + 1 && name.at(base.size()) == u'.') {
            bool ok = false;
            const int n = name.sliced(base.size() + 1).toInt(&ok);
            if (ok && n >= 2)
                newest = std::max(newest, n);
        }
    }
    return newest;
}

QString damagedCopyName(const QString& path, int number) {
    const QString base = path + QStringLiteral(".damaged");
    return number <= 1 ? base : base + u'.' + QString::number(number);
}

bool holdsBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) &&
           file.readAll() == bytes && file.error() == QFileDevice::NoError;
}

} // namespace

QString damagedCopyPath(const QString& path) {
    return damagedCopyName(path, std::max(newestDamagedCopy(path), 1));
}

QString damagedCopyPath(const QString& path, const QByteArray& original) {
    const int newest = newestDamagedCopy(path);
    if (newest > 0 && holdsBytes(damagedCopyName(path, newest), original))
        return damagedCopyName(path, newest);
    return damagedCopyName(path, newest + 1);
}

FileResult keepDamagedOriginal(const QString& path, const QByteArray& original, bool ownerOnly) {
    const int newest = newestDamagedCopy(path);
    if (newest > 0 && holdsBytes(damagedCopyName(path, newest), original)) {
        qCDebug(logStore) << "damage of" << path << "is kept already in"
                          << damagedCopyName(path, newest);
        return FileResult::success();
    }
    const QString copyPath = damagedCopyName(path, newest + 1);
    qCWarning(logStore) << "damaged file" << path << "kept as" << copyPath;
    return writeFileAtomically(copyPath, original, ownerOnly);
}

QString damagedFileNotice(const QString& path, const QStringList& faults,
                          const std::optional<FileResult>& kept, const QByteArray& original) {
    // The faults found, each a phrase of its own: "a, b, and c".
    QString what = faults.value(0);
    for (qsizetype i = 1; i < faults.size(); ++i)
        //: Joins the faults found in a damaged file: %1 those before, %2 the last one.
        what = (i + 1 == faults.size()
                    ? QCoreApplication::translate("quillbox::TextFile", "%1, and %2")
                    : QCoreApplication::translate("quillbox::TextFile", "%1, %2"))
                   .arg(what, faults[i]);
    const QString file = QDir::toNativeSeparators(path);
    const QString copy = QDir::toNativeSeparators(damagedCopyPath(path, original));
    //: %1 is the damaged file, %2 what is wrong with it, %3 where its copy is kept.
    if (!kept)
        return QCoreApplication::translate(
                   "quillbox::TextFile",
                   "\"%1\" holds %2; the original file is kept as \"%3\" before it is first "
                   "rewritten.")
            .arg(file, what, copy);
    if (kept->ok)
        return QCoreApplication::translate("quillbox::TextFile",
                                           "\"%1\" holds %2; the original file is kept as \"%3\".")
            .arg(file, what, copy);
    //: %1 is the damaged file, %2 what is wrong with it, %3 why no copy could be made.
    return QCoreApplication::translate(
               "quillbox::TextFile",
               "\"%1\" holds %2; a copy of the original could not be kept, so the file will not "
               "be saved over. %3")
        .arg(file, what, kept->message);
}

QString notTextFault() {
    return QCoreApplication::translate("quillbox::TextFile", "bytes that are not text, shown as %1")
        .arg(QChar(QChar::ReplacementCharacter));
}

FileResult rewriteTextFile(const QString& path, const QByteArray& bytes, bool ownerOnly) {
    // Checked on the file as it is now, not as it was at start-up: whoever damaged it, and
    // whenever, the damaged bytes are kept before they are replaced.
    QFile current(path);
    if (current.open(QIODevice::ReadOnly)) {
        const QByteArray original = current.readAll();
        current.close();
        // Checked without decoding: a list of 100,000 rows would otherwise be turned into text
        // once more on every save only to learn it is valid.
        if (!QByteArrayView(original).isValidUtf8()) {
            const FileResult kept = keepDamagedOriginal(path, original, ownerOnly);
            if (!kept.ok) {
                return FileResult::failure(
                    QCoreApplication::translate(
                        "quillbox::TextFile",
                        "Could not write \"%1\": it holds bytes that are not text, "
                        "and its original could not be kept first. %2")
                        .arg(QDir::toNativeSeparators(path), kept.message));
            }
        }
    }
    return writeFileAtomically(path, bytes, ownerOnly);
}

} // namespace quillbox

#include "store/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

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
        return {{},
                FileResult::failure(QStringLiteral("Could not read \"%1\": %2")
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
    if (result.damaged)
        result.bytes = bytes;
    return result;
}

FileResult writeFileAtomically(const QString& path, const QByteArray& bytes, bool ownerOnly) {
    const auto failure = [&path](const QString& reason) {
        return FileResult::failure(QStringLiteral("Could not write \"%1\": %2")
                                       .arg(QDir::toNativeSeparators(path), reason));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString());
    // Restrict the temporary file before any content reaches it, so a password is never
    // readable by others, not even for a moment.
    if (ownerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit())
        return failure(file.errorString());
    return FileResult::success();
}

QString damagedCopyPath(const QString& path) {
    return path + QStringLiteral(".damaged");
}

FileResult keepDamagedOriginal(const QString& path, const QByteArray& original, bool ownerOnly) {
    const QString copyPath = damagedCopyPath(path);
    QFile copy(copyPath);
    if (copy.size() == original.size() && copy.open(QIODevice::ReadOnly) &&
        copy.readAll() == original && copy.error() == QFileDevice::NoError)
        return FileResult::success();
    copy.close();
    return writeFileAtomically(copyPath, original, ownerOnly);
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
                    QStringLiteral("Could not write \"%1\": it holds bytes that are not text, "
                                   "and its original could not be kept first. %2")
                        .arg(QDir::toNativeSeparators(path), kept.message));
            }
        }
    }
    return writeFileAtomically(path, bytes, ownerOnly);
}

} // namespace quillbox

#include "compose/saved_messages.h"

#include "store/file_exists.h"
#include "store/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillbox {

namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");

bool isLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// "[br]" at `at`, "b" and "r" in either case.
bool isBreakTag(QStringView text, qsizetype at) {
    return at + 4 <= text.size() && text[at] == u'[' &&
           (text[at + 1] == u'b' || text[at + 1] == u'B') &&
           (text[at + 2] == u'r' || text[at + 2] == u'R') && text[at + 3] == u']';
}

bool isSkippedLine(const QByteArray& line) {
    return line.isEmpty() || line == " ";
}

struct ReadBytes {
    bool exists = false;
    QByteArray bytes;
    FileResult status;
};

ReadBytes readBytes(const QString& path) {
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink())
        return {};
    const auto failure = [&] {
        return ReadBytes{
            true,
            {},
            FileResult::failure(QStringLiteral("Could not read \"%1\": %2")
                                    .arg(QDir::toNativeSeparators(path), file.errorString()))};
    };
    if (!file.open(QIODevice::ReadOnly))
        return failure();
    ReadBytes read{true, file.readAll(), FileResult::success()};
    if (file.error() != QFileDevice::NoError)
        return failure();
    return read;
}

} // namespace

QString messagesFileName() {
    return QStringLiteral("messages.txt");
}

QString encodeMessageBody(QStringView body) {
    QString out;
    out.reserve(body.size() + body.size() / 8);
    for (qsizetype i = 0; i < body.size(); ++i) {
        const char16_t c = body[i].unicode();
        if (!isLineBreak(c)) {
            out += QChar(c);
            continue;
        }
        if (c == u'\r' && i + 1 < body.size() && body[i + 1] == u'\n')
            ++i;
        out += QStringLiteral("[br]");
    }
    return out;
}

QString decodeMessageBody(QStringView stored) {
    QString out;
    out.reserve(stored.size());
    qsizetype copied = 0;
    for (qsizetype at = stored.indexOf(u'['); at >= 0; at = stored.indexOf(u'[', at)) {
        if (!isBreakTag(stored, at)) {
            ++at;
            continue;
        }
        out += stored.sliced(copied, at - copied);
        out += QStringLiteral("\r\n");
        at += 4;
        copied = at;
    }
    out += stored.sliced(copied);
    return out;
}

SavedMessageParts splitSavedMessage(QStringView line) {
    SavedMessageParts parts;
    const qsizetype bar = line.indexOf(u'|');
    if (bar < 0) {
        parts.body = decodeMessageBody(line);
        return parts;
    }
    parts.body = decodeMessageBody(line.first(bar));
    const qsizetype nextBar = line.indexOf(u'|', bar + 1);
    parts.subject =
        line.sliced(bar + 1, (nextBar < 0 ? line.size() : nextBar) - bar - 1).toString();
    parts.hasSubject = true;
    return parts;
}

QByteArray messageRecord(const QString& body, const QString& subject) {
    QString oneLineSubject;
    oneLineSubject.reserve(subject.size());
    for (qsizetype i = 0; i < subject.size(); ++i) {
        if (!isLineBreak(subject[i].unicode())) {
            oneLineSubject += subject[i];
            continue;
        }
        if (subject[i] == u'\r' && i + 1 < subject.size() && subject[i + 1] == u'\n')
            ++i;
        oneLineSubject += u' ';
    }
    return (encodeMessageBody(body) + u'|' + oneLineSubject).toUtf8();
}

QList<QByteArray> splitMessageLines(const QByteArray& file) {
    QList<QByteArray> lines;
    const char* data = file.constData();
    const qsizetype size = file.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] != '\r' && data[i] != '\n')
            continue;
        lines.append(file.sliced(start, i - start));
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(file.sliced(start));
    return lines;
}

QByteArray fileWithMessageAppended(const QByteArray& file, const QByteArray& record) {
    QByteArray out;
    out.reserve(file.size() + record.size() + 4);
    for (const QByteArray& line : splitMessageLines(file)) {
        if (!isSkippedLine(line))
            out += line + lineEnd;
    }
    out += record;
    // Kept lines hold no line break and the record holds none, so this finds nothing today; it
    // stays as the guarantee that no empty record survives a save.
    const QByteArray doubled = lineEnd + lineEnd;
    while (out.contains(doubled))
        out.replace(doubled, lineEnd);
    return out + lineEnd;
}

QByteArray fileWithoutMessage(const QByteArray& file, const QByteArray& line) {
    QByteArray out;
    out.reserve(file.size() + 4);
    for (const QByteArray& kept : splitMessageLines(file)) {
        if (kept != line)
            out += kept + lineEnd;
    }
    return out + lineEnd;
}

SavedMessages::SavedMessages(QString path, QObject* parent)
    : QObject(parent), m_path(std::move(path)) {}

MessagesFile SavedMessages::read() const {
    MessagesFile file;
    file.exists = fileExists(m_path);
    if (!file.exists)
        return file;
    ReadBytes read = readBytes(m_path);
    file.status = read.status;
    file.lines = splitMessageLines(read.bytes);
    return file;
}

FileResult SavedMessages::save(const QString& body, const QString& subject) {
    const QByteArray record = messageRecord(body, subject);
    return rewrite(
        [&record](const QByteArray& file) { return fileWithMessageAppended(file, record); });
}

FileResult SavedMessages::remove(const QByteArray& line) {
    return rewrite([&line](const QByteArray& file) { return fileWithoutMessage(file, line); });
}

FileResult SavedMessages::rewrite(const std::function<QByteArray(const QByteArray&)>& change) {
    // A file that is there but unreadable is left alone: rewriting it from nothing would lose
    // every message in it.
    const ReadBytes read = readBytes(m_path);
    if (!read.status.ok)
        return read.status;
    const FileResult written = writeFileAtomically(m_path, change(read.bytes));
    if (written.ok)
        emit changed();
    return written;
}

} // namespace quillbox

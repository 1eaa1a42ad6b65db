#include "compose/saved_messages.h"

#include "compose/saved_message_list.h"
#include "store/file_exists.h"
#include "store/text_file.h"
#include "text/ascii.h"

#include <QCoreApplication>
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
    return ascii::matchesAt(text, at, u"[br]");
}

// The escapes besides "[br]", written in lower case only and read only so: text saved before
// they existed reads as it did unless it held them exactly. The subject has always been read
// without "[br]", so a line break in it has an escape of its own.
constexpr QStringView barTag = u"[bar]";
constexpr QStringView bracketTag = u"[lb]";
constexpr QStringView subjectBreakTag = u"[nl]";

enum class Field { Body, Subject };

// The length of the escape starting at `at`, or 0 when there is none.
qsizetype tagLength(QStringView text, qsizetype at, Field field) {
    if (field == Field::Body && isBreakTag(text, at))
        return 4;
    const QStringView rest = text.sliced(at);
    for (const QStringView tag : {barTag, bracketTag, subjectBreakTag}) {
        if (rest.startsWith(tag) && (tag != subjectBreakTag || field == Field::Subject))
            return tag.size();
    }
    return 0;
}

QString encodeField(QStringView text, Field field) {
    const QString lineBreak =
        field == Field::Body ? QStringLiteral("[br]") : subjectBreakTag.toString();
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (isLineBreak(c)) {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += lineBreak;
        } else if (c == u'|') {
            out += barTag;
        } else if (c == u'[' && tagLength(text, i, field) > 0) {
            out += bracketTag;
        } else {
            out += QChar(c);
        }
    }
    return out;
}

QString decodeField(QStringView stored, Field field) {
    QString out;
    out.reserve(stored.size());
    qsizetype copied = 0;
    for (qsizetype at = stored.indexOf(u'['); at >= 0; at = stored.indexOf(u'[', at)) {
        const qsizetype length = tagLength(stored, at, field);
        if (length == 0) {
            ++at;
            continue;
        }
        out += stored.sliced(copied, at - copied);
        const QStringView tag = stored.sliced(at, length);
        if (tag == barTag)
            out += u'|';
        else if (tag == bracketTag)
            out += u'[';
        else
            out += QStringLiteral("\r\n");
        at += length;
        copied = at;
    }
    out += stored.sliced(copied);
    return out;
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
            FileResult::failure(
                QCoreApplication::translate("quillbox::SavedMessages", "Could not read \"%1\": %2")
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
    return encodeField(body, Field::Body);
}

QString decodeMessageBody(QStringView stored) {
    return decodeField(stored, Field::Body);
}

QString encodeMessageSubject(QStringView subject) {
    return encodeField(subject, Field::Subject);
}

QString decodeMessageSubject(QStringView stored) {
    return decodeField(stored, Field::Subject);
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
        decodeMessageSubject(line.sliced(bar + 1, (nextBar < 0 ? line.size() : nextBar) - bar - 1));
    parts.hasSubject = true;
    return parts;
}

QByteArray messageRecord(const QString& body, const QString& subject) {
    return (encodeMessageBody(body) + u'|' + encodeMessageSubject(subject)).toUtf8();
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
    : QObject(parent), m_path(std::move(path)), m_list(new SavedMessageList(this)) {}

SavedMessages::~SavedMessages() = default;

MessagesFile SavedMessages::readIntoList() {
    const MessagesFile file = read();
    m_list->setLines(file.lines);
    m_listFollows = true;
    return file;
}

void SavedMessages::setFilter(const QString& text) {
    m_list->setFilter(text);
}

QAbstractItemModel* SavedMessages::listModel() const {
    return m_list;
}

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
    const QByteArray changed = change(read.bytes);
    const FileResult written = writeFileAtomically(m_path, changed);
    if (!written.ok)
        return written;
    if (m_listFollows)
        m_list->setLines(splitMessageLines(changed));
    emit this->changed();
    return written;
}

} // namespace quillbox

// messages.txt: any file splits into lines without line ends, a saved message reads back as it
// was written, and saving and deleting keep every other line in its order.
#include "compose/saved_messages.h"
#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quillbox;

namespace {

QByteArray take(FuzzedDataProvider& data) {
    const std::string bytes = data.ConsumeRandomLengthString();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

QString withLineBreaks(QString text, const QString& lineBreak) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), lineBreak);
    return text;
}

QList<QByteArray> kept(const QList<QByteArray>& lines, const QByteArray& removed) {
    QList<QByteArray> out;
    for (const QByteArray& line : lines) {
        if (line != removed && !line.isEmpty() && line != " ")
            out.append(line);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const QString body = QString::fromUtf8(take(data));
    const QString subject = QString::fromUtf8(take(data));
    const QByteArray file = data.ConsumeRemainingBytesAsString().c_str();

    const QList<QByteArray> lines = splitMessageLines(file);
    QByteArray rewritten;
    for (const QByteArray& line : lines) {
        FUZZ_CHECK(!line.contains('\r') && !line.contains('\n'));
        rewritten += line + "\r\n";
    }
    FUZZ_CHECK(splitMessageLines(rewritten) == lines);

    const QByteArray record = messageRecord(body, subject);
    FUZZ_CHECK(!record.contains('\r') && !record.contains('\n'));
    if (!body.contains(u'|') && !body.contains(u'[') && !subject.contains(u'|')) {
        const SavedMessageParts parts = splitSavedMessage(QString::fromUtf8(record));
        FUZZ_CHECK(parts.hasSubject);
        FUZZ_CHECK(parts.body == withLineBreaks(body, QStringLiteral("\r\n")));
        // A subject keeps its line breaks (stored as [nl]), as CR LF.
        FUZZ_CHECK(parts.subject == withLineBreaks(subject, QStringLiteral("\r\n")));
    }

    const QByteArray saved = fileWithMessageAppended(file, record);
    FUZZ_CHECK(saved.endsWith("\r\n"));
    const QList<QByteArray> savedLines = kept(splitMessageLines(saved), {});
    FUZZ_CHECK(!record.isEmpty() && record != " "
                   ? !savedLines.isEmpty() && savedLines.back() == record
                   : true);
    FUZZ_CHECK(kept(savedLines, record) == kept(lines, record));

    const QByteArray deleted = fileWithoutMessage(saved, record);
    const QList<QByteArray> left = splitMessageLines(deleted);
    FUZZ_CHECK(!left.contains(record));
    FUZZ_CHECK(kept(left, record) == kept(savedLines, record));
    return 0;
}

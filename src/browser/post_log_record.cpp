#include "browser/post_log.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

// The log's line format: one record as one JSON object on a line of its own.

namespace quillbox {

namespace {

QString stringField(const QJsonObject& object, QLatin1StringView key) {
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString() : QString();
}

// The log's own lines are flat objects of strings and nulls; they are read here without building
// a JSON document, which a long log cannot afford. Anything else is left to the JSON parser.
class FlatObjectReader {
public:
    explicit FlatObjectReader(QByteArrayView line)
        : m_p(line.data()), m_end(line.data() + line.size()) {}

    // Calls field(key, value) for each member, value nullopt for null; false when the line is
    // not such an object.
    template <typename Field> bool read(Field&& field) {
        skipSpace();
        if (!take('{'))
            return false;
        skipSpace();
        if (take('}'))
            return atEnd();
        for (;;) {
            QByteArrayView key;
            if (!readKey(&key))
                return false;
            skipSpace();
            if (!take(':'))
                return false;
            skipSpace();
            std::optional<QString> value;
            if (m_p < m_end && *m_p == '"') {
                QString text;
                if (!readString(&text))
                    return false;
                value = std::move(text);
            } else if (m_end - m_p >= 4 && QByteArrayView(m_p, 4) == "null") {
                m_p += 4;
            } else {
                return false;
            }
            field(key, value);
            skipSpace();
            if (take(','))
                skipSpace();
            else if (take('}'))
                return atEnd();
            else
                return false;
        }
    }

private:
    bool take(char c) {
        if (m_p < m_end && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }
    void skipSpace() {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\r' || *m_p == '\n'))
            ++m_p;
    }
    bool atEnd() {
        skipSpace();
        return m_p == m_end;
    }
    static int hexDigit(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }
    bool readHex4(char16_t* unit) {
        if (m_end - m_p < 4)
            return false;
        int value = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = hexDigit(m_p[i]);
            if (digit < 0)
                return false;
            value = value * 16 + digit;
        }
        m_p += 4;
        *unit = char16_t(value);
        return true;
    }
    // The log's keys are plain words; one with escapes is left to the JSON parser.
    bool readKey(QByteArrayView* key) {
        if (!take('"'))
            return false;
        const char* start = m_p;
        while (m_p < m_end && *m_p != '"' && *m_p != '\\')
            ++m_p;
        if (m_p >= m_end || *m_p != '"')
            return false;
        *key = QByteArrayView(start, m_p - start);
        ++m_p;
        return true;
    }
    bool readString(QString* out) {
        if (!take('"'))
            return false;
        const char* start = m_p;
        while (m_p < m_end && *m_p != '"' && *m_p != '\\' && uchar(*m_p) >= 0x20)
            ++m_p;
        if (m_p < m_end && *m_p == '"') {
            *out = QString::fromUtf8(start, m_p - start);
            ++m_p;
            return true;
        }
        // Escapes: the plain part so far, then piece by piece.
        QByteArray plain(start, m_p - start);
        QString text;
        for (;;) {
            if (m_p >= m_end || uchar(*m_p) < 0x20)
                return false;
            const char c = *m_p++;
            if (c == '"')
                break;
            if (c != '\\') {
                plain.append(c);
                continue;
            }
            if (m_p >= m_end)
                return false;
            const char e = *m_p++;
            char16_t unit = 0;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                plain.append(e);
                continue;
            case 'b':
                plain.append('\b');
                continue;
            case 'f':
                plain.append('\f');
                continue;
            case 'n':
                plain.append('\n');
                continue;
            case 'r':
                plain.append('\r');
                continue;
            case 't':
                plain.append('\t');
                continue;
            case 'u':
                if (!readHex4(&unit))
                    return false;
                text += QString::fromUtf8(plain);
                plain.clear();
                text += QChar(unit);
                continue;
            default:
                return false;
            }
        }
        text += QString::fromUtf8(plain);
        *out = std::move(text);
        return true;
    }

    const char* m_p;
    const char* m_end;
};

int digits(QStringView text, qsizetype at, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t c = text.at(at + i).unicode();
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The log's own time, "yyyy-MM-ddTHH:mm:ss" and "Z" or "+hh:mm", read without the general
// parser; other ISO 8601 forms go to it.
QDateTime parseLogTime(const QString& text) {
    const QStringView t(text);
    if ((t.size() == 25 || t.size() == 20) && t.at(4) == u'-' && t.at(7) == u'-' &&
        t.at(10) == u'T' && t.at(13) == u':' && t.at(16) == u':') {
        const QDate date(digits(t, 0, 4), digits(t, 5, 2), digits(t, 8, 2));
        const QTime clock(digits(t, 11, 2), digits(t, 14, 2), digits(t, 17, 2));
        if (date.isValid() && clock.isValid()) {
            if (t.size() == 20 && t.at(19) == u'Z')
                return QDateTime(date, clock, Qt::UTC);
            const int hours = t.size() == 25 ? digits(t, 20, 2) : -1;
            const int minutes = t.size() == 25 ? digits(t, 23, 2) : -1;
            if (hours >= 0 && minutes >= 0 && t.at(22) == u':' &&
                (t.at(19) == u'+' || t.at(19) == u'-')) {
                const int offset = (hours * 3600 + minutes * 60) * (t.at(19) == u'-' ? -1 : 1);
                return QDateTime(date, clock, Qt::OffsetFromUTC, offset);
            }
        }
    }
    return QDateTime::fromString(text, Qt::ISODate);
}

std::optional<PostRecord> parseJsonRecord(QByteArrayView line) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    PostRecord record;
    record.time = parseLogTime(stringField(object, QLatin1StringView("time")));
    record.result = stringField(object, QLatin1StringView("result"));
    record.forum = stringField(object, QLatin1StringView("forum"));
    record.postingPage = stringField(object, QLatin1StringView("posting_page"));
    const QJsonValue thread = object.value(QLatin1StringView("thread"));
    if (thread.isString())
        record.thread = thread.toString();
    record.subject = stringField(object, QLatin1StringView("subject"));
    record.format = stringField(object, QLatin1StringView("format"));
    record.queueRun = stringField(object, QLatin1StringView("queue_run"));
    record.note = stringField(object, QLatin1StringView("note"));
    record.message = stringField(object, QLatin1StringView("message"));
    record.threadTitle = stringField(object, QLatin1StringView("thread_title"));
    return record;
}

} // namespace

QString postLogTime(const QDateTime& time) {
    const QDateTime local = time.toLocalTime();
    const int offset = local.offsetFromUtc();
    const int minutes = (offset < 0 ? -offset : offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QByteArray serializePostRecord(const PostRecord& record) {
    QJsonObject object;
    object.insert(QLatin1StringView("time"), postLogTime(record.time));
    object.insert(QLatin1StringView("forum"), record.forum);
    object.insert(QLatin1StringView("posting_page"), record.postingPage);
    object.insert(QLatin1StringView("thread"),
                  record.thread ? QJsonValue(*record.thread) : QJsonValue(QJsonValue::Null));
    object.insert(QLatin1StringView("subject"), record.subject);
    object.insert(QLatin1StringView("format"), record.format);
    object.insert(QLatin1StringView("result"), record.result);
    object.insert(QLatin1StringView("queue_run"), record.queueRun.isEmpty()
                                                      ? QJsonValue(QJsonValue::Null)
                                                      : QJsonValue(record.queueRun));
    if (!record.note.isEmpty())
        object.insert(QLatin1StringView("note"), record.note);
    if (!record.message.isEmpty())
        object.insert(QLatin1StringView("message"), record.message);
    // Only when known: a line without it reads as it always did.
    if (!record.threadTitle.isEmpty())
        object.insert(QLatin1StringView("thread_title"), record.threadTitle);
    // Compact JSON escapes every control character, so the record stays on its one line.
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<PostRecord> parsePostRecord(QByteArrayView line) {
    PostRecord record;
    QString time;
    const bool flat =
        FlatObjectReader(line).read([&](QByteArrayView key, std::optional<QString>& value) {
            if (key == "thread")
                record.thread = std::move(value);
            else if (!value)
                return;
            else if (key == "time")
                time = std::move(*value);
            else if (key == "forum")
                record.forum = std::move(*value);
            else if (key == "posting_page")
                record.postingPage = std::move(*value);
            else if (key == "subject")
                record.subject = std::move(*value);
            else if (key == "format")
                record.format = std::move(*value);
            else if (key == "result")
                record.result = std::move(*value);
            else if (key == "queue_run")
                record.queueRun = std::move(*value);
            else if (key == "note")
                record.note = std::move(*value);
            else if (key == "message")
                record.message = std::move(*value);
            else if (key == "thread_title")
                record.threadTitle = std::move(*value);
        });
    std::optional<PostRecord> parsed;
    if (flat) {
        record.time = parseLogTime(time);
        parsed = std::move(record);
    } else {
        // Numbers, nested values and the like: not written by the program, but still JSON.
        parsed = parseJsonRecord(line);
    }
    if (!parsed || !parsed->time.isValid() || parsed->result.isEmpty())
        return std::nullopt;
    return parsed;
}

} // namespace quillbox

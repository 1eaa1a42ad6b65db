// The state beside the lists as text: a first line naming the file and its version, one line a
// record ("thread" or "forum", then its address and its fields as key=value, separated by tabs),
// and a last line "end", so a file cut short is told from a whole one. Tabs, line ends and
// backslashes in a value are written \t, \n, \r and \\. A field a record does not have is left
// out; a key this version does not know is passed over, so a later version's file still reads.
// Reading is a single pass with no tree of values: the program reads the file before its window
// shows, and writes it at every change of a check or an unread mark.
#include "watch/list_state_formats.h"

#include <QStringDecoder>
#include <climits>
#include <limits>

namespace quillbox::list_state_format {

namespace {

constexpr QLatin1StringView kFirstLine("Quillbox lists state ");
constexpr int kVersion = 4;

bool needsEscape(QStringView value) {
    for (const QChar c : value) {
        if (c == u'\\' || c == u'\t' || c == u'\n' || c == u'\r')
            return true;
    }
    return false;
}

void putValue(QString& out, QStringView value) {
    if (!needsEscape(value)) {
        out += value;
        return;
    }
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            out += u"\\\\";
            break;
        case u'\t':
            out += u"\\t";
            break;
        case u'\n':
            out += u"\\n";
            break;
        case u'\r':
            out += u"\\r";
            break;
        default:
            out += c;
        }
    }
}

// A field of the record, left out when empty unless `always`.
void putField(QString& out, QLatin1StringView key, QStringView value, bool always = false) {
    if (value.isEmpty() && !always)
        return;
    out += u'\t';
    out += key;
    out += u'=';
    putValue(out, value);
}

void putNumber(QString& out, QLatin1StringView key, qint64 value) {
    putField(out, key, QString::number(value), true);
}

void putTwoDigits(QString& out, int n) {
    out += QChar(u'0' + n / 10);
    out += QChar(u'0' + n % 10);
}

// As Qt::ISODate writes a time in UTC, without the cost of a general formatter.
QString isoTime(const QDateTime& time) {
    const QDateTime utc = time.toUTC();
    const QDate d = utc.date();
    const QTime t = utc.time();
    if (d.year() < 1000 || d.year() > 9999)
        return utc.toString(Qt::ISODate);
    QString out = QString::number(d.year());
    out.reserve(20);
    out += u'-';
    putTwoDigits(out, d.month());
    out += u'-';
    putTwoDigits(out, d.day());
    out += u'T';
    putTwoDigits(out, t.hour());
    out += u':';
    putTwoDigits(out, t.minute());
    out += u':';
    putTwoDigits(out, t.second());
    out += u'Z';
    return out;
}

// Reads a record's text as UTF-8, each field by itself: a field that is not UTF-8 makes its
// record unreadable rather than every field after it.
class FieldReader {
public:
    QString text(QByteArrayView raw) {
        if (raw.contains('\\'))
            return decode(unescaped(raw));
        return decode(raw);
    }
    bool failed() const { return m_failed; }
    void reset() { m_failed = false; }

private:
    QString decode(QByteArrayView raw) {
        m_utf8.resetState();
        QString text = m_utf8.decode(raw);
        m_failed = m_failed || m_utf8.hasError();
        return text;
    }
    static QByteArray unescaped(QByteArrayView raw) {
        QByteArray out;
        out.reserve(raw.size());
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != '\\' || i + 1 == raw.size()) {
                out += raw[i];
                continue;
            }
            switch (raw[++i]) {
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                out += raw[i];
            }
        }
        return out;
    }

    QStringDecoder m_utf8{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
    bool m_failed = false;
};

// A whole number from 0 up, digits only.
std::optional<qint64> numberOf(QByteArrayView text) {
    qint64 n = 0;
    if (text.isEmpty())
        return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9' || n > (std::numeric_limits<qint64>::max() - (c - '0')) / 10)
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

bool readNumber(QByteArrayView text, std::optional<qint64>* number) {
    *number = numberOf(text);
    return number->has_value();
}

QDateTime timeOf(QByteArrayView text) {
    // The shape written above, read without the general parser; anything else goes to it.
    auto digits = [&](qsizetype at, qsizetype count) {
        const std::optional<qint64> n = numberOf(text.sliced(at, count));
        return n ? int(*n) : -1;
    };
    if (text.size() == 20 && text[4] == '-' && text[7] == '-' && text[10] == 'T' &&
        text[13] == ':' && text[16] == ':' && text[19] == 'Z') {
        const QDate date(digits(0, 4), digits(5, 2), digits(8, 2));
        const QTime time(digits(11, 2), digits(14, 2), digits(17, 2));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
        return {};
    }
    return QDateTime::fromString(QString::fromUtf8(text), Qt::ISODate);
}

void writeThread(QString& out, const ThreadState& t) {
    out += u"thread\t";
    putValue(out, t.address);
    if (t.unread)
        putField(out, QLatin1StringView("unread"), u"1");
    putField(out, QLatin1StringView("title"), t.title);
    putField(out, QLatin1StringView("current"), t.current);
    putField(out, QLatin1StringView("last_page"), t.lastPage);
    if (t.highestPost)
        putNumber(out, QLatin1StringView("highest_post"), *t.highestPost);
    if (t.check) {
        const PostCheck& c = *t.check;
        putField(out, QLatin1StringView("checked"), isoTime(c.checkedAt), true);
        putField(out, QLatin1StringView("result"), outcomeWord(c.outcome), true);
        if (c.measured)
            putNumber(out, QLatin1StringView("measured"), *c.measured);
        if (c.recorded)
            putNumber(out, QLatin1StringView("recorded"), *c.recorded);
        putField(out, QLatin1StringView("reason"), c.reason);
        putField(out, QLatin1StringView("moved_to"), c.movedTo);
        if (c.newPosts > 0)
            putNumber(out, QLatin1StringView("new_posts"), c.newPosts);
        // The page a check ends on is read with its measured size; it is mostly the one read up
        // to, with the same highest post: only a page or post of its own is written (an empty
        // page_highest_post for none).
        if (c.page && c.measured) {
            putField(out, QLatin1StringView("page"), u"1");
            if (c.page->lastPage != readPage(t))
                putField(out, QLatin1StringView("page_last_page"), c.page->lastPage, true);
            if (c.page->highestPost != t.highestPost) {
                putField(out, QLatin1StringView("page_highest_post"),
                         c.page->highestPost ? QString::number(*c.page->highestPost) : QString(),
                         true);
            }
            putField(out, QLatin1StringView("etag"), c.page->etag);
            putField(out, QLatin1StringView("last_modified"), c.page->lastModified);
        }
    }
    out += u'\n';
}

void writeForum(QString& out, const ForumState& f) {
    out += u"forum\t";
    putValue(out, f.address);
    putField(out, QLatin1StringView("format"), f.format);
    putField(out, QLatin1StringView("posting_page"), f.postingPage);
    putField(out, QLatin1StringView("name"), f.name);
    out += u'\n';
}

// The fields of a record after its address, each handed to `field` as key and raw value; false
// when `field` finds one unreadable.
template <typename Field> bool readFields(QByteArrayView fields, Field field) {
    while (!fields.isEmpty()) {
        qsizetype end = fields.indexOf('\t');
        if (end < 0)
            end = fields.size();
        const QByteArrayView one = fields.first(end);
        fields = fields.sliced(std::min(end + 1, fields.size()));
        const qsizetype equals = one.indexOf('=');
        if (equals < 0) {
            if (one.isEmpty())
                continue;
            return false;
        }
        if (!field(one.first(equals), one.sliced(equals + 1)))
            return false;
    }
    return true;
}

std::optional<ThreadState> readThread(FieldReader& reader, QByteArrayView address,
                                      QByteArrayView fields) {
    ThreadState t{reader.text(address)};
    std::optional<QString> result;
    QByteArrayView checked;
    std::optional<QByteArrayView> measured, recorded;
    QString reason, movedTo, etag, lastModified;
    std::optional<QString> pageLast;
    std::optional<QByteArrayView> pageHighest;
    bool page = false;
    int newPosts = 0;
    const bool read = readFields(fields, [&](QByteArrayView key, QByteArrayView value) {
        if (key == "unread")
            t.unread = value == "1";
        else if (key == "title")
            t.title = reader.text(value);
        else if (key == "current")
            t.current = reader.text(value);
        else if (key == "last_page")
            t.lastPage = reader.text(value);
        else if (key == "highest_post")
            return readNumber(value, &t.highestPost);
        else if (key == "checked")
            checked = value;
        else if (key == "result")
            result = reader.text(value);
        else if (key == "measured")
            measured = value;
        else if (key == "recorded")
            recorded = value;
        else if (key == "reason")
            reason = reader.text(value);
        else if (key == "moved_to")
            movedTo = reader.text(value);
        else if (key == "new_posts")
            newPosts = int(std::min<qint64>(numberOf(value).value_or(0), INT_MAX));
        else if (key == "page")
            page = value == "1";
        else if (key == "page_last_page")
            pageLast = reader.text(value);
        else if (key == "page_highest_post")
            pageHighest = value;
        else if (key == "etag")
            etag = reader.text(value);
        else if (key == "last_modified")
            lastModified = reader.text(value);
        return true;
    });
    if (!read || reader.failed() || t.address.isEmpty())
        return std::nullopt;
    if (!result)
        return t;
    PostCheck check;
    const std::optional<CheckOutcome> outcome = outcomeOf(*result);
    check.checkedAt = timeOf(checked);
    if (!outcome || !check.checkedAt.isValid() ||
        (measured && !readNumber(*measured, &check.measured)) ||
        (recorded && !readNumber(*recorded, &check.recorded)))
        return std::nullopt;
    check.outcome = *outcome;
    check.reason = reason;
    check.movedTo = movedTo;
    check.newPosts = newPosts;
    if (page && check.measured) {
        ThreadPage p{*check.measured, pageLast ? *pageLast : readPage(t),
                     t.highestPost,   t.title,
                     t.current,       etag,
                     lastModified};
        if (pageHighest) {
            p.highestPost.reset();
            if (!pageHighest->isEmpty() && !readNumber(*pageHighest, &p.highestPost))
                return std::nullopt;
        }
        check.page = p;
    }
    t.check = check;
    return t;
}

std::optional<ForumState> readForum(FieldReader& reader, QByteArrayView address,
                                    QByteArrayView fields) {
    ForumState f{reader.text(address), {}, {}, {}};
    const bool read = readFields(fields, [&](QByteArrayView key, QByteArrayView value) {
        if (key == "format")
            f.format = reader.text(value);
        else if (key == "posting_page")
            f.postingPage = reader.text(value);
        else if (key == "name")
            f.name = reader.text(value);
        return true;
    });
    if (!read || reader.failed() || f.address.isEmpty())
        return std::nullopt;
    return f;
}

} // namespace

bool isText(const QByteArray& bytes) {
    return bytes.startsWith(QByteArrayView(kFirstLine.data(), kFirstLine.size()));
}

QByteArray writeText(const ListState& state) {
    QString out;
    // Most records are an address, a title, a check and its validators.
    out.reserve(64 + state.threads.size() * 200 + state.forums.size() * 80);
    out += kFirstLine;
    out += QString::number(kVersion);
    out += u'\n';
    for (const ThreadState& t : state.threads)
        writeThread(out, t);
    for (const ForumState& f : state.forums)
        writeForum(out, f);
    out += u"end\n";
    return out.toUtf8();
}

ListState readText(const QByteArray& bytes, bool* damaged) {
    ListState state;
    state.threads.reserve(bytes.count("\nthread\t"));
    bool bad = false, ended = false;
    FieldReader reader;
    qsizetype at = bytes.indexOf('\n');
    if (at < 0)
        at = bytes.size();
    while (at < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', at + 1);
        if (end < 0) {
            // A line without its end was cut short: what it holds may be cut too.
            bad = bad || at + 1 < bytes.size();
            break;
        }
        QByteArrayView line(bytes.constData() + at + 1, end - at - 1);
        at = end;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (ended) { // records after the end: the file was written over by something else
            bad = true;
            break;
        }
        if (line == "end") {
            ended = true;
            continue;
        }
        const qsizetype kindEnd = line.indexOf('\t');
        const QByteArrayView kind = kindEnd < 0 ? line : line.first(kindEnd);
        const QByteArrayView rest = kindEnd < 0 ? QByteArrayView() : line.sliced(kindEnd + 1);
        qsizetype addressEnd = rest.indexOf('\t');
        if (addressEnd < 0)
            addressEnd = rest.size();
        const QByteArrayView address = rest.first(addressEnd);
        const QByteArrayView fields = rest.sliced(std::min(addressEnd + 1, rest.size()));
        reader.reset();
        if (kind == "thread") {
            if (std::optional<ThreadState> t = readThread(reader, address, fields))
                state.threads.append(std::move(*t));
            else
                bad = true;
        } else if (kind == "forum") {
            if (std::optional<ForumState> f = readForum(reader, address, fields))
                state.forums.append(std::move(*f));
            else
                bad = true;
        }
        // A kind of record this version does not know is passed over.
    }
    if (damaged)
        *damaged = bad || !ended;
    return state;
}

} // namespace quillbox::list_state_format

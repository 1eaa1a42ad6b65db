// The state beside the lists as text: a first line naming the file and its version, one line a
// record ("thread" or "forum", then its address and its fields as key=value, separated by tabs),
// and a last line "end", so a file cut short is told from a whole one. Tabs, line ends and
// backslashes in a value are written \t, \n, \r and \\. A field a record does not have is left
// out; a key this version does not know is passed over, so a later version's file still reads.
// Reading is a single pass with no tree of values: the program reads the file before its window
// shows, and writes it at every change of a check or an unread mark.
#include "watch/list_state_formats.h"

#include <QStringDecoder>

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

QDateTime timeOf(QStringView text) {
    // The shape written above, read without the general parser; anything else goes to it.
    auto digits = [&](qsizetype at, qsizetype count) {
        int n = 0;
        for (qsizetype i = at; i < at + count; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            n = n * 10 + (c - u'0');
        }
        return n;
    };
    if (text.size() == 20 && text[4] == u'-' && text[7] == u'-' && text[10] == u'T' &&
        text[13] == u':' && text[16] == u':' && text[19] == u'Z') {
        const QDate date(digits(0, 4), digits(5, 2), digits(8, 2));
        const QTime time(digits(11, 2), digits(14, 2), digits(17, 2));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
        return {};
    }
    return QDateTime::fromString(text.toString(), Qt::ISODate);
}

QString valueOf(QStringView raw) {
    if (!raw.contains(u'\\'))
        return raw.toString();
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        switch (raw[++i].unicode()) {
        case u't':
            out += u'\t';
            break;
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        default:
            out += raw[i];
        }
    }
    return out;
}

// A size or post number as kept: a whole number from 0 up, digits only.
bool readNumber(QStringView text, std::optional<qint64>* number) {
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok || n < 0 || text.isEmpty() || !text.front().isDigit())
        return false;
    *number = n;
    return true;
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
template <typename Field> bool readFields(QStringView fields, Field field) {
    while (!fields.isEmpty()) {
        qsizetype end = fields.indexOf(u'\t');
        if (end < 0)
            end = fields.size();
        const QStringView one = fields.first(end);
        fields = fields.sliced(std::min(end + 1, fields.size()));
        const qsizetype equals = one.indexOf(u'=');
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

std::optional<ThreadState> readThread(QStringView address, QStringView fields) {
    ThreadState t{valueOf(address)};
    std::optional<QString> result;
    QStringView checked, measured, recorded;
    QString reason, movedTo, etag, lastModified;
    std::optional<QString> pageLast;
    std::optional<QStringView> pageHighest;
    bool page = false;
    int newPosts = 0;
    const bool read = readFields(fields, [&](QStringView key, QStringView value) {
        if (key == u"unread")
            t.unread = value == u"1";
        else if (key == u"title")
            t.title = valueOf(value);
        else if (key == u"current")
            t.current = valueOf(value);
        else if (key == u"last_page")
            t.lastPage = valueOf(value);
        else if (key == u"highest_post")
            return readNumber(value, &t.highestPost);
        else if (key == u"checked")
            checked = value;
        else if (key == u"result")
            result = value.toString();
        else if (key == u"measured")
            measured = value;
        else if (key == u"recorded")
            recorded = value;
        else if (key == u"reason")
            reason = valueOf(value);
        else if (key == u"moved_to")
            movedTo = valueOf(value);
        else if (key == u"new_posts")
            newPosts = std::max(0, value.toInt());
        else if (key == u"page")
            page = value == u"1";
        else if (key == u"page_last_page")
            pageLast = valueOf(value);
        else if (key == u"page_highest_post")
            pageHighest = value;
        else if (key == u"etag")
            etag = valueOf(value);
        else if (key == u"last_modified")
            lastModified = valueOf(value);
        return true;
    });
    if (!read || t.address.isEmpty())
        return std::nullopt;
    if (!result)
        return t;
    PostCheck check;
    const std::optional<CheckOutcome> outcome = outcomeOf(*result);
    check.checkedAt = timeOf(checked);
    if (!outcome || !check.checkedAt.isValid() ||
        (!measured.isNull() && !readNumber(measured, &check.measured)) ||
        (!recorded.isNull() && !readNumber(recorded, &check.recorded)))
        return std::nullopt;
    check.outcome = *outcome;
    check.reason = reason;
    check.movedTo = movedTo;
    check.newPosts = newPosts;
    if (page && check.measured) {
        ThreadPage p{*check.measured, pageLast ? *pageLast : readPage(t), t.highestPost,
                     t.title,         t.current,
                     etag,            lastModified};
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

std::optional<ForumState> readForum(QStringView address, QStringView fields) {
    ForumState f{valueOf(address), {}, {}, {}};
    const bool read = readFields(fields, [&](QStringView key, QStringView value) {
        if (key == u"format")
            f.format = valueOf(value);
        else if (key == u"posting_page")
            f.postingPage = valueOf(value);
        else if (key == u"name")
            f.name = valueOf(value);
        return true;
    });
    if (!read || f.address.isEmpty())
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
    bool bad = false, ended = false;
    // Each line is decoded by itself, so bytes that are not UTF-8 cost only their own record.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
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
        QByteArrayView raw(bytes.constData() + at + 1, end - at - 1);
        at = end;
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (raw.isEmpty())
            continue;
        if (ended) { // records after the end: the file was written over by something else
            bad = true;
            break;
        }
        utf8.resetState();
        const QString line = utf8.decode(raw);
        if (utf8.hasError()) {
            bad = true;
            continue;
        }
        const QStringView view(line);
        if (view == u"end") {
            ended = true;
            continue;
        }
        const qsizetype kindEnd = view.indexOf(u'\t');
        const QStringView kind = kindEnd < 0 ? view : view.first(kindEnd);
        QStringView rest = kindEnd < 0 ? QStringView() : view.sliced(kindEnd + 1);
        qsizetype addressEnd = rest.indexOf(u'\t');
        if (addressEnd < 0)
            addressEnd = rest.size();
        const QStringView address = rest.first(addressEnd);
        const QStringView fields = rest.sliced(std::min(addressEnd + 1, rest.size()));
        if (kind == u"thread") {
            if (const std::optional<ThreadState> t = readThread(address, fields))
                state.threads.append(*t);
            else
                bad = true;
        } else if (kind == u"forum") {
            if (const std::optional<ForumState> f = readForum(address, fields))
                state.forums.append(*f);
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

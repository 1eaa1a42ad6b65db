#include "watch/list_state.h"

#include "platform/logging.h"
#include "store/data_folder.h"
#include "store/text_file.h"
#include "watch/json_size.h"
#include "watch/watch_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quillbox {

namespace {

// The words results are kept with; they never change, whatever the program shows.
constexpr std::pair<CheckOutcome, const char*> outcomeWords[] = {
    {CheckOutcome::Pending, "pending"},     {CheckOutcome::NewReplies, "new replies"},
    {CheckOutcome::Unchanged, "unchanged"}, {CheckOutcome::Failed, "failed"},
    {CheckOutcome::NoSize, "no size"},
};

QString outcomeWord(CheckOutcome outcome) {
    for (const auto& [o, word] : outcomeWords) {
        if (o == outcome)
            return QString::fromLatin1(word);
    }
    return {};
}

std::optional<CheckOutcome> outcomeOf(const QString& word) {
    for (const auto& [o, w] : outcomeWords) {
        if (word == QLatin1String(w))
            return o;
    }
    return std::nullopt;
}

QJsonValue sizeValue(const std::optional<qint64>& size) {
    return size ? QJsonValue(double(*size)) : QJsonValue();
}

// A size as kept: a whole number of bytes from 0 to 2^53 (where a JSON number stops being
// exact), or none. Anything else makes the record unreadable.
bool readSize(const QJsonValue& value, std::optional<qint64>* size) {
    if (value.isNull() || value.isUndefined()) {
        *size = std::nullopt;
        return true;
    }
    *size = jsonSize(value);
    return size->has_value();
}

QString text(const QJsonObject& o, const char* key) {
    return o.value(QLatin1StringView(key)).toString();
}

void putText(QJsonObject& o, const char* key, const QString& value) {
    if (!value.isEmpty())
        o.insert(QLatin1StringView(key), value);
}

// The page the user has read the thread up to: its last page, or the address itself.
QString readPage(const ThreadState& t) {
    return t.lastPage.isEmpty() ? t.address : t.lastPage;
}

// Files before version 3 write each check's page whole.
constexpr int kVersion = 3;
constexpr int kFirstCompactPages = 3;

QJsonObject threadObject(const ThreadState& t) {
    QJsonObject o{{QStringLiteral("address"), t.address}};
    if (t.unread)
        o.insert(QStringLiteral("unread"), true);
    putText(o, "title", t.title);
    putText(o, "current", t.current);
    putText(o, "last_page", t.lastPage);
    if (t.highestPost)
        o.insert(QStringLiteral("highest_post"), sizeValue(t.highestPost));
    if (t.check) {
        const PostCheck& c = *t.check;
        o.insert(QStringLiteral("checked"), c.checkedAt.toUTC().toString(Qt::ISODate));
        o.insert(QStringLiteral("result"), outcomeWord(c.outcome));
        if (c.measured)
            o.insert(QStringLiteral("measured"), sizeValue(c.measured));
        if (c.recorded)
            o.insert(QStringLiteral("recorded"), sizeValue(c.recorded));
        putText(o, "reason", c.reason);
        putText(o, "moved_to", c.movedTo);
        if (c.newPosts > 0)
            o.insert(QStringLiteral("new_posts"), c.newPosts);
        if (c.page) {
            // The page a check ends on is mostly the one read up to, with the same highest
            // post: only a page or post of its own is written (null for no post).
            QJsonObject page;
            if (c.page->lastPage != readPage(t))
                page.insert(QStringLiteral("last_page"), c.page->lastPage);
            if (c.page->highestPost != t.highestPost)
                page.insert(QStringLiteral("highest_post"), sizeValue(c.page->highestPost));
            putText(page, "etag", c.page->etag);
            putText(page, "last_modified", c.page->lastModified);
            o.insert(QStringLiteral("page"), page);
        }
    }
    return o;
}

std::optional<ThreadState> readThread(const QJsonValue& value, bool compactPages) {
    const QJsonObject o = value.toObject();
    const QJsonValue address = o.value(QStringLiteral("address"));
    if (!value.isObject() || !address.isString())
        return std::nullopt;
    ThreadState t{address.toString(), std::nullopt, o.value(QStringLiteral("unread")).toBool()};
    t.title = text(o, "title");
    t.current = text(o, "current");
    t.lastPage = text(o, "last_page");
    if (!readSize(o.value(QStringLiteral("highest_post")), &t.highestPost))
        return std::nullopt;
    if (!o.contains(QStringLiteral("result")))
        return t;
    PostCheck check;
    const std::optional<CheckOutcome> outcome =
        outcomeOf(o.value(QStringLiteral("result")).toString());
    check.checkedAt =
        QDateTime::fromString(o.value(QStringLiteral("checked")).toString(), Qt::ISODate);
    if (!outcome || !check.checkedAt.isValid() ||
        !readSize(o.value(QStringLiteral("measured")), &check.measured) ||
        !readSize(o.value(QStringLiteral("recorded")), &check.recorded))
        return std::nullopt;
    check.outcome = *outcome;
    check.reason = text(o, "reason");
    check.movedTo = text(o, "moved_to");
    check.newPosts = std::max(0, o.value(QStringLiteral("new_posts")).toInt());
    if (o.value(QStringLiteral("page")).isObject() && check.measured) {
        const QJsonObject p = o.value(QStringLiteral("page")).toObject();
        const QJsonValue lastPage = p.value(QStringLiteral("last_page"));
        const QJsonValue highest = p.value(QStringLiteral("highest_post"));
        ThreadPage page{*check.measured, lastPage.toString()};
        if (compactPages && lastPage.isUndefined())
            page.lastPage = readPage(t);
        if (compactPages && highest.isUndefined())
            page.highestPost = t.highestPost;
        else if (!readSize(highest, &page.highestPost))
            return std::nullopt;
        page.title = t.title;
        page.current = t.current;
        page.etag = text(p, "etag");
        page.lastModified = text(p, "last_modified");
        check.page = page;
    }
    t.check = check;
    return t;
}

std::optional<ForumState> readForum(const QJsonValue& value) {
    const QJsonObject o = value.toObject();
    const QJsonValue address = o.value(QStringLiteral("address"));
    if (!value.isObject() || !address.isString())
        return std::nullopt;
    return ForumState{address.toString(), o.value(QStringLiteral("format")).toString(),
                      o.value(QStringLiteral("posting_page")).toString(),
                      o.value(QStringLiteral("name")).toString()};
}

// Hands out the records of each address in their order, each once.
template <typename Record> class ByAddress {
public:
    explicit ByAddress(const QList<Record>& records) {
        m_records.reserve(records.size());
        for (const Record& r : records)
            m_records[r.address].records.append(&r);
    }
    const Record* take(const QString& address) {
        const auto found = m_records.find(address);
        if (found == m_records.end() || found->next >= found->records.size())
            return nullptr;
        return found->records[found->next++];
    }

private:
    struct Records {
        QList<const Record*> records; // into the list given, which outlives this
        qsizetype next = 0;
    };
    QHash<QString, Records> m_records;
};

} // namespace

QString listStateFileName() {
    return QStringLiteral("lists-state.json");
}

QByteArray serializeListState(const ListState& state) {
    QJsonArray threads;
    for (const ThreadState& t : state.threads)
        threads.append(threadObject(t));
    QJsonArray forums;
    for (const ForumState& f : state.forums) {
        QJsonObject o{{QStringLiteral("address"), f.address}};
        putText(o, "format", f.format);
        putText(o, "posting_page", f.postingPage);
        putText(o, "name", f.name);
        forums.append(o);
    }
    const QJsonObject root{{QStringLiteral("version"), kVersion},
                           {QStringLiteral("threads"), threads},
                           {QStringLiteral("forums"), forums}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

ListState parseListState(const QByteArray& bytes, bool* damaged) {
    bool bad = false;
    ListState state;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        bad = !bytes.trimmed().isEmpty();
    } else {
        const QJsonObject root = doc.object();
        const bool compactPages =
            root.value(QStringLiteral("version")).toInt() >= kFirstCompactPages;
        for (const QJsonValue& v : root.value(QStringLiteral("threads")).toArray()) {
            if (const std::optional<ThreadState> t = readThread(v, compactPages))
                state.threads.append(*t);
            else
                bad = true;
        }
        for (const QJsonValue& v : root.value(QStringLiteral("forums")).toArray()) {
            if (const std::optional<ForumState> f = readForum(v))
                state.forums.append(*f);
            else
                bad = true;
        }
    }
    if (damaged)
        *damaged = bad;
    return state;
}

ListState collectListState(const WatchLists& lists) {
    ListState state;
    const ThreadModel& threads = lists.threadModel();
    // A row with nothing of its own is left out, unless its address is watched twice: records
    // find their rows by address in order, so each row of such an address keeps its place.
    QHash<QString, int> seen;
    for (int row = 0; row < lists.postCount(); ++row)
        ++seen[lists.post(row).address];
    for (int row = 0; row < lists.postCount(); ++row) {
        const ThreadRecord r = threads.record(row);
        const ThreadState t{r.post.address, r.check,    r.unread,     r.title,
                            r.current,      r.lastPage, r.highestPost};
        if (!t.isEmpty() || seen.value(t.address) > 1)
            state.threads.append(t);
    }
    const ForumModel& forums = lists.forumModel();
    for (int row = 0; row < lists.forumCount(); ++row) {
        const ForumState f{lists.forums().at(row).address, forums.format(row),
                           forums.postingPage(row), forums.name(row)};
        if (f != ForumState{f.address})
            state.forums.append(f);
    }
    return state;
}

QList<ThreadState> threadStatesFor(const QStringList& addresses, const ListState& state) {
    ByAddress<ThreadState> threads(state.threads);
    QList<ThreadState> out;
    out.reserve(addresses.size());
    for (const QString& address : addresses) {
        const ThreadState* t = threads.take(address);
        out.append(t ? *t : ThreadState{address});
    }
    return out;
}

void applyListState(WatchLists& lists, const ListState& state) {
    ByAddress<ThreadState> threads(state.threads);
    QList<std::pair<QString, WatchLists::PostId>> unread;
    // All rows in one change: start-up puts back a record for each of many thousand threads.
    lists.threadModel().updateRecords([&](int, ThreadRecord& r) {
        const ThreadState* t = threads.take(r.post.address);
        if (!t)
            return;
        r.title = t->title;
        r.current = t->current;
        r.lastPage = t->lastPage;
        r.highestPost = t->highestPost;
        r.check = t->check;
        // Unread threads are the new replies again, in the order of the list.
        if (t->unread) {
            r.unread = true;
            unread.append({r.post.address, r.id});
        }
    });
    lists.newRepliesModel().append(unread);
    ByAddress<ForumState> forums(state.forums);
    for (int row = 0; row < lists.forumCount(); ++row) {
        if (const ForumState* f = forums.take(lists.forums().at(row).address)) {
            lists.forumModel().setFormat(row, f->format);
            lists.forumModel().setPostingPage(row, f->postingPage);
            lists.forumModel().setName(row, f->name);
        }
    }
}

LoadListStateResult loadListState(const QString& folder) {
    LoadListStateResult result;
    const QString path = dataFilePath(folder, listStateFileName());
    if (!QFileInfo::exists(path))
        return result;
    const ReadBytesResult read = readFileBytes(path);
    if (!read.status.ok) {
        result.error = read.status.message;
        result.keepUnwritten = true;
        return result;
    }
    bool damaged = false;
    result.state = parseListState(read.bytes, &damaged);
    if (damaged) {
        const FileResult kept = keepDamagedOriginal(path, read.bytes, true);
        result.damaged = kept.ok ? QDir::toNativeSeparators(damagedCopyPath(path)) : kept.message;
        // Its original exists nowhere else: it must not be written over.
        result.keepUnwritten = !kept.ok;
        qCInfo(logLists).noquote()
            << "damaged:" << path
            << (kept.ok ? QStringLiteral("- its original is kept as ") + result.damaged
                        : QStringLiteral("- not written over: ") + kept.message);
    }
    return result;
}

FileResult saveListState(const QString& folder, const ListState& state) {
    return writeFileAtomically(dataFilePath(folder, listStateFileName()), serializeListState(state),
                               true);
}

} // namespace quillbox

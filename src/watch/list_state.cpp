#include "watch/list_state.h"

#include "platform/logging.h"
#include "store/data_folder.h"
#include "store/text_file.h"
#include "watch/list_state_formats.h"
#include "watch/watch_lists.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace quillbox {

namespace list_state_format {

namespace {

constexpr std::pair<CheckOutcome, const char*> outcomeWords[] = {
    {CheckOutcome::Pending, "pending"},     {CheckOutcome::NewReplies, "new replies"},
    {CheckOutcome::Unchanged, "unchanged"}, {CheckOutcome::Failed, "failed"},
    {CheckOutcome::NoSize, "no size"},
};

} // namespace

QString outcomeWord(CheckOutcome outcome) {
    for (const auto& [o, word] : outcomeWords) {
        if (o == outcome)
            return QString::fromLatin1(word);
    }
    return {};
}

std::optional<CheckOutcome> outcomeOf(QStringView word) {
    for (const auto& [o, w] : outcomeWords) {
        if (word == QLatin1StringView(w))
            return o;
    }
    return std::nullopt;
}

} // namespace list_state_format

namespace {

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
    return QStringLiteral("lists-state.txt");
}

QString earlierListStateFileName() {
    return QStringLiteral("lists-state.json");
}

QString listStatePath(const QString& folder) {
    const QString path = dataFilePath(folder, listStateFileName());
    const QString earlier = dataFilePath(folder, earlierListStateFileName());
    return !QFileInfo::exists(path) && QFileInfo::exists(earlier) ? earlier : path;
}

QByteArray serializeListState(const ListState& state) {
    return list_state_format::writeText(state);
}

ListState parseListState(const QByteArray& bytes, bool* damaged) {
    if (list_state_format::isText(bytes))
        return list_state_format::readText(bytes, damaged);
    return list_state_format::readJson(bytes, damaged);
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
    lists.forumModel().updateRemembered(
        [&](int row, QString& format, QString& postingPage, QString& name) {
            if (const ForumState* f = forums.take(lists.forums().at(row).address)) {
                format = f->format;
                postingPage = f->postingPage;
                name = f->name;
            }
        });
}

ListStateRead readListState(const QString& folder) {
    ListStateRead read;
    read.path = listStatePath(folder);
    const QFileInfo info(read.path);
    read.exists = info.exists();
    if (!read.exists)
        return read;
    read.size = info.size();
    read.modified = info.lastModified();
    read.changed = info.metadataChangeTime();
    ReadBytesResult bytes = readFileBytes(read.path);
    read.status = bytes.status;
    if (!bytes.status.ok)
        return read;
    read.state = parseListState(bytes.bytes, &read.damaged);
    // Only a damaged file's bytes are needed again, to keep its original.
    if (read.damaged)
        read.bytes = std::move(bytes.bytes);
    return read;
}

bool isCurrent(const ListStateRead& read, const QString& folder) {
    const QString path = listStatePath(folder);
    const QFileInfo info(path);
    if (path != read.path || info.exists() != read.exists)
        return false;
    return !read.exists || (info.size() == read.size && info.lastModified() == read.modified &&
                            info.metadataChangeTime() == read.changed);
}

LoadListStateResult finishLoading(const ListStateRead& read) {
    LoadListStateResult result;
    if (!read.exists)
        return result;
    if (!read.status.ok) {
        result.error = read.status.message;
        result.keepUnwritten = true;
        return result;
    }
    result.state = read.state;
    if (read.damaged) {
        const FileResult kept = keepDamagedOriginal(read.path, read.bytes, true);
        result.damaged =
            kept.ok ? QDir::toNativeSeparators(damagedCopyPath(read.path)) : kept.message;
        // Its original exists nowhere else: it must not be written over.
        result.keepUnwritten = !kept.ok;
        qCInfo(logLists).noquote()
            << "damaged:" << read.path
            << (kept.ok ? QStringLiteral("- its original is kept as ") + result.damaged
                        : QStringLiteral("- not written over: ") + kept.message);
    }
    return result;
}

LoadListStateResult loadListState(const QString& folder) {
    return finishLoading(readListState(folder));
}

FileResult saveListState(const QString& folder, const ListState& state) {
    const FileResult written = writeFileAtomically(dataFilePath(folder, listStateFileName()),
                                                   serializeListState(state), true);
    // The earlier file is out of date from now on: left there it would be read again the day
    // the text file went missing. Failing to remove it loses nothing while the text file is
    // there, and that is read first.
    const QString earlier = dataFilePath(folder, earlierListStateFileName());
    if (written.ok && QFileInfo::exists(earlier))
        QFile::remove(earlier);
    return written;
}

} // namespace quillbox

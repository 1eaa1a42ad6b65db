// lists-state.json, the state beside the lists as versions 1 to 3 wrote it: read once, when no
// file of the text format is there yet, and written as text from then on.
#include "watch/json_size.h"
#include "watch/list_state_formats.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quillbox::list_state_format {

namespace {

// Files before version 3 write each check's page whole.
constexpr int kFirstCompactPages = 3;

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

} // namespace

ListState readJson(const QByteArray& bytes, bool* damaged) {
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

} // namespace quillbox::list_state_format

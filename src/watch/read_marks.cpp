#include "watch/read_marks.h"

#include "watch/json_size.h"
#include "watch/watch_lists.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quillbox {

namespace {

const QString prefix = QStringLiteral("mark-read ");

bool readSize(const QJsonValue& v, qint64* out) {
    const std::optional<qint64> size = jsonSize(v);
    if (size)
        *out = *size;
    return size.has_value();
}

} // namespace

QString encodeReadMarks(const QList<ReadMark>& marks) {
    QJsonArray array;
    for (const ReadMark& m : marks) {
        QJsonObject o{{QStringLiteral("address"), m.address},
                      {QStringLiteral("recorded"), double(m.recorded)},
                      {QStringLiteral("measured"), double(m.measured)}};
        if (!m.lastPage.isEmpty())
            o.insert(QStringLiteral("last_page"), m.lastPage);
        if (m.highestPost)
            o.insert(QStringLiteral("highest_post"), double(*m.highestPost));
        array.append(o);
    }
    return prefix + QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::optional<QList<ReadMark>> decodeReadMarks(const QString& line) {
    if (!line.startsWith(prefix))
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line.mid(prefix.size()).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        return std::nullopt;
    QList<ReadMark> marks;
    for (const QJsonValue& v : doc.array()) {
        const QJsonObject o = v.toObject();
        ReadMark m;
        m.address = o.value(QStringLiteral("address")).toString();
        if (m.address.isEmpty() || !readSize(o.value(QStringLiteral("recorded")), &m.recorded) ||
            !readSize(o.value(QStringLiteral("measured")), &m.measured))
            return std::nullopt;
        m.lastPage = o.value(QStringLiteral("last_page")).toString();
        if (qint64 highest = 0; o.contains(QStringLiteral("highest_post"))) {
            if (!readSize(o.value(QStringLiteral("highest_post")), &highest))
                return std::nullopt;
            m.highestPost = highest;
        }
        marks.append(m);
    }
    return marks;
}

int applyReadMarks(WatchLists& lists, const QList<ReadMark>& marks) {
    int applied = 0;
    for (const ReadMark& m : marks) {
        for (int row = 0; row < lists.postCount(); ++row) {
            const WatchedPost& post = lists.post(row);
            if (post.address != m.address || post.size != m.recorded)
                continue;
            lists.markPostRead(row, ThreadPage{m.measured, m.lastPage, m.highestPost});
            ++applied;
            break;
        }
    }
    return applied;
}

} // namespace quillbox

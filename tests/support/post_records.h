#pragma once

#include "browser/post_log.h"

#include <optional>

namespace quillbox::test {

// A record of the post log at 10:<minute> on one spring day, posted from the forum's "/post"
// page; `run` empty for a single Auto-Insert.
inline PostRecord makeRecord(const QString& forum, const QString& result, int minute,
                             const QString& run = {}, std::optional<QString> thread = {}) {
    PostRecord record;
    record.time = QDateTime(QDate(2026, 5, 4), QTime(10, minute), Qt::UTC);
    record.forum = forum;
    record.postingPage = forum + QStringLiteral("/post");
    record.thread = std::move(thread);
    record.subject = QStringLiteral("Spring meeting");
    record.format = QStringLiteral("BBCode");
    record.result = result;
    record.queueRun = run;
    return record;
}

} // namespace quillbox::test

#include "check_report.h"

#include "store/list_files.h"
#include "watch/fetch_messages.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace quillbox {

CheckCounts countResults(const QList<ThreadCheckResult>& results) {
    CheckCounts counts;
    for (const ThreadCheckResult& r : results) {
        counts.newReplies += r.outcome == CheckOutcome::NewReplies ? 1 : 0;
        counts.failed += r.outcome == CheckOutcome::Failed ? 1 : 0;
    }
    return counts;
}

QString grownAddresses(const QList<ThreadCheckResult>& results) {
    QString out;
    for (const ThreadCheckResult& r : results) {
        if (r.outcome == CheckOutcome::NewReplies)
            out += r.address + u'\n';
    }
    return out;
}

QString failureLine(const ThreadCheckResult& result) {
    QString reason = result.reason;
    reason.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    reason.replace(u'\n', u' ');
    return printableAddress(result.address) + QStringLiteral(": ") + reason;
}

QString resultsJson(const QList<ThreadCheckResult>& results) {
    const auto size = [](const std::optional<qint64>& s) {
        return s ? QJsonValue(double(*s)) : QJsonValue(QJsonValue::Null);
    };
    QStringList lines;
    for (const ThreadCheckResult& r : results) {
        QJsonObject o;
        o.insert(QStringLiteral("address"), r.address);
        o.insert(QStringLiteral("recordedSize"), size(r.recorded));
        o.insert(QStringLiteral("measuredSize"), size(r.measured));
        o.insert(QStringLiteral("result"), outcomeName(r.outcome));
        if (r.outcome == CheckOutcome::Failed)
            o.insert(QStringLiteral("error"), r.reason);
        lines.append(QStringLiteral("  ") +
                     QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
    }
    if (lines.isEmpty())
        return QStringLiteral("[]\n");
    return QStringLiteral("[\n") + lines.join(QStringLiteral(",\n")) + QStringLiteral("\n]\n");
}

MarkReadOutcome markRead(const QString& folder, const QList<ThreadCheckResult>& results) {
    MarkReadOutcome outcome;
    LoadListsResult current = loadLists(folder);
    if (!current.errors.isEmpty()) {
        outcome.errors = current.errors;
        return outcome;
    }
    bool changed = false;
    for (const ThreadCheckResult& r : results) {
        if (r.outcome != CheckOutcome::NewReplies || !r.measured)
            continue;
        for (WatchedPost& post : current.data.posts) {
            if (post.address == r.address && post.size == r.recorded) {
                post.size = r.measured;
                changed = true;
                ++outcome.marked;
                break;
            }
        }
    }
    if (changed)
        outcome.errors = saveLists(folder, current.data);
    return outcome;
}

} // namespace quillbox

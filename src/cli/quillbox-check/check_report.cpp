#include "check_report.h"

#include "watch/shown_address.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace quillbox {

CheckCounts countResults(const QList<ThreadCheckResult>& results) {
    CheckCounts counts;
    for (const ThreadCheckResult& r : results) {
        counts.newReplies += r.outcome == CheckOutcome::NewReplies ? 1 : 0;
        counts.failed += r.outcome == CheckOutcome::Failed ? 1 : 0;
        counts.shrunk += r.outcome == CheckOutcome::Unchanged && r.page && r.measured &&
                                 r.recorded && *r.measured < *r.recorded &&
                                 r.page->lastPage == r.read.lastPage
                             ? 1
                             : 0;
    }
    return counts;
}

QString grownLine(const ThreadCheckResult& result) {
    if (result.outcome != CheckOutcome::NewReplies)
        return {};
    return shownAddress(result.address) + u'\n';
}

QString failureLine(const ThreadCheckResult& result) {
    QString reason = result.reason;
    reason.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    reason.replace(u'\n', u' ');
    return shownAddress(result.address) + QStringLiteral(": ") + reason;
}

QString resultJson(const ThreadCheckResult& result) {
    const auto size = [](const std::optional<qint64>& s) {
        return s ? QJsonValue(double(*s)) : QJsonValue(QJsonValue::Null);
    };
    QJsonObject o;
    o.insert(QStringLiteral("address"), maskedAddress(result.address));
    o.insert(QStringLiteral("title"), result.page ? result.page->title : result.title);
    o.insert(QStringLiteral("recordedSize"), size(result.recorded));
    o.insert(QStringLiteral("measuredSize"), size(result.measured));
    o.insert(QStringLiteral("result"), outcomeName(result.outcome));
    o.insert(QStringLiteral("newPosts"), result.newPosts);
    if (result.page)
        o.insert(QStringLiteral("lastPage"), maskedAddress(result.page->lastPage));
    if (result.outcome == CheckOutcome::Failed)
        o.insert(QStringLiteral("error"), result.reason);
    if (!result.movedTo.isEmpty())
        o.insert(QStringLiteral("movedTo"), maskedAddress(result.movedTo));
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QString ResultWriter::add(const ThreadCheckResult& result) {
    const int before = m_written++;
    switch (m_format) {
    case Format::Text:
        return grownLine(result);
    case Format::JsonLines:
        return resultJson(result) + u'\n';
    case Format::Json:
        return (before == 0 ? QStringLiteral("[\n  ") : QStringLiteral(",\n  ")) +
               resultJson(result);
    }
    return {};
}

QString ResultWriter::finish() {
    if (m_format != Format::Json)
        return {};
    return m_written == 0 ? QStringLiteral("[]\n") : QStringLiteral("\n]\n");
}

} // namespace quillbox

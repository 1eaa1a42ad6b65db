#include "watch/post_summary.h"

namespace quillbox {

namespace {

QString bytes(qint64 n) {
    return QString::number(n) + QStringLiteral(" bytes");
}

} // namespace

QString postToolTip(const WatchedPost& post, const std::optional<PostCheck>& check) {
    QString text = QStringLiteral("Recorded size: ") +
                   (post.size ? bytes(*post.size) : QStringLiteral("none yet"));
    if (!check || check->outcome == CheckOutcome::Pending) {
        text += QStringLiteral("\nNot checked yet");
        return text;
    }
    text += QStringLiteral("\nLast checked: ") +
            check->checkedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    switch (check->outcome) {
    case CheckOutcome::NewReplies:
        text +=
            QStringLiteral("\nResult: new replies (") + bytes(check->measured.value_or(0)) + u')';
        break;
    case CheckOutcome::Unchanged:
        text += QStringLiteral("\nResult: unchanged");
        if (check->measured)
            text += QStringLiteral(" (") + bytes(*check->measured) + u')';
        break;
    case CheckOutcome::Failed:
        text += QStringLiteral("\nResult: failed - ") + check->reason;
        break;
    case CheckOutcome::NoSize:
        text += QStringLiteral("\nResult: not fetched, no size recorded");
        break;
    case CheckOutcome::Pending:
        break;
    }
    return text;
}

} // namespace quillbox

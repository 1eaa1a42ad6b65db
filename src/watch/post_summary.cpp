#include "watch/post_summary.h"

#include <QCoreApplication>

namespace quillbox {

namespace {

QString bytes(qint64 n) {
    return QString::number(n) + QCoreApplication::translate("quillbox::PostSummary", " bytes");
}

} // namespace

QString postToolTip(const WatchedPost& post, const std::optional<PostCheck>& check) {
    QString text = QCoreApplication::translate("quillbox::PostSummary", "Recorded size: ") +
                   (post.size ? bytes(*post.size)
                              : QCoreApplication::translate("quillbox::PostSummary", "none yet"));
    if (!check || check->outcome == CheckOutcome::Pending) {
        text += QCoreApplication::translate("quillbox::PostSummary", "\nNot checked yet");
        return text;
    }
    text += QCoreApplication::translate("quillbox::PostSummary", "\nLast checked: ") +
            check->checkedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    switch (check->outcome) {
    case CheckOutcome::NewReplies:
        text += QCoreApplication::translate("quillbox::PostSummary", "\nResult: new replies (") +
                bytes(check->measured.value_or(0)) + u')';
        break;
    case CheckOutcome::Unchanged:
        text += QCoreApplication::translate("quillbox::PostSummary", "\nResult: unchanged");
        if (check->measured)
            text += QStringLiteral(" (") + bytes(*check->measured) + u')';
        break;
    case CheckOutcome::Failed:
        text += QCoreApplication::translate("quillbox::PostSummary", "\nResult: failed - ") +
                check->reason;
        break;
    case CheckOutcome::NoSize:
        text += QCoreApplication::translate("quillbox::PostSummary",
                                            "\nResult: not fetched, no size recorded");
        break;
    case CheckOutcome::Pending:
        break;
    }
    return text;
}

} // namespace quillbox

#include "watch/post_summary.h"

#include <QCoreApplication>

namespace quillbox {

QString postToolTip(const WatchedPost& post, const std::optional<PostCheck>& check) {
    // The tooltip's lines, each a sentence of its own, joined by line breaks.
    QStringList lines;
    lines << (post.size
                  ? QCoreApplication::translate("quillbox::PostSummary", "Recorded size: %1 bytes")
                        .arg(*post.size)
                  : QCoreApplication::translate("quillbox::PostSummary",
                                                "Recorded size: none yet"));
    if (!check || check->outcome == CheckOutcome::Pending) {
        lines << QCoreApplication::translate("quillbox::PostSummary", "Not checked yet");
        return lines.join(u'\n');
    }
    //: %1 is the date and time of the last check.
    lines << QCoreApplication::translate("quillbox::PostSummary", "Last checked: %1")
                 .arg(check->checkedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    switch (check->outcome) {
    case CheckOutcome::NewReplies:
        //: %1 is the size the thread's page measured.
        lines << QCoreApplication::translate("quillbox::PostSummary",
                                             "Result: new replies (%1 bytes)")
                     .arg(check->measured.value_or(0));
        break;
    case CheckOutcome::Unchanged:
        lines << (check->measured
                      ? QCoreApplication::translate("quillbox::PostSummary",
                                                    "Result: unchanged (%1 bytes)")
                            .arg(*check->measured)
                      : QCoreApplication::translate("quillbox::PostSummary", "Result: unchanged"));
        break;
    case CheckOutcome::Failed:
        //: %1 says why the check failed.
        lines << QCoreApplication::translate("quillbox::PostSummary", "Result: failed - %1")
                     .arg(check->reason);
        break;
    case CheckOutcome::NoSize:
        lines << QCoreApplication::translate("quillbox::PostSummary",
                                             "Result: not fetched, no size recorded");
        break;
    case CheckOutcome::Pending:
        break;
    }
    return lines.join(u'\n');
}

} // namespace quillbox

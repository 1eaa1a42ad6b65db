#include "watch/post_summary.h"

#include "watch/shown_address.h"

#include <QCoreApplication>

namespace quillbox {

namespace {} // namespace

QString postToolTip(const ThreadRecord& thread) {
    QStringList lines{shownAddress(thread.post.address)};
    if (!thread.current.isEmpty() && thread.current != thread.post.address)
        lines.append(QCoreApplication::translate("quillbox::PostSummary", "Now at: %1")
                         .arg(shownAddress(thread.current)));
    lines.append(
        thread.post.size
            ? QCoreApplication::translate("quillbox::PostSummary", "Recorded size: %1 bytes")
                  .arg(*thread.post.size)
            : QCoreApplication::translate("quillbox::PostSummary", "Recorded size: none yet"));
    const std::optional<PostCheck>& check = thread.check;
    if (!check || check->outcome == CheckOutcome::Pending) {
        lines.append(QCoreApplication::translate("quillbox::PostSummary", "Not checked yet"));
        return lines.join(u'\n');
    }
    lines.append(
        QCoreApplication::translate("quillbox::PostSummary", "Last checked: %1",
                                    "the date and time of the last check")
            .arg(check->checkedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    switch (check->outcome) {
    case CheckOutcome::NewReplies:
        if (check->newPosts == 1)
            lines.append(QCoreApplication::translate("quillbox::PostSummary",
                                                     "Result: 1 new reply (%1 bytes)")
                             .arg(check->measured.value_or(0)));
        else if (check->newPosts > 1)
            lines.append(QCoreApplication::translate("quillbox::PostSummary",
                                                     "Result: %n new replies (%1 bytes)", nullptr,
                                                     check->newPosts)
                             .arg(check->measured.value_or(0)));
        else
            lines.append(QCoreApplication::translate("quillbox::PostSummary",
                                                     "Result: new replies (%1 bytes)")
                             .arg(check->measured.value_or(0)));
        break;
    case CheckOutcome::Unchanged:
        lines.append(check->measured ? QCoreApplication::translate("quillbox::PostSummary",
                                                                   "Result: unchanged (%1 bytes)")
                                           .arg(*check->measured)
                                     : QCoreApplication::translate("quillbox::PostSummary",
                                                                   "Result: unchanged"));
        break;
    case CheckOutcome::Failed:
        lines.append(QCoreApplication::translate("quillbox::PostSummary", "Result: failed - %1",
                                                 "why the check failed")
                         .arg(check->reason));
        break;
    case CheckOutcome::NoSize:
        lines.append(QCoreApplication::translate("quillbox::PostSummary",
                                                 "Result: not fetched, no size recorded"));
        break;
    case CheckOutcome::Pending:
        break;
    }
    return lines.join(u'\n');
}

} // namespace quillbox

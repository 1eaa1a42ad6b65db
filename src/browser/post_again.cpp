#include "browser/post_again.h"

#include "platform/user_messages.h"

#include <QCoreApplication>
#include <QLocale>

namespace quillbox {

std::optional<QDateTime> lastPostedAt(const QList<PostRecord>& log, const QString& forum,
                                      const QString& subject, const QString& message) {
    const QString digest = postedMessageDigest(message);
    std::optional<QDateTime> last;
    for (const PostRecord& record : log) {
        if (record.result != postResult::watched() || record.forum != forum ||
            record.message != digest || record.subject != subject)
            continue;
        if (!last || record.time > *last)
            last = record.time;
    }
    return last;
}

bool askToPostAgain(UserMessages& messages, const QString& title, const QList<PostRecord>& log,
                    const QueueForum& forum, const QString& subject, const QString& message) {
    const std::optional<QDateTime> when = lastPostedAt(log, forum.address, subject, message);
    if (!when)
        return true;
    const QString date = QLocale().toString(when->toLocalTime(), QLocale::ShortFormat);
    const QString name = forum.name.isEmpty() ? forum.address : forum.name;
    const int answer =
        messages.askChoice(title,
                           QCoreApplication::translate("quillbox::PostQueue",
                                                       "Already posted to %1 on %2. Post again?")
                               .arg(name, date),
                           {QCoreApplication::translate("quillbox::PostQueue", "Post Again"),
                            QCoreApplication::translate("quillbox::PostQueue", "Skip")},
                           MessageIcon::Exclamation);
    return answer == 0;
}

} // namespace quillbox

#pragma once

#include "browser/post_log.h"
#include "browser/post_queue.h"

#include <QDateTime>
#include <QList>
#include <optional>

namespace quillbox {

class UserMessages;

// When the post log last shows this message, with this subject, watched on the forum: the
// same post made before. nullopt when it never was.
std::optional<QDateTime> lastPostedAt(const QList<PostRecord>& log, const QString& forum,
                                      const QString& subject, const QString& message);

// "Already posted to <forum> on <date>. Post again?", asked only when the log shows the post;
// true to post (also when it was never posted), false to pass the forum over.
bool askToPostAgain(UserMessages& messages, const QString& title, const QList<PostRecord>& log,
                    const QueueForum& forum, const QString& subject, const QString& message);

} // namespace quillbox

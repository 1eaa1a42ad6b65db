#include "watch/reply_check.h"

#include "watch/check_outcome.h"
#include "watch/fetch_messages.h"
#include "watch/page_fetcher.h"

namespace quillbox {

ReplyCheck::ReplyCheck(WatchLists& lists, PageFetcher& fetcher, UserMessages& messages,
                       QObject* parent)
    : QObject(parent), m_lists(lists), m_fetcher(fetcher), m_messages(messages) {
    connect(&m_fetcher, &PageFetcher::completed, this, &ReplyCheck::onCompleted);
    connect(&m_fetcher, &PageFetcher::failed, this, &ReplyCheck::onFailed);
}

void ReplyCheck::start() {
    m_fetcher.abandon();
    m_waiting = false;
    m_lists.clearNewReplies();
    m_current = 0;
    m_found = 0;
    m_toCheck.clear();
    for (int row = 0; row < m_lists.postCount(); ++row)
        m_toCheck.append(m_lists.postId(row));
    m_running = true;
    checkNextPost();
}

void ReplyCheck::checkNextPost() {
    if (!m_running)
        return;
    // A loop rather than recursion: a long run of posts passed over must not deepen the stack.
    for (;;) {
        emit panelText(1, QStringLiteral("checking post ") + QString::number(m_current + 1));
        if (m_current > m_toCheck.size() - 1) {
            m_running = false;
            emit panelText(1, QStringLiteral("finished - ") + QString::number(m_found) +
                                  QStringLiteral(" new replies found"));
            emit finished(m_found);
            return;
        }
        const int row = m_lists.rowOfPost(m_toCheck[m_current]);
        if (row >= 0 && m_lists.posts()[row].size.has_value()) {
            m_waiting = true;
            m_fetcher.start(m_lists.posts()[row].address);
            return;
        }
        ++m_current;
    }
}

void ReplyCheck::onCompleted(qint64 bodyBytes) {
    if (!m_waiting)
        return;
    m_waiting = false;
    const WatchLists::PostId id = m_toCheck[m_current];
    const int row = m_lists.rowOfPost(id);
    if (row >= 0) {
        const WatchedPost& post = m_lists.posts()[row];
        if (post.size && hasNewReplies(bodyBytes, *post.size)) {
            m_lists.addNewReply(post.address, id);
            ++m_found;
        }
    }
    emit postChecked(id, bodyBytes, QString());
    ++m_current;
    checkNextPost();
}

void ReplyCheck::onFailed(const FetchError& error) {
    if (!m_waiting)
        return;
    // The box comes while the check still counts as running, as it always has: nothing else
    // starts checking behind it.
    showFetchFailure(m_messages, error);
    m_waiting = false;
    m_running = false;
    emit postChecked(m_toCheck[m_current], std::nullopt, error.description);
    emit stopped();
}

} // namespace quillbox

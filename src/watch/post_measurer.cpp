#include "watch/post_measurer.h"

#include "watch/fetch_messages.h"
#include "watch/fetch_target.h"
#include "watch/page_fetcher.h"

#include <QCoreApplication>

namespace quillbox {

PostMeasurer::PostMeasurer(WatchLists& lists, PageFetcher& fetcher, UserMessages& messages,
                           QObject* parent)
    : QObject(parent), m_lists(lists), m_thread(fetcher), m_messages(messages) {
    connect(&m_thread, &ThreadFetch::completed, this, &PostMeasurer::onCompleted);
    connect(&m_thread, &ThreadFetch::failed, this, &PostMeasurer::onFailed);
}

void PostMeasurer::watchPost(const QString& url) {
    // A page that is not on the web could never be measured, so it is not put on watch. As when
    // a measurement cannot start, the progress panel is emptied before the box appears.
    if (!parseFetchTarget(url).target) {
        emit panelText(3, QString());
        acceptWebAddress(url, m_messages);
        return;
    }
    if (!m_lists.isWatched(url)) {
        m_lists.appendPost(url);
        measurePage(url, -1);
    } else {
        measurePage(url, m_lists.watchedIndex(url));
    }
}

void PostMeasurer::measurePage(const QString& url, int row) {
    if (row < 0)
        row = m_lists.postCount() - 1;
    const WatchLists::PostId id = m_lists.postId(row);
    if (id == 0)
        return;
    m_target = id;
    // Measured afresh from the address itself: a new watch starts where the user is.
    m_thread.start(ThreadFetch::Request{url, {}, std::nullopt, {}});
}

void PostMeasurer::onCompleted(const ThreadFetch::Result& result) {
    const WatchLists::PostId id = m_target;
    if (id == 0)
        return;
    m_target = 0;
    m_lists.recordMeasured(id, result.page);
    emit panelText(2, QCoreApplication::translate("quillbox::PostMeasurer", "Response completed"));
}

void PostMeasurer::onFailed(const FetchError& error) {
    // Only a measurement of ours is told of; the fetcher may serve someone else too.
    if (m_target == 0)
        return;
    m_target = 0;
    showFetchFailure(m_messages, error);
}

} // namespace quillbox

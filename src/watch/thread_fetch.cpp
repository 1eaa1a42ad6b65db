#include "watch/thread_fetch.h"

#include "platform/logging.h"
#include "watch/page_fetcher.h"
#include "watch/page_reading.h"
#include "watch/shown_address.h"

#include <QUrl>

namespace quillbox {

ThreadFetch::ThreadFetch(QObject* parent) : ThreadFetch(*new PageFetcher, parent) {
    m_fetcher->setParent(this);
}

ThreadFetch::ThreadFetch(PageFetcher& fetcher, QObject* parent)
    : QObject(parent), m_fetcher(&fetcher) {
    qRegisterMetaType<ThreadFetch::Result>();
    connect(m_fetcher, &PageFetcher::completed, this, &ThreadFetch::onPage);
    connect(m_fetcher, &PageFetcher::failed, this, &ThreadFetch::onFailed);
}

ThreadFetch::~ThreadFetch() = default;

void ThreadFetch::setOptions(const FetchOptions& options) {
    m_fetcher->setOptions(options);
}

bool ThreadFetch::isBusy() const {
    return m_busy;
}

void ThreadFetch::abandon() {
    m_busy = false;
    m_fetcher->abandon();
}

QString ThreadFetch::startPage(const Request& request) {
    return request.read.lastPage.isEmpty() ? request.address : request.read.lastPage;
}

void ThreadFetch::start(const Request& request) {
    m_request = request;
    m_result = Result();
    m_fetched.clear();
    m_busy = true;
    FetchRequest first{startPage(request), {}, {}, kReadPageBytes};
    // Validators only ever describe the page they were answered for.
    if (request.previous && request.previous->lastPage == first.address) {
        first.etag = request.previous->etag;
        first.lastModified = request.previous->lastModified;
    }
    m_fetched.append(first.address);
    m_fetcher->start(first);
}

void ThreadFetch::onPage(const FetchResult& page) {
    if (!m_busy)
        return;
    ++m_result.pagesFetched;
    if (page.notModified() && m_result.pagesFetched == 1 && m_request.previous) {
        m_busy = false;
        m_result.page = *m_request.previous;
        m_result.notModified = true;
        qCDebug(logFetch).noquote() << "not modified:" << shownAddress(m_fetched.first());
        emit completed(m_result);
        return;
    }
    const QUrl at(page.finalAddress);
    if (m_result.pagesFetched == 1 && m_fetched.first() == m_request.address &&
        page.finalAddress != m_request.address)
        m_result.page.current = page.finalAddress;
    else if (m_request.previous)
        m_result.page.current = m_request.previous->current;

    const PostIdentity posts = readPostIdentity(page.body);
    if (m_request.read.highestPost && posts.isValid())
        m_result.newPosts += posts.countAbove(*m_request.read.highestPost);

    const QUrl later = readLaterPage(page.body, at);
    const QString laterText = later.isValid() ? later.toString(QUrl::FullyEncoded) : QString();
    if (!laterText.isEmpty() && !m_fetched.contains(laterText) &&
        m_result.pagesFetched <= kMaxPageHops) {
        qCDebug(logFetch).noquote() << "thread goes on at" << shownAddress(laterText);
        m_fetched.append(laterText);
        m_fetcher->start(FetchRequest{laterText, {}, {}, kReadPageBytes});
        return;
    }

    m_busy = false;
    m_result.page.size = page.bodySize;
    // The page as it was asked for: a watched address that redirects stays one page.
    m_result.page.lastPage = m_fetched.last();
    if (posts.isValid())
        m_result.page.highestPost = posts.highest();
    m_result.page.title = readThreadTitle(page.body, m_request.forumName);
    m_result.page.etag = page.etag;
    m_result.page.lastModified = page.lastModified;
    emit completed(m_result);
}

void ThreadFetch::onFailed(const FetchError& error) {
    if (!m_busy)
        return;
    m_busy = false;
    FetchError e = error;
    // The thread failed, whichever of its pages did.
    e.address = m_request.address;
    emit failed(e);
}

} // namespace quillbox

#pragma once

#include "watch/fetch_error.h"
#include "watch/thread_fetch.h"
#include "watch/watch_lists.h"

#include <QObject>

namespace quillbox {

class PageFetcher;
class UserMessages;

// "Watch This Post": puts a page on watch, or renews the recorded size of a page already
// watched, by measuring it with its own fetcher (the program's wscSizes). The thread is followed
// to its last page, as the checks follow it, and what that page shows becomes what the checks
// compare with: its size, its highest post, its address; its title names the thread.
//
// The size lands on the post the measurement was started for, found again by its id when it
// completes; when that post was removed meanwhile, the size is recorded nowhere. A measurement
// that fails or is abandoned records nothing: a new post stays without a size, a post already
// watched keeps the size it had. A failed measurement is shown in the fetch error box.
class PostMeasurer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostMeasurer)
public:
    PostMeasurer(WatchLists& lists, PageFetcher& fetcher, UserMessages& messages,
                 QObject* parent = nullptr);

    // Watches url when it is not watched yet, then measures it into its post. An address that
    // is not a page on the web (see acceptWebAddress) is refused with the fetch-start error box
    // and nothing is added or measured; a measurement in flight goes on.
    void watchPost(const QString& url);
    // Measures url into the post of that row; -1 means the last row (the post just appended).
    // A row that does not exist starts nothing.
    void measurePage(const QString& url, int row);

signals:
    // Panel 2 gets "Response completed" once a size has been recorded; panel 3 is emptied
    // before a refused address's box.
    void panelText(int panel, const QString& text);

private:
    void onCompleted(const ThreadFetch::Result& result);
    void onFailed(const FetchError& error);

    WatchLists& m_lists;
    ThreadFetch m_thread;
    UserMessages& m_messages;
    WatchLists::PostId m_target = 0;
};

} // namespace quillbox

#pragma once

#include "watch/fetch_error.h"
#include "watch/fetch_options.h"
#include "watch/fetch_result.h"
#include "watch/thread_page.h"

#include <QObject>
#include <QStringList>
#include <optional>

namespace quillbox {

class PageFetcher;

// Follows one thread to its last page and reads it there: the engine under every check and
// under "Watch This Post".
//
// It fetches the page the user has read up to (or the watched address), reads the page list,
// and while a later page exists fetches that, at most kMaxPageHops times in one go. On the last
// page it reads the size, the post numbers and the title. Where the previous check left the
// validators of that very page, the first request is conditional, and a "304 Not Modified"
// ends the fetch with the previous check's page.
class ThreadFetch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ThreadFetch)
public:
    static constexpr int kMaxPageHops = 3;

    struct Request {
        QString address;                    // the watched address
        ThreadMark read;                    // what the user has read
        std::optional<ThreadPage> previous; // what the previous check found, if anything
        QString forumName;                  // trimmed off titles when the page does not say it
    };
    struct Result {
        ThreadPage page;
        int newPosts = 0;         // posts on the fetched pages above the recorded highest one
        bool notModified = false; // the server said the last page had not changed
        int pagesFetched = 0;
    };

    // With a fetcher of its own, or over one that someone else owns and may use between fetches.
    explicit ThreadFetch(QObject* parent = nullptr);
    explicit ThreadFetch(PageFetcher& fetcher, QObject* parent = nullptr);
    ~ThreadFetch() override;

    void setOptions(const FetchOptions& options);
    void start(const Request& request);
    void abandon();
    bool isBusy() const;
    PageFetcher& fetcher() { return *m_fetcher; }

    // Where a fetch of this request starts: the recorded last page, or the watched address.
    static QString startPage(const Request& request);

signals:
    void completed(const quillbox::ThreadFetch::Result& result);
    void failed(const quillbox::FetchError& error);

private:
    void onPage(const FetchResult& page);
    void onFailed(const FetchError& error);

    PageFetcher* m_fetcher;
    Request m_request;
    Result m_result;
    QStringList m_fetched;
    bool m_busy = false;
};

} // namespace quillbox

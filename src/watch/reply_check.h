#pragma once

#include "watch/fetch_error.h"
#include "watch/watch_lists.h"

#include <QList>
#include <QObject>

namespace quillbox {

class PageFetcher;
class UserMessages;

// "Check for new replies": fetches every watched page in turn with its own fetcher (the
// program's wscPosts) and lists, in the new replies, each page whose body has grown by more
// than 500 bytes since its size was recorded. Nothing is written back.
//
// The posts to check are the ones watched when the check starts, taken by id: a post removed
// during the check is passed over, one added during it waits for the next check, and a result
// always belongs to the post that was fetched. A post without a recorded size has nothing to
// compare with and is passed over without being fetched. A failed fetch is shown in the fetch
// error box and ends the check where it is; starting again begins with the first post and
// abandons a fetch in flight. Whether a page has new replies is hasNewReplies' decision.
class ReplyCheck : public QObject {
    Q_OBJECT
public:
    ReplyCheck(WatchLists& lists, PageFetcher& fetcher, UserMessages& messages,
               QObject* parent = nullptr);

    void start();
    // Shows progress in panel 1 and fetches the current post, or finishes.
    void checkNextPost();

    bool isRunning() const { return m_running; }
    int currentRow() const { return m_current; } // index into the posts being checked
    int newRepliesFound() const { return m_found; }

signals:
    void panelText(int panel, const QString& text);
    void finished(int newRepliesFound);
    void stopped(); // a fetch failed; the check ends unfinished
    // One post fetched: its measured size, or the failure's reason.
    void postChecked(WatchLists::PostId post, std::optional<qint64> measured,
                     const QString& reason);

private:
    void onCompleted(qint64 bodyBytes);
    void onFailed(const FetchError& error);

    WatchLists& m_lists;
    PageFetcher& m_fetcher;
    UserMessages& m_messages;
    QList<WatchLists::PostId> m_toCheck;
    int m_current = 0;
    int m_found = 0;
    bool m_running = false;
    bool m_waiting = false;
};

} // namespace quillbox

#pragma once

#include "store/records.h"
#include "watch/check_outcome.h"
#include "watch/thread_page.h"

#include <QString>
#include <optional>

namespace quillbox {

// A watched thread, whole: what the list files keep of it (its address and recorded size), and
// what is kept beside them: its title, where its address leads now, the page and the highest post
// the user has read up to, what its last check found, and whether that is still unread.
struct ThreadRecord {
    quint64 id = 0; // never changes and is never reused while the program runs
    WatchedPost post;
    QString title;
    QString current;  // where the address leads through same-site redirects; "" when to itself
    QString lastPage; // the page the recorded size belongs to; "" for the address itself
    std::optional<qint64> highestPost; // the highest post read, when the page marks its posts
    std::optional<PostCheck> check;
    bool unread = false;

    ThreadMark mark() const { return {post.size, lastPage, highestPost}; }
    // Records what a fetch found as read: its last page, the highest post there and its size.
    void markRead(const ThreadPage& page);

    bool operator==(const ThreadRecord&) const = default;
};

} // namespace quillbox

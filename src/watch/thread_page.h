#pragma once

#include <QString>
#include <optional>

namespace quillbox {

// A thread as one fetch of it found it: the page it ends on (its last page, reached through the
// page list) and what that page showed.
struct ThreadPage {
    qint64 size = 0;  // body bytes of the last page
    QString lastPage; // the address of the last page
    // The highest post number the last page shows, when the page marks its posts.
    std::optional<qint64> highestPost;
    QString title; // the thread's title, trimmed of the forum's name; "" when the page has none
    // Where the watched address itself led, through same-site redirects; "" when to itself.
    QString current;
    // The last page's validators, for a conditional request next time.
    QString etag;
    QString lastModified;

    bool operator==(const ThreadPage&) const = default;
};

// What the user has read of a thread: its recorded size (kept in the lists' files) and, beside
// the lists, the page it was recorded on and the highest post seen there.
struct ThreadMark {
    std::optional<qint64> size;
    QString lastPage; // "" for the watched address itself
    std::optional<qint64> highestPost;

    bool operator==(const ThreadMark&) const = default;
};

} // namespace quillbox

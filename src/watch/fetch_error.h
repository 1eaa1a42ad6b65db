#pragma once

#include <QString>

namespace quillbox {

// Why a page could not be fetched, as the fetcher reports it. Whoever started the fetch decides
// how to tell the user: a box in the window, a line on standard error, a thread's result.
struct FetchError {
    enum class Stage {
        Start,    // refused before anything was sent (no web address, no TLS)
        Transfer, // failed on the way: the connection, the server, a time-out
    };
    Stage stage = Stage::Transfer;
    int number = 0;      // the socket error's number, or the refusal's
    QString description; // what went wrong, in words
    QString address;     // the page's address, as it was given
    QString movedTo;     // a redirect to another site: the address it leads to

    bool operator==(const FetchError&) const = default;
};

} // namespace quillbox

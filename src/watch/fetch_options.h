#pragma once

#include <QList>
#include <QSslCertificate>
#include <chrono>

namespace quillbox {

class RequestCookies;

// How every fetch of one owner goes about it: set once and handed to each fetcher it uses.
struct FetchOptions {
    // A fetch that receives nothing for this long fails as a socket error would.
    std::chrono::milliseconds idleTimeout{30000};
    // A fetch that has not ended this long after its start fails, however steadily its server
    // keeps sending: one that drips a byte now and then never trips the idle time-out.
    std::chrono::milliseconds deadline{120000};
    // Authorities trusted for https:// besides the system's (tests use their own).
    QList<QSslCertificate> extraCaCertificates;
    // Cookies sent with each request, chosen for its address; none when unset. The source must
    // outlive every fetcher that uses it, or be unset first.
    const RequestCookies* cookies = nullptr;
};

} // namespace quillbox

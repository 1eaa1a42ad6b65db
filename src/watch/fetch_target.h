#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quillbox {

// Numbers of the errors found before anything is sent, shown as "Error #" in the fetch-start
// box. Socket errors use QAbstractSocket::SocketError values, which stay below 100.
enum class FetchStartError {
    BadCharacter = 1001,      // a space or a control character in the address
    UnsupportedScheme = 1002, // a scheme other than http:// and https:// (not on the web)
    NoHost = 1003,            // nothing, or an unusable name, where the host should be
    BadPort = 1004,           // a port that is not a number from 1 to 65535
    NoTls = 1005,             // https:// while this system offers no TLS
};

// Where and what to fetch for one address.
struct FetchTarget {
    bool tls = false;
    QString host;          // the name to connect to (ASCII, brackets of IPv6 removed)
    quint16 port = 80;     // 80, 443 for https://, or the port written after the host
    QByteArray hostHeader; // host[:port] as written, for the Host header
    QByteArray path;       // request target: starts with "/", query kept, fragment dropped

    // The whole GET request; a cookie header value, when given, is sent as its Cookie line, and
    // the validators of an earlier answer as If-None-Match and If-Modified-Since.
    QByteArray request(const QByteArray& cookieHeader = {}, const QByteArray& ifNoneMatch = {},
                       const QByteArray& ifModifiedSince = {}) const;
    bool operator==(const FetchTarget&) const = default;
};

struct FetchTargetResult {
    std::optional<FetchTarget> target;
    FetchStartError error = FetchStartError::BadCharacter; // meaningful without a target
    QString description;                                   // the same, for the user
};

// Splits a page address into the parts of its request. "http://" (any letter case) or no
// scheme at all is plain HTTP on port 80; "https://" is TLS on port 443. Addresses holding a
// space or a control character are refused, so nothing of them can reach a server, and so are
// addresses of pages that are not on the web (qrc:, file:, about:, data:, an empty address).
FetchTargetResult parseFetchTarget(const QString& url);

} // namespace quillbox

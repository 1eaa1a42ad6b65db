#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

namespace quillbox {

// The stages of one exchange with a web server, as the status bar shows them. Starting empties
// the progress shown for an earlier page; the others name what the fetcher is doing.
enum class FetchStage {
    Starting,
    Connecting,
    Sending,
    RequestSent,
    Receiving,
};

// The words of a stage in the status bar ("Connecting to the web server", …); none for
// Starting.
QString fetchStageText(FetchStage stage);

// What to fetch, and how. The validators come from an earlier answer for the same address: with
// them the server may answer "304 Not Modified" without a body.
struct FetchRequest {
    QString address;
    QString etag;         // sent as If-None-Match
    QString lastModified; // sent as If-Modified-Since
    // The body is kept up to this many bytes, for pages that must be read (their page list,
    // their posts, their title); 0 keeps none. Beyond the bound it is only counted.
    qint64 keepBodyBytes = 0;
};

// The answer to a fetch that ended with a page: the status, the headers that matter, what was
// received and where it came from after the redirects that were followed.
struct FetchResult {
    int status = 0;
    QString reason;             // the status line's reason phrase, "Not Found"
    QString location;           // Location, as sent
    QString etag;               // ETag, as sent
    QString lastModified;       // Last-Modified, as sent
    QString contentType;        // Content-Type, as sent
    qint64 bodySize = 0;        // the bytes after the header block, as counted on the wire
    QString finalAddress;       // the page that answered, after same-site redirects
    int redirects = 0;          // the redirects followed to get there
    QByteArray body;            // the body, when kept: the page's bytes, without chunk framing
    bool bodyTruncated = false; // the body was larger than the bound and is kept only in part

    bool notModified() const { return status == 304; }
};

// The bound a page that must be read is kept up to.
inline constexpr qint64 kReadPageBytes = 8 * 1024 * 1024;

} // namespace quillbox

Q_DECLARE_METATYPE(quillbox::FetchResult)

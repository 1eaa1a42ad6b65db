#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>

namespace quillbox {

// Reads an HTTP reply as it arrives, in pieces of any size, and measures its body.
//
// Only the header block is kept in memory, and only until its closing blank line (CR LF CR LF)
// has been found; the body is counted, never stored. The declared length comes from the first
// header line that contains "Content-Length" (exactly that spelling): the text after the line's
// first space, read as a decimal number, or 0 when it is not one.
//
// A reply that shows no blank line within its first kMaxHeaderBytes bytes has no header block
// we will ever find; the buffer is dropped and every byte of the reply counts as body, so a
// server that streams endless header text cannot exhaust memory.
//
// Whether the reply arrived whole is judged apart from the declared length: by HTTP's own
// rules, from a header field named Content-Length in any letter case, so that a look-alike
// such as "X-Original-Content-Length" never turns a complete page into a failure. A body sent
// in chunks (Transfer-Encoding ending in "chunked") is whole only once its last, empty chunk and
// the trailer after it have arrived; its chunk framing is followed as it arrives and still
// counted as body, as every byte after the header block is.
class HttpReplyReader {
public:
    static constexpr qsizetype kMaxHeaderBytes = 1024 * 1024;

    void reset();
    // Keeps up to `bound` bytes of the body (without chunk framing) for reading; 0 keeps none.
    // Set after reset(), before the first arrival.
    void setKeepBody(qint64 bound) { m_keepBound = bound; }

    // Takes the bytes of one arrival. Returns true when the progress text should be shown for
    // this arrival: only when the header block was complete before it. The arrival that
    // completes the header block shows nothing, nor does a reply given up as headerless.
    bool feed(QByteArrayView bytes);

    bool headerComplete() const { return m_headerComplete; }
    // True once the reply has been given up as headerless (no blank line within the cap).
    bool headerAbandoned() const { return m_headerAbandoned; }
    qint64 bodyBytes() const { return m_bodyBytes; }
    qint64 declaredLength() const { return m_declaredLength; }
    // The body length the reply announces by HTTP's rules, or -1 when it announces none that
    // can be trusted: no Content-Length field, one that is not a plain decimal number, fields
    // that disagree, or a Transfer-Encoding, which frames the body itself.
    qint64 contentLength() const { return m_contentLength; }
    // True when the body so far falls short of the announced length: once the connection has
    // ended, the page arrived incomplete.
    bool bodyShort() const { return m_contentLength >= 0 && m_bodyBytes < m_contentLength; }
    // True when the body comes in chunks.
    bool chunked() const { return m_chunk != Chunk::None; }
    // For a chunked body: true when its framing broke (a chunk size that is no number, or a
    // chunk not followed by its line end), and true when the body is not finished yet: once the
    // connection has ended, either means the page did not arrive whole.
    bool chunkFramingBroken() const { return m_chunk == Chunk::Broken; }
    bool chunksUnfinished() const { return chunked() && m_chunk != Chunk::Done; }
    QString progressText() const { return progressText(m_bodyBytes, m_declaredLength); }

    // From the status line, once the header block is complete: the status code (0 when the
    // reply has no status line that can be read) and its reason phrase.
    int status() const { return m_status; }
    const QString& reason() const { return m_reason; }
    // A header field's value as sent (the first field of that name, any letter case), or "".
    QString field(QByteArrayView name) const;
    // The reply announces two different lengths: HTTP makes such a reply unusable, since either
    // length could be the true one.
    bool lengthsConflict() const { return m_lengthsConflict; }
    // The body as kept (see setKeepBody), and whether it was longer than the bound.
    const QByteArray& body() const { return m_body; }
    bool bodyTruncated() const { return m_bodyTruncated; }

    // "Downloaded N bytes" without a positive declared length, otherwise
    // "Downloaded N from L (P%)" with P = N / (L / 100) rounded half to even. P is written in
    // full, so a server sending more than it declared shows more than 100%.
    static QString progressText(qint64 bodyBytes, qint64 declaredLength);
    // The declared length found in a header block (the bytes before the blank line).
    static qint64 declaredLengthOf(QByteArrayView headerBlock);
    // The announced body length of a header block, as contentLength() reports it.
    static qint64 contentLengthOf(QByteArrayView headerBlock);
    // Whether a header block frames its body in chunks: its last transfer coding is "chunked",
    // and its status is not one that carries no body (1xx, 204, 304).
    static bool chunkedOf(QByteArrayView headerBlock);
    // Whether a header block announces different body lengths, in two Content-Length fields or
    // in one field listing two values.
    static bool lengthsConflictOf(QByteArrayView headerBlock);
    // The status code of a header block's status line ("HTTP/1.1 404 Not Found"), or 0.
    static int statusOf(QByteArrayView headerBlock, QString* reason = nullptr);

private:
    enum class Chunk { None, SizeLine, Data, DataEnd, Trailer, Done, Broken };
    void followChunks(QByteArrayView body);
    void keep(QByteArrayView bytes);

    QByteArray m_header;
    qsizetype m_searchedUpTo = 0;
    bool m_headerComplete = false;
    bool m_headerAbandoned = false;
    qint64 m_bodyBytes = 0;
    qint64 m_declaredLength = 0;
    qint64 m_contentLength = -1;
    Chunk m_chunk = Chunk::None;
    qint64 m_chunkLeft = 0;     // data bytes of the current chunk still to come
    QByteArray m_chunkLine;     // the chunk size line so far
    qsizetype m_lineLength = 0; // characters of the current trailer line, or of the CR LF
    int m_status = 0;
    QString m_reason;
    QList<QPair<QByteArray, QString>> m_fields; // the fields the fetch result carries
    bool m_lengthsConflict = false;
    qint64 m_keepBound = 0;
    QByteArray m_body;
    bool m_bodyTruncated = false;
};

} // namespace quillbox

#include "watch/http_reply_reader.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace quillbox {

namespace {
constexpr QByteArrayView kBlankLine("\r\n\r\n");
// A chunk size line is a few hex digits and perhaps an extension; one longer than this is
// no framing we can follow.
constexpr qsizetype kMaxChunkLine = 4096;

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The size a chunk size line announces, or none when the line is not one.
std::optional<qint64> chunkSizeOf(QByteArrayView line) {
    if (line.endsWith('\r'))
        line.chop(1);
    const qsizetype extension = line.indexOf(';');
    if (extension >= 0)
        line.truncate(extension);
    line = line.trimmed();
    // Fifteen hex digits stay within 64 bits.
    if (line.isEmpty() || line.size() > 15 || !std::all_of(line.begin(), line.end(), isHexDigit))
        return std::nullopt;
    bool ok = false;
    const qint64 size = line.toLongLong(&ok, 16);
    return ok ? std::optional<qint64>(size) : std::nullopt;
}

// The field lines of a header block, after its status line.
template <typename F> void forEachField(QByteArrayView headerBlock, F&& f) {
    qsizetype start = headerBlock.indexOf(QByteArrayView("\r\n"));
    while (start >= 0 && start < headerBlock.size()) {
        start += 2;
        qsizetype end = headerBlock.indexOf(QByteArrayView("\r\n"), start);
        if (end < 0)
            end = headerBlock.size();
        const QByteArrayView line = headerBlock.sliced(start, end - start);
        start = end;
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        if (!f(line.first(colon), line.sliced(colon + 1).trimmed()))
            return;
    }
}

} // namespace

void HttpReplyReader::reset() {
    m_header.clear();
    m_header.squeeze();
    m_searchedUpTo = 0;
    m_headerComplete = false;
    m_headerAbandoned = false;
    m_bodyBytes = 0;
    m_declaredLength = 0;
    m_contentLength = -1;
    m_chunk = Chunk::None;
    m_chunkLeft = 0;
    m_chunkLine.clear();
    m_lineLength = 0;
    m_status = 0;
    m_reason.clear();
    m_fields.clear();
    m_lengthsConflict = false;
    m_keepBound = 0;
    m_body = QByteArray();
    m_bodyTruncated = false;
}

QString HttpReplyReader::field(QByteArrayView name) const {
    for (const auto& [n, value] : m_fields) {
        if (QByteArrayView(n).compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

void HttpReplyReader::keep(QByteArrayView bytes) {
    if (m_keepBound <= 0 || bytes.isEmpty())
        return;
    const qint64 room = m_keepBound - m_body.size();
    if (bytes.size() > room) {
        m_bodyTruncated = true;
        bytes = bytes.first(std::max<qint64>(room, 0));
    }
    m_body.append(bytes.data(), bytes.size());
}

bool HttpReplyReader::feed(QByteArrayView bytes) {
    m_bodyBytes += bytes.size();
    if (m_headerComplete) {
        if (m_chunk == Chunk::None)
            keep(bytes);
        else
            followChunks(bytes);
        return true;
    }
    if (m_headerAbandoned)
        return false;

    m_header.append(bytes.data(), bytes.size());
    // The blank line may straddle two arrivals, so resume the search three bytes back.
    const qsizetype from = std::max<qsizetype>(0, m_searchedUpTo - (kBlankLine.size() - 1));
    const qsizetype at = QByteArrayView(m_header).indexOf(kBlankLine, from);
    if (at < 0) {
        m_searchedUpTo = m_header.size();
        if (m_header.size() > kMaxHeaderBytes) {
            m_headerAbandoned = true;
            m_header = QByteArray();
        }
        return false;
    }
    m_headerComplete = true;
    m_bodyBytes -= at + kBlankLine.size();
    m_declaredLength = declaredLengthOf(QByteArrayView(m_header).first(at));
    const QByteArrayView block = QByteArrayView(m_header).first(at);
    m_contentLength = contentLengthOf(block);
    m_lengthsConflict = lengthsConflictOf(block);
    m_status = statusOf(block, &m_reason);
    static constexpr QByteArrayView kept[] = {"Location", "ETag", "Last-Modified", "Content-Type"};
    forEachField(block, [this](QByteArrayView name, QByteArrayView value) {
        for (QByteArrayView k : kept) {
            if (name.compare(k, Qt::CaseInsensitive) == 0 && field(k).isEmpty())
                m_fields.append({k.toByteArray(), QString::fromLatin1(value)});
        }
        return true;
    });
    const QByteArrayView rest = QByteArrayView(m_header).sliced(at + kBlankLine.size());
    if (chunkedOf(block)) {
        m_chunk = Chunk::SizeLine;
        followChunks(rest);
    } else {
        keep(rest);
    }
    m_header = QByteArray();
    return false;
}

qint64 HttpReplyReader::declaredLengthOf(QByteArrayView headerBlock) {
    qsizetype start = 0;
    while (start <= headerBlock.size()) {
        qsizetype end = headerBlock.indexOf(QByteArrayView("\r\n"), start);
        if (end < 0)
            end = headerBlock.size();
        const QByteArrayView line = headerBlock.sliced(start, end - start);
        if (line.contains(QByteArrayView("Content-Length"))) {
            const qsizetype space = line.indexOf(' ');
            // Without a space the whole line is the "number", which is no number.
            const QByteArrayView value = space < 0 ? line : line.sliced(space + 1);
            bool ok = false;
            const qint64 length = value.trimmed().toLongLong(&ok);
            return ok ? length : 0;
        }
        start = end + 2;
    }
    return 0;
}

qint64 HttpReplyReader::contentLengthOf(QByteArrayView headerBlock) {
    qint64 length = -1;
    bool trusted = true;
    forEachField(headerBlock, [&](QByteArrayView name, QByteArrayView value) {
        if (name.compare(QByteArrayView("Transfer-Encoding"), Qt::CaseInsensitive) == 0) {
            trusted = false;
            return false;
        }
        if (name.compare(QByteArrayView("Content-Length"), Qt::CaseInsensitive) != 0)
            return true;
        const bool digits = !value.isEmpty() && std::all_of(value.begin(), value.end(), [](char c) {
            return c >= '0' && c <= '9';
        });
        bool ok = false;
        const qint64 n = digits ? value.toLongLong(&ok) : -1;
        if (!ok || (length >= 0 && n != length)) {
            trusted = false;
            return false;
        }
        length = n;
        return true;
    });
    return trusted ? length : -1;
}

bool HttpReplyReader::lengthsConflictOf(QByteArrayView headerBlock) {
    QByteArrayView first;
    bool conflict = false;
    forEachField(headerBlock, [&](QByteArrayView name, QByteArrayView value) {
        if (name.compare(QByteArrayView("Content-Length"), Qt::CaseInsensitive) != 0)
            return true;
        // "Content-Length: 10, 10" is one length written twice; "10, 12" is two.
        qsizetype from = 0;
        while (from <= value.size() && !conflict) {
            qsizetype comma = value.indexOf(',', from);
            if (comma < 0)
                comma = value.size();
            const QByteArrayView one = value.sliced(from, comma - from).trimmed();
            if (first.isNull())
                first = one;
            else if (one != first)
                conflict = true;
            from = comma + 1;
        }
        return !conflict;
    });
    return conflict;
}

int HttpReplyReader::statusOf(QByteArrayView headerBlock, QString* reason) {
    const qsizetype lineEnd = headerBlock.indexOf(QByteArrayView("\r\n"));
    const QByteArrayView line = lineEnd < 0 ? headerBlock : headerBlock.first(lineEnd);
    if (!line.startsWith(QByteArrayView("HTTP/")))
        return 0;
    const qsizetype space = line.indexOf(' ');
    if (space < 0 || line.size() < space + 4)
        return 0;
    const QByteArrayView code = line.sliced(space + 1, 3);
    if (!std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
        (line.size() > space + 4 && line[space + 4] != ' '))
        return 0;
    if (reason)
        *reason = QString::fromLatin1(line.sliced(space + 4).trimmed());
    return code.toInt();
}

bool HttpReplyReader::chunkedOf(QByteArrayView headerBlock) {
    // "HTTP/1.1 204 No Content": the status is the second word of the first line.
    const qsizetype lineEnd = headerBlock.indexOf(QByteArrayView("\r\n"));
    const QByteArrayView statusLine = lineEnd < 0 ? headerBlock : headerBlock.first(lineEnd);
    const qsizetype space = statusLine.indexOf(' ');
    const QByteArrayView status = space < 0 ? QByteArrayView() : statusLine.sliced(space + 1);
    if (status.startsWith('1') || status.startsWith(QByteArrayView("204")) ||
        status.startsWith(QByteArrayView("304")))
        return false;
    QByteArrayView lastCoding;
    forEachField(headerBlock, [&](QByteArrayView name, QByteArrayView value) {
        if (name.compare(QByteArrayView("Transfer-Encoding"), Qt::CaseInsensitive) != 0)
            return true;
        // Codings listed over several fields count as one list; empty elements are allowed.
        qsizetype from = 0;
        while (from <= value.size()) {
            qsizetype comma = value.indexOf(',', from);
            if (comma < 0)
                comma = value.size();
            const QByteArrayView coding = value.sliced(from, comma - from).trimmed();
            if (!coding.isEmpty())
                lastCoding = coding;
            from = comma + 1;
        }
        return true;
    });
    return lastCoding.compare(QByteArrayView("chunked"), Qt::CaseInsensitive) == 0;
}

void HttpReplyReader::followChunks(QByteArrayView body) {
    qsizetype i = 0;
    while (i < body.size()) {
        switch (m_chunk) {
        case Chunk::None:
        case Chunk::Done:
        case Chunk::Broken:
            return;
        case Chunk::SizeLine: {
            const qsizetype lf = body.indexOf('\n', i);
            const qsizetype end = lf < 0 ? body.size() : lf;
            m_chunkLine.append(body.data() + i, end - i);
            i = end;
            if (m_chunkLine.size() > kMaxChunkLine) {
                m_chunk = Chunk::Broken;
                m_chunkLine = QByteArray();
                return;
            }
            if (lf < 0)
                return;
            ++i;
            const std::optional<qint64> size = chunkSizeOf(m_chunkLine);
            m_chunkLine.clear();
            m_lineLength = 0;
            if (!size)
                m_chunk = Chunk::Broken;
            else if (*size == 0)
                m_chunk = Chunk::Trailer;
            else {
                m_chunk = Chunk::Data;
                m_chunkLeft = *size;
            }
            break;
        }
        case Chunk::Data: {
            const qint64 n = std::min<qint64>(m_chunkLeft, body.size() - i);
            keep(body.sliced(i, n));
            i += n;
            m_chunkLeft -= n;
            if (m_chunkLeft == 0) {
                m_chunk = Chunk::DataEnd;
                m_lineLength = 0;
            }
            break;
        }
        case Chunk::DataEnd: {
            // The chunk's data is followed by its line end (a lone LF is taken too).
            const char c = body[i++];
            if (c == '\r' && m_lineLength == 0)
                m_lineLength = 1;
            else if (c == '\n')
                m_chunk = Chunk::SizeLine;
            else
                m_chunk = Chunk::Broken;
            break;
        }
        case Chunk::Trailer: {
            // Trailer fields, if any, then an empty line.
            const char c = body[i++];
            if (c == '\n') {
                if (m_lineLength == 0)
                    m_chunk = Chunk::Done;
                m_lineLength = 0;
            } else if (c != '\r') {
                ++m_lineLength;
            }
            break;
        }
        }
    }
}

QString HttpReplyReader::progressText(qint64 bodyBytes, qint64 declaredLength) {
    if (declaredLength <= 0)
        return QCoreApplication::translate("quillbox::HttpReplyReader", "Downloaded ") +
               QString::number(bodyBytes) +
               QCoreApplication::translate("quillbox::HttpReplyReader", " bytes");
    const double percent = std::nearbyint(double(bodyBytes) / (double(declaredLength) / 100.0));
    // Only reachable with absurd counts; keeps the conversion defined.
    constexpr double limit = double(std::numeric_limits<qint64>::max() / 2);
    const qint64 shown = qint64(std::clamp(percent, -limit, limit));
    return QCoreApplication::translate("quillbox::HttpReplyReader", "Downloaded ") +
           QString::number(bodyBytes) +
           QCoreApplication::translate("quillbox::HttpReplyReader", " from ") +
           QString::number(declaredLength) + QStringLiteral(" (") + QString::number(shown) +
           QStringLiteral("%)");
}

} // namespace quillbox

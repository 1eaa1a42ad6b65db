#include "watch/http_reply_reader.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillbox {

namespace {
constexpr QByteArrayView kBlankLine("\r\n\r\n");
}

void HttpReplyReader::reset() {
    m_header.clear();
    m_header.squeeze();
    m_searchedUpTo = 0;
    m_headerComplete = false;
    m_headerAbandoned = false;
    m_bodyBytes = 0;
    m_declaredLength = 0;
    m_contentLength = -1;
}

bool HttpReplyReader::feed(QByteArrayView bytes) {
    m_bodyBytes += bytes.size();
    if (m_headerComplete)
        return true;
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
    m_contentLength = contentLengthOf(QByteArrayView(m_header).first(at));
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
    qsizetype start = headerBlock.indexOf(QByteArrayView("\r\n")); // past the status line
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
        const QByteArrayView name = line.first(colon);
        if (name.compare(QByteArrayView("Transfer-Encoding"), Qt::CaseInsensitive) == 0)
            return -1;
        if (name.compare(QByteArrayView("Content-Length"), Qt::CaseInsensitive) != 0)
            continue;
        const QByteArrayView value = line.sliced(colon + 1).trimmed();
        const bool digits = !value.isEmpty() && std::all_of(value.begin(), value.end(), [](char c) {
            return c >= '0' && c <= '9';
        });
        bool ok = false;
        const qint64 n = digits ? value.toLongLong(&ok) : -1;
        if (!ok || (length >= 0 && n != length))
            return -1;
        length = n;
    }
    return length;
}

QString HttpReplyReader::progressText(qint64 bodyBytes, qint64 declaredLength) {
    if (declaredLength <= 0)
        return QStringLiteral("Downloaded ") + QString::number(bodyBytes) +
               QStringLiteral(" bytes");
    const double percent = std::nearbyint(double(bodyBytes) / (double(declaredLength) / 100.0));
    // Only reachable with absurd counts; keeps the conversion defined.
    constexpr double limit = double(std::numeric_limits<qint64>::max() / 2);
    const qint64 shown = qint64(std::clamp(percent, -limit, limit));
    return QStringLiteral("Downloaded ") + QString::number(bodyBytes) + QStringLiteral(" from ") +
           QString::number(declaredLength) + QStringLiteral(" (") + QString::number(shown) +
           QStringLiteral("%)");
}

} // namespace quillbox

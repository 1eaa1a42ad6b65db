#include "compose/converter.h"

#include "text/ascii.h"

#include <QStringView>
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace quillbox {

namespace {

// Characters that end an address when scanning forward.
bool isTerminator(char16_t c) {
    switch (c) {
    case u'\n':
    case u'\r':
    case u'?':
    case u',':
    case u'!':
    case u' ':
        return true;
    default:
        return false;
    }
}

// Characters that mark where an e-mail address begins, walking back from its "@".
bool isDelimiter(char16_t c) {
    return c == u'\n' || c == u'\r' || c == u' ';
}

// The first web address starting at or after `from`: the index of its "http://" or
// "https://". Looks for the colon with the vectorised character search and checks the
// scheme around it, so the text is read once however many addresses it holds.
qsizetype findWebAddress(QStringView text, qsizetype from) {
    qsizetype colon = from + 4;
    while (colon < text.size()) {
        colon = text.indexOf(u':', colon);
        if (colon < 0)
            return -1;
        if (colon + 2 < text.size() && text[colon + 1] == u'/' && text[colon + 2] == u'/') {
            if (colon - 4 >= from && ascii::matchesAt(text, colon - 4, u"http"))
                return colon - 4;
            if (colon - 5 >= from && ascii::matchesAt(text, colon - 5, u"https"))
                return colon - 5;
        }
        ++colon;
    }
    return -1;
}

// One past the last character of the address whose forward scan starts at `scanFrom`. A
// terminator belongs to the address; when the text ends first, a final full stop does not.
qsizetype addressEnd(QStringView text, qsizetype scanFrom) {
    const char16_t* chars = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = scanFrom; i < size; ++i) {
        if (isTerminator(chars[i]))
            return i + 1;
    }
    return (size > 0 && chars[size - 1] == u'.') ? size - 1 : size;
}

// The output of the web pass as the pieces it is made of (stretches of the input, template
// pieces, link texts), laid end to end and read in place. The e-mail pass reads it as one
// text, so the converted message is written once instead of once per pass, and a long text is
// not swept through memory more often than needed.
class PieceText {
public:
    void append(QStringView piece) {
        if (piece.isEmpty())
            return;
        m_pieces.push_back(piece.utf16());
        m_starts.push_back(m_size);
        m_size += piece.size();
    }
    // Ends the text; needed before reading.
    void finish() { m_starts.push_back(m_size); }

    qsizetype size() const { return m_size; }

    char16_t at(qsizetype pos) {
        seek(pos);
        return m_pieces[m_piece][pos - m_starts[m_piece]];
    }

    // The first `c` at or after `from`, or -1.
    qsizetype indexOf(char16_t c, qsizetype from) {
        if (from >= m_size)
            return -1;
        seek(from);
        for (std::size_t k = m_piece; k < m_pieces.size(); ++k) {
            const qsizetype offset = (k == m_piece) ? from - m_starts[k] : 0;
            const qsizetype pieceSize = m_starts[k + 1] - m_starts[k];
            qsizetype found = -1;
            // Template pieces and link texts are short: a plain loop beats a call to the
            // vectorised search, which pays off on the long stretches of message text.
            if (pieceSize - offset < 32) {
                for (qsizetype i = offset; i < pieceSize && found < 0; ++i) {
                    if (m_pieces[k][i] == c)
                        found = i;
                }
            } else {
                found = QStringView(m_pieces[k], pieceSize).indexOf(QChar(c), offset);
            }
            if (found >= 0) {
                m_piece = k;
                return m_starts[k] + found;
            }
        }
        return -1;
    }

    // Walking back from `at`: the position after the nearest delimiter at or after `floor`, or
    // `floor` when there is none.
    qsizetype afterDelimiterBefore(qsizetype at, qsizetype floor) {
        qsizetype pos = at;
        if (pos <= floor)
            return pos;
        seek(pos - 1);
        while (true) {
            const qsizetype pieceStart = m_starts[m_piece];
            const char16_t* chars = m_pieces[m_piece];
            const qsizetype low = std::max(floor, pieceStart);
            for (; pos > low; --pos) {
                if (isDelimiter(chars[pos - 1 - pieceStart]))
                    return pos;
            }
            if (pos <= floor)
                return floor;
            --m_piece;
        }
    }

    // The first terminator at or after `from`, or -1.
    qsizetype indexOfTerminator(qsizetype from) {
        if (from >= m_size)
            return -1;
        seek(from);
        for (; m_piece < m_pieces.size(); ++m_piece) {
            const qsizetype pieceStart = m_starts[m_piece];
            const char16_t* chars = m_pieces[m_piece];
            for (qsizetype pos = std::max(from, pieceStart); pos < m_starts[m_piece + 1]; ++pos) {
                if (isTerminator(chars[pos - pieceStart]))
                    return pos;
            }
        }
        m_piece = m_pieces.size() - 1;
        return -1;
    }

    // Copies [from, to) to `dest`; returns the end of the copy.
    char16_t* copy(qsizetype from, qsizetype to, char16_t* dest) {
        if (from >= to)
            return dest;
        seek(from);
        for (std::size_t k = m_piece; from < to; ++k) {
            const qsizetype begin = from - m_starts[k];
            const qsizetype count = std::min(to, m_starts[k + 1]) - from;
            std::memcpy(dest, m_pieces[k] + begin, std::size_t(count) * sizeof(char16_t));
            dest += count;
            from += count;
        }
        return dest;
    }

private:
    // Reads move mostly forward and never far back, so a moving index beats a search.
    void seek(qsizetype pos) {
        while (pos < m_starts[m_piece])
            --m_piece;
        while (pos >= m_starts[m_piece + 1])
            ++m_piece;
    }

    std::vector<const char16_t*> m_pieces;
    std::vector<qsizetype> m_starts; // one more than m_pieces once finished
    qsizetype m_size = 0;
    std::size_t m_piece = 0;
};

// The converted message, written front to back. Room is made once per link for all its
// pieces, which are then copied through a raw pointer.
class Output {
public:
    explicit Output(qsizetype expectedSize) : m_text(expectedSize, Qt::Uninitialized) {}

    char16_t* reserve(qsizetype count) {
        if (m_size + count > m_text.size())
            m_text.resize(std::max(m_size + count, m_text.size() + m_text.size() / 2));
        return reinterpret_cast<char16_t*>(m_text.data()) + m_size;
    }
    void advanceTo(const char16_t* end) {
        m_size = end - reinterpret_cast<const char16_t*>(m_text.constData());
    }
    QString take() {
        m_text.truncate(m_size);
        return std::move(m_text);
    }

private:
    QString m_text;
    qsizetype m_size = 0;
};

char16_t* put(char16_t* to, QStringView piece) {
    // An empty template piece may have no storage at all, and memcpy from null is undefined.
    if (piece.isEmpty())
        return to;
    std::memcpy(to, piece.utf16(), std::size_t(piece.size()) * sizeof(char16_t));
    return to + piece.size();
}

bool isLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// Web addresses, found in the input alone: inserted markup is never searched again, so each
// search continues after the address before it. Returns whether any was found.
bool linkWebAddresses(QStringView in, QStringView linkOpen01, QStringView linkOpen02,
                      QStringView linkClose01, PieceText& out) {
    qsizetype p = 0;
    bool found = false;
    while (in.size() >= 2) {
        const qsizetype start = findWebAddress(in, p);
        if (start < 0)
            break;
        // The scan starts at the second "/" of the scheme.
        const qsizetype end = addressEnd(in, in.indexOf(u'/', start) + 1);
        const QStringView link =
            in.sliced(start, end - start - (isLineBreak(in[end - 1].unicode()) ? 1 : 0));
        out.append(in.sliced(p, start - p));
        out.append(linkOpen01);
        out.append(link);
        out.append(linkOpen02);
        out.append(link);
        out.append(linkClose01);
        found = true;
        p = end;
        if (in.size() - p < 3)
            break;
    }
    out.append(in.sliced(p));
    out.finish();
    return found;
}

// One past the end of the e-mail address starting at `start`: as addressEnd, over pieces.
qsizetype mailAddressEnd(PieceText& text, qsizetype start) {
    const qsizetype terminator = text.indexOfTerminator(start);
    if (terminator >= 0)
        return terminator + 1;
    return text.at(text.size() - 1) == u'.' ? text.size() - 1 : text.size();
}

// E-mail addresses, over the output of the web pass taken as plain text. The walk back from
// an "@" stops at the end of the address replaced last: crossing it would wrap that markup
// again and again without end. With no delimiter before that point the address starts right
// there. Returns a null string when nothing was replaced and the web pass found nothing.
//
// A terminator between the delimiter and the "@" ends the address before the "@", which is
// then met again by the next search, maybe many times over (`a x,x,x,…,x@y`). Each meeting
// would search up to it and walk back the same stretch, so such a text took time quadratic in
// its length. Every character is read once instead: while the "@" met last still lies ahead,
// it is the next one, and the walk back from it has already passed everything from the new
// start of the search on without meeting a delimiter, so the address starts right there.
QString linkMailAddresses(PieceText& in, bool webLinks, QStringView linkOpen01,
                          QStringView linkOpen02, QStringView linkClose01, QStringView mailCall01) {
    std::optional<Output> out;
    if (webLinks)
        out.emplace(in.size() + in.size() / 8 + 64);
    const qsizetype markupSize =
        linkOpen01.size() + mailCall01.size() + linkOpen02.size() + linkClose01.size();
    qsizetype p = 0; // first character not yet copied; also the floor of the walk back
    qsizetype at = -1;
    while (in.size() >= 2) {
        qsizetype start = p;
        if (at < p) {
            at = in.indexOf(u'@', p);
            if (at < 0)
                break;
            start = in.afterDelimiterBefore(at, p);
            // Nothing replaced yet and no delimiter before the "@": the address would begin
            // before the text, and the pass gives up on this and every later "@".
            if (start == 0)
                break;
        }
        const qsizetype end = mailAddressEnd(in, start);
        const qsizetype linkSize = end - start - (isLineBreak(in.at(end - 1)) ? 1 : 0);
        if (!out)
            out.emplace(in.size() + in.size() / 4 + 64);
        char16_t* to = out->reserve(start - p + markupSize + 2 * linkSize);
        to = in.copy(p, start, to);
        to = put(put(to, linkOpen01), mailCall01);
        to = in.copy(start, start + linkSize, to);
        to = put(to, linkOpen02);
        to = in.copy(start, start + linkSize, to);
        out->advanceTo(put(to, linkClose01));
        p = end;
        if (in.size() - p < 3)
            break;
    }
    if (!out)
        return {};
    out->advanceTo(in.copy(p, in.size(), out->reserve(in.size() - p)));
    return out->take();
}

} // namespace

QString insertLinks(const QString& text, const QString& linkOpen01, const QString& linkOpen02,
                    const QString& linkClose01, const QString& mailCall01) {
    PieceText webLinked;
    const bool webLinks = linkWebAddresses(text, linkOpen01, linkOpen02, linkClose01, webLinked);
    QString result =
        linkMailAddresses(webLinked, webLinks, linkOpen01, linkOpen02, linkClose01, mailCall01);
    return result.isNull() ? text : result;
}

QString convertMessage(const QString& text, const QString& formatName,
                       const TemplateSet& templates) {
    for (const LinkTemplate& t : templates) {
        if (t.Name == formatName)
            return insertLinks(text, t.LinkOpen01, t.LinkOpen02, t.LinkClose01, t.MailCall01);
    }
    return text;
}

} // namespace quillbox

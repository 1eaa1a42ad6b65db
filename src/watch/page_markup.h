#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>

// A forward-only walk over a page's start tags, for the page readers. It never builds a tree:
// pages run to megabytes and are read at every check, so one pass over the bytes is all it does.
namespace quillbox::markup {

struct Attribute {
    QByteArrayView name;
    QByteArrayView value; // raw: quotes removed, entities not decoded; empty when written bare
};

struct Tag {
    QByteArrayView name;
    QVarLengthArray<Attribute, 8> attributes;
    qsizetype end = 0;        // just past its ">"
    qsizetype contentEnd = 0; // for script, style, textarea and title: where "</name" starts

    // The raw value of the first attribute of that name (written in lower case), or a null view.
    QByteArrayView attribute(QByteArrayView lowerName) const;
    bool is(QByteArrayView lowerName) const;
};

// Whether a equals lowerB, ASCII letters of a compared without regard to case.
bool equalsLower(QByteArrayView a, QByteArrayView lowerB);

// Reads the next start tag at or after pos, skipping comments, declarations, end tags and the
// content of script, style, textarea and title (text there is never markup). Returns false at
// the end of the page. A tag cut off by the end of the page is not returned.
bool nextTag(QByteArrayView html, qsizetype& pos, Tag& tag);

// Markup text (UTF-8) with character references decoded: numeric ones, and the named ones
// forum pages use in titles and addresses.
QString decodeEntities(QByteArrayView raw);

// The text between a tag's end and the next "</endName" (at most limit bytes on), with inner
// tags removed, references decoded and white space collapsed.
QString textUntil(QByteArrayView html, qsizetype from, QByteArrayView endName, qsizetype limit);

// White space runs made one space, and the ends trimmed.
QString collapseSpace(const QString& text);

// Whether every character of text is an ASCII digit, and there is at least one.
bool isDigits(QByteArrayView text);

} // namespace quillbox::markup

#pragma once

#include <QString>
#include <QStringView>

namespace quillbox {

// The posting form is found without walking the document tree: the body's markup is broken
// into lines so that every form, input and textarea tag starts a line of its own, and the lines
// are scanned as text. Everything here runs in time linear in the length of the markup.

// The two ways of preparing the markup. The first works on the body's outer markup; the second,
// tried when the first finds no posting form, on its inner markup, with a slightly different
// table (a form end tag is only split off when it is complete, an input tag loses its blank).
enum class ScanPass { First, Second };

// Applies the pass's replacements in order, each to every occurrence, found without regard to
// letter case and written in lower case:
//   first pass:  "<form" -> CR LF "<form" CR LF,  "</form"  -> CR LF "</form>" CR LF,
//                "<input " -> CR LF "<input ",    "<textarea" -> CR LF "<textarea"
//   second pass: "<form" -> CR LF "<form" CR LF,  "</form>" -> CR LF "</form>" CR LF,
//                "<input " -> CR LF "<input",     "<textarea" -> CR LF "<textarea"
// Every pattern holds a single "<", at its start, and no replacement writes a "<" followed by
// anything another pattern starts with, so one walk over the text gives the same result as
// four whole-text passes one after the other.
QString preparePageText(QStringView html, ScanPass pass);

// The number of the first form, counted from 0 in document order, that has the word "textarea"
// on one of its lines, or -1. A "<form" met inside a form is not counted; a form ends at the
// line holding "</form>". Lines end at CR or CR LF; a lone LF stays inside its line.
qsizetype findPostingForm(QStringView preparedText);

// The position, counted from 0, of the message field among the lines of form formIndex that
// hold "<input" or "<textarea" (one per line), ending at the first line holding "textarea";
// -1 when there is none. Here every "<form" line starts a new form, also one inside a form,
// and lines after a form's end still belong to it until the next "<form". A negative form
// index gives -1.
qsizetype findMessageField(QStringView preparedText, qsizetype formIndex);

} // namespace quillbox

#pragma once

#include <QtGlobal>

class QPlainTextEdit;
class QString;

namespace quillbox {

// Qt's word wrap searches a stretch with no place to break once more for every line it makes of
// it: a message of one line of a million characters took minutes to show. Up to this length such
// a stretch costs a few times what wrapping it anywhere costs, which stays linear.
inline constexpr qsizetype longestWordWrappedRun = 5000;

// Keeps a plain-text view quick whatever text it is given, typed or pasted: while its document
// holds a stretch longer than longestWordWrappedRun with no place to break, the view breaks its
// lines anywhere; otherwise it wraps them as it was set to. A text too long to fit any view gets
// its scroll bar before it is laid out. The text itself is never changed.
void keepLongLinesQuick(QPlainTextEdit* view);

// Replaces the text of such a view (made so here if it was not) as QPlainTextEdit::setPlainText
// does: no undo back to the old text, the view at the start of the new one. setPlainText lays
// the new text out before the view hears of it, with the wrap chosen for the old text, and again
// to paint it; here the view lays it out once, when it paints.
void setPlainTextQuickly(QPlainTextEdit* view, const QString& text);

} // namespace quillbox

#pragma once

#include <QtGlobal>

class QPlainTextEdit;
class QString;

namespace quillbox {

// Qt's word wrap searches a stretch with no place to break once more for every line it makes of
// it: a message of one line of a million characters took minutes to show. Up to this length such
// a stretch costs a few times what wrapping it anywhere costs, which stays linear.
inline constexpr qsizetype longestWordWrappedRun = 5000;

// The longest stretch of text in which a line may not break, in characters.
qsizetype longestUnbrokenRun(const QString& text);

// Keeps a plain-text view quick whatever text it is given, typed or pasted: while its document
// holds a stretch longer than longestWordWrappedRun with no place to break, the view breaks its
// lines anywhere; otherwise it wraps them as it was set to. The text itself is never changed.
void keepLongLinesQuick(QPlainTextEdit* view);

} // namespace quillbox

#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace quillbox {

// Replaces the whole text as one edit, so Ctrl+Z brings the old text back (setPlainText and
// clear would drop the undo history). The text is as the box shows it: the caller converts a
// message's line breaks.
void replaceText(QPlainTextEdit* box, const QString& text);
// The line edit's own edit, undoable like typing; it runs the box's change handling.
void replaceText(QLineEdit* box, const QString& text);

} // namespace quillbox

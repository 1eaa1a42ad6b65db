#pragma once

#include <QStringList>

class QWidget;

namespace quillbox {

// What a screen reader says of each control of the main window, and the order the Tab key
// takes through them: the way a message goes, from writing it, choosing its format and opening
// the forum's page, through inserting or pasting it, to watching the thread and checking for
// replies. One table by object name, so every control keeps a name wherever it is built.
// Controls not in the table are left as they are; names missing from the window are passed by.
void applyAccessibleNames(QWidget* window);

// The object names of the main window's focusable controls in their tab order.
QStringList mainTabOrder();

} // namespace quillbox

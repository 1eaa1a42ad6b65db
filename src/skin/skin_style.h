#pragma once

#include "skin/skin.h"

#include <QString>

namespace quillbox {

// The look a window takes when it is handed to the skin: a Qt style sheet drawing its frames,
// buttons, boxes, tabs, menus and status bar in the skin's colours. windowType is the style
// sheet type selector of the window's own class ("QMainWindow", "quillbox--HelpWindow"), whose
// background becomes the skin's panel colour.
QString skinStyleSheet(const Skin& skin, const QString& windowType);

// A control's own colours, as a style sheet for the control alone: typeSelector names the
// control's class ("QLineEdit"), so the colours reach neither its parts nor its children.
// An empty background or text leaves that colour as it is.
QString controlColourSheet(const QString& typeSelector, const QString& background,
                           const QString& text);

} // namespace quillbox

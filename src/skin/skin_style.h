#pragma once

#include "skin/skin.h"

#include <QString>

namespace quillbox {

// The look a window takes when it is handed to the skin: a Qt style sheet drawing its frames,
// buttons, boxes, tabs, menus and status bar in the skin's colours, and giving each control
// the colours its skinColouring property names. windowType is the style
// sheet type selector of the window's own class ("QMainWindow", "quillbox--HelpWindow"), whose
// background becomes the skin's panel colour.
QString skinStyleSheet(const Skin& skin, const QString& windowType);

// The property through which applySkin gives a control its colours: the window's style sheet
// colours every control whose property names a colouring ("Background", "BackgroundAndText",
// "Panel").
inline constexpr char skinColouringProperty[] = "skinColouring";
QString skinColouringName(SkinColouring colouring); // empty for SkinColouring::None

} // namespace quillbox

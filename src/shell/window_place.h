#pragma once

#include <QRect>

namespace quillbox {

// Where the main window goes at its first start on a screen whose free area (without panels
// and docks) is available: 85 % of that area, never smaller than the designed size where the
// screen holds it, never larger than the screen, and centred; sizes are the frame's, title bar
// included.
QRect firstWindowPlace(const QRect& available, const QSize& designed);

// A kept window place brought onto the screen it opens on: no larger than the free area, and
// moved just as far as it takes for the whole frame (the title bar with it, and the status bar
// at its bottom) to lie inside it. A place that already fits is kept as it is.
QRect placeOnScreen(const QRect& frame, const QRect& available);

} // namespace quillbox

#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

namespace quillbox {

// Window positions are designed in twips (1440 to the inch) and shown in pixels at the
// screen's logical resolution: 15 twips a pixel at 96 DPI.
inline double twipsPerPixel(const QWidget* w) {
    const int dpi = w ? w->logicalDpiX() : 96;
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

inline int toPixels(const QWidget* w, double twips) {
    return int(std::lround(twips / twipsPerPixel(w)));
}

inline double toTwips(const QWidget* w, int pixels) {
    return pixels * twipsPerPixel(w);
}

inline void placeTwips(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(toPixels(widget, left), toPixels(widget, top), toPixels(widget, width),
                        toPixels(widget, height));
}

} // namespace quillbox

#include "shell/window_place.h"

#include <algorithm>

namespace quillbox {

QRect firstWindowPlace(const QRect& available, const QSize& designed) {
    if (!available.isValid())
        return QRect(QPoint(0, 0), designed);
    // A wide screen is used well without the window stretching over all of it.
    const QSize wanted = (available.size() * 85 / 100).expandedTo(designed);
    const QSize size = wanted.boundedTo(available.size());
    QRect place(QPoint(0, 0), size);
    place.moveCenter(available.center());
    return place;
}

QRect placeOnScreen(const QRect& frame, const QRect& available) {
    if (!available.isValid() || !frame.isValid())
        return frame;
    QRect place(frame.topLeft(), frame.size().boundedTo(available.size()));
    // Right and bottom first, so a window larger than the screen ends with its top-left shown.
    if (place.right() > available.right())
        place.moveRight(available.right());
    if (place.bottom() > available.bottom())
        place.moveBottom(available.bottom());
    if (place.left() < available.left())
        place.moveLeft(available.left());
    if (place.top() < available.top())
        place.moveTop(available.top());
    return place;
}

} // namespace quillbox

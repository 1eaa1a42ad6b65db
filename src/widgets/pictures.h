#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QToolButton;

namespace quillbox {

// The program's pictures, drawn from the SVG files among its resources (resources/pictures/),
// by name: "quillbox" (the program's icon), "splash", "preview", "copy", "save", "load",
// "options", "visit", "go", "back", "forward", "stop", "refresh", "watch", "unwatch".

// An icon drawn at whatever size it is shown, sharp on every screen; greyed when disabled.
QIcon pictureIcon(const QString& name);

// The picture drawn at a size, in logical pixels, for a screen of the given pixel ratio. A
// null pixmap when there is no such picture.
QPixmap picturePixmap(const QString& name, const QSize& size, qreal devicePixelRatio = 1.0);

// The program's own icon, for its windows.
QIcon programIcon();

// A low button shows its picture beside the caption when it is wide enough for both in the
// desktop's font, and the caption alone otherwise. Call once the button has its size.
void fitPictureBesideCaption(QToolButton* button);

} // namespace quillbox

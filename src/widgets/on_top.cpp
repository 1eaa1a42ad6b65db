#include "widgets/on_top.h"

#include <QWidget>

namespace quillbox {

void setOnTop(QWidget* window, bool onTop) {
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window's flags hides it.
    if (visible)
        window->setVisible(true);
}

void showAtFront(QWidget* window) {
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace quillbox

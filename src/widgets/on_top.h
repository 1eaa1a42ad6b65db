#pragma once

class QWidget;

namespace quillbox {

// Makes a window stay above other windows (true), or returns it to the normal order (false).
// A shown window stays shown.
void setOnTop(QWidget* window, bool onTop);

// Shows a window, restored if it was minimized, raised and active.
void showAtFront(QWidget* window);

} // namespace quillbox

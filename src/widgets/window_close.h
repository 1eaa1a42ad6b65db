#pragma once

class QPushButton;
class QWidget;

namespace quillbox {

// Lets a secondary window close the way a desktop's windows do: Esc closes it wherever its
// focus is, and the Close button made here (named "cmdClose", for the caller to place) closes
// it too.
QPushButton* makeCloseButton(QWidget* window);

} // namespace quillbox

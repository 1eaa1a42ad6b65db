#pragma once

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWebEngineView;
class QWidget;

namespace quillbox {

class BrowserPage;

// What both browsers of the program show in their "Browser" frame: the "URL:" label, the
// address box, the Go, Back, Forward, Stop and Refresh buttons and the view.
struct BrowserControls {
    QLabel* addressLabel = nullptr;
    QLineEdit* addressBox = nullptr;
    QToolButton* goButton = nullptr;
    QToolButton* backButton = nullptr;
    QToolButton* forwardButton = nullptr;
    QToolButton* stopButton = nullptr;
    QToolButton* refreshButton = nullptr;
    QWidget* view = nullptr;
};

// Builds the controls in the frame at their design positions and places the view that shows the
// page among them; the address box carries the given object name.
BrowserControls makeBrowserControls(QGroupBox* frame, const QString& addressBoxName, QWidget* view);

// Sizes that follow the window, in twips: the address box's width, Go's left edge, the view.
void applyControlsLayout(const BrowserControls& controls, float addressBoxWidth, float goLeft,
                         float viewWidth, float viewHeight);

// Go (and Enter in the address box) navigates to the address box's text as typed; Back and
// Forward without history, Stop and Refresh with nothing to stop or reload do nothing.
void connectNavigation(const BrowserControls& controls, BrowserPage& page);

} // namespace quillbox

#pragma once

#include "browser/ui/browser_controls.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace quillbox {

class BrowserPage;

// Sizes of the pane that follow the main window's size, in twips.
struct BrowserPaneLayout {
    float frameWidth = 0;
    float frameHeight = 0;
    float addressBoxWidth = 0;
    float goLeft = 0;
    float viewWidth = 0;
    float viewHeight = 0;
};

// The main window's browser: the "Browser" frame with the address box, the navigation buttons,
// the popup switch and the view. Load states and status texts go out through panelText; the
// main window owns the status bar.
class BrowserPane final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BrowserPane)

public:
    // Places itself in the parent at its design position, with the view that shows the page
    // (the pane takes the view; the page belongs to the caller and outlives the pane).
    BrowserPane(BrowserPage& page, QWidget* view, QWidget* parent = nullptr);
    ~BrowserPane() override;

    BrowserPage& page() { return m_page; }
    void applyLayout(const BrowserPaneLayout& layout);
    // The browser's keys, as actions of the window that work wherever its focus is: the
    // address box (Ctrl+L, F6), Refresh (F5), Back and Forward (Alt+Left, Alt+Right), Stop (Esc).
    void addKeyboardCommands(QWidget* window);

signals:
    // Panel 1: "Connecting", "Complete"; panel 2: the page's status text.
    void panelText(int panel, const QString& text);
    // A download completed, after the address box and panel 1 were updated.
    void downloadCompleted();

private:
    void showCurrentAddress();

    BrowserControls controls; // the address box, its buttons and the view
    QCheckBox* popupsBox = nullptr;
    BrowserPage& m_page;
};

} // namespace quillbox

#pragma once

#include <QGroupBox>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWebEngineView;

namespace quillbox {

class BrowserPage;
class WebEnginePage;

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
class BrowserPane : public QGroupBox {
    Q_OBJECT

public:
    // Places itself in the parent at its design position.
    explicit BrowserPane(QWidget* parent = nullptr);
    ~BrowserPane() override;

    BrowserPage& page();
    WebEnginePage& webPage();
    void applyLayout(const BrowserPaneLayout& layout);

signals:
    // Panel 1: "Connecting", "Complete"; panel 2: the page's status text.
    void panelText(int panel, const QString& text);
    // A download completed, after the address box and panel 1 were updated.
    void downloadCompleted();

private:
    void showCurrentAddress();

    QLabel* addressLabel = nullptr;
    QLineEdit* addressBox = nullptr;
    QToolButton* goButton = nullptr;
    QToolButton* backButton = nullptr;
    QToolButton* forwardButton = nullptr;
    QToolButton* stopButton = nullptr;
    QToolButton* refreshButton = nullptr;
    QCheckBox* popupsBox = nullptr;
    QWebEngineView* view = nullptr;
    std::unique_ptr<WebEnginePage> m_page;
};

} // namespace quillbox

#pragma once

#include "browser/ui/browser_controls.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWebEngineView;

namespace quillbox {

class BrowserPage;
class SkinLabel;
class WebEnginePage;

// The separate browser window: a plain browser that opens on the program's website, and the
// window a page's popup opens in. Pages shown here may always open new windows.
class WebsiteWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebsiteWindow)

public:
    explicit WebsiteWindow(const QString& websiteAddress = {}, QWidget* parent = nullptr);
    ~WebsiteWindow() override;

    void setWebsiteAddress(const QString& address) { m_websiteAddress = address; }
    QString websiteAddress() const { return m_websiteAddress; }

    // Opens the website: caption, on top of other windows while it loads, the website's
    // address, maximised.
    void openWebsite();

    BrowserPage& page();
    WebEnginePage& webPage();

    // A new window of the program for a page's popup, shown and deleted when closed; it does
    // not keep the program running.
    static WebEnginePage* openPopupWindow();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layoutControls();
    // Skin labels over the plain labels, then the skin; once for the window's life.
    void dressInSkin();

    QString m_websiteAddress;
    QGroupBox* browserFrame = nullptr;
    BrowserControls controls; // the address box, its buttons and the view
    std::array<QLabel*, 2> statusPanels{};
    SkinLabel* skinLabels = nullptr; // element 0 of SkinLabel1, in the Browser frame
    bool m_skinned = false;
    std::unique_ptr<WebEnginePage> m_page;
};

} // namespace quillbox

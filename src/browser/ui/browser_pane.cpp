#include "browser/ui/browser_pane.h"

#include "browser/ui/browser_controls.h"
#include "browser/website_layout.h"
#include "platform/browser_page.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

namespace quillbox {

namespace {
constexpr float paneLeft = 3840, paneTop = 900, paneWidth = 6375, paneHeight = 7395;
}

BrowserPane::BrowserPane(BrowserPage& page, QWidget* pageView, QWidget* parent)
    : QGroupBox(parent), m_page(page) {
    setObjectName(QStringLiteral("Frame2"));
    setFrameCaption(this, tr("Browser"));
    placeTwips(this, paneLeft, paneTop, paneWidth, paneHeight);

    controls = makeBrowserControls(this, QStringLiteral("Text5"), pageView);

    using namespace browserDesign;
    popupsBox = new QCheckBox(tr("No Popups"), this);
    popupsBox->setObjectName(QStringLiteral("Check1"));
    popupsBox->setChecked(true);
    placeTwips(popupsBox, popupsLeft, popupsTop, popupsWidth, popupsHeight);

    m_page.setPopupsBlocked(true);
    connectNavigation(controls, m_page);
    connect(popupsBox, &QCheckBox::toggled, &m_page, &BrowserPage::setPopupsBlocked);

    connect(&m_page, &BrowserPage::downloadBegan, this,
            [this] { emit panelText(1, tr("Connecting")); });
    connect(&m_page, &BrowserPage::downloadCompleted, this, [this] {
        showCurrentAddress();
        emit panelText(1, tr("Complete"));
        emit downloadCompleted();
    });
    connect(&m_page, &BrowserPage::statusTextChanged, this,
            [this](const QString& text) { emit panelText(2, text); });
    // The title itself is not shown; it tells that the address may have changed.
    connect(&m_page, &BrowserPage::titleChanged, this, &BrowserPane::showCurrentAddress);
}

BrowserPane::~BrowserPane() = default;

void BrowserPane::showCurrentAddress() {
    controls.addressBox->setText(m_page.currentUrl());
}

void BrowserPane::applyLayout(const BrowserPaneLayout& l) {
    resize(toPixels(this, l.frameWidth), toPixels(this, l.frameHeight));
    applyControlsLayout(controls, l.addressBoxWidth, l.goLeft, l.viewWidth, l.viewHeight);
}

} // namespace quillbox

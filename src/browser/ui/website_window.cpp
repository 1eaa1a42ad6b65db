#include "browser/ui/website_window.h"

#include "browser/ui/browser_controls.h"
#include "browser/website_layout.h"
#include "platform/qt/web_engine_page.h"
#include "skin/skin.h"
#include "skin/ui/apply_skin.h"
#include "skin/ui/skin_label.h"
#include "widgets/on_top.h"
#include "widgets/pictures.h"
#include "widgets/placed_controls.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolButton>
#include <QWebEngineView>

namespace quillbox {

WebsiteWindow::WebsiteWindow(const QString& websiteAddress, QWidget* parent)
    : QMainWindow(parent), m_websiteAddress(websiteAddress) {
    setObjectName(QStringLiteral("frmWebsite"));
    setWindowIcon(programIcon());
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmWebsiteClient"));
    setCentralWidget(central);
    browserFrame = new QGroupBox(central);
    browserFrame->setObjectName(QStringLiteral("frmBrowser"));
    setFrameCaption(browserFrame, tr("Browser"));
    placeTwips(browserFrame, browserDesign::frameLeft, browserDesign::frameTop, 6375, 7395);

    auto* view = new QWebEngineView;
    controls = makeBrowserControls(browserFrame, QStringLiteral("Text1"), view);
    skinLabels = makeSkinLabelPrototype(browserFrame, QStringLiteral("SkinLabel1"));

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    for (size_t i = 0; i < statusPanels.size(); ++i) {
        auto* panel = new QLabel(statusBar());
        panel->setObjectName(QStringLiteral("StatusPanel") + QString::number(i + 1));
        // Status texts come from pages: never markup.
        panel->setTextFormat(Qt::PlainText);
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        statusBar()->addWidget(panel, 1);
        statusPanels[i] = panel;
    }

    m_page = std::make_unique<WebEnginePage>(view);
    m_page->setPopupsBlocked(false);
    m_page->setPopupOpener(&WebsiteWindow::openPopupWindow);
    connectNavigation(controls, *m_page);
    connect(m_page.get(), &BrowserPage::statusTextChanged, statusPanels[0], &QLabel::setText);
    connect(m_page.get(), &BrowserPage::downloadCompleted, this, [this] {
        controls.addressBox->setText(m_page->currentUrl());
        setWindowTitle(m_page->title());
    });

    resize(toPixels(this, 9600), toPixels(this, 7200));
}

WebsiteWindow::~WebsiteWindow() = default;

BrowserPage& WebsiteWindow::page() {
    return *m_page;
}

WebEnginePage& WebsiteWindow::webPage() {
    return *m_page;
}

void WebsiteWindow::openWebsite() {
    setWindowTitle(m_websiteAddress);
    setOnTop(this, true);
    dressInSkin();
    m_page->navigate(m_websiteAddress);
    showMaximized();
    setOnTop(this, false);
}

void WebsiteWindow::dressInSkin() {
    if (m_skinned || !skinBuiltIn)
        return;
    m_skinned = true;
    replaceLabels(this, {skinLabels});
    applySkin(this);
}

WebEnginePage* WebsiteWindow::openPopupWindow() {
    auto* window = new WebsiteWindow();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    // A page may close the window it opened.
    connect(window->webPage().webPage(), &QWebEnginePage::windowCloseRequested, window,
            &QWidget::close);
    // Pages must be gone before the profile they share, which ends with the program.
    connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    window->dressInSkin();
    window->show();
    return &window->webPage();
}

void WebsiteWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void WebsiteWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutControls();
}

void WebsiteWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    layoutControls();
}

void WebsiteWindow::layoutControls() {
    const QRect frame = frameGeometry();
    WebsiteLayoutInput in;
    in.windowWidth = float(toTwips(this, frame.width()));
    in.windowHeight = float(toTwips(this, frame.height()));
    in.statusBarHeight = float(toTwips(this, statusBar()->height()));
    const WebsiteLayout l = layoutBrowserWindow(in);
    statusPanels[0]->setMaximumWidth(toPixels(this, l.panel1Width));
    statusPanels[1]->setMaximumWidth(toPixels(this, l.panel2Width));
    browserFrame->resize(toPixels(this, l.frameWidth), toPixels(this, l.frameHeight));
    applyControlsLayout(controls, l.addressBoxWidth, l.goLeft, l.viewWidth, l.viewHeight);
}

} // namespace quillbox

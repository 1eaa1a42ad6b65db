#include "browser/ui/browser_pane.h"

#include "browser/ui/browser_controls.h"
#include "browser/website_layout.h"
#include "platform/browser_page.h"
#include "widgets/placed_controls.h"
#include "widgets/twips.h"
#include "widgets/window_keys.h"

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

void BrowserPane::addKeyboardCommands(QWidget* window) {
    // Refresh's standard keys include Ctrl+R on some desktops, which checks for replies here.
    struct Command {
        const char* name;
        const char* caption;
        std::function<void()> handler;
        Keys keys;
    };
    const Command commands[] = {
        {"addressBoxAction", "Address",
         [this] {
             controls.addressBox->setFocus(Qt::ShortcutFocusReason);
             controls.addressBox->selectAll();
         },
         keys(Qt::CTRL | Qt::Key_L, Qt::Key_F6)},
        {"refreshAction", "Refresh", [this] { m_page.reload(); }, keys(Qt::Key_F5)},
        {"backAction", "Back", [this] { m_page.goBack(); },
         keys(QKeySequence::Back, Qt::ALT | Qt::Key_Left)},
        {"forwardAction", "Forward", [this] { m_page.goForward(); },
         keys(QKeySequence::Forward, Qt::ALT | Qt::Key_Right)},
        {"stopAction", "Stop", [this] { m_page.stop(); },
         keys(QKeySequence::Cancel, Qt::Key_Escape)},
    };
    for (const Command& command : commands) {
        auto* action = new QAction(QString::fromLatin1(command.caption), window);
        action->setObjectName(QString::fromLatin1(command.name));
        giveKeys(action, command.keys);
        connect(action, &QAction::triggered, this, command.handler);
        window->addAction(action);
    }
}

} // namespace quillbox

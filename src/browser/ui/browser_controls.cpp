#include "browser/ui/browser_controls.h"

#include "browser/website_layout.h"
#include "platform/browser_page.h"
#include "widgets/pictures.h"
#include "widgets/twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWebEngineView>

namespace quillbox {

namespace {

QToolButton* makeButton(QGroupBox* frame, const char* name, const QString& caption,
                        const QString& tooltip, const char* picture, float left, float top,
                        float width, float height) {
    auto* b = new QToolButton(frame);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolTip(tooltip);
    b->setIcon(pictureIcon(QString::fromLatin1(picture)));
    b->setIconSize(QSize(16, 16));
    placeTwips(b, left, top, width, height);
    fitPictureBesideCaption(b);
    return b;
}

} // namespace

BrowserControls makeBrowserControls(QGroupBox* frame, const QString& addressBoxName,
                                    QWidget* view) {
    using namespace browserDesign;
    BrowserControls c;
    c.addressLabel = new QLabel(frame);
    c.addressLabel->setObjectName(QStringLiteral("Label5"));
    c.addressLabel->setTextFormat(Qt::PlainText);
    c.addressLabel->setText(QCoreApplication::translate("quillbox::BrowserControls", "URL:"));
    placeTwips(c.addressLabel, labelLeft, labelTop, labelWidth, labelHeight);

    c.addressBox = new QLineEdit(frame);
    c.addressBox->setObjectName(addressBoxName);
    placeTwips(c.addressBox, addressLeft, addressTop, addressWidth, addressHeight);

    c.goButton = makeButton(
        frame, "Command3", QCoreApplication::translate("quillbox::BrowserControls", "Go"),
        QCoreApplication::translate("quillbox::BrowserControls", "browse the entered url"), "go",
        goLeft, goTop, goWidth, goHeight);
    c.backButton = makeButton(frame, "Command4",
                              QCoreApplication::translate("quillbox::BrowserControls", "Back"),
                              QCoreApplication::translate("quillbox::BrowserControls", "back"),
                              "back", backLeft, buttonsTop, backWidth, buttonsHeight);
    c.forwardButton = makeButton(
        frame, "Command5", QCoreApplication::translate("quillbox::BrowserControls", "Forward"),
        QCoreApplication::translate("quillbox::BrowserControls", "forward"), "forward", forwardLeft,
        buttonsTop, forwardWidth, buttonsHeight);
    c.stopButton = makeButton(frame, "Command6",
                              QCoreApplication::translate("quillbox::BrowserControls", "Stop"),
                              QCoreApplication::translate("quillbox::BrowserControls", "stop"),
                              "stop", stopLeft, buttonsTop, stopWidth, buttonsHeight);
    c.refreshButton = makeButton(
        frame, "Command7", QCoreApplication::translate("quillbox::BrowserControls", "Refresh"),
        QCoreApplication::translate("quillbox::BrowserControls", "refresh"), "refresh", refreshLeft,
        buttonsTop, refreshWidth, buttonsHeight);

    c.view = view;
    c.view->setParent(frame);
    c.view->setObjectName(QStringLiteral("WebBrowser1"));
    placeTwips(c.view, viewLeft, viewTop, viewWidth, viewHeight);
    return c;
}

void applyControlsLayout(const BrowserControls& c, float addressBoxWidth, float goLeft,
                         float viewWidth, float viewHeight) {
    c.addressBox->resize(toPixels(c.addressBox, addressBoxWidth), c.addressBox->height());
    c.goButton->move(toPixels(c.goButton, goLeft), c.goButton->y());
    c.view->resize(toPixels(c.view, viewWidth), toPixels(c.view, viewHeight));
}

void connectNavigation(const BrowserControls& c, BrowserPage& page) {
    QObject::connect(c.goButton, &QToolButton::clicked, &page,
                     [&page, box = c.addressBox] { page.navigate(box->text()); });
    QObject::connect(c.addressBox, &QLineEdit::returnPressed, c.goButton, &QToolButton::click);
    QObject::connect(c.backButton, &QToolButton::clicked, &page, [&page] { page.goBack(); });
    QObject::connect(c.forwardButton, &QToolButton::clicked, &page, [&page] { page.goForward(); });
    QObject::connect(c.stopButton, &QToolButton::clicked, &page, &BrowserPage::stop);
    QObject::connect(c.refreshButton, &QToolButton::clicked, &page, &BrowserPage::reload);
}

} // namespace quillbox

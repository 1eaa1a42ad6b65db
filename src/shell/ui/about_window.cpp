#include "shell/ui/about_window.h"

#include "shell/branding.h"
#include "skin/ui/apply_skin.h"
#include "skin/ui/skin_label.h"
#include "widgets/pictures.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QPushButton>

namespace quillbox {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, double left, double top,
                  double width, double height) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    placeTwips(label, left, top, width, height);
    return label;
}

constexpr double detailsLeft = 1920, valuesLeft = 3180, captionWidth = 1200, valueWidth = 3300,
                 lineHeight = 285;

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowIcon(programIcon());
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);

    pictureBox = makeLabel(this, "Picture1", {}, 240, 240, 1440, 1440);
    pictureBox->setProperty("controlType", QStringLiteral("PictureBox"));
    pictureBox->setAlignment(Qt::AlignCenter);
    pictureBox->setAutoFillBackground(true);
    pictureBox->setPixmap(
        picturePixmap(QStringLiteral("quillbox"), QSize(80, 80), devicePixelRatioF()));

    productLabel = makeLabel(this, "Label1", {}, detailsLeft, 240, 4500, 540);
    QFont big = productLabel->font();
    big.setPointSizeF(16);
    big.setBold(true);
    productLabel->setFont(big);

    makeLabel(this, "Label2", tr("Version:"), detailsLeft, 900, captionWidth, lineHeight);
    versionLabel = makeLabel(this, "lblVersion", {}, valuesLeft, 900, valueWidth, lineHeight);
    makeLabel(this, "Label3", tr("Owned By:"), detailsLeft, 1200, captionWidth, lineHeight);
    companyLabel = makeLabel(this, "lblCompany", {}, valuesLeft, 1200, valueWidth, lineHeight);
    websiteCaption =
        makeLabel(this, "Label4", tr("Website:"), detailsLeft, 1500, captionWidth, lineHeight);
    websiteLabel = makeLabel(this, "lblWebsite", {}, valuesLeft, 1500, valueWidth, lineHeight);
    noticeLabel = makeLabel(this, "Label5", ownershipNotice(), 240, 2040, 6180, 1380);
    noticeLabel->setWordWrap(true);
    noticeLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setDefault(true);
    placeTwips(okButton, 5220, 3600, 1200, 405);
    connect(okButton, &QPushButton::clicked, this, &QDialog::close);

    skinLabels = makeSkinLabelPrototype(this, QStringLiteral("SkinLabel1"));

    setFixedSize(toPixels(this, 6660), toPixels(this, 4200));
}

AboutWindow::~AboutWindow() = default;

QString AboutWindow::ownershipNotice() {
    return tr("Quillbox is owned by its makers, named above, who keep every right in the program, "
              "its name and its pictures. You may use it freely to write, post and follow your own "
              "messages. It comes without any warranty: keep your own copies of what matters to "
              "you. The forums you visit, and what they show, belong to their owners.");
}

void AboutWindow::load() {
    const Branding branding = loadBranding();
    setWindowTitle(tr("About %1").arg(branding.productName));
    productLabel->setText(branding.productName);
    companyLabel->setText(branding.companyName);
    versionLabel->setText(versionText());
    // Only a website the build names is shown, never the start page shipped with the program.
    websiteLabel->setText(branding.websiteConfigured ? branding.websiteAddress : QString());
    websiteLabel->setVisible(branding.websiteConfigured);
    websiteCaption->setVisible(branding.websiteConfigured);
    if (branding.skinEnabled) {
        replaceLabels(this, {skinLabels});
        applySkin(this);
    }
}

} // namespace quillbox

#include "widgets/placed_controls.h"

#include "skin/ui/skin_label.h"
#include "widgets/pictures.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVariant>

namespace quillbox {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, double left, double top,
                  double width, double height) {
    auto* l = makePlaced<QLabel>(parent, name, left, top, width, height);
    l->setText(text);
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip, double left, double top, double width,
                        double height) {
    auto* b = makePlaced<QPushButton>(parent, name, left, top, width, height);
    b->setText(caption);
    b->setToolTip(tooltip);
    return b;
}

SkinLabel* makeSkinLabel(QWidget* parent, const char* name, const QString& text, double left,
                         double top, double width, double height) {
    auto* l = new SkinLabel(QString::fromLatin1(name), parent);
    placeTwips(l, left, top, width, height);
    l->setText(text);
    return l;
}

QToolButton* makePictureButton(QWidget* parent, const char* name, const QString& caption,
                               const QString& tooltip, const char* picture, double left, double top,
                               double width, double height, bool large) {
    auto* b = makePlaced<QToolButton>(parent, name, left, top, width, height);
    b->setText(caption);
    b->setToolTip(tooltip);
    b->setIcon(pictureIcon(QString::fromLatin1(picture)));
    b->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    // Tall buttons show the picture above the caption; low ones beside it, room permitting.
    if (height >= 700)
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    else
        fitPictureBesideCaption(b);
    return b;
}

void setFrameCaption(QGroupBox* frame, const QString& caption) {
    frame->setTitle(caption);
    QFont f = frame->font();
    f.setPointSizeF(8.25);
    f.setBold(true);
    frame->setFont(f);
    frame->setStyleSheet(QStringLiteral("QGroupBox > * { font-weight: normal; }"));
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, double left,
                     double top, double width, double height) {
    auto* frame = makePlaced<QGroupBox>(parent, name, left, top, width, height);
    setFrameCaption(frame, caption);
    return frame;
}

void growFromDesign(QWidget* w, int dx, int dy, int dw, std::optional<int> dh) {
    if (!w)
        return;
    static constexpr char designProperty[] = "quillboxDesignGeometry";
    QVariant design = w->property(designProperty);
    if (!design.isValid()) {
        design = w->geometry();
        w->setProperty(designProperty, design);
    }
    const QRect d = design.toRect();
    w->setGeometry(d.x() + dx, d.y() + dy, d.width() + dw, dh ? d.height() + *dh : w->height());
}

} // namespace quillbox

#pragma once

#include "widgets/twips.h"

#include <QString>
#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace quillbox {

class SkinLabel;

// Controls made at their design positions (twips, relative to the container), named by their
// traditional objectName.
template <typename W>
W* makePlaced(QWidget* parent, const char* name, double left, double top, double width,
              double height) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    placeTwips(w, left, top, width, height);
    return w;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, double left, double top,
                  double width, double height);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip, double left, double top, double width,
                        double height);
SkinLabel* makeSkinLabel(QWidget* parent, const char* name, const QString& text, double left,
                         double top, double width, double height);
// A button with its picture above the caption: 32 pixels when large, 16 otherwise.
QToolButton* makePictureButton(QWidget* parent, const char* name, const QString& caption,
                               const QString& tooltip, const char* picture, double left, double top,
                               double width, double height, bool large);
// Gives a frame its bold caption; the controls inside keep the normal weight.
void setFrameCaption(QGroupBox* frame, const QString& caption);

// A frame with a bold caption; the controls inside it keep the normal weight.
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, double left,
                     double top, double width, double height);

inline void setHeightTwips(QWidget* w, float twips) {
    w->resize(w->width(), toPixels(w, twips));
}
inline void setWidthTwips(QWidget* w, float twips) {
    w->resize(toPixels(w, twips), w->height());
}

// Moves and widens a control from its design place, which it remembers the first time; a height
// another layout sets is kept when dh is nothing.
void growFromDesign(QWidget* w, int dx, int dy, int dw, std::optional<int> dh = 0);

} // namespace quillbox

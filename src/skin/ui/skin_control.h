#pragma once

#include "skin/skin.h"

#include <QColor>
#include <QObject>

class QWidget;

namespace quillbox {

// The skin control: it carries a skin and hands windows to it. The one on the splash window is
// the program's shared skin object, through which every window is skinned.
class SkinControl : public QObject {
    Q_OBJECT

public:
    explicit SkinControl(const Skin& skin, QObject* parent = nullptr);
    ~SkinControl() override;

    const Skin& skin() const { return m_skin; }
    QColor backgroundColour() const;
    QColor textColour() const;
    QColor panelColour() const;

    // Hands the window to the skin: the window and everything on it take the skin's look.
    void skinWindow(QWidget* window) const;

    // The shared skin object; null while its owner, the splash window, is not loaded.
    static SkinControl* shared();
    static void makeShared(SkinControl* control);

private:
    Skin m_skin;
};

// The name a style sheet gives the widget's class ("QLineEdit", "quillbox--SkinLabel").
QString styleSheetType(const QObject* object);

// Sets the skin's part of a widget's style sheet, after whatever sheet the widget had of its own
// before it was first skinned; skinning again replaces only the skin's part.
void setSkinStyleSheet(QWidget* widget, const QString& skinPart);

} // namespace quillbox

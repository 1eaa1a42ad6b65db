#pragma once

#include "skin/skin.h"

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

    // The skin's values, its colours among them, read each time a window is skinned.
    const Skin& skin() const { return m_skin; }

    // Hands the window to the skin: the window and everything on it take the skin's look.
    void skinWindow(QWidget* window) const;
    // Takes the skin off a window: it keeps only the style sheet it had of its own.
    static void unskinWindow(QWidget* window);

    // The shared skin object; null while its owner, the splash window, is not loaded.
    static SkinControl* shared();
    static void makeShared(SkinControl* control);

private:
    Skin m_skin;
};

} // namespace quillbox

#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace quillbox {

// Skins a window as it loads: every button, list, text box and picture box on it, inside
// frames too, takes its colours from the shared skin object by the kind of control, and then
// the window is handed to the skin, which draws it in the skin's look. Every window of the
// program calls this for itself. When the shared skin object does not exist (its owner, the
// splash window, is not loaded), the recovery set below brings it back first; false when the
// window could not be skinned even so.
bool applySkin(QWidget* window);

// With the system's colours on, applySkin leaves windows as they are, so they follow the
// desktop's palette, and only remembers that they asked for the skin; windows skinned before
// take it off at once. Switching back skins every window that asked for it. The skin is the
// default.
void setSystemColours(bool on);
bool systemColours();

// How applySkin gets the shared skin object back when it does not exist: loads its owner
// without letting the owner's start-up run. The splash window sets this when it first loads.
void setSharedSkinRecovery(std::function<void()> recover);

// The controls of a window in order, those inside frames and other containers included; the
// parts of a composite control (a list's scroll bars, a tab strip's arrows) and other windows
// are not controls of it.
QList<QWidget*> windowControls(QWidget* window);

// The kind of a control as the skin names it: "CommandButton", "TextBox", "ComboBox",
// "ListBox", "ListView", "PictureBox", "Image", "Label", "SkinLabel", "Frame", "CheckBox",
// "TabStrip", "StatusBar", "RichTextBox", "WebBrowser" …; a control's "controlType" property,
// when set, names it (a picture shown by a label is a "PictureBox" or an "Image").
QString controlTypeName(const QWidget* control);

} // namespace quillbox

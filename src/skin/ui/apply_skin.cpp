#include "skin/ui/apply_skin.h"

#include "skin/skin_style.h"
#include "skin/ui/skin_control.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QVariant>
#include <QWidget>
#include <array>
#include <utility>

namespace quillbox {

namespace {

std::function<void()>& recovery() {
    static std::function<void()> recover;
    return recover;
}

// Widgets whose children are controls of the same window: the window's client area, frames
// and the button rows of dialogs.
bool isContainer(const QWidget* w) {
    const QMetaObject* meta = w->metaObject();
    return meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject ||
           qobject_cast<const QGroupBox*>(w) || qobject_cast<const QDialogButtonBox*>(w);
}

void collectControls(const QWidget* container, QList<QWidget*>& out) {
    for (QObject* child : container->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        out.append(w);
        if (isContainer(w))
            collectControls(w, out);
    }
}

// Every control takes its colouring by kind; the skin's look, set on the window next, gives it
// the colours. One style sheet for the window restyles it once, however many controls it has.
void colourControls(QWidget* window) {
    for (QWidget* control : windowControls(window)) {
        const QString colouring = skinColouringName(skinColouringFor(controlTypeName(control)));
        control->setProperty(skinColouringProperty,
                             colouring.isEmpty() ? QVariant() : QVariant(colouring));
    }
}

} // namespace

QList<QWidget*> windowControls(QWidget* window) {
    QList<QWidget*> controls;
    if (window)
        collectControls(window, controls);
    return controls;
}

QString controlTypeName(const QWidget* control) {
    const QVariant own = control->property("controlType");
    if (own.isValid())
        return own.toString();
    // The first class in the control's ancestry that the skin knows names its kind.
    static const std::array<std::pair<const char*, const char*>, 24> kinds{{
        {"quillbox::SkinLabel", "SkinLabel"},
        {"QPushButton", "CommandButton"},
        {"QToolButton", "CommandButton"},
        {"QCheckBox", "CheckBox"},
        {"QRadioButton", "OptionButton"},
        {"QLineEdit", "TextBox"},
        {"QPlainTextEdit", "TextBox"},
        {"QTextBrowser", "RichTextBox"},
        {"QTextEdit", "TextBox"},
        {"QComboBox", "ComboBox"},
        {"QListWidget", "ListBox"},
        {"QListView", "ListView"},
        {"QTreeView", "ListView"},
        {"QTableView", "ListView"},
        {"QLabel", "Label"},
        {"QGroupBox", "Frame"},
        {"QTabBar", "TabStrip"},
        {"QTabWidget", "TabStrip"},
        {"QStatusBar", "StatusBar"},
        {"QMenuBar", "Menu"},
        {"QWebEngineView", "WebBrowser"},
        {"QProgressBar", "ProgressBar"},
        {"QScrollBar", "ScrollBar"},
        {"QFrame", "Frame"},
    }};
    for (const QMetaObject* meta = control->metaObject(); meta; meta = meta->superClass()) {
        for (const auto& [className, kind] : kinds) {
            if (qstrcmp(meta->className(), className) == 0)
                return QString::fromLatin1(kind);
        }
    }
    return QString::fromLatin1(control->metaObject()->className());
}

void setSharedSkinRecovery(std::function<void()> recover) {
    recovery() = std::move(recover);
}

bool applySkin(QWidget* window) {
    if (!window)
        return false;
    if (!SkinControl::shared() && recovery())
        recovery()();
    const SkinControl* skin = SkinControl::shared();
    if (!skin)
        return false;
    colourControls(window);
    skin->skinWindow(window);
    return true;
}

} // namespace quillbox

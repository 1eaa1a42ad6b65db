#include "skin/ui/apply_skin.h"

#include "skin/skin_style.h"
#include "skin/ui/skin_control.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QPointer>
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

bool& systemColoursOn() {
    static bool on = false;
    return on;
}

// Marks a window that asked for the skin while the system's colours were on.
constexpr char skinWantedProperty[] = "quillboxSkinWanted";

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

// A style sheet taken off leaves behind, as each widget's own, the palette the widget had when
// it was skinned; the program sets no palette of its own, so every widget goes back to
// following the application's, which follows the desktop's.
void followDesktopPalette(QWidget* window) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (w->testAttribute(Qt::WA_SetPalette))
            w->setPalette(QPalette());
    }
}

// Widgets under a style sheet of their own (the frames' captions have one) take their palette
// once, when the sheet is applied: when the desktop's colours change, those sheets are applied
// again, so that with the system's colours every window follows the desktop at once.
class DesktopPaletteFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the application's own notice is taken: the event also reaches objects of the
        // page's view that are still being built or taken down, which nothing here may touch.
        if (watched == QCoreApplication::instance() &&
            event->type() == QEvent::ApplicationPaletteChange && systemColoursOn()) {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                for (QWidget* w : window->findChildren<QWidget*>()) {
                    if (!w->styleSheet().isEmpty())
                        w->setStyleSheet(w->styleSheet());
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

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
    if (systemColoursOn()) {
        window->setProperty(skinWantedProperty, true);
        return true;
    }
    if (!SkinControl::shared() && recovery())
        recovery()();
    const SkinControl* skin = SkinControl::shared();
    if (!skin)
        return false;
    colourControls(window);
    skin->skinWindow(window);
    return true;
}

bool systemColours() {
    return systemColoursOn();
}

void setSystemColours(bool on) {
    if (systemColoursOn() == on)
        return;
    systemColoursOn() = on;
    static QPointer<DesktopPaletteFollower> follower;
    if (on && !follower && qApp) {
        follower = new DesktopPaletteFollower(qApp);
        qApp->installEventFilter(follower);
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (on && window->property("skin").isValid()) {
            for (QWidget* control : windowControls(window))
                control->setProperty(skinColouringProperty, QVariant());
            SkinControl::unskinWindow(window);
            followDesktopPalette(window);
            window->setProperty(skinWantedProperty, true);
        } else if (!on && window->property(skinWantedProperty).toBool()) {
            window->setProperty(skinWantedProperty, QVariant());
            applySkin(window);
        }
    }
}

} // namespace quillbox

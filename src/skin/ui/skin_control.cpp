#include "skin/ui/skin_control.h"

#include "skin/skin_style.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace quillbox {

namespace {

QPointer<SkinControl>& sharedSkin() {
    static QPointer<SkinControl> control;
    return control;
}

// The name a style sheet gives the widget's class ("QLineEdit", "quillbox--HelpWindow").
QString styleSheetType(const QObject* object) {
    return QString::fromLatin1(object->metaObject()->className())
        .replace(QStringLiteral("::"), QStringLiteral("--"));
}

constexpr char ownSheet[] = "quillboxOwnStyleSheet";

// Sets the skin's part of a window's style sheet, after whatever sheet the window had of its own
// before it was first skinned; skinning again replaces only the skin's part.
void setSkinStyleSheet(QWidget* widget, const QString& skinPart) {
    QVariant own = widget->property(ownSheet);
    if (!own.isValid()) {
        own = widget->styleSheet();
        widget->setProperty(ownSheet, own);
    }
    const QString base = own.toString();
    widget->setStyleSheet(base.isEmpty() ? skinPart : base + u'\n' + skinPart);
}

} // namespace

SkinControl::SkinControl(const Skin& skin, QObject* parent) : QObject(parent), m_skin(skin) {}

SkinControl::~SkinControl() = default;

void SkinControl::skinWindow(QWidget* window) const {
    setSkinStyleSheet(window, skinStyleSheet(m_skin, styleSheetType(window)));
    window->setProperty("skin", m_skin.description);
}

void SkinControl::unskinWindow(QWidget* window) {
    const QVariant own = window->property(ownSheet);
    if (own.isValid())
        window->setStyleSheet(own.toString());
    window->setProperty("skin", QVariant());
}

SkinControl* SkinControl::shared() {
    return sharedSkin().data();
}

void SkinControl::makeShared(SkinControl* control) {
    sharedSkin() = control;
}

} // namespace quillbox

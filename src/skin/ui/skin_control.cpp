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

QColor toColour(SkinColour c) {
    return QColor::fromRgb(QRgb(0xff000000u | c));
}

} // namespace

QString styleSheetType(const QObject* object) {
    return QString::fromLatin1(object->metaObject()->className())
        .replace(QStringLiteral("::"), QStringLiteral("--"));
}

void setSkinStyleSheet(QWidget* widget, const QString& skinPart) {
    static const char ownSheet[] = "quillboxOwnStyleSheet";
    QVariant own = widget->property(ownSheet);
    if (!own.isValid()) {
        own = widget->styleSheet();
        widget->setProperty(ownSheet, own);
    }
    const QString base = own.toString();
    widget->setStyleSheet(base.isEmpty() ? skinPart : base + u'\n' + skinPart);
}

SkinControl::SkinControl(const Skin& skin, QObject* parent) : QObject(parent), m_skin(skin) {}

SkinControl::~SkinControl() = default;

QColor SkinControl::backgroundColour() const {
    return toColour(m_skin.backgroundColour);
}

QColor SkinControl::textColour() const {
    return toColour(m_skin.textColour);
}

QColor SkinControl::panelColour() const {
    return toColour(m_skin.panelColour);
}

void SkinControl::skinWindow(QWidget* window) const {
    setSkinStyleSheet(window, skinStyleSheet(m_skin, styleSheetType(window)));
    window->setProperty("skin", m_skin.description);
}

SkinControl* SkinControl::shared() {
    return sharedSkin().data();
}

void SkinControl::makeShared(SkinControl* control) {
    sharedSkin() = control;
}

} // namespace quillbox

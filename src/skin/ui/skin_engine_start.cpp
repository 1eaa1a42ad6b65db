#include "skin/ui/skin_engine_start.h"

#include "skin/skin_engine.h"
#include "skin/ui/apply_skin.h"
#include "skin/ui/skin_control.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>

namespace quillbox {

namespace {

// Skins each dialog as it opens, unless its window skinned itself already.
class DialogSkinner : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && SkinEngine::instance().running()) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isWindow() && !dialog->property("skin").isValid())
                applySkin(dialog);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void attachAndStartSkinEngine(const SkinControl& skin) {
    SkinEngine& engine = SkinEngine::instance();
    engine.attach(skin.skin());
    engine.start();
    static QPointer<DialogSkinner> skinner;
    if (!skinner && qApp) {
        skinner = new DialogSkinner(qApp);
        qApp->installEventFilter(skinner);
    }
}

} // namespace quillbox

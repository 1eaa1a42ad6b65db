#include "skin/ui/skin_label.h"

#include "skin/ui/apply_skin.h"

#include <algorithm>

namespace quillbox {

SkinLabel::SkinLabel(const QString& name, int index, QWidget* parent)
    : QLabel(parent), m_index(index) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
}

SkinLabel* makeSkinLabelPrototype(QWidget* container, const QString& arrayName) {
    auto* prototype = new SkinLabel(arrayName, 0, container);
    prototype->hide();
    return prototype;
}

QList<SkinLabel*> skinLabelArray(const QWidget* window, const QString& arrayName) {
    QList<SkinLabel*> elements = window->findChildren<SkinLabel*>(arrayName);
    std::stable_sort(elements.begin(), elements.end(), [](const SkinLabel* a, const SkinLabel* b) {
        return a->index() < b->index();
    });
    return elements;
}

namespace {

int upperBound(const SkinLabel* prototype) {
    int bound = prototype->index();
    for (const QObject* sibling : prototype->parent()->children()) {
        const auto* element = qobject_cast<const SkinLabel*>(sibling);
        if (element && element->objectName() == prototype->objectName())
            bound = std::max(bound, element->index());
    }
    return bound;
}

// Drawn over the label it stands for, and under every control that lies over that label.
void stackJustAbove(QWidget* clone, const QWidget* label) {
    const QObjectList& siblings = label->parentWidget()->children();
    for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
        auto* above = qobject_cast<QWidget*>(siblings[i]);
        if (above && above != clone && !above->isWindow()) {
            clone->stackUnder(above);
            return;
        }
    }
    clone->raise();
}

} // namespace

QList<SkinLabel*> replaceLabels(QWidget* window, const QList<SkinLabel*>& prototypes) {
    QList<SkinLabel*> clones;
    for (QWidget* control : windowControls(window)) {
        // Plain labels only: skin labels and pictures shown by labels are not replaced.
        auto* label = qobject_cast<QLabel*>(control);
        if (!label || label->metaObject() != &QLabel::staticMetaObject ||
            controlTypeName(label) != QLatin1String("Label"))
            continue;
        const auto prototype =
            std::find_if(prototypes.begin(), prototypes.end(), [&](SkinLabel* p) {
                return p && p->parentWidget() == label->parentWidget();
            });
        if (prototype == prototypes.end())
            continue;
        auto* clone = new SkinLabel((*prototype)->objectName(), upperBound(*prototype) + 1,
                                    label->parentWidget());
        clone->setGeometry(label->geometry());
        clone->setFont(label->font());
        clone->setText(label->text());
        clone->setAlignment(label->alignment());
        clone->setWordWrap(label->wordWrap());
        clone->setVisible(!label->isHidden());
        stackJustAbove(clone, label);
        clones.append(clone);
    }
    return clones;
}

} // namespace quillbox

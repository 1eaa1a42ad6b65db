#include "widgets/fit_captions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <QVariant>
#include <algorithm>
#include <vector>

namespace quillbox {

namespace {

constexpr char unfittedProperty[] = "quillboxUnfittedGeometry";
constexpr char fittedProperty[] = "quillboxFittedGeometry";
// Room a text box or list keeps when it gives width to a caption.
constexpr int kShrinkableMinimum = 60;

// A control whose text must be read whole.
bool showsCaption(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return !label->wordWrap() && !label->text().isEmpty() && label->pixmap().isNull();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return !button->text().isEmpty();
    return qobject_cast<const QTabBar*>(w) != nullptr;
}

// A widget of its own that holds one captioned control filling it (a button set in its own
// layout) is placed as that control: its caption is the one to fit.
const QWidget* captionedControl(const QWidget* w) {
    if (showsCaption(w))
        return w;
    const QLayout* layout = w->layout();
    if (!layout || layout->count() != 1 || !layout->itemAt(0)->widget())
        return nullptr;
    const QWidget* inner = layout->itemAt(0)->widget();
    return !inner->isHidden() && showsCaption(inner) ? inner : nullptr;
}

// A control that can give up width and still work: where text is typed or rows are listed.
bool shrinks(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

// Controls share a row when they overlap by a good part of the lower one's height, not where
// one row's edge touches the next.
bool sameRow(const QRect& a, const QRect& b) {
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return overlap > std::min(a.height(), b.height()) / 3;
}

struct Placed {
    QWidget* widget;
    QRect base; // where the layout put it
    QRect rect; // where it goes
};

} // namespace

int captionWidth(const QWidget* control) {
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    const auto* tool = qobject_cast<const QToolButton*>(control);
    if (!button || !(tool || qobject_cast<const QPushButton*>(control)))
        return control->sizeHint().width(); // a tab strip's is the width of all its tabs
    QString text = button->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
    const int textWidth = button->fontMetrics().horizontalAdvance(text);
    const int picture = button->icon().isNull() ? 0 : button->iconSize().width();
    // A frame and a little air on each side, as the desktop's buttons draw them.
    constexpr int frame = 6;
    if (tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
        return std::max(textWidth, picture) + frame;
    if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return picture + frame;
    return textWidth +
           (picture > 0 && !(tool && tool->toolButtonStyle() == Qt::ToolButtonTextOnly)
                ? picture + 4
                : 0) +
           frame;
}

int fitCaptions(QWidget* container) {
    if (!container)
        return 0;
    std::vector<Placed> placed;
    for (QObject* child : container->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || w->isHidden())
            continue;
        // Where the layout put it: the last fit's place stands for the place it started from.
        const QRect now = w->geometry();
        const QVariant fitted = w->property(fittedProperty);
        const QRect base = fitted.isValid() && fitted.toRect() == now
                               ? w->property(unfittedProperty).toRect()
                               : now;
        placed.push_back({w, base, base});
    }
    int rightBefore = 0;
    for (const Placed& p : placed)
        rightBefore = std::max(rightBefore, p.rect.right());
    // Left to right, so a control that moved along is measured where it went.
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.rect.x() < b.rect.x(); });

    for (size_t i = 0; i < placed.size(); ++i) {
        Placed& c = placed[i];
        const QWidget* captioned = captionedControl(c.widget);
        if (!captioned)
            continue;
        // The room before the next control of its row, or before the container's controls end.
        int gap = rightBefore + 1 - c.rect.x();
        for (const Placed& s : placed) {
            if (s.widget != c.widget && s.rect.x() > c.rect.x() && sameRow(s.rect, c.rect))
                gap = std::min(gap, s.rect.x() - c.rect.x());
        }
        int hint = captionWidth(captioned);
        if (captioned != c.widget) {
            const QMargins margins = c.widget->layout()->contentsMargins();
            hint += margins.left() + margins.right();
        }
        if (hint <= std::min(c.rect.width(), gap))
            continue;
        // Widened where the row has room: nothing moves.
        if (hint <= gap) {
            c.rect.setWidth(hint);
            continue;
        }
        const int need = hint - gap;
        // A text box or list right before it gives the width, when it can spare it.
        Placed* before = nullptr;
        for (Placed& s : placed) {
            if (s.widget != c.widget && sameRow(s.rect, c.rect) && s.rect.right() < c.rect.x() &&
                (!before || s.rect.right() > before->rect.right()))
                before = &s;
        }
        if (before && shrinks(before->widget) &&
            before->rect.width() - need >= kShrinkableMinimum) {
            before->rect.setWidth(before->rect.width() - need);
            c.rect.translate(-need, 0);
            c.rect.setWidth(hint);
            continue;
        }
        // Else what follows in its row moves along, up to a text box or list that gives the
        // width by starting further right.
        const int oldEnd = c.rect.x() + gap;
        c.rect.setWidth(hint);
        for (size_t j = i + 1; j < placed.size(); ++j) {
            Placed& s = placed[j];
            if (s.rect.x() < oldEnd || !sameRow(s.rect, c.rect))
                continue;
            if (shrinks(s.widget) && s.rect.width() - need >= kShrinkableMinimum) {
                s.rect.setLeft(s.rect.left() + need);
                break;
            }
            s.rect.translate(need, 0);
        }
    }

    int rightAfter = 0;
    for (const Placed& p : placed) {
        rightAfter = std::max(rightAfter, p.rect.right());
        p.widget->setProperty(unfittedProperty, p.base);
        if (p.rect != p.widget->geometry())
            p.widget->setGeometry(p.rect);
        p.widget->setProperty(fittedProperty, p.rect);
    }
    return std::max(0, rightAfter - rightBefore);
}

} // namespace quillbox

#pragma once

#include <QLabel>
#include <QList>

namespace quillbox {

// A label drawn by the skin: the skin's panel text on the skin's panel colour, never markup.
// It hides what lies under it, so a skin label placed over a plain label shows only its own
// text. Skin labels can form control arrays: the elements share the array's name as object
// name and are told apart by their index.
class SkinLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(int index READ index CONSTANT)

public:
    SkinLabel(const QString& name, int index, QWidget* parent);
    SkinLabel(const QString& name, QWidget* parent) : SkinLabel(name, 0, parent) {}

    int index() const { return m_index; }

private:
    int m_index;
};

// Element 0 of a skin label array: an invisible label in the container, the template that
// replaceLabels clones.
SkinLabel* makeSkinLabelPrototype(QWidget* container, const QString& arrayName);

// The elements of the window's skin label array of that name, by index.
QList<SkinLabel*> skinLabelArray(const QWidget* window, const QString& arrayName);

// Puts a skin label over every plain label of the window, in the window's control order: the
// clone becomes a new element (upper bound + 1) of the first of the arrays, in the order given
// by their prototypes, whose prototype lies in the label's container, and takes the label's
// place, size, font, text and visibility (and, so that it reads the same, its alignment and
// word wrap). Labels in a container without a prototype stay as they are, as do the plain
// labels under the clones. Answers the clones made.
QList<SkinLabel*> replaceLabels(QWidget* window, const QList<SkinLabel*>& prototypes);

} // namespace quillbox

#pragma once

#include "compose/link_rules.h"
#include "compose/link_template.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quillbox {

// The template editor: the eight link templates as a grid of text boxes, one row each. The
// built-in rows (html, ubb, ezboard) can be changed only after "Enable changing of default
// templates" is ticked, and their names never. "Save and Close" hands the rows over and hides
// the window, which keeps its state for the next opening; the close box discards every change
// and unloads the window.
class TemplateEditor final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TemplateEditor)

public:
    static constexpr int builtInCount = 3;
    static constexpr int fieldCount = 5; // Name, Link Open, Link Middle, Link End, Email

    TemplateEditor(const TemplateSet& templates, LinkRules rules, QWidget* parent = nullptr);

    TemplateSet templates() const;
    LinkRules linkRules() const;

signals:
    // "Save and Close": the rows exactly as typed, and the chosen link rules. The window hides
    // itself right after.
    void saveRequested(const quillbox::TemplateSet& templates, quillbox::LinkRules rules);

private:
    void setBuiltInRowsEnabled(bool enabled);
    void clearRow(int row);
    void saveAndClose();

    // Indexed [row][field], fields in storage order.
    std::array<std::array<QLineEdit*, fieldCount>, templateCount> boxes{};
    std::array<QPushButton*, templateCount> deleteButtons{};
    QCheckBox* enableDefaultsBox = nullptr;
    QCheckBox* wholeLinksBox = nullptr;
    QPushButton* saveButton = nullptr;
};

} // namespace quillbox

#include "compose/ui/template_editor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

namespace quillbox {

namespace {

// The control arrays of a row, by field: their names carry the row index.
constexpr const char* boxArrays[TemplateEditor::fieldCount] = {
    "txtName", "txtLinkOpen01", "txtLinkOpen02", "txtLinkClose", "txtMailCall"};
constexpr const char* headings[TemplateEditor::fieldCount] = {"Name", "Link Open", "Link Middle",
                                                              "Link End", "Email"};

std::array<QString*, TemplateEditor::fieldCount> fieldsOf(LinkTemplate& t) {
    return {&t.Name, &t.LinkOpen01, &t.LinkOpen02, &t.LinkClose01, &t.MailCall01};
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TemplateEditor::TemplateEditor(const TemplateSet& templates, LinkRules rules, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmCustom"));
    setWindowTitle(tr("Custom Message Templates"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* grid = new QGridLayout;
    for (int f = 0; f < fieldCount; ++f) {
        grid->addWidget(makeLabel(this, QStringLiteral("Label") + QString::number(f + 1),
                                  QString::fromLatin1(headings[f])),
                        0, f + 1);
    }
    TemplateSet values = templates;
    for (int r = 0; r < templateCount; ++r) {
        auto* number = makeLabel(this, QStringLiteral("Label") + QString::number(r + 7),
                                 QString::number(r + 1));
        grid->addWidget(number, r + 1, 0);
        const auto fields = fieldsOf(values[r]);
        for (int f = 0; f < fieldCount; ++f) {
            auto* box = new QLineEdit(this);
            box->setObjectName(QString::fromLatin1(boxArrays[f]) + QString::number(r));
            // Templates hold markup of any length; no limit cuts one short.
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setText(*fields[f]);
            box->setCursorPosition(0);
            box->setMinimumWidth(f == 0 ? 90 : 80);
            grid->addWidget(box, r + 1, f + 1);
            boxes[r][f] = box;
        }
        auto* del = new QPushButton(tr("del"), this);
        del->setObjectName(QStringLiteral("cmdDel") + QString::number(r));
        del->setMaximumWidth(48);
        grid->addWidget(del, r + 1, fieldCount + 1);
        deleteButtons[r] = del;
        connect(del, &QPushButton::clicked, this, [this, r] { clearRow(r); });
    }
    for (int r = 0; r < builtInCount; ++r)
        boxes[r][0]->setEnabled(false); // the built-in names are never typed over here
    setBuiltInRowsEnabled(false);

    auto* explanation =
        makeLabel(this, QStringLiteral("Label6"),
                  tr("You may use this form to create custom templates for message insertion.  "
                     "Just enter the name, and the required parameters.  Your template will "
                     "then be displayed in the drop down box on the main form.  We don't "
                     "recommend changing the default templates, but if they become outdated "
                     "you may wish to update them."));
    explanation->setWordWrap(true);
    explanation->setTextFormat(Qt::PlainText);

    enableDefaultsBox = new QCheckBox(tr("Enable changing of default templates"), this);
    enableDefaultsBox->setObjectName(QStringLiteral("Check1"));
    wholeLinksBox = new QCheckBox(tr("Link whole addresses"), this);
    wholeLinksBox->setObjectName(QStringLiteral("chkWholeLinks"));
    wholeLinksBox->setToolTip(tr(
        "Link web addresses with their whole query (?…) and fragment (#…), addresses that start "
        "with www., and e-mail addresses wherever they stand; punctuation after an address stays "
        "outside the link. Unticked, addresses are linked as in earlier versions."));
    wholeLinksBox->setChecked(rules == LinkRules::WholeAddresses);
    saveButton = new QPushButton(tr("Save and Close"), this);
    saveButton->setObjectName(QStringLiteral("Command1"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(explanation);
    auto* bottom = new QHBoxLayout;
    auto* options = new QVBoxLayout;
    options->addWidget(enableDefaultsBox);
    options->addWidget(wholeLinksBox);
    bottom->addLayout(options);
    bottom->addStretch(1);
    bottom->addWidget(saveButton, 0, Qt::AlignBottom);
    layout->addLayout(bottom);

    connect(enableDefaultsBox, &QCheckBox::toggled, this, &TemplateEditor::setBuiltInRowsEnabled);
    connect(saveButton, &QPushButton::clicked, this, &TemplateEditor::saveAndClose);
}

TemplateSet TemplateEditor::templates() const {
    TemplateSet set;
    for (int r = 0; r < templateCount; ++r) {
        const auto fields = fieldsOf(set[r]);
        for (int f = 0; f < fieldCount; ++f)
            *fields[f] = boxes[r][f]->text();
    }
    return set;
}

LinkRules TemplateEditor::linkRules() const {
    return wholeLinksBox->isChecked() ? LinkRules::WholeAddresses : LinkRules::Classic;
}

void TemplateEditor::setBuiltInRowsEnabled(bool enabled) {
    for (int r = 0; r < builtInCount; ++r) {
        for (int f = 1; f < fieldCount; ++f)
            boxes[r][f]->setEnabled(enabled);
        deleteButtons[r]->setEnabled(enabled);
    }
}

void TemplateEditor::clearRow(int row) {
    for (QLineEdit* box : boxes[row])
        box->clear();
}

void TemplateEditor::saveAndClose() {
    emit saveRequested(templates(), linkRules());
    hide();
}

} // namespace quillbox

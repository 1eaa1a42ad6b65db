#include "platform/qt/qt_user_messages.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace quillbox {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

void prepare(QMessageBox& box, const QString& title, const QString& text, MessageIcon icon) {
    box.setWindowTitle(title);
    box.setText(text);
    // Text from messages, pages and lists must appear as typed, never rendered as markup.
    box.setTextFormat(Qt::PlainText);
    box.setIcon(boxIcon(icon));
}

} // namespace

void QtUserMessages::showMessage(const QString& title, const QString& text, MessageIcon icon,
                                 const QString& informativeText) {
    QMessageBox box(m_parent);
    prepare(box, title, text, icon);
    if (!informativeText.isEmpty()) {
        box.setInformativeText(informativeText);
        // The informative label guesses its format on its own; an address is never markup.
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
            label->setTextFormat(Qt::PlainText);
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

int QtUserMessages::askChoice(const QString& title, const QString& text,
                              const QStringList& buttons, MessageIcon icon) {
    QMessageBox box(m_parent);
    prepare(box, title, text, icon);
    QList<QAbstractButton*> added;
    for (const QString& caption : buttons)
        added.append(box.addButton(caption, QMessageBox::ActionRole));
    if (!added.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
        box.setEscapeButton(added.last());
    }
    box.exec();
    const int chosen = int(added.indexOf(box.clickedButton()));
    return chosen >= 0 ? chosen : int(buttons.size()) - 1;
}

} // namespace quillbox

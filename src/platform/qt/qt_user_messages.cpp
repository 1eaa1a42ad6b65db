#include "platform/qt/qt_user_messages.h"

#include <QMessageBox>

namespace quillbox {

void QtUserMessages::showMessage(const QString& title, const QString& text, MessageIcon icon) {
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    box.setText(text);
    // The markup shown in a preview must appear as typed, never rendered.
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.exec();
}

} // namespace quillbox

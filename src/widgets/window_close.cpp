#include "widgets/window_close.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace quillbox {

QPushButton* makeCloseButton(QWidget* window) {
    auto* button =
        new QPushButton(QCoreApplication::translate("quillbox::WindowClose", "Close"), window);
    button->setObjectName(QStringLiteral("cmdClose"));
    // Enter in a list or box of the window does that control's work, not a close.
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    return button;
}

} // namespace quillbox

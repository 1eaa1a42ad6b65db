#pragma once

#include "platform/user_messages.h"

#include <QPointer>
#include <QWidget>

namespace quillbox {

// Messages shown in modal QMessageBox windows over a parent window.
class QtUserMessages final : public UserMessages {
    Q_DISABLE_COPY_MOVE(QtUserMessages)

public:
    explicit QtUserMessages(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void showMessage(const QString& title, const QString& text, MessageIcon icon,
                     const QString& informativeText) override;
    int askChoice(const QString& title, const QString& text, const QStringList& buttons,
                  MessageIcon icon) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace quillbox

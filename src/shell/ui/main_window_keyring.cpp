// The switch that keeps the forum passwords in the desktop keyring.
#include "shell/program.h"
#include "shell/ui/main_window.h"
#include "watch/forum_passwords.h"

#include <QAction>

namespace quillbox {

void MainWindow::makeKeyringSwitch(QAction* item) {
    // It shows the setting, which changes only once the passwords have moved (or not at all, when
    // they cannot be).
    item->setProperty("switches", QStringLiteral("keyring"));
    item->setCheckable(true);
    const ForumPasswords& passwords = m_program.passwords();
    const auto show = [item, &passwords] { item->setChecked(passwords.inKeyring()); };
    show();
    connect(item, &QAction::triggered, this, [this, show](bool on) {
        show();
        m_program.setPasswordsInKeyring(on);
    });
    connect(&passwords, &ForumPasswords::inKeyringChanged, item, show);
}

} // namespace quillbox

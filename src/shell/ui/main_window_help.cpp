// The main window's skin, its help window and its About window.
#include "shell/ui/about_window.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_window.h"
#include "skin/ui/apply_skin.h"
#include "skin/ui/skin_label.h"

namespace quillbox {

void MainWindow::skinWindow() {
    replaceLabels(this, {skinLabelPrototypes.begin(), skinLabelPrototypes.end()});
    applySkin(this);
}

void MainWindow::showHelpWindow() {
    if (!helpWindow) {
        auto* window = new HelpWindow(m_program);
        window->setAttribute(Qt::WA_DeleteOnClose);
        // Without its text the help window stays closed.
        if (!window->load()) {
            delete window;
            return;
        }
        helpWindow = window;
    }
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}

void MainWindow::showAboutWindow() {
    if (!aboutWindow) {
        aboutWindow = new AboutWindow;
        aboutWindow->setAttribute(Qt::WA_DeleteOnClose);
        aboutWindow->load();
    }
    aboutWindow->show();
    aboutWindow->raise();
    aboutWindow->activateWindow();
}

} // namespace quillbox

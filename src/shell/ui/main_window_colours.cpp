// The menu's switches: the choice between the skin and the desktop's own colours, and the link
// rules.
#include "shell/program.h"
#include "shell/ui/main_window.h"
#include "skin/ui/apply_skin.h"
#include "store/app_settings.h"

#include <QAction>

namespace quillbox {

void MainWindow::showSystemColours(bool on) {
    showSwitch("systemColours", on);
    setSystemColours(on);
}

void MainWindow::chooseSystemColours(bool on) {
    // Shown at once; a choice that could not be written is told, and holds for this run.
    m_program.keepSetting(keys::useSystemColours, on);
    showSystemColours(on);
}

void MainWindow::showSwitch(const char* name, bool on) {
    for (QAction* item : findChildren<QAction*>()) {
        if (item->property("switches") == QLatin1String(name))
            item->setChecked(on);
    }
}

void MainWindow::chooseWholeLinks(bool on) {
    m_program.keepSetting(keys::linkWholeAddresses, on);
}

void MainWindow::followColourSetting() {
    showSwitch("wholeLinks", m_program.settings().get(keys::linkWholeAddresses));
    connect(&m_program.settings(), &AppSettings::changed, this, [this](Setting id) {
        if (id == Setting::UseSystemColours)
            showSystemColours(m_program.settings().get(keys::useSystemColours));
        if (id == Setting::LinkWholeAddresses)
            showSwitch("wholeLinks", m_program.settings().get(keys::linkWholeAddresses));
    });
}

} // namespace quillbox

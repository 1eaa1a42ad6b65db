// The choice between the skin and the desktop's own colours.
#include "shell/program.h"
#include "shell/ui/main_window.h"
#include "skin/ui/apply_skin.h"
#include "store/app_settings.h"

#include <QAction>

namespace quillbox {

void MainWindow::showSystemColours(bool on) {
    for (QAction* item : findChildren<QAction*>()) {
        if (item->property("switches") == QLatin1String("systemColours"))
            item->setChecked(on);
    }
    setSystemColours(on);
}

void MainWindow::chooseSystemColours(bool on) {
    // Shown at once; a choice that could not be written is told, and holds for this run.
    m_program.keep(m_program.settings().set(keys::useSystemColours, on));
    showSystemColours(on);
}

void MainWindow::followColourSetting() {
    connect(&m_program.settings(), &AppSettings::changed, this, [this](Setting id) {
        if (id == Setting::UseSystemColours)
            showSystemColours(m_program.settings().get(keys::useSystemColours));
    });
}

} // namespace quillbox

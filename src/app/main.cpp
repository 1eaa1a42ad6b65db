#include "app/app_start.h"
#include "app/app_wiring.h"
#include "app/exit_when_shown.h"
#include "app/termination_signals.h"
#include "app/translations.h"
#include "browser/ui/website_window.h"
#include "platform/clock.h"
#include "platform/qt/desktop_notifier.h"
#include "platform/qt/keychain_password_store.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_user_messages.h"
#include "platform/qt/web_engine_page.h"
#include "shell/ui/main_window.h"
#include "shell/ui/splash_window.h"
#include "skin/ui/apply_skin.h"
#include "store/app_settings.h"
#include "store/data_folder.h"
#include "store/settings_store.h"
#include "store/single_instance.h"

#include <QApplication>
#include <QWebEngineView>

int main(int argc, char* argv[]) {
    using namespace quillbox;
    ExitWhenShown measure;
    prepareApplication();
    QApplication app(argc, argv);
    installTranslations(app);
    app.setQuitOnLastWindowClosed(false);
    // A signal while the program starts ends it at once: nothing has been changed yet.
    TerminationSignals terminationSignals;
    terminationSignals.setStarting(true);
    const QString dataFolder = resolveDataFolder();
    SingleInstance instance;
    if (int status = 0; !takeDataFolder(instance, dataFolder, &status))
        return status;

    // The splash window comes first: it carries the skin (unless the user chose the system's
    // colours) and, after its wait, shows the main window. It is painted before the rest of the
    // program is made.
    SettingsStore settings;
    setSystemColours(AppSettings(settings).get(keys::useSystemColours));
    SplashWindow* splash = SplashWindow::load();
    splash->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    QtUserMessages messages;
    QtClipboard clipboard;
    SystemClock clock;
    DesktopNotifier notifier(QStringLiteral("quillbox"));
    KeychainPasswordStore passwords(settingsApplication());
    auto* pageView = new QWebEngineView; // the window takes it
    WebEnginePage page(pageView);
    // A page's new window opens in a browser window of the program.
    page.setPopupOpener(&WebsiteWindow::openPopupWindow);

    AppWiring wiring({dataFolder, settings, messages, clock, page, &notifier, &passwords}, pageView,
                     clipboard);
    messages.setParent(&wiring.window());
    wiring.listen(instance);
    wiring.mirrorCookies(sharedWebProfile());
    wiring.followTerminationSignals(terminationSignals);
    measure.watchStart(&wiring.window(), splash);
    measure.watchListState(wiring.program());
    wiring.openAfter(splash);
    return app.exec();
}

#include "app/app_start.h"
#include "app/cookie_mirror.h"
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
#include "shell/program.h"
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

    Program program({dataFolder, settings, messages, clock, page, &notifier, &passwords});
    program.listen(instance);
    CookieMirror cookieMirror(sharedWebProfile(), program);
    MainWindow window(program, page, pageView, clipboard);
    messages.setParent(&window);

    QObject::connect(&program, &Program::quitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // A program ended before the splash window's wait is over never shows its main window.
    QObject::connect(&program, &Program::quitRequested, splash, &SplashWindow::stopTimer);
    // Quitting mid-check applies nothing of it.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &program, &Program::abandonChecks);
    QObject::connect(&terminationSignals, &TerminationSignals::terminationRequested, &window,
                     &QWidget::close);
    QObject::connect(&program, &Program::started, &terminationSignals,
                     [&] { terminationSignals.setStarting(false); });

    measure.watchStart(&window, splash);
    QObject::connect(splash, &SplashWindow::mainWindowDue, &window, [&] {
        window.load();
        window.show();
        program.startBackgroundChecks();
    });
    return app.exec();
}

#include "app/exit_when_shown.h"
#include "app/termination_signals.h"
#include "browser/ui/website_window.h"
#include "platform/clock.h"
#include "platform/qt/desktop_notifier.h"
#include "platform/qt/program_scheme.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_user_messages.h"
#include "platform/qt/web_cookie_mirror.h"
#include "platform/qt/web_engine_page.h"
#include "shell/branding.h"
#include "shell/lists_autosave.h"
#include "shell/session.h"
#include "shell/ui/main_window.h"
#include "shell/ui/splash_window.h"
#include "store/data_folder.h"
#include "store/settings_store.h"
#include "watch/background_check.h"
#include "watch/page_fetcher.h"
#include "watch/post_measurer.h"
#include "watch/reply_check.h"
#include "watch/thread_cookie_jar.h"
#include "watch/watch_lists.h"

#include <QApplication>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[]) {
    using namespace quillbox;
    ExitWhenShown measure;
    measure.programStarted();
    // The browser engine refuses to start as root with its sandbox on.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        std::fputs("quillbox: running as root, so the web page sandbox is switched off.\n", stderr);
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    // The start page's own address (quillbox:start) must be known before the engine starts.
    registerProgramScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillbox"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox"));
    QCoreApplication::setApplicationVersion(versionText());
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    // The splash window comes first: it carries the skin and, after its wait, shows the main
    // window. It is painted before the rest of the program is made.
    SplashWindow* splash = SplashWindow::load();
    splash->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    QtUserMessages messages;
    QtClipboard clipboard;
    SettingsStore settings;
    Session session(resolveDataFolder(), settings, messages);

    // The lists and the two page fetchers: one measures pages put on watch, the other serves
    // the reply check.
    WatchLists lists;
    PageFetcher sizesFetcher;
    sizesFetcher.setObjectName(QStringLiteral("wscSizes"));
    PageFetcher postsFetcher;
    postsFetcher.setObjectName(QStringLiteral("wscPosts"));
    PostMeasurer measurer(lists, sizesFetcher, messages);
    ReplyCheck replyCheck(lists, postsFetcher, messages);
    ListsAutosave autosave(lists, session.dataFolder(), messages);

    // The scheduled check, beside the window's own; it tells of what it finds in a desktop
    // notification. Every check sends the browser's cookies when the user asked for checks as
    // the logged-in user (the window switches the jar on from the settings).
    SystemClock clock;
    BackgroundCheck background(lists, replyCheck, clock);
    DesktopNotifier notifier(QStringLiteral("quillbox"));
    background.setNotifier(&notifier);
    ThreadCookieJar cookies;
    WebCookieMirror cookieMirror(sharedWebProfile(), cookies);
    for (PageFetcher* fetcher : {&sizesFetcher, &postsFetcher})
        fetcher->setRequestCookies(&cookies);
    background.checker().setRequestCookies(&cookies);
    // Quitting mid-check applies nothing of it.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &background, &BackgroundCheck::abandon);

    // The browser pane's page; a page's new window opens in a browser window of the program.
    auto* pageView = new QWebEngineView; // the window takes it
    WebEnginePage page(pageView);
    page.setPopupOpener(&WebsiteWindow::openPopupWindow);

    MainWindow window(MainWindowParts{session, page, pageView, clipboard, lists, sizesFetcher,
                                      postsFetcher, measurer, replyCheck, &autosave, &background,
                                      &notifier, &cookies});
    messages.setParent(&window);
    QObject::connect(&window, &MainWindow::endProcessRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // A program ended before the splash window's wait is over never shows its main window.
    QObject::connect(&window, &MainWindow::endProcessRequested, splash, &SplashWindow::stopTimer);

    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::terminationRequested, &window,
                     [&window] { window.close(); });

    if (ExitWhenShown::requested()) {
        measure.watch(&window);
        // The splash window's ticks run from here: what remains of its wait starts now.
        QTimer::singleShot(0, &measure, [&measure] { measure.splashWaitStarted(); });
    }
    QObject::connect(
        splash, &SplashWindow::mainWindowDue, &window, [&window, &measure, &background] {
            measure.splashWaitEnded();
            window.load();
            window.show();
            background.startPolling();
            // A check missed while the program was closed runs soon after the start.
            QTimer::singleShot(5000, &background, [&background] { background.poll(); });
        });
    return app.exec();
}

#pragma once

#include "shell/program.h"

#include <QtGlobal>
#include <memory>

class QWebEngineProfile;
class QWidget;

namespace quillbox {

class Clipboard;
class CookieMirror;
class MainWindow;
class SingleInstance;
class SplashWindow;
class TerminationSignals;

// The program and its main window, made and connected as Quillbox runs them. main() and the
// window tests both make them here, so a window under test is wired as the user's is; the
// parts only a real start has (another start's messages, the browser's cookies, the
// termination signals, the splash window) are added by the calls below.
class AppWiring final {
    Q_DISABLE_COPY_MOVE(AppWiring)
public:
    // The window takes the page's view. From here on, the program's end quits the application's
    // event loop, and a quit mid-check applies nothing of the check.
    AppWiring(const ProgramSeams& seams, QWidget* pageView, Clipboard& clipboard);
    // The window goes first: it shows the program's lists.
    ~AppWiring();

    Program& program() { return *m_program; }
    MainWindow& window() { return *m_window; }

    // Another start on the same data folder reaches this program through the instance.
    void listen(SingleInstance& instance);
    // The checks' cookie jar keeps a copy of the browser's cookies.
    void mirrorCookies(QWebEngineProfile* profile);
    // A termination signal closes the window as the user would, once the program has started;
    // until then it ends the program at once.
    void followTerminationSignals(TerminationSignals& termination);
    // The splash window's wait ends in open(); a program ended before it is over never shows
    // its main window.
    void openAfter(SplashWindow* splash);

    // Loads the window and shows it.
    void showWindow();
    // The window, then the background check's schedule: the program as the user starts it.
    void open();

private:
    std::unique_ptr<Program> m_program;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<CookieMirror> m_cookieMirror;
};

} // namespace quillbox

#pragma once

// The set-up every benchmark that drives a real web view needs before its QApplication exists.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtGlobal>
#include <unistd.h>

namespace quillbox::bench {

// Offscreen unless a platform is chosen; no sandbox for root, which the engine refuses; no GPU,
// which these machines lack. Settings already in the environment are kept.
inline void prepareHeadlessWebEngine() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

// Runs the event loop until done() holds; false after two minutes without it.
template <typename F> bool waitFor(F done) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 120000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

} // namespace quillbox::bench

#pragma once

// The set-up every benchmark that drives a real web view needs before its QApplication exists.

#include <QCoreApplication>
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

} // namespace quillbox::bench

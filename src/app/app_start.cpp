#include "app/app_start.h"

#include "platform/qt/program_scheme.h"
#include "shell/branding.h"
#include "store/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdio>
#include <unistd.h>

namespace quillbox {

void prepareApplication() {
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
}

bool takeDataFolder(SingleInstance& instance, const QString& dataFolder, int* exitStatus) {
    // A command-line check writing its marks holds the folder for a moment: ask a few times.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (instance.tryLock(dataFolder) != SingleInstance::Role::Secondary)
            return true;
        const std::optional<QString> answer =
            instance.sendMessage(QStringLiteral("activate"), 2000);
        if (instance.untrusted()) {
            // Whatever holds the channel may only pretend to be Quillbox: nothing is trusted.
            const QString text =
                QCoreApplication::translate("quillbox::AppStart",
                                            "Quillbox is already running on the data folder %1, "
                                            "but the program found there could not be verified "
                                            "as yours, so Quillbox does not start: %2")
                    .arg(QDir::toNativeSeparators(dataFolder), instance.untrustedReason());
            std::fputs(qPrintable(QStringLiteral("quillbox: ") + text + u'\n'), stderr);
            QMessageBox::critical(nullptr, QStringLiteral("Quillbox"), text);
            *exitStatus = 2;
            return false;
        }
        if (answer == QLatin1String("ok")) {
            std::fputs("quillbox: already running on this data folder; its window was brought "
                       "to the front.\n",
                       stderr);
            *exitStatus = 0;
            return false;
        }
    }
    QMessageBox::warning(nullptr, QStringLiteral("Quillbox"),
                         QCoreApplication::translate(
                             "quillbox::AppStart",
                             "Quillbox is already running on the data folder %1, but it does not "
                             "answer. Close it, or end it, then start Quillbox again.")
                             .arg(QDir::toNativeSeparators(dataFolder)));
    *exitStatus = 1;
    return false;
}

} // namespace quillbox

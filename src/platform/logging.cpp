#include "platform/logging.h"

namespace quillbox {

Q_LOGGING_CATEGORY(logStore, "quillbox.store", QtWarningMsg)
Q_LOGGING_CATEGORY(logWatch, "quillbox.watch", QtWarningMsg)
Q_LOGGING_CATEGORY(logBrowser, "quillbox.browser", QtWarningMsg)
Q_LOGGING_CATEGORY(logCompose, "quillbox.compose", QtWarningMsg)
Q_LOGGING_CATEGORY(logShell, "quillbox.shell", QtWarningMsg)

} // namespace quillbox

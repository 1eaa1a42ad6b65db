#include "platform/logging.h"

namespace quillbox {

Q_LOGGING_CATEGORY(logStore, "quillbox.store", QtWarningMsg)
Q_LOGGING_CATEGORY(logWatch, "quillbox.watch", QtWarningMsg)
Q_LOGGING_CATEGORY(logBrowser, "quillbox.browser", QtWarningMsg)
Q_LOGGING_CATEGORY(logCompose, "quillbox.compose", QtWarningMsg)
Q_LOGGING_CATEGORY(logShell, "quillbox.shell", QtWarningMsg)

Q_LOGGING_CATEGORY(logFetch, "quillbox.fetch", QtWarningMsg)
Q_LOGGING_CATEGORY(logCheck, "quillbox.check", QtWarningMsg)
Q_LOGGING_CATEGORY(logBackground, "quillbox.background", QtWarningMsg)
Q_LOGGING_CATEGORY(logSchedule, "quillbox.schedule", QtWarningMsg)
Q_LOGGING_CATEGORY(logQueue, "quillbox.queue", QtWarningMsg)
Q_LOGGING_CATEGORY(logInsert, "quillbox.insert", QtWarningMsg)
Q_LOGGING_CATEGORY(logInstance, "quillbox.instance", QtWarningMsg)
Q_LOGGING_CATEGORY(logCookies, "quillbox.cookies", QtWarningMsg)
Q_LOGGING_CATEGORY(logLists, "quillbox.lists", QtWarningMsg)

} // namespace quillbox

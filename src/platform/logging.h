#pragma once

#include <QLoggingCategory>

namespace quillbox {

// One log per part of the program, so that a question about one part ("why did the background
// check not run?") is answered by switching on that part alone. Warnings are on and everything
// else off unless asked for, for example QT_LOGGING_RULES="quillbox.background.info=true". Info
// tells what a part decided and why, the decisions a user would ask about; debug adds the detail
// behind them. Nothing logged holds a password, a cookie or the text of a message: addresses are
// logged as they are shown (shownAddress), with any password masked.
Q_DECLARE_LOGGING_CATEGORY(logStore)   // quillbox.store: the data folder, files written, damaged
Q_DECLARE_LOGGING_CATEGORY(logWatch)   // quillbox.watch: the watched threads and forums
Q_DECLARE_LOGGING_CATEGORY(logBrowser) // quillbox.browser: the page and its console
Q_DECLARE_LOGGING_CATEGORY(logCompose) // quillbox.compose: saved messages and templates
Q_DECLARE_LOGGING_CATEGORY(logShell)   // quillbox.shell: start-up, shutdown, other copies

Q_DECLARE_LOGGING_CATEGORY(logFetch)      // quillbox.fetch: one page fetched, moved, failed
Q_DECLARE_LOGGING_CATEGORY(logCheck)      // quillbox.check: checks started, thread results
Q_DECLARE_LOGGING_CATEGORY(logBackground) // quillbox.background: the background check run/skipped
Q_DECLARE_LOGGING_CATEGORY(logSchedule)   // quillbox.schedule: when the next check falls due
Q_DECLARE_LOGGING_CATEGORY(logQueue)      // quillbox.queue: each forum of a posting run
Q_DECLARE_LOGGING_CATEGORY(logInsert)     // quillbox.insert: Auto-Insert and its follow-up
Q_DECLARE_LOGGING_CATEGORY(logInstance)   // quillbox.instance: the data folder's lock, other starts
Q_DECLARE_LOGGING_CATEGORY(logCookies)    // quillbox.cookies: the cookie file for checks
Q_DECLARE_LOGGING_CATEGORY(logLists)      // quillbox.lists: the list files loaded, kept, saved

} // namespace quillbox

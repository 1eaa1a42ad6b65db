#pragma once

#include <QLoggingCategory>

namespace quillbox {

// One log per part of the program. Warnings are on and everything else off unless asked for,
// for example QT_LOGGING_RULES="quillbox.*.debug=true". Nothing logged holds a password or a
// cookie: addresses are logged as they are shown (shownAddress), with any password masked.
Q_DECLARE_LOGGING_CATEGORY(logStore)   // quillbox.store: data files read, written, damaged
Q_DECLARE_LOGGING_CATEGORY(logWatch)   // quillbox.watch: fetches and checks
Q_DECLARE_LOGGING_CATEGORY(logBrowser) // quillbox.browser: the page, auto-insert, follow-up
Q_DECLARE_LOGGING_CATEGORY(logCompose) // quillbox.compose: saved messages and templates
Q_DECLARE_LOGGING_CATEGORY(logShell)   // quillbox.shell: start-up, shutdown, other copies

} // namespace quillbox

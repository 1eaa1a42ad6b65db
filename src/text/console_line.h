#pragma once

#include <QString>
#include <QStringView>

namespace quillbox {

// The longest line a page's console message becomes in the program's log.
inline constexpr qsizetype consoleLineCap = 2000;

// A page's text made safe for a log line: nothing in it can steer a terminal or forge a line of
// its own. Control characters (C0, DEL, C1), line and paragraph separators, the direction marks
// and overrides, and unpaired surrogates are written as escapes (\n, \t, \r, \xHH, \u{HHHH});
// a backslash is doubled, so every escape reads back one way. Text beyond cap characters of the
// result is left off and counted ("... [n more characters]"); an escape or a surrogate pair is
// never cut. Time is linear in the length of what is kept.
QString escapedLogLine(QStringView text, qsizetype cap = consoleLineCap);

} // namespace quillbox

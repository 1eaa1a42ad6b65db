#pragma once

#include <QString>

namespace quillbox {

// The message editor shows line breaks as LF; everywhere else (converter, settings, saved
// messages, inserted text) a line break is CR LF.
QString editorToMessage(const QString& editorText);
QString messageToEditor(const QString& message);

} // namespace quillbox

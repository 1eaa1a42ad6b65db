#pragma once

#include <QString>

namespace quillbox {

// The message editor shows line breaks as LF; everywhere else (converter, settings, saved
// messages, inserted text) a line break is CR LF.
QString editorToMessage(const QString& editorText);
QString messageToEditor(const QString& message);

// What every output of a message (preview, copy, auto-insert, paste) converts: the message
// followed by two line breaks.
QString outputText(const QString& message);

} // namespace quillbox

#pragma once

#include <QStringList>

namespace quillbox {

// The menu bar's captions as written in the menu table, for lupdate to find: the table keeps plain
// texts and the menus translate them as they are built. A caption missing here stays English.
QStringList menuCaptionSources();

} // namespace quillbox

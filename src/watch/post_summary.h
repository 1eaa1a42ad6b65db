#pragma once

#include "watch/thread_record.h"

#include <QString>

namespace quillbox {

// The tooltip of a watched thread's row: its address (and where it leads now), its recorded
// size, when it was last checked and what that check found (new replies, unchanged, or the
// failure's reason).
QString postToolTip(const ThreadRecord& thread);

} // namespace quillbox

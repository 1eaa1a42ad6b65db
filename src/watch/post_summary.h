#pragma once

#include "store/records.h"
#include "watch/check_outcome.h"

#include <QString>
#include <optional>

namespace quillbox {

// The tooltip of a watched thread's row: its recorded size, when it was last checked and what
// that check found (new replies, unchanged, or the failure's reason).
QString postToolTip(const WatchedPost& post, const std::optional<PostCheck>& check);

} // namespace quillbox

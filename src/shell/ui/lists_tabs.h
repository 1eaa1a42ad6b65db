#pragma once

#include <QLatin1StringView>

namespace quillbox {

// The tabs of the lists pane's two tab strips, by the data each tab carries, so handlers never
// depend on a tab's position or caption.
inline constexpr QLatin1StringView listsTabForums{"forums"};
inline constexpr QLatin1StringView listsTabPosts{"posts"};
inline constexpr QLatin1StringView postsTabAll{"all"};
inline constexpr QLatin1StringView postsTabReplies{"replies"};

} // namespace quillbox

#pragma once

#include "platform/browser_page.h"

#include <QString>

namespace quillbox {

// When a page counts as the thread an inserted message was posted to.
//
// - A page that still holds the text in a form or an editable field is the message not yet
//   sent: the posting page, a preview, a form sent back with an error. It is Composing.
// - Otherwise the text must show where a post stands: on a page that marks its posts with
//   numbered identifiers, inside such a post; on a page whose posts carry none, anywhere but
//   inside a list of threads (a category list, "latest posts" quoting the post's first line).
// - In a document where the watch began (the posting page of a forum that posts from its own
//   scripts), the text must show in more posts than it did then: a reply page listing the
//   thread's earlier posts, the user's earlier copy among them, is not the post just made.
enum class ThreadVerdict {
    Thread,    // the post is shown: this page is the thread
    Composing, // the text is still in a form or editor
    NotThread, // no post shows the text
};

ThreadVerdict judgeThreadPage(const TextPlacement& placement);

// The address a found thread is watched under: the page's canonical address, when it names a
// page of the same site (scheme, host and port), over one that may point at a single post's
// number; otherwise the address shown.
QString threadAddress(const QString& shownAddress, const QString& canonical);

// Whether two addresses name the same page, their fragments aside.
bool samePageAddress(const QString& a, const QString& b);

} // namespace quillbox

#include "browser/paste_rule.h"

#include "browser/page_paste.h"
#include "watch/forum_match.h"
#include "watch/shown_address.h"

namespace quillbox {

PasteDecision decidePaste(const QList<Forum>& forums, int selectedForum, int which,
                          const QString& page) {
    using Answer = PasteDecision::Answer;
    using Reason = PasteDecision::Reason;
    if (which != PagePaste::Password)
        return {Answer::Paste, Reason::NotAPassword, {}};
    if (selectedForum < 0 || selectedForum >= forums.size())
        return {Answer::Paste, Reason::NoForumSelected, {}};
    const QString address = forums.at(selectedForum).address;
    // The page's own forum decides: two forums may share a host, apart by port or path.
    if (forumForPage(forums, page) == selectedForum)
        return {Answer::Paste, Reason::ForumsOwnPage, {}};
    const QString host = siteHost(address);
    return {Answer::Ask, Reason::AnotherForumsPage, host.isEmpty() ? shownAddress(address) : host};
}

} // namespace quillbox

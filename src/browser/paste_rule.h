#pragma once

#include "store/records.h"

#include <QList>
#include <QString>

namespace quillbox {

// What may go into the page shown when the user presses a Paste button: a password goes into
// another site's page only once the user has said so, since a page that merely looks like the
// forum's could be collecting it.
struct PasteDecision {
    enum class Answer { Paste, Ask };
    enum class Reason {
        NotAPassword,     // the subject, the user name and the message go anywhere
        NoForumSelected,  // the password typed in the box belongs to no forum
        ForumsOwnPage,    // the page falls under the selected forum's address
        AnotherForumsPage // the page is no page of the selected forum: another site, or another
                          // forum sharing its host
    };
    Answer answer = Answer::Paste;
    Reason reason = Reason::NotAPassword;
    // The selected forum as the question names it: its site, or its masked address when it is
    // no web address.
    QString forumShown;
};

// The decision for pasting the value `which` (a PagePaste index) into `page` while the forum at
// `selectedForum` (-1: none) is selected.
PasteDecision decidePaste(const QList<Forum>& forums, int selectedForum, int which,
                          const QString& page);

} // namespace quillbox

#pragma once

#include "watch/fetch_error.h"
#include "watch/shown_address.h"

#include <QList>
#include <QString>

namespace quillbox {

class UserMessages;

// The fetcher's two error boxes. Each names the page it was about in its second line, so that
// during a reply check the user learns which thread failed; the address is shown as
// shownAddress makes it, its password masked.

// A fetch that could not start: "An error has occurred." with the number and description.
void showFetchStartError(UserMessages& messages, int number, const QString& description,
                         const QString& url);

// The box for a failure the fetcher reported: the first box for one refused at the start, the
// second for one that failed on the way.
void showFetchFailure(UserMessages& messages, const FetchError& error);
// The text of that box for one failure, without the address (which the box shows below it).
QString fetchFailureText(const FetchError& error);

// The most failures one box lists after a check; the rest are counted.
inline constexpr int kFailuresListed = 20;
// The box after a check: nothing without failures; for one failure, the box of that fetch; for
// several, one box listing each thread's address with its text, so a check against a dead forum
// never stacks up boxes.
void showCheckFailures(UserMessages& messages, const QList<FetchError>& failures);

// A failure in a few words for a thread's result: its description, or its number when it has
// none.
QString fetchFailureReason(const FetchError& error);

// Whether url is a page on the web that can be measured, and so may be put on a list. When it
// is not (the program's own start page, file:, about:, data:, no address at all, or an address
// the fetcher refuses), the fetch-start error box says why and false is returned.
bool acceptWebAddress(const QString& url, UserMessages& messages);

} // namespace quillbox

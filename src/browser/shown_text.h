#pragma once

#include <QString>
#include <QStringView>

namespace quillbox {

// Finding a posted message in a page as the forum shows it, whatever markup the forum turned it
// into: a board writing BBCode shows "[url=a]a[/url]" as a link whose text is "a", and "&" may
// reach the reader as "&amp;" when a board escapes twice. So the message's first line is looked
// for in the page's rendered text (innerText), both compared in one normal form.

// The first line of the message as the user wrote it (before conversion; an address is its own
// link text): the first line holding more than white space, "" when there is none.
QString plainFirstLine(QStringView message);

// The normal form both sides are compared in: the character references &amp; &lt; &gt; &quot;
// &apos; &nbsp; and numeric ones (&#38; &#x26;) read as their characters; every run of white
// space (line breaks of any form, tabs, no-break spaces included) one space, none at either end;
// letters case-folded. Linear in the text's length.
QString normalisedShownText(QStringView text);

// Whether the page's rendered text shows the line, both in the normal form above. A line with
// nothing but white space is in no page. Linear in the lengths of both, whatever they hold.
bool shownTextContains(QStringView pageText, QStringView line);

} // namespace quillbox

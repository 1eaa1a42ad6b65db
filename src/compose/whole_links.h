#pragma once

#include <QString>

namespace quillbox {

// Links addresses the way readers of today's forums expect, in one pass over the text:
// - a web address starts with "http://", "https://" or "www." (any letter case) where no
//   letter, digit or address character stands right before it, and keeps its whole path,
//   query and fragment; it ends at a blank, a line break, a control character, "<", ">" or '"';
// - an e-mail address (local part, "@", a domain with a dot) is linked wherever it stands,
//   also at the very start of the text;
// - the character that ends an address stays outside the link, as do trailing punctuation
//   (. , ! ? : ; quotes) and closing brackets that opened before the address;
// - text already written into a link is never looked at again.
// Each link is written LinkOpen01 + target + LinkOpen02 + address + LinkClose01, the target of
// an e-mail address led by MailCall01 and that of a "www." address by "http://". Time is
// linear in the text's length; a text without addresses comes back as it is.
QString insertWholeLinks(const QString& text, const QString& linkOpen01, const QString& linkOpen02,
                         const QString& linkClose01, const QString& mailCall01);

} // namespace quillbox

#include "compose/link_rules.h"

#include "compose/converter.h"
#include "compose/whole_links.h"

namespace quillbox {

QString convertMessage(const QString& text, const QString& formatName, const TemplateSet& templates,
                       LinkRules rules) {
    if (rules == LinkRules::Classic)
        return convertMessage(text, formatName, templates);
    // The same lookup as the classic path: the first template of that exact name.
    for (const LinkTemplate& t : templates) {
        if (t.Name == formatName)
            return insertWholeLinks(text, t.LinkOpen01, t.LinkOpen02, t.LinkClose01, t.MailCall01);
    }
    return text;
}

} // namespace quillbox

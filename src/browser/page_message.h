#pragma once

#include "compose/link_rules.h"
#include "compose/link_template.h"

#include <QString>

namespace quillbox {

// The message as it goes into a page, by auto-insert or by Paste Message: the editor's body
// (line breaks as CR LF) followed by two line breaks, converted into the format named by the
// format box, by the chosen link rules. Built anew at each use.
QString pageMessage(const QString& messageBody, const QString& formatName,
                    const TemplateSet& templates, LinkRules rules = LinkRules::Classic);

} // namespace quillbox

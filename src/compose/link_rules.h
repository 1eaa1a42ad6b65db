#pragma once

#include "compose/link_template.h"

#include <QString>

namespace quillbox {

// Which addresses become links. Classic: the converter's long-standing rules (insertLinks).
// WholeAddresses: whole web addresses, www. addresses and e-mail addresses anywhere, with
// trailing punctuation left outside (insertWholeLinks). The user switches in the template
// editor; the setting is stored with the templates.
enum class LinkRules { Classic, WholeAddresses };

// Converts as convertMessage does, with the chosen rules.
QString convertMessage(const QString& text, const QString& formatName, const TemplateSet& templates,
                       LinkRules rules);

} // namespace quillbox

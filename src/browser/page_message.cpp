#include "browser/page_message.h"

#include "compose/editor_text.h"

namespace quillbox {

QString pageMessage(const QString& messageBody, const QString& formatName,
                    const TemplateSet& templates, LinkRules rules) {
    return convertMessage(outputText(messageBody), formatName, templates, rules);
}

} // namespace quillbox

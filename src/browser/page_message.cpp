#include "browser/page_message.h"

#include "compose/converter.h"
#include "compose/editor_text.h"

namespace quillbox {

QString pageMessage(const QString& messageBody, const QString& formatName,
                    const TemplateSet& templates) {
    return convertMessage(outputText(messageBody), formatName, templates);
}

} // namespace quillbox

#include "browser/page_message.h"

#include "compose/converter.h"

namespace quillbox {

QString pageMessage(const QString& messageBody, const QString& formatName,
                    const TemplateSet& templates) {
    return convertMessage(messageBody + QStringLiteral("\r\n\r\n"), formatName, templates);
}

} // namespace quillbox

#pragma once

#include <QString>

namespace quillbox::cli {

// Every line break of a text file (LF, CR LF or a lone CR) as the CR LF the message editor
// delivers to the converter.
QString toEditorLineBreaks(QStringView text);

// Every line break of converted text (CR LF, or a lone CR or LF, such as the LF a link leaves
// behind) as one line end of this platform.
QString toPlatformLineEnds(QStringView text);

} // namespace quillbox::cli

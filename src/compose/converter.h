#pragma once

#include "compose/link_template.h"

#include <QString>

namespace quillbox {

// Turns web addresses ("http://" or "https://", any letter case) and then e-mail addresses
// (words holding "@") into links made of the four template pieces. Everything else passes
// through unchanged. Any input ends with a result, in time linear in its length.
QString insertLinks(const QString& text, const QString& linkOpen01, const QString& linkOpen02,
                    const QString& linkClose01, const QString& mailCall01);

// Converts with the first template (in array order) whose Name equals formatName exactly;
// returns the text unchanged when none does (as for "text").
QString convertMessage(const QString& text, const QString& formatName,
                       const TemplateSet& templates);

} // namespace quillbox

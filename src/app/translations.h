#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace quillbox {

// The first of the languages, in the user's order, that is English (the program's own texts) or
// has a translation of the program; empty for English and when none has one.
QString translationLanguage(const QStringList& uiLanguages);

// Installs the program's translation and Qt's own for the user's languages (LANGUAGE, then
// LC_ALL, LC_MESSAGES and LANG). Returns the language installed, empty when the texts stay English.
QString installTranslations(QCoreApplication& app);

} // namespace quillbox

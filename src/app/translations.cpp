#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quillbox {

namespace {

// Where the build puts the compiled translations (see CMakeLists.txt).
const QString kProgramFolder = QStringLiteral(":/i18n");
const QString kProgramName = QStringLiteral("quillbox");

bool install(QCoreApplication& app, const QLocale& language, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(language, name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QString translationLanguage(const QStringList& uiLanguages) {
    // A later language is only a fallback: English before German keeps the program English.
    for (const QString& name : uiLanguages) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return {};
        QTranslator probe;
        if (probe.load(language, kProgramName, QStringLiteral("_"), kProgramFolder))
            return name;
    }
    return {};
}

QString installTranslations(QCoreApplication& app) {
    const QString name = translationLanguage(QLocale::system().uiLanguages());
    if (name.isEmpty())
        return {};
    const QLocale language(name);
    if (!install(app, language, kProgramName, kProgramFolder))
        return {};
    // Qt's dialogs and standard buttons; missing when the system has no Qt translations.
    install(app, language, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return name;
}

} // namespace quillbox

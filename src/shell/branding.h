#pragma once

#include <QString>

namespace quillbox {

// The values that give the program its name, taken from the build.
struct Branding {
    QString productName;
    QString companyName;
    QString websiteAddress; // the start page shipped with the program when the build names none
    bool websiteConfigured = false; // the build names a website of its own
    bool skinEnabled = true;        // every window wears the skin
};

Branding loadBranding();

// The version as shown to the user: major "." minor.
QString versionText();

// The start page that ships with the program: the website address of a build that names none.
QString startPageAddress();

// A page the program ships (":/quillbox/help.html") in the language of its translation in use:
// "help_de.html" beside it under the German translation, when there is one; else the page.
QString translatedPage(const QString& path);

} // namespace quillbox

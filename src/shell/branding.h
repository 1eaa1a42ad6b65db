#pragma once

#include <QString>

namespace quillbox {

// The values that give the program its name, taken from the build.
struct Branding {
    QString productName;
    QString companyName;
    QString websiteAddress;
};

Branding loadBranding();

// The version as shown to the user: major "." minor.
QString versionText();

} // namespace quillbox

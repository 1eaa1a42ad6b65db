#include "shell/branding.h"

#include "build_info.h"
#include "skin/skin.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quillbox {

Branding loadBranding() {
    Branding b;
    b.productName = QString::fromUtf8(build::productName);
    b.companyName = QString::fromUtf8(build::companyName);
    b.websiteAddress = QString::fromUtf8(build::websiteAddress);
    b.websiteConfigured = !b.websiteAddress.isEmpty() && b.websiteAddress != startPageAddress();
    if (b.websiteAddress.isEmpty())
        b.websiteAddress = startPageAddress();
    b.skinEnabled = skinBuiltIn;
    return b;
}

QString versionText() {
    return QString::number(build::versionMajor) + u'.' + QString::number(build::versionMinor);
}

QString translatedPage(const QString& path) {
    //: The code of this translation's language, as the names of the help guide and the start
    //: page in it end: "de" for help_de.html.
    const QString language = QCoreApplication::translate("quillbox::Branding", "en");
    if (language == QLatin1String("en") || language.isEmpty())
        return path;
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString translated = path.left(dot) + u'_' + language + path.mid(dot);
    return QFileInfo::exists(translated) ? translated : path;
}

QString startPageAddress() {
    return QStringLiteral("quillbox:start");
}

} // namespace quillbox

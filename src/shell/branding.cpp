#include "shell/branding.h"

#include "build_info.h"

namespace quillbox {

Branding loadBranding() {
    Branding b;
    b.productName = QString::fromUtf8(build::productName);
    b.companyName = QString::fromUtf8(build::companyName);
    b.websiteAddress = QString::fromUtf8(build::websiteAddress);
    b.websiteConfigured = !b.websiteAddress.isEmpty() && b.websiteAddress != startPageAddress();
    if (b.websiteAddress.isEmpty())
        b.websiteAddress = startPageAddress();
    b.skinEnabled = true;
    return b;
}

QString versionText() {
    return QString::number(build::versionMajor) + u'.' + QString::number(build::versionMinor);
}

QString startPageAddress() {
    return QStringLiteral("quillbox:start");
}

} // namespace quillbox

#include "skin/skin.h"

#include <array>

namespace quillbox {

QString colourName(SkinColour colour) {
    return u'#' + QStringLiteral("%1").arg(colour & 0xffffff, 6, 16, QLatin1Char('0'));
}

Skin gemBlue() {
    Skin skin;
    skin.description = QStringLiteral("Gem Blue");
    skin.application = QStringLiteral("Standard Skin");
    return skin;
}

SkinColouring skinColouringFor(QStringView typeName) {
    static constexpr std::array<const char16_t*, 7> textKinds{
        u"TextBox",      u"ComboBox", u"FileListBox", u"DirListBox",
        u"DriveListBox", u"ListBox",  u"ListView"};
    if (typeName == u"CommandButton")
        return SkinColouring::Background;
    for (const char16_t* kind : textKinds) {
        if (typeName == QStringView(kind))
            return SkinColouring::BackgroundAndText;
    }
    if (typeName == u"PictureBox")
        return SkinColouring::Panel;
    return SkinColouring::None;
}

} // namespace quillbox

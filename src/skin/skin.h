#pragma once

#include <QString>
#include <QStringView>

namespace quillbox {

// A colour as the skin reports it, 0xRRGGBB.
using SkinColour = quint32;

constexpr SkinColour skinRgb(int red, int green, int blue) {
    return (SkinColour(red & 0xff) << 16) | (SkinColour(green & 0xff) << 8) |
           SkinColour(blue & 0xff);
}

// "#rrggbb", as style sheets and colour names write it.
QString colourName(SkinColour colour);

// The values a skin carries: the colours controls take from it, and the look of the windows it
// draws. The colours are the ones the skin reports; the accents are what makes it "Gem Blue".
struct Skin {
    QString description;
    QString application;
    int hue = 0;
    SkinColour backgroundColour = skinRgb(255, 255, 255);
    SkinColour textColour = skinRgb(0, 0, 0);
    SkinColour panelColour = skinRgb(235, 235, 235);
    SkinColour panelTextColour = skinRgb(0, 0, 0);
    bool colourApplication = false;
    bool clientAreaSkinning = true;

    SkinColour accentColour = skinRgb(47, 95, 167);        // frame captions, focus, selection
    SkinColour accentLightColour = skinRgb(143, 169, 212); // control borders
    SkinColour accentPaleColour = skinRgb(226, 234, 246);  // hovered and pressed buttons
    SkinColour disabledTextColour = skinRgb(138, 138, 138);
};

// The program's skin.
Skin gemBlue();

// Whether this build dresses its windows in the skin at all; the user may still choose the
// system's colours instead.
inline constexpr bool skinBuiltIn = true;

// The colours applySkin gives a control, by the kind of control.
enum class SkinColouring {
    None,              // keeps its own colours
    Background,        // background := the skin's background colour
    BackgroundAndText, // background and text := the skin's background and text colours
    Panel,             // background := the skin's panel colour
};

// The colouring of a control kind, by its type name ("CommandButton", "TextBox", "ListBox",
// "PictureBox" …), compared exactly.
SkinColouring skinColouringFor(QStringView typeName);

} // namespace quillbox

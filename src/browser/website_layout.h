#pragma once

namespace quillbox {

// Sizes of the separate browser window, in twips (1440 to the inch), that follow the window's
// size. The other controls keep their design positions.
struct WebsiteLayoutInput {
    float windowWidth = 0; // outer size, frame included
    float windowHeight = 0;
    float statusBarHeight = 0;
};

struct WebsiteLayout {
    float panel1Width = 0;
    float panel2Width = 0;
    float frameWidth = 0; // the "Browser" frame
    float frameHeight = 0;
    float addressBoxWidth = 0;
    float goLeft = 0;
    float viewWidth = 0;
    float viewHeight = 0;
};

// Design positions of the controls of both browsers (twips, relative to their container).
namespace browserDesign {
inline constexpr float frameLeft = 120, frameTop = 60;
inline constexpr float labelLeft = 120, labelTop = 300, labelWidth = 1215, labelHeight = 315;
inline constexpr float addressLeft = 540, addressTop = 240, addressWidth = 4875,
                       addressHeight = 315;
inline constexpr float goLeft = 5460, goTop = 240, goWidth = 795, goHeight = 375;
inline constexpr float buttonsTop = 600, buttonsHeight = 435;
inline constexpr float backLeft = 540, backWidth = 855;
inline constexpr float forwardLeft = 1440, forwardWidth = 855;
inline constexpr float stopLeft = 2340, stopWidth = 795;
inline constexpr float refreshLeft = 3180, refreshWidth = 855;
inline constexpr float popupsLeft = 4140, popupsTop = 780, popupsWidth = 1635, popupsHeight = 255;
inline constexpr float viewLeft = 120, viewTop = 1140, viewWidth = 6135, viewHeight = 5595;
} // namespace browserDesign

// Every size is taken as its absolute value, so a tiny or minimised window never gets a
// negative one; the result is the same however often it runs.
WebsiteLayout layoutBrowserWindow(const WebsiteLayoutInput& input);

} // namespace quillbox

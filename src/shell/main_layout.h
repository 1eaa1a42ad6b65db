#pragma once

#include <optional>

namespace quillbox {

// Sizes of the main window, in twips (1440 to the inch), that follow the window's size. Every
// other control keeps its design position.
struct MainLayoutInput {
    bool minimized = false;
    float windowWidth = 0; // outer size, frame included
    float windowHeight = 0;
    float statusBarHeight = 315;
    // How far the user moved the border between the left column and the browser to the right of
    // its design place; kept within what leaves the browser its minimum width.
    float columnExtra = 0;
};

struct MainLayout {
    float windowWidth = 0; // at least the minimum; differs from the input when it was too small
    float windowHeight = 0;
    float frame3Height = 0;
    float frame4Height = 0;
    float lstPostsHeight = 0;
    float lstPosts2Height = 0;
    float lstNewHeight = 0;
    float frame2Height = 0;
    float frame2Width = 0;
    float webBrowserWidth = 0;
    float webBrowserHeight = 0;
    float panel1Width = 0;
    float panel2Width = 0;
    float panel3Width = 0;
    float text5Width = 0;
    float command3Left = 0;
    float command1Width = 0;
    float tabStrip2Height = 0;
    // Past the designed size: the left column's added width (the border moved by the user), and
    // the message editor's added height, which moves the lists down by as much.
    float columnExtra = 0;
    float editorExtraHeight = 0;
    float frame2Left = 0;
};

inline constexpr float mainMinimumWidth = 7000;
inline constexpr float mainMinimumHeight = 5000;
// Up to this outer size (a little more than the designed window with its frame and menu bar) the
// controls keep their design places; beyond it the editor shares the added height with the
// lists, and the Visit button stops growing.
inline constexpr float mainGrowFromWidth = 11400;
inline constexpr float mainGrowFromHeight = 10000;
// The narrowest the browser's frame gets when the user widens the left column.
inline constexpr float mainBrowserMinimumWidth = 3000;

// Design positions the layout reads (twips, relative to each control's container).
namespace design {
inline constexpr float frame1Top = 900, frame1Width = 3735, frame1Height = 4095;
inline constexpr float frame2Left = 3840, frame2Top = 900;
inline constexpr float frame3Top = 5400;
inline constexpr float lstPostsTop = 1500, lstPosts2Top = 1380;
inline constexpr float webBrowserTop = 1140;
inline constexpr float text5Left = 540, command3Width = 795;
inline constexpr float command1Left = 8040;
} // namespace design

// Computes the layout for a window size; nothing when the window is minimised. The result is
// the same however often it runs, and every size is non-negative.
std::optional<MainLayout> layoutControls(const MainLayoutInput& input);

} // namespace quillbox

#include "shell/main_layout.h"

#include <algorithm>
#include <cmath>

namespace quillbox {

std::optional<MainLayout> layoutControls(const MainLayoutInput& in) {
    if (in.minimized)
        return std::nullopt;
    using namespace design;
    MainLayout l;
    // The window never gets smaller than the minimum; a smaller size is put back to it.
    l.windowWidth = std::max(in.windowWidth, mainMinimumWidth);
    l.windowHeight = std::max(in.windowHeight, mainMinimumHeight);
    const float w = l.windowWidth;
    const float h = l.windowHeight;
    l.columnExtra = std::clamp(in.columnExtra, 0.f,
                               std::max(0.f, w - frame2Left - 240 - mainBrowserMinimumWidth));
    l.editorExtraHeight = std::floor(std::max(0.f, h - mainGrowFromHeight) / 2);
    l.frame2Left = frame2Left + l.columnExtra;
    // The lists below the editor see the window as if it were as much lower as the editor grew.
    const float listsH = h - l.editorExtraHeight;

    // Absolute values rather than clamping keep every size non-negative, as the window always
    // did. Below about 6500 twips of height the lower panel's frames start under the window's
    // bottom edge, so their differences turn negative and the absolute value makes them
    // positive again: the sizes then grow as the window shrinks, which nobody sees because
    // those frames lie outside the window.
    l.frame3Height = std::fabs(listsH - in.statusBarHeight - 500 - frame3Top - 250);
    l.frame4Height = l.frame3Height;
    l.lstPostsHeight = std::fabs(l.frame3Height - lstPostsTop - 200);
    l.lstPosts2Height = std::fabs(l.frame3Height - lstPosts2Top - 200);
    l.lstNewHeight = l.lstPostsHeight;
    l.frame2Height = frame1Top + frame1Height + l.editorExtraHeight + l.frame3Height;
    l.frame2Width = std::fabs(w - l.frame2Left - 240);
    l.webBrowserWidth = std::fabs(l.frame2Width - 240);
    l.webBrowserHeight = std::fabs(l.frame2Height - webBrowserTop - 1000);
    l.panel1Width = frame1Width;
    l.panel2Width = std::fabs(w - l.panel1Width - 200 - 3000);
    const float panel2Left = l.panel1Width;
    l.panel3Width = std::fabs(w - l.panel2Width - panel2Left);
    l.text5Width = std::fabs(l.frame2Width - text5Left - command3Width - 200);
    l.command3Left = std::fabs(l.frame2Width - command3Width - 100);
    l.command1Width = std::fabs(std::min(w, mainGrowFromWidth) - command1Left - 250);
    l.tabStrip2Height = h;
    return l;
}

} // namespace quillbox

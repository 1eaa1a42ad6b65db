#include "browser/website_layout.h"

#include <cmath>

namespace quillbox {

WebsiteLayout layoutBrowserWindow(const WebsiteLayoutInput& in) {
    using namespace browserDesign;
    WebsiteLayout l;
    l.panel1Width = std::fabs(in.windowWidth / 2);
    l.panel2Width = std::fabs(in.windowWidth / 2);
    l.frameHeight = std::fabs(in.windowHeight - in.statusBarHeight);
    l.frameWidth = std::fabs(in.windowWidth - 300);
    l.addressBoxWidth = std::fabs(l.frameWidth - addressLeft - 300 - goWidth);
    l.goLeft = l.addressBoxWidth + addressLeft + 100;
    l.viewWidth = std::fabs(l.frameWidth - viewLeft - 100);
    // The page reaches down to the frame's inner edge, as it reaches its right edge: taking the
    // status bar off a second time, and 800 more, left a grey band under every page.
    l.viewHeight = std::fabs(l.frameHeight - viewTop - 100);
    return l;
}

} // namespace quillbox

// Applies the size-dependent layout to the main window's controls.
#include "browser/ui/browser_pane.h"
#include "shell/main_layout.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"
#include "shell/ui/posting_controls.h"
#include "widgets/placed_controls.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>

namespace quillbox {

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutControls();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    layoutControls();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        layoutControls();
}

void MainWindow::layoutControls() {
    if (m_inLayout)
        return;
    // The frame is part of the window's size, as the layout's figures count it.
    const QRect frame = frameGeometry();
    MainLayoutInput in;
    in.minimized = isMinimized();
    in.windowWidth = float(toTwips(this, frame.width()));
    in.windowHeight = float(toTwips(this, frame.height()));
    in.statusBarHeight = float(toTwips(this, statusBar()->height()));
    in.columnExtra = m_columnExtra;
    const std::optional<MainLayout> l = quillbox::layoutControls(in);
    if (!l)
        return;

    m_inLayout = true;
    const int frameExtraW = frame.width() - width();
    const int frameExtraH = frame.height() - height();
    setMinimumSize(toPixels(this, mainMinimumWidth) - frameExtraW,
                   toPixels(this, mainMinimumHeight) - frameExtraH);
    if (l->windowWidth > in.windowWidth + 0.5f || l->windowHeight > in.windowHeight + 0.5f)
        resize(toPixels(this, l->windowWidth) - frameExtraW,
               toPixels(this, l->windowHeight) - frameExtraH);

    listsPane->applyLayout(*l);
    browserPane->applyLayout({l->frame2Width, l->frame2Height, l->text5Width, l->command3Left,
                              l->webBrowserWidth, l->webBrowserHeight});
    if (posting)
        posting->placeStrip(*browserPane, toPixels(this, design::frame2Top));
    const std::array<float, 3> panelWidths{l->panel1Width, l->panel2Width, l->panel3Width};
    for (size_t i = 0; i < statusPanels.size(); ++i) {
        if (!statusPanels[i])
            continue;
        // The first panel has its width; the layout's widths of the other two count the window's
        // frame, which the status bar does not have, so they get at most their widths and share
        // what is left. Fixed widths there would not fit, and the bar would pile them up.
        if (i == 0)
            statusPanels[i]->setFixedWidth(toPixels(this, panelWidths[i]));
        else
            statusPanels[i]->setMaximumWidth(toPixels(this, panelWidths[i]));
    }
    // The status bar lays its panels out again only when its height changes: ask for it.
    if (QLayout* bar = statusBar()->layout()) {
        bar->invalidate();
        bar->activate();
    }
    setWidthTwips(visitButton, l->command1Width);
    growControls(*l);
    m_inLayout = false;
}

} // namespace quillbox

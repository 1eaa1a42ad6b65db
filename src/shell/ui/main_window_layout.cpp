// Applies the size-dependent layout to the main window's controls.
#include "browser/ui/browser_pane.h"
#include "shell/main_layout.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"
#include "shell/ui/posting_controls.h"
#include "shell/window_place.h"
#include "widgets/fit_captions.h"
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
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <utility>

namespace quillbox {

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutControls();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (std::exchange(m_placeOnShow, false))
        fitOnScreen();
    layoutControls();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        layoutControls();
}

void MainWindow::placeWindow(const QByteArray& kept) {
    m_firstStart = kept.isEmpty() || !restoreGeometry(kept);
    m_placeOnShow = true;
    fitOnScreen();
}

void MainWindow::fitOnScreen() {
    if (isMaximized() || isFullScreen())
        return;
    const QRect available = screen() ? screen()->availableGeometry() : QRect();
    // The frame's size is known once the window is shown; before, it is the window's own, and
    // the first showing places the window again.
    const QRect frame = frameGeometry();
    const QSize frameExtra = frame.size() - size();
    const QRect place = m_firstStart ? firstWindowPlace(available, m_designedSize + frameExtra)
                                     : placeOnScreen(frame, available);
    if (place == frame)
        return;
    resize(place.size() - frameExtra);
    move(place.topLeft());
}

void MainWindow::layoutControls() {
    if (m_inLayout)
        return;
    // Captions too wide for the left column widen it; a second pass places the column's
    // controls in the room made. The room a language needs stays for the window's life.
    for (int pass = 0; pass < 3; ++pass) {
        const int overflow = placeControls();
        if (overflow <= 0)
            break;
        const float needed = m_shownColumnExtra + float(toTwips(this, overflow));
        if (needed <= m_captionExtra + 0.5f)
            break;
        m_captionExtra = needed;
    }
}

int MainWindow::placeControls() {
    // The frame is part of the window's size, as the layout's figures count it.
    const QRect frame = frameGeometry();
    MainLayoutInput in;
    in.minimized = isMinimized();
    in.windowWidth = float(toTwips(this, frame.width()));
    in.windowHeight = float(toTwips(this, frame.height()));
    in.statusBarHeight = float(toTwips(this, statusBar()->height()));
    in.columnExtra = std::max(m_columnExtra, m_captionExtra);
    const std::optional<MainLayout> l = quillbox::layoutControls(in);
    if (!l)
        return 0;

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
    m_shownColumnExtra = l->columnExtra;
    // Every caption whole, in the language shown: the top row and the browser's rows have room
    // to move along; the left column's frames tell how much wider they need to be.
    // Not while the window loads: the skin's labels, made then, take the places of the plain
    // labels they cover, and must find them where the layout put them.
    if (!m_loaded || m_loading) {
        m_inLayout = false;
        return 0;
    }
    fitCaptions(centralWidget());
    fitCaptions(browserPane);
    const int overflow = std::max(fitCaptions(editorFrame), listsPane->fitCaptions());
    m_inLayout = false;
    return overflow;
}

} // namespace quillbox

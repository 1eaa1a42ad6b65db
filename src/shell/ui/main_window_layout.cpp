// Applies the size-dependent layout to the main window's controls.
#include "shell/main_layout.h"
#include "shell/ui/main_window.h"
#include "shell/ui/twips.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <QWebEngineView>

namespace quillbox {

namespace {

void setHeightTwips(QWidget* w, float twips) {
    w->resize(w->width(), toPixels(w, twips));
}
void setWidthTwips(QWidget* w, float twips) {
    w->resize(toPixels(w, twips), w->height());
}

} // namespace

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

    setHeightTwips(Frame3, l->frame3Height);
    setHeightTwips(Frame4, l->frame4Height);
    setHeightTwips(lstPosts, l->lstPostsHeight);
    setHeightTwips(lstPosts2, l->lstPosts2Height);
    setHeightTwips(lstNew, l->lstNewHeight);
    setHeightTwips(Frame2, l->frame2Height);
    setWidthTwips(Frame2, l->frame2Width);
    setWidthTwips(WebBrowser1, l->webBrowserWidth);
    setHeightTwips(WebBrowser1, l->webBrowserHeight);
    const std::array<float, 3> panelWidths{l->panel1Width, l->panel2Width, l->panel3Width};
    for (size_t i = 0; i < statusPanels.size(); ++i) {
        if (statusPanels[i])
            statusPanels[i]->setMaximumWidth(toPixels(this, panelWidths[i]));
    }
    setWidthTwips(Text5, l->text5Width);
    Command3->move(toPixels(this, l->command3Left), Command3->y());
    setWidthTwips(Command1, l->command1Width);
    setHeightTwips(TabStrip2, l->tabStrip2Height);
    // The views lie in front of the tab strip.
    Frame3->raise();
    Frame4->raise();
    m_inLayout = false;
}

} // namespace quillbox

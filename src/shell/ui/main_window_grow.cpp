// Past its designed size the window grows its controls: the editor with the left column, the
// lists in height, the browser over the rest; the border between the column and the browser
// can be moved, and is kept with the window's place.
#include "browser/ui/browser_pane.h"
#include "shell/main_layout.h"
#include "shell/program.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"
#include "store/app_settings.h"
#include "widgets/column_border.h"
#include "widgets/twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVariant>

namespace quillbox {

namespace {

constexpr char designProperty[] = "quillboxDesignGeometry";

// Moves and widens a control from its design place, which it remembers the first time; heights
// that another layout sets (the lists') are kept when dh is nothing.
void grow(QWidget* w, int dx, int dy, int dw, std::optional<int> dh = 0) {
    if (!w)
        return;
    QVariant design = w->property(designProperty);
    if (!design.isValid()) {
        design = w->geometry();
        w->setProperty(designProperty, design);
    }
    const QRect d = design.toRect();
    w->setGeometry(d.x() + dx, d.y() + dy, d.width() + dw, dh ? d.height() + *dh : w->height());
}

} // namespace

void MainWindow::growControls(const MainLayout& l) {
    const int wide = toPixels(this, l.columnExtra);
    const int tall = toPixels(this, l.editorExtraHeight);
    grow(editorFrame, 0, 0, wide, tall);
    grow(subjectBox, 0, 0, wide);
    grow(pasteButtons[0], wide, 0, 0);
    grow(messageBox, 0, 0, wide, tall);
    grow(pasteButtons[3], 0, tall, wide);
    // The lists pane sets its own heights; the window moves it and widens what it holds.
    grow(listsPane, 0, tall, wide, std::nullopt);
    for (const char* name : {"TabStrip2", "Frame3", "Frame4", "lstPosts", "lstPosts2", "lstNew",
                             "TabStrip1", "cmdReplies"})
        grow(listsPane->findChild<QWidget*>(QString::fromLatin1(name)), 0, 0, wide, std::nullopt);
    browserPane->move(toPixels(this, l.frame2Left), browserPane->y());

    if (!columnBorder) {
        columnBorder = new ColumnBorder(centralWidget());
        columnBorder->setObjectName(QStringLiteral("ColumnBorder"));
        columnBorder->setAccessibleName(tr("Border between message and browser"));
        columnBorder->setToolTip(tr("Drag to share the width between the message "
                                    "and the browser"));
        connect(columnBorder, &ColumnBorder::dragged, this, [this](int pixels) {
            // From where the border is shown, which a small window may hold left of the wish,
            // and kept as far as it got: a drag past the window asks for no more than that.
            auto shown = [this] {
                return std::max(0.f, float(toTwips(this, browserPane->x())) - design::frame2Left);
            };
            m_columnExtra = std::max(0.f, shown() + float(toTwips(this, pixels)));
            layoutControls();
            m_columnExtra = shown();
        });
        connect(columnBorder, &ColumnBorder::released, this, [this] {
            m_program.keep(m_program.settings().set(keys::mainSplitter,
                                                    QByteArray::number(qRound(m_columnExtra))));
        });
    }
    // Between the column's right edge and the browser's frame, over the frame's height.
    const int left = editorFrame->geometry().right() + 1;
    const int width = std::max(5, browserPane->x() - left);
    columnBorder->setGeometry(left, editorFrame->y(), width, toPixels(this, l.frame2Height));
    columnBorder->raise();
}

void MainWindow::restoreColumnBorder() {
    bool ok = false;
    const float stored = m_program.settings().get(keys::mainSplitter).toFloat(&ok);
    m_columnExtra = ok && stored > 0 ? stored : 0;
    layoutControls();
}

} // namespace quillbox

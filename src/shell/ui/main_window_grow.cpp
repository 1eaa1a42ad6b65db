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
#include "widgets/placed_controls.h"
#include "widgets/twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVariant>

namespace quillbox {

void MainWindow::growControls(const MainLayout& l) {
    const int wide = toPixels(this, l.columnExtra);
    const int tall = toPixels(this, l.editorExtraHeight);
    growFromDesign(editorFrame, 0, 0, wide, tall);
    growFromDesign(subjectBox, 0, 0, wide);
    growFromDesign(pasteButtons[0], wide, 0, 0);
    growFromDesign(messageBox, 0, 0, wide, tall);
    growFromDesign(pasteButtons[3], 0, tall, wide);
    // The lists pane sets its own heights and widens what it holds; the window moves it.
    growFromDesign(listsPane, 0, tall, wide, std::nullopt);
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
            m_program.keepSetting(keys::mainSplitter, QByteArray::number(qRound(m_columnExtra)));
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

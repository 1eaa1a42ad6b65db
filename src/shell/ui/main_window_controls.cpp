// Builds the main window's controls at their design positions (twips, relative to each
// control's container).
#include "browser/ui/browser_pane.h"
#include "shell/main_layout.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"
#include "skin/ui/skin_label.h"
#include "widgets/long_line_wrap.h"
#include "widgets/placed_controls.h"
#include "widgets/status_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>

namespace quillbox {

void MainWindow::buildControls(QWidget* pageView) {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    setCentralWidget(central);
    buildTopRow(central);
    buildMessageEditor(central);
    listsPane = new ListsPane(m_program, m_browserPage, m_clipboard, central);
    pasteButtons[1] = listsPane->userNamePasteButton();
    pasteButtons[2] = listsPane->passwordPasteButton();
    buildBrowserPane(central, pageView);
    // The templates of the skin labels that replace the plain labels when the window loads.
    skinLabelPrototypes = {makeSkinLabelPrototype(central, QStringLiteral("SkinLabel1")),
                           makeSkinLabelPrototype(editorFrame, QStringLiteral("SkinLabel2")),
                           makeSkinLabelPrototype(browserPane, QStringLiteral("SkinLabel3"))};

    buildStatusBar();
}

namespace {

QLabel* makeStatusPanel(QStatusBar* bar, int number) {
    auto* panel = new StatusPanel(bar);
    panel->setObjectName(QStringLiteral("StatusPanel") + QString::number(number));
    // Panels show addresses, page texts and list rows: never render them as markup.
    panel->setTextFormat(Qt::PlainText);
    // The first panel keeps its width; the other two share what is left (see the layout).
    panel->setSizePolicy(number == 1 ? QSizePolicy::Fixed : QSizePolicy::Ignored,
                         QSizePolicy::Preferred);
    bar->addWidget(panel, number == 1 ? 0 : 1);
    return panel;
}

} // namespace

void MainWindow::buildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);
    // Panel 1 is there from the start; start-up adds the other two.
    statusPanels[0] = makeStatusPanel(statusBar(), 1);
}

void MainWindow::addStatusPanels() {
    for (int i = 1; i < int(statusPanels.size()); ++i) {
        if (!statusPanels[i])
            statusPanels[i] = makeStatusPanel(statusBar(), i + 1);
    }
    layoutControls();
}

void MainWindow::buildTopRow(QWidget* c) {
    autoInsertButton = makeButton(c, "cmdMessage", tr("Auto-Insert"),
                                  tr("Once you are on the page where you can post your "
                                     "message, click here to insert it."),
                                  60, 60, 1600, 800);
    formatLabel = makeLabel(c, "Label2", tr("as"), 1740, 540, 255, 255);
    formatBox = makePlaced<QComboBox>(c, "cmbConvert", 2100, 480, 1635, 315);
    formatBox->setEditable(false);
    formatBox->setToolTip(
        tr("Select the format you would like to use when your message is inserted."));
    previewButton =
        makePictureButton(c, "cmdPreview", tr("Preview"),
                          tr("See a preview of your message in the currently selected format"),
                          "preview", 3840, 60, 800, 800, true);
    copyButton = makePictureButton(c, "cmdCopy", tr("Copy"),
                                   tr("Copy your message to the clipboard in the "
                                      "selected format"),
                                   "copy", 4680, 60, 800, 800, true);
    saveButton = makePictureButton(c, "cmdSave", tr("Save"), tr("Save the current message"), "save",
                                   5520, 60, 800, 800, true);
    loadButton = makePictureButton(c, "cmdLoad", tr("Load"), tr("Load a saved message"), "load",
                                   6360, 60, 800, 800, true);
    optionsButton = makePictureButton(c, "cmdOptions", tr("Options"), tr("Options"), "options",
                                      7200, 60, 800, 800, true);
    visitButton = makePictureButton(c, "Command1", tr("Visit"), QStringLiteral("Visit us!"),
                                    "visit", design::command1Left, 60, 2115, 795, true);
}

void MainWindow::buildMessageEditor(QWidget* c) {
    editorFrame = makeFrame(c, "Frame1", tr("Message Editor"), 60, design::frame1Top,
                            design::frame1Width, design::frame1Height);
    subjectLabel = makeLabel(editorFrame, "Label1", tr("Subject:"), 120, 360, 735, 255);
    makeSkinLabel(editorFrame, "SkinLabel6", tr("Subject:"), 120, 360, 735, 255);
    subjectBox = makePlaced<QLineEdit>(editorFrame, "txtSubject", 900, 300, 1995, 285);
    pasteButtons[0] = makeButton(editorFrame, "cmdPaste0", tr("Paste"),
                                 tr("Click within the Subject field on the form you "
                                    "want to paste into, then click here."),
                                 2940, 300, 675, 315);
    messageLabel = makeLabel(editorFrame, "Label7", tr("Message:"), 120, 660, 975, 195);
    makeSkinLabel(editorFrame, "SkinLabel7", tr("Message:"), 120, 660, 975, 195);
    messageBox = makePlaced<QPlainTextEdit>(editorFrame, "txtMessage", 120, 900, 3495, 1695);
    messageBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    messageBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    keepLongLinesQuick(messageBox);
    pasteButtons[3] = makeButton(editorFrame, "cmdPaste3", tr("Paste Message"),
                                 tr("Click within the message area on the form you "
                                    "want to paste into, then click here."),
                                 120, 2640, 3495, 375);
}

void MainWindow::buildBrowserPane(QWidget* c, QWidget* pageView) {
    browserPane = new BrowserPane(m_browserPage, pageView, c);
}

} // namespace quillbox

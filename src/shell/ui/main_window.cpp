#include "shell/ui/main_window.h"

#include "browser/page_message.h"
#include "browser/ui/browser_pane.h"
#include "browser/ui/website_window.h"
#include "compose/editor_text.h"
#include "compose/ui/saved_messages_window.h"
#include "compose/ui/template_editor.h"
#include "platform/browser_page.h"
#include "platform/clipboard.h"
#include "platform/user_messages.h"
#include "shell/program.h"
#include "shell/ui/about_window.h"
#include "shell/ui/accessible_names.h"
#include "shell/ui/help_window.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/posting_controls.h"
#include "shell/ui/splash_window.h"
#include "store/app_settings.h"
#include "watch/http_reply_reader.h"
#include "widgets/long_line_wrap.h"
#include "widgets/on_top.h"
#include "widgets/pictures.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolButton>

namespace quillbox {

MainWindow::MainWindow(Program& program, BrowserPage& page, QWidget* pageView, Clipboard& clipboard,
                       QWidget* parent)
    : QMainWindow(parent), m_program(program), m_browserPage(page), m_clipboard(clipboard) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(programIcon());
    // The controls are placed for captions in an 8.25 point sans-serif face.
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    buildControls(pageView);
    buildMenus();
    messageBox->setPlainText(messageToEditor(designTimeMessage()));
    connectControls();
    connectBrowser();
    connectCompose();
    // Beside Auto-Insert; its strip goes over the browser pane, its Undo in the status bar.
    posting =
        new PostingControls(m_program, m_browserPage, m_clipboard, *listsPane, centralWidget());
    placeTwips(posting, 1740, 60, 1995, 375);
    posting->strip()->setParent(centralWidget());
    statusBar()->addPermanentWidget(posting->undoButton());
    connect(posting, &PostingControls::panelText, this, &MainWindow::setPanelText);
    connect(posting, &PostingControls::layoutNeeded, this, &MainWindow::layoutControls);
    applyAccessibleNames(this);

    // The initial client area, below the menu bar, is 11145 by 8985 twips.
    resize(toPixels(this, 11145), toPixels(this, 8985) + menuBar()->sizeHint().height());
    m_designedSize = size();
}

MainWindow::~MainWindow() {
    delete helpWindow.data();
    delete aboutWindow.data();
    websiteWindow.reset();
}

void MainWindow::connectControls() {
    connect(previewButton, &QToolButton::clicked, this, &MainWindow::previewMessage);
    connect(copyButton, &QToolButton::clicked, this, &MainWindow::copyMessage);
    connect(subjectBox, &QLineEdit::textChanged, &m_program, &Program::subjectChanged);
    connect(visitButton, &QToolButton::clicked, this, &MainWindow::visitWebsite);
    connect(browserPane, &BrowserPane::panelText, this, &MainWindow::setPanelText);
    connect(&m_program, &Program::panelText, this, &MainWindow::setPanelText);
    // "Watch This Post"'s fetch: its stage in panel 2, the bytes received in panel 3.
    connect(&m_program, &Program::fetchStage, this, [this](FetchStage stage) {
        if (stage == FetchStage::Starting)
            setPanelText(3, QString());
        else
            setPanelText(2, fetchStageText(stage));
    });
    connect(&m_program, &Program::fetchProgress, this, [this](qint64 bytes, qint64 declared) {
        setPanelText(3, HttpReplyReader::progressText(bytes, declared));
    });
    connect(listsPane, &ListsPane::panelText, this, &MainWindow::setPanelText);
    // Another start on the same data folder brings this window to the front instead.
    connect(&m_program, &Program::activateRequested, this, [this] { showAtFront(this); });
    connect(&m_program, &Program::unreadCountChanged, this,
            [this] { setWindowTitle(m_program.windowTitle()); });
    // New templates keep the chosen format when it still exists.
    connect(&m_program, &Program::templatesChanged, this, [this] {
        const QString chosen = formatBox->currentText();
        setFormatNames(formatNames(m_program.templates()));
        formatBox->setCurrentIndex(std::max(0, formatBox->findText(chosen)));
    });
}

void MainWindow::load() {
    if (m_loaded)
        return;
    m_loaded = true;
    m_loading = true;
    applyStartView(m_program.startUp());
    m_loading = false;
}

void MainWindow::applyStartView(const StartView& view) {
    setWindowTitle(view.caption);
    visitButton->setText(view.websiteButtonCaption);
    visitButton->setVisible(!view.websiteButtonCaption.isEmpty());
    m_browserPage.navigate(view.startPage);
    addStatusPanels();
    setFormatNames(view.formatNames);
    subjectBox->setText(view.subject);
    // A long subject reads from its start, not from where a typing caret would be.
    subjectBox->home(false);
    formatBox->setCurrentIndex(view.formatRow);
    // The skin and the help window never stop the start.
    showSystemColours(m_program.settings().get(keys::useSystemColours));
    followColourSetting();
    if (view.skin)
        skinWindow();
    if (view.showHelp)
        showHelpWindow();
    placeWindow(view.geometry);
    restoreColumnBorder();
    // After the skin, whose every change of font lays the editor's text out anew.
    if (view.message)
        setPlainTextQuickly(messageBox, messageToEditor(*view.message));
}

void MainWindow::setFormatNames(const QStringList& names) {
    formatBox->clear();
    formatBox->addItems(names);
    formatBox->setCurrentIndex(0);
}

QString MainWindow::messageText() const {
    // The document's raw text keeps non-breaking spaces, which toPlainText() turns into blanks.
    return editorToMessage(messageBox->document()->toRawText());
}

QString MainWindow::convertedMessage() const {
    return pageMessage(messageText(), formatBox->currentText(), m_program.templates(),
                       m_program.linkRules());
}

BrowserPage& MainWindow::browserPage() {
    return m_browserPage;
}

void MainWindow::setPanelText(int panel, const QString& text) {
    if (panel < 1 || panel > int(statusPanels.size()) || !statusPanels[panel - 1])
        return;
    statusPanels[panel - 1]->setText(text);
}

QString MainWindow::panelText(int panel) const {
    if (panel < 1 || panel > int(statusPanels.size()) || !statusPanels[panel - 1])
        return {};
    return statusPanels[panel - 1]->text();
}

int MainWindow::statusPanelCount() const {
    int n = 0;
    for (QLabel* l : statusPanels)
        n += l ? 1 : 0;
    return n;
}

void MainWindow::previewMessage() {
    m_program.messages().showMessage(tr("message preview"), convertedMessage(), MessageIcon::None);
}

void MainWindow::copyMessage() {
    m_clipboard.setText(convertedMessage());
}

void MainWindow::exitProgram() {
    // Exit saves like closing the window does, then ends the program whatever else is open.
    m_exitRequested = true;
    close();
}

void MainWindow::visitWebsite() {
    // One window, made at the first Visit; it opens the website again only after a close.
    if (!websiteWindow) {
        websiteWindow = std::make_unique<WebsiteWindow>(m_program.branding().websiteAddress);
        // Closed after the main window: the program ends with it.
        connect(websiteWindow.get(), &WebsiteWindow::closed, this, [this] {
            if (m_shutDown)
                m_program.endProcess();
        });
    }
    if (websiteWindow->isVisible()) {
        websiteWindow->raise();
        websiteWindow->activateWindow();
        return;
    }
    websiteWindow->openWebsite();
}

void MainWindow::unloadSecondaryWindows() {
    delete m_savedMessagesWindow;
    delete m_templateEditor;
    posting->closeWindows();
    SplashWindow::unload();
    delete helpWindow.data();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A close while a start-up box is open would save lists not yet loaded.
    if (m_loading) {
        event->ignore();
        return;
    }
    if (m_shutDown) {
        event->accept();
        return;
    }
    if (!m_loaded) {
        m_shutDown = true;
        m_program.endProcess();
        event->accept();
        return;
    }
    if (!m_program.shutDown({messageText(), formatBox->currentIndex(), saveGeometry()})) {
        // The user chose to stay, to free space or fix the folder before trying again.
        m_exitRequested = false;
        event->ignore();
        return;
    }
    m_shutDown = true;
    unloadSecondaryWindows();
    // The separate browser window may outlive the main window, unless the user chose Exit.
    if (m_exitRequested || !websiteWindow || !websiteWindow->isVisible())
        m_program.endProcess();
    event->accept();
}

} // namespace quillbox

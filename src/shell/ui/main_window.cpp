#include "shell/ui/main_window.h"

#include "browser/auto_insert.h"
#include "browser/insert_follow_up.h"
#include "browser/page_message.h"
#include "browser/page_paste.h"
#include "browser/ui/browser_pane.h"
#include "browser/ui/website_window.h"
#include "compose/editor_text.h"
#include "platform/clipboard.h"
#include "platform/user_messages.h"
#include "shell/lists_autosave.h"
#include "shell/session.h"
#include "shell/ui/about_window.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_window_names.h"
#include "shell/ui/pictures.h"
#include "shell/ui/splash_window.h"
#include "shell/ui/twips.h"
#include "watch/watch_lists.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>
#include <QWebEngineView>

namespace quillbox {

MainWindow::MainWindow(const MainWindowParts& parts, QWidget* parent)
    : QMainWindow(parent), m_session(parts.session), m_clipboard(parts.clipboard),
      m_watch(parts.lists), m_sizesFetcher(parts.sizesFetcher), m_postsFetcher(parts.postsFetcher),
      m_measurer(parts.measurer), m_replyCheck(parts.replyCheck), m_autosave(parts.autosave),
      m_background(parts.background), m_notifier(parts.notifier), m_cookies(parts.cookies),
      m_browserPage(parts.page) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(programIcon());
    // The controls are placed for captions in an 8.25 point sans-serif face.
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    buildControls(parts.pageView);
    buildMenus();
    messageBox->setPlainText(messageToEditor(designTimeMessage()));
    connectControls();
    connectWatchLists();
    connectBrowser();
    connectCompose();
    connectReplies();

    // The initial client area, below the menu bar, is 11145 by 8985 twips.
    resize(toPixels(this, 11145), toPixels(this, 8985) + menuBar()->sizeHint().height());
}

// The follow-up and the insert hold the page: they go before the controls that show it.
MainWindow::~MainWindow() {
    delete helpWindow.data();
    delete aboutWindow.data();
    websiteWindow.reset();
    m_paste.reset();
    m_autoInsert.reset();
    m_followUp.reset();
}

void MainWindow::connectControls() {
    connect(previewButton, &QToolButton::clicked, this, &MainWindow::previewMessage);
    connect(copyButton, &QToolButton::clicked, this, &MainWindow::copyMessage);
    connect(listsTabs, &QTabBar::currentChanged, this, &MainWindow::applyListsTab);
    connect(postsTabs, &QTabBar::currentChanged, this, &MainWindow::applyPostsTab);
    connect(subjectBox, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_session.subjectChanged(text); });
    connect(visitButton, &QToolButton::clicked, this, &MainWindow::visitWebsite);
    connect(browserPane, &BrowserPane::panelText, this, &MainWindow::setPanelText);
}

void MainWindow::load() {
    if (m_loaded)
        return;
    m_loaded = true;
    m_session.startUp(*this);
    const QByteArray geometry = m_session.settings().mainWindowGeometry();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

QString MainWindow::messageText() const {
    // The document's raw text keeps non-breaking spaces, which toPlainText() turns into blanks.
    return editorToMessage(messageBox->document()->toRawText());
}

QString MainWindow::convertedMessage() const {
    return pageMessage(messageText(), formatBox->currentText(), m_session.templates(),
                       m_session.linkRules());
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
    m_session.messages().showMessage(QStringLiteral("message preview"), convertedMessage(),
                                     MessageIcon::None);
}

void MainWindow::copyMessage() {
    m_clipboard.setText(convertedMessage());
}

void MainWindow::exitProgram() {
    // Exit saves like closing the window does, then ends the program whatever else is open.
    m_exitRequested = true;
    close();
}

void MainWindow::showAllPosts() {
    postsTabs->setCurrentIndex(0);
}

void MainWindow::showNewReplies() {
    postsTabs->setCurrentIndex(1);
}

void MainWindow::checkReplies() {
    // The results are listed in the posts view: show it, on its "New Replies " tab.
    listsTabs->setCurrentIndex(1);
    showNewReplies();
    if (checkRepliesButton->isEnabled())
        checkRepliesButton->click();
}

void MainWindow::applyPostsTab() {
    const QString tab = postsTabs->tabData(postsTabs->currentIndex()).toString();
    if (tab != postsTabAll && tab != postsTabReplies)
        return;
    const bool all = tab == postsTabAll;
    unwatchButton->setVisible(all);
    watchButton->setVisible(all);
    checkRepliesButton->setVisible(!all);
    postList->setVisible(all);
    newRepliesList->setVisible(!all);
}

void MainWindow::applyListsTab() {
    const QString tab = listsTabs->tabData(listsTabs->currentIndex()).toString();
    if (tab == listsTabForums) {
        postsView->hide();
        forumsView->show();
    } else if (tab == listsTabPosts) {
        postsView->show();
        forumsView->hide();
    }
}

// ---- start-up and shutdown --------------------------------------------------------------

void MainWindow::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void MainWindow::setWebsiteButtonCaption(const QString& caption) {
    visitButton->setText(caption);
}

void MainWindow::navigateBrowser(const QString& address) {
    m_browserPage.navigate(address);
}

void MainWindow::setLists(const ListsData& lists) {
    m_watch.setLists(lists);
}

void MainWindow::setFormatNames(const QStringList& names) {
    formatBox->clear();
    formatBox->addItems(names);
    formatBox->setCurrentIndex(0);
}

void MainWindow::setSubject(const QString& subject) {
    subjectBox->setText(subject);
}

void MainWindow::setMessage(const QString& message) {
    messageBox->setPlainText(messageToEditor(message));
}

int MainWindow::formatRowCount() const {
    return formatBox->count();
}

void MainWindow::selectFormatRow(int row) {
    formatBox->setCurrentIndex(row);
}

ListsData MainWindow::lists() const {
    return m_watch.lists();
}

QString MainWindow::message() const {
    return messageText();
}

int MainWindow::selectedFormatRow() const {
    return formatBox->currentIndex();
}

void MainWindow::visitWebsite() {
    // One window, made at the first Visit; it opens the website again only after a close.
    if (!websiteWindow) {
        websiteWindow = std::make_unique<WebsiteWindow>(m_session.branding().websiteAddress);
        // Closed after the main window: the program ends with it.
        connect(websiteWindow.get(), &WebsiteWindow::closed, this,
                [this] { m_session.websiteWindowClosed(*this); });
    }
    if (websiteWindow->isVisible()) {
        websiteWindow->raise();
        websiteWindow->activateWindow();
        return;
    }
    websiteWindow->openWebsite();
}

void MainWindow::unloadSecondaryWindows() {
    unloadComposeWindows();
    SplashWindow::unload();
    delete helpWindow.data();
}

bool MainWindow::websiteWindowVisible() const {
    return websiteWindow && websiteWindow->isVisible();
}

void MainWindow::endProcess() {
    emit endProcessRequested();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_shutDown) {
        event->accept();
        return;
    }
    if (!m_loaded) {
        m_shutDown = true;
        endProcess();
        event->accept();
        return;
    }
    if (m_autosave)
        m_autosave->cancel();
    m_session.settingsWritten(m_session.settings().setMainWindowGeometry(saveGeometry()));
    if (!m_session.shutDown(*this)) {
        // The user chose to stay, to free space or fix the folder before trying again.
        m_exitRequested = false;
        event->ignore();
        return;
    }
    m_shutDown = true;
    if (m_exitRequested && m_session.mainWindowClosed())
        m_session.endProcess(*this);
    event->accept();
}

} // namespace quillbox

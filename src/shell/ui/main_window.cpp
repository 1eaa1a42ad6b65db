#include "shell/ui/main_window.h"

#include "compose/editor_text.h"
#include "platform/clipboard.h"
#include "platform/qt/web_engine_page.h"
#include "platform/user_messages.h"
#include "shell/session.h"
#include "shell/ui/twips.h"
#include "watch/page_fetcher.h"
#include "watch/post_measurer.h"
#include "watch/reply_check.h"
#include "watch/watch_lists.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <QWebEngineView>

namespace quillbox {

MainWindow::MainWindow(Session& session, Clipboard& clipboard, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_clipboard(clipboard) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QIcon(QStringLiteral(":/quillbox/quillbox.png")));
    // The controls are placed for captions in an 8.25 point sans-serif face.
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    buildControls();
    buildMenus();
    m_browserPage = std::make_unique<WebEnginePage>(WebBrowser1);
    m_watch = std::make_unique<WatchLists>();
    wscSizes = std::make_unique<PageFetcher>(m_session.messages());
    wscSizes->setObjectName(QStringLiteral("wscSizes"));
    wscPosts = std::make_unique<PageFetcher>(m_session.messages());
    wscPosts->setObjectName(QStringLiteral("wscPosts"));
    m_measurer = std::make_unique<PostMeasurer>(*m_watch, *wscSizes);
    m_replyCheck = std::make_unique<ReplyCheck>(*m_watch, *wscPosts);
    txtMessage->setPlainText(messageToEditor(designTimeMessage()));
    connectControls();
    connectWatchLists();

    // Parts of the window whose actions come with windows and features not built yet stay
    // visible but disabled, so the window keeps its familiar shape.
    for (QWidget* w : std::initializer_list<QWidget*>{
             cmdMessage, cmdSave, cmdLoad, cmdOptions, Command1, Command3, Command4, Command5,
             Command6, Command7, Check1, cmdPaste[0], cmdPaste[1], cmdPaste[2], cmdPaste[3]})
        w->setEnabled(false);
    for (int i : {1, 2})
        fileMenuItem[i]->setEnabled(false);
    for (int i : {1, 3, 4, 5, 6, 7})
        toolsMenuItem[i]->setEnabled(false);
    for (int i : {0, 3})
        viewMenuItem[i]->setEnabled(false);
    aboutMenuItem[0]->setEnabled(false);
    mnuAboutItem[0]->setEnabled(false);

    // The initial client area is 11145 by 8985 twips.
    const int clientWidth = toPixels(this, 11145);
    const int clientHeight = toPixels(this, 8985);
    resize(clientWidth, clientHeight);
}

MainWindow::~MainWindow() {
    // The check and the measurement refer to the fetchers and lists: end them first.
    m_replyCheck.reset();
    m_measurer.reset();
    wscPosts.reset();
    wscSizes.reset();
}

void MainWindow::connectControls() {
    connect(cmdPreview, &QToolButton::clicked, this, &MainWindow::previewMessage);
    connect(cmdCopy, &QToolButton::clicked, this, &MainWindow::copyMessage);
    connect(TabStrip2, &QTabBar::tabBarClicked, this, [this](int index) {
        TabStrip2->setCurrentIndex(index);
        tabStrip2Clicked();
    });
    connect(TabStrip1, &QTabBar::currentChanged, this, &MainWindow::tabStrip1Clicked);
    connect(TabStrip2, &QTabBar::currentChanged, this, &MainWindow::tabStrip2Clicked);
    connect(txtSubject, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_session.subjectChanged(text); });
    connect(Text5, &QLineEdit::returnPressed, this, [this] {
        if (Command3->isEnabled())
            Command3->click();
    });
}

void MainWindow::load() {
    if (m_loaded)
        return;
    m_loaded = true;
    m_session.startUp(*this);
}

QString MainWindow::messageText() const {
    return editorToMessage(txtMessage->toPlainText());
}

QString MainWindow::convertedMessage() const {
    return m_session.convert(messageText() + QStringLiteral("\r\n\r\n"), cmbConvert->currentText());
}

BrowserPage& MainWindow::browserPage() {
    return *m_browserPage;
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

void MainWindow::newMessage() {
    txtMessage->clear();
    txtSubject->clear();
}

void MainWindow::exitProgram() {
    // Exit saves like closing the window does, then ends the program whatever else is open.
    m_exitRequested = true;
    close();
}

void MainWindow::selectPostsTab(int index) {
    TabStrip1->setCurrentIndex(index);
    tabStrip1Clicked();
}

void MainWindow::checkReplies() {
    if (cmdReplies->isEnabled())
        cmdReplies->click();
}

void MainWindow::tabStrip1Clicked() {
    const QString caption = TabStrip1->tabText(TabStrip1->currentIndex());
    bool all;
    if (caption == QLatin1String("Show All"))
        all = true;
    else if (caption == QLatin1String("New Replies "))
        all = false;
    else
        return;
    cmdDel->setVisible(all);
    cmdAdd->setVisible(all);
    cmdReplies->setVisible(!all);
    lstPosts->setVisible(all);
    lstNew->setVisible(!all);
}

void MainWindow::tabStrip2Clicked() {
    switch (TabStrip2->currentIndex()) {
    case 0: // "Your Forums"
        Frame3->hide();
        Frame4->show();
        break;
    case 1: // "Your Posts"
        Frame3->show();
        Frame4->hide();
        break;
    default:
        break;
    }
}

// ---- start-up and shutdown --------------------------------------------------------------

void MainWindow::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void MainWindow::setWebsiteButtonCaption(const QString& caption) {
    Command1->setText(caption);
}

void MainWindow::navigateBrowser(const QString& address) {
    m_browserPage->navigate(address);
}

void MainWindow::addStatusPanels() {
    for (int i = 1; i < int(statusPanels.size()); ++i) {
        if (statusPanels[i])
            continue;
        statusPanels[i] = new QLabel(statusBar());
        statusPanels[i]->setObjectName(QStringLiteral("StatusPanel") + QString::number(i + 1));
        statusPanels[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        statusBar()->addWidget(statusPanels[i], 1);
    }
    layoutControls();
}

void MainWindow::setLists(const ListsData& lists) {
    m_watch->setLists(lists);
}

void MainWindow::setFormatNames(const QStringList& names) {
    cmbConvert->clear();
    cmbConvert->addItems(names);
    cmbConvert->setCurrentIndex(0);
}

void MainWindow::setSubject(const QString& subject) {
    txtSubject->setText(subject);
}

void MainWindow::setMessage(const QString& message) {
    txtMessage->setPlainText(messageToEditor(message));
}

int MainWindow::formatRowCount() const {
    return cmbConvert->count();
}

void MainWindow::selectFormatRow(int row) {
    cmbConvert->setCurrentIndex(row);
}

ListsData MainWindow::lists() const {
    return m_watch->lists();
}

QString MainWindow::message() const {
    return messageText();
}

int MainWindow::selectedFormatRow() const {
    return cmbConvert->currentIndex();
}

void MainWindow::unloadSecondaryWindows() {}

bool MainWindow::websiteWindowVisible() const {
    return false;
}

void MainWindow::endProcess() {
    emit endProcessRequested();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_shutDown) {
        m_shutDown = true;
        if (m_loaded) {
            m_session.shutDown(*this);
            if (m_exitRequested && m_session.mainWindowClosed())
                endProcess();
        } else
            endProcess();
    }
    event->accept();
}

} // namespace quillbox

// Builds the main window's controls at their design positions (twips, relative to each
// control's container).
#include "browser/ui/browser_pane.h"
#include "shell/main_layout.h"
#include "shell/ui/main_window.h"
#include "shell/ui/main_window_names.h"
#include "skin/ui/skin_label.h"
#include "widgets/pictures.h"
#include "widgets/twips.h"

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

namespace {

template <typename W>
W* make(QWidget* parent, const char* name, double left, double top, double width, double height) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    placeTwips(w, left, top, width, height);
    return w;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, double left, double top,
                  double width, double height) {
    auto* l = make<QLabel>(parent, name, left, top, width, height);
    l->setText(text);
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip, double left, double top, double width,
                        double height) {
    auto* b = make<QPushButton>(parent, name, left, top, width, height);
    b->setText(caption);
    b->setToolTip(tooltip);
    return b;
}

SkinLabel* makeSkinLabel(QWidget* parent, const char* name, const QString& text, double left,
                         double top, double width, double height) {
    auto* l = new SkinLabel(QString::fromLatin1(name), parent);
    placeTwips(l, left, top, width, height);
    l->setText(text);
    return l;
}

// A button with its picture above the caption: 32 pixels on the top row, 16 inside the frames.
QToolButton* makePictureButton(QWidget* parent, const char* name, const QString& caption,
                               const QString& tooltip, const char* picture, double left, double top,
                               double width, double height, bool large) {
    auto* b = make<QToolButton>(parent, name, left, top, width, height);
    b->setText(caption);
    b->setToolTip(tooltip);
    b->setIcon(pictureIcon(QString::fromLatin1(picture)));
    b->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    // Tall buttons show the picture above the caption; low ones beside it, room permitting.
    if (height >= 700)
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    else
        fitPictureBesideCaption(b);
    return b;
}

// A frame with a bold caption; the controls inside it keep the normal weight.
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, double left,
                     double top, double width, double height) {
    auto* frame = make<QGroupBox>(parent, name, left, top, width, height);
    frame->setTitle(caption);
    QFont f = frame->font();
    f.setPointSizeF(8.25);
    f.setBold(true);
    frame->setFont(f);
    frame->setStyleSheet(QStringLiteral("QGroupBox > * { font-weight: normal; }"));
    return frame;
}

} // namespace

void MainWindow::buildControls(QWidget* pageView) {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    setCentralWidget(central);
    buildTopRow(central);
    buildMessageEditor(central);
    buildListsPanel(central);
    buildBrowserPane(central, pageView);
    // The templates of the skin labels that replace the plain labels when the window loads.
    skinLabelPrototypes = {makeSkinLabelPrototype(central, QStringLiteral("SkinLabel1")),
                           makeSkinLabelPrototype(editorFrame, QStringLiteral("SkinLabel2")),
                           makeSkinLabelPrototype(browserPane, QStringLiteral("SkinLabel3"))};

    buildStatusBar();
}

namespace {

QLabel* makeStatusPanel(QStatusBar* bar, int number) {
    auto* panel = new QLabel(bar);
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
    autoInsertButton = makeButton(c, "cmdMessage", QStringLiteral("Auto-Insert"),
                                  QStringLiteral("Once you are on the page where you can post your "
                                                 "message, click here to insert it."),
                                  60, 60, 1600, 800);
    formatLabel = makeLabel(c, "Label2", QStringLiteral("as"), 1740, 540, 255, 255);
    formatBox = make<QComboBox>(c, "cmbConvert", 2100, 480, 1635, 315);
    formatBox->setEditable(false);
    formatBox->setToolTip(
        QStringLiteral("Select the format you would like to use when your message is inserted."));
    previewButton = makePictureButton(
        c, "cmdPreview", QStringLiteral("Preview"),
        QStringLiteral("See a preview of your message in the currently selected format"), "preview",
        3840, 60, 800, 800, true);
    copyButton = makePictureButton(c, "cmdCopy", QStringLiteral("Copy"),
                                   QStringLiteral("Copy your message to the clipboard in the "
                                                  "selected format"),
                                   "copy", 4680, 60, 800, 800, true);
    saveButton = makePictureButton(c, "cmdSave", QStringLiteral("Save"),
                                   QStringLiteral("Save the current message"), "save", 5520, 60,
                                   800, 800, true);
    loadButton =
        makePictureButton(c, "cmdLoad", QStringLiteral("Load"),
                          QStringLiteral("Load a saved message"), "load", 6360, 60, 800, 800, true);
    optionsButton =
        makePictureButton(c, "cmdOptions", QStringLiteral("Options"), QStringLiteral("Options"),
                          "options", 7200, 60, 800, 800, true);
    visitButton =
        makePictureButton(c, "Command1", QStringLiteral("Visit "), QStringLiteral("Visit us!"),
                          "visit", design::command1Left, 60, 2115, 795, true);
}

void MainWindow::buildMessageEditor(QWidget* c) {
    editorFrame = makeFrame(c, "Frame1", QStringLiteral("Message Editor"), 60, design::frame1Top,
                            design::frame1Width, design::frame1Height);
    subjectLabel = makeLabel(editorFrame, "Label1", QStringLiteral("Subject:"), 120, 360, 735, 255);
    makeSkinLabel(editorFrame, "SkinLabel6", QStringLiteral("Subject:"), 120, 360, 735, 255);
    subjectBox = make<QLineEdit>(editorFrame, "txtSubject", 900, 300, 1995, 285);
    pasteButtons[0] = makeButton(editorFrame, "cmdPaste0", QStringLiteral("Paste"),
                                 QStringLiteral("Click within the Subject field on the form you "
                                                "want to paste into, then click here."),
                                 2940, 300, 675, 315);
    messageLabel = makeLabel(editorFrame, "Label7", QStringLiteral("Message:"), 120, 660, 975, 195);
    makeSkinLabel(editorFrame, "SkinLabel7", QStringLiteral("Message:"), 120, 660, 975, 195);
    messageBox = make<QPlainTextEdit>(editorFrame, "txtMessage", 120, 900, 3495, 1695);
    messageBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    messageBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    pasteButtons[3] = makeButton(editorFrame, "cmdPaste3", QStringLiteral("Paste Message"),
                                 QStringLiteral("Click within the message area on the form you "
                                                "want to paste into, then click here."),
                                 120, 2640, 3495, 375);
}

void MainWindow::buildListsPanel(QWidget* c) {
    listsTabs = make<QTabBar>(c, "TabStrip2", 60, 5040, 3735, 4815);
    listsTabs->addTab(QStringLiteral("Your Forums"));
    listsTabs->setTabData(0, QString(listsTabForums));
    listsTabs->addTab(QStringLiteral("Your Posts"));
    listsTabs->setTabData(1, QString(listsTabPosts));
    listsTabs->setExpanding(false);
    listsTabs->setDrawBase(true);

    // The two views lie in front of the tab strip, in the area below its tabs.
    forumsView = make<QFrame>(c, "Frame4", 180, 5460, 3615, 4335);
    postsView = make<QFrame>(c, "Frame3", 180, design::frame3Top, 3615, 4335);
    postsView->hide();

    addForumButton = makeButton(forumsView, "cmdAdd2", QStringLiteral("Add Current URL"),
                                QStringLiteral("Watch the current URL"), 60, 240, 1695, 375);
    removeForumButton =
        makeButton(forumsView, "cmdDel2", QStringLiteral("Remove URL"), {}, 1860, 240, 1695, 375);
    userNameLabel =
        makeSkinLabel(forumsView, "SkinLabel4", QStringLiteral("Username:"), 60, 720, 975, 195);
    userNameBox = make<QLineEdit>(forumsView, "txtUsername", 1080, 660, 1755, 315);
    userNameBox->setEnabled(false);
    pasteButtons[1] = makeButton(forumsView, "cmdPaste1", QStringLiteral("Paste"),
                                 QStringLiteral("Click within the Username field on the form you "
                                                "want to paste into, then click here."),
                                 2880, 660, 675, 315);
    passwordLabel =
        makeSkinLabel(forumsView, "SkinLabel5", QStringLiteral("Password:"), 60, 1080, 975, 255);
    passwordBox = make<QLineEdit>(forumsView, "txtPassword", 1080, 1020, 1755, 285);
    passwordBox->setEchoMode(QLineEdit::Password);
    passwordBox->setEnabled(false);
    pasteButtons[2] = makeButton(forumsView, "cmdPaste2", QStringLiteral("Paste"),
                                 QStringLiteral("Click within the Password field on the form you "
                                                "want to paste into, then click here."),
                                 2880, 1020, 675, 315);
    forumList = make<QListView>(forumsView, "lstPosts2", 60, design::lstPosts2Top, 3435, 1425);

    watchButton = makePictureButton(postsView, "cmdAdd", QStringLiteral("Watch This Post"),
                                    QStringLiteral("Watch the current URL"), "watch", 60, 240, 1695,
                                    495, false);
    unwatchButton = makePictureButton(postsView, "cmdDel", QStringLiteral("Remove Watch"), {},
                                      "unwatch", 1800, 240, 1695, 495, false);
    postsTabs = make<QTabBar>(postsView, "TabStrip1", 60, 780, 3495, 315);
    postsTabs->addTab(QStringLiteral("Show All"));
    postsTabs->setTabData(0, QString(postsTabAll));
    postsTabs->addTab(QStringLiteral("New Replies "));
    postsTabs->setTabData(1, QString(postsTabReplies));
    postsTabs->setExpanding(false);
    checkRepliesButton = makeButton(
        postsView, "cmdReplies", QStringLiteral("Check for new replies"), {}, 60, 1140, 3435, 315);
    checkRepliesButton->hide();
    postList = make<QListView>(postsView, "lstPosts", 60, design::lstPostsTop, 3435, 1620);
    newRepliesList = make<QListView>(postsView, "lstNew", 60, design::lstPostsTop, 3435, 1230);
    newRepliesList->hide();
    // Every row is one line of text: with rows of one height the boxes need not measure each of
    // tens of thousands of rows to lay them out.
    for (QListView* list : {forumList, postList, newRepliesList}) {
        list->setUniformItemSizes(true);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
}

void MainWindow::buildBrowserPane(QWidget* c, QWidget* pageView) {
    browserPane = new BrowserPane(m_browserPage, pageView, c);
}

} // namespace quillbox

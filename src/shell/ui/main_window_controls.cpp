// Builds the main window's controls at their design positions (twips, relative to each
// control's container).
#include "platform/qt/web_engine_page.h"
#include "shell/ui/main_window.h"
#include "shell/ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

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

// A button with its picture above the caption.
QToolButton* makePictureButton(QWidget* parent, const char* name, const QString& caption,
                               const QString& tooltip, QStyle::StandardPixmap picture, double left,
                               double top, double width, double height, bool large) {
    auto* b = make<QToolButton>(parent, name, left, top, width, height);
    b->setText(caption);
    b->setToolTip(tooltip);
    b->setIcon(parent->style()->standardIcon(picture));
    b->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    // Tall buttons show the picture above the caption; narrow ones have no room for both.
    if (height >= 700)
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    else if (width >= 1000)
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    else
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
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

void MainWindow::buildControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    setCentralWidget(central);
    buildTopRow(central);
    buildMessageEditor(central);
    buildListsPanel(central);
    buildBrowserPane(central);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);
    // Panel 1 is there from the start; start-up adds the other two.
    statusPanels[0] = new QLabel(statusBar());
    statusPanels[0]->setObjectName(QStringLiteral("StatusPanel1"));
    statusPanels[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(statusPanels[0], 1);
}

void MainWindow::buildTopRow(QWidget* c) {
    cmdMessage = makeButton(c, "cmdMessage", QStringLiteral("Auto-Insert"),
                            QStringLiteral("Once you are on the page where you can post your "
                                           "message, click here to insert it."),
                            60, 60, 1600, 800);
    Label2 = makeLabel(c, "Label2", QStringLiteral("as"), 1740, 540, 255, 255);
    cmbConvert = make<QComboBox>(c, "cmbConvert", 2100, 480, 1635, 315);
    cmbConvert->setEditable(false);
    cmbConvert->setToolTip(
        QStringLiteral("Select the format you would like to use when your message is inserted."));
    cmdPreview = makePictureButton(
        c, "cmdPreview", QStringLiteral("Preview"),
        QStringLiteral("See a preview of your message in the currently selected format"),
        QStyle::SP_FileDialogContentsView, 3840, 60, 800, 800, true);
    cmdCopy = makePictureButton(c, "cmdCopy", QStringLiteral("Copy"),
                                QStringLiteral("Copy your message to the clipboard in the "
                                               "selected format"),
                                QStyle::SP_FileDialogDetailedView, 4680, 60, 800, 800, true);
    cmdSave = makePictureButton(c, "cmdSave", QStringLiteral("Save"),
                                QStringLiteral("Save the current message"),
                                QStyle::SP_DialogSaveButton, 5520, 60, 800, 800, true);
    cmdLoad = makePictureButton(c, "cmdLoad", QStringLiteral("Load"),
                                QStringLiteral("Load a saved message"), QStyle::SP_DialogOpenButton,
                                6360, 60, 800, 800, true);
    cmdOptions =
        makePictureButton(c, "cmdOptions", QStringLiteral("Options"), QStringLiteral("Options"),
                          QStyle::SP_FileDialogListView, 7200, 60, 800, 800, true);
    Command1 =
        makePictureButton(c, "Command1", QStringLiteral("Visit "), QStringLiteral("Visit us!"),
                          QStyle::SP_DriveNetIcon, 8040, 60, 2115, 795, true);
}

void MainWindow::buildMessageEditor(QWidget* c) {
    Frame1 = makeFrame(c, "Frame1", QStringLiteral("Message Editor"), 60, 900, 3735, 4095);
    Label1 = makeLabel(Frame1, "Label1", QStringLiteral("Subject:"), 120, 360, 735, 255);
    txtSubject = make<QLineEdit>(Frame1, "txtSubject", 900, 300, 1995, 285);
    cmdPaste[0] = makeButton(Frame1, "cmdPaste0", QStringLiteral("Paste"),
                             QStringLiteral("Click within the Subject field on the form you "
                                            "want to paste into, then click here."),
                             2940, 300, 675, 315);
    Label7 = makeLabel(Frame1, "Label7", QStringLiteral("Message:"), 120, 660, 975, 195);
    txtMessage = make<QPlainTextEdit>(Frame1, "txtMessage", 120, 900, 3495, 1695);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    cmdPaste[3] = makeButton(Frame1, "cmdPaste3", QStringLiteral("Paste Message"),
                             QStringLiteral("Click within the message area on the form you "
                                            "want to paste into, then click here."),
                             120, 2640, 3495, 375);
}

void MainWindow::buildListsPanel(QWidget* c) {
    TabStrip2 = make<QTabBar>(c, "TabStrip2", 60, 5040, 3735, 4815);
    TabStrip2->addTab(QStringLiteral("Your Forums"));
    TabStrip2->addTab(QStringLiteral("Your Posts"));
    TabStrip2->setExpanding(false);
    TabStrip2->setDrawBase(true);

    // The two views lie in front of the tab strip, in the area below its tabs.
    Frame4 = make<QFrame>(c, "Frame4", 180, 5460, 3615, 4335);
    Frame3 = make<QFrame>(c, "Frame3", 180, 5400, 3615, 4335);
    Frame3->hide();

    cmdAdd2 = makeButton(Frame4, "cmdAdd2", QStringLiteral("Add Current URL"),
                         QStringLiteral("Watch the current URL"), 60, 240, 1695, 375);
    cmdDel2 = makeButton(Frame4, "cmdDel2", QStringLiteral("Remove URL"), {}, 1860, 240, 1695, 375);
    SkinLabel4 = makeLabel(Frame4, "SkinLabel4", QStringLiteral("Username:"), 60, 720, 975, 195);
    txtUsername = make<QLineEdit>(Frame4, "txtUsername", 1080, 660, 1755, 315);
    txtUsername->setEnabled(false);
    cmdPaste[1] = makeButton(Frame4, "cmdPaste1", QStringLiteral("Paste"),
                             QStringLiteral("Click within the Username field on the form you "
                                            "want to paste into, then click here."),
                             2880, 660, 675, 315);
    SkinLabel5 = makeLabel(Frame4, "SkinLabel5", QStringLiteral("Password:"), 60, 1080, 975, 255);
    txtPassword = make<QLineEdit>(Frame4, "txtPassword", 1080, 1020, 1755, 285);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setEnabled(false);
    cmdPaste[2] = makeButton(Frame4, "cmdPaste2", QStringLiteral("Paste"),
                             QStringLiteral("Click within the Password field on the form you "
                                            "want to paste into, then click here."),
                             2880, 1020, 675, 315);
    lstPosts2 = make<QListWidget>(Frame4, "lstPosts2", 60, 1380, 3435, 1425);

    cmdAdd = makePictureButton(Frame3, "cmdAdd", QStringLiteral("Watch This Post"),
                               QStringLiteral("Watch the current URL"),
                               QStyle::SP_FileDialogNewFolder, 60, 240, 1695, 495, false);
    cmdDel = makePictureButton(Frame3, "cmdDel", QStringLiteral("Remove Watch"), {},
                               QStyle::SP_TrashIcon, 1800, 240, 1695, 495, false);
    TabStrip1 = make<QTabBar>(Frame3, "TabStrip1", 60, 780, 3495, 315);
    TabStrip1->addTab(QStringLiteral("Show All"));
    TabStrip1->setTabData(0, QStringLiteral("all"));
    TabStrip1->addTab(QStringLiteral("New Replies "));
    TabStrip1->setTabData(1, QStringLiteral("replies"));
    TabStrip1->setExpanding(false);
    cmdReplies = makeButton(Frame3, "cmdReplies", QStringLiteral("Check for new replies"), {}, 60,
                            1140, 3435, 315);
    cmdReplies->hide();
    lstPosts = make<QListWidget>(Frame3, "lstPosts", 60, 1500, 3435, 1620);
    lstNew = make<QListWidget>(Frame3, "lstNew", 60, 1500, 3435, 1230);
    lstNew->hide();
}

void MainWindow::buildBrowserPane(QWidget* c) {
    Frame2 = makeFrame(c, "Frame2", QStringLiteral("Browser"), 3840, 900, 6375, 7395);
    Label5 = makeLabel(Frame2, "Label5", QStringLiteral("URL:"), 120, 300, 1215, 315);
    Text5 = make<QLineEdit>(Frame2, "Text5", 540, 240, 4875, 315);
    Command3 = makePictureButton(Frame2, "Command3", QStringLiteral("Go"),
                                 QStringLiteral("browse the entered url"), QStyle::SP_ArrowRight,
                                 5460, 240, 795, 375, false);
    Command4 = makePictureButton(Frame2, "Command4", QStringLiteral("Back"), QStringLiteral("back"),
                                 QStyle::SP_ArrowBack, 540, 600, 855, 435, false);
    Command5 =
        makePictureButton(Frame2, "Command5", QStringLiteral("Forward"), QStringLiteral("forward"),
                          QStyle::SP_ArrowForward, 1440, 600, 855, 435, false);
    Command6 = makePictureButton(Frame2, "Command6", QStringLiteral("Stop"), QStringLiteral("stop"),
                                 QStyle::SP_BrowserStop, 2340, 600, 795, 435, false);
    Command7 =
        makePictureButton(Frame2, "Command7", QStringLiteral("Refresh"), QStringLiteral("refresh"),
                          QStyle::SP_BrowserReload, 3180, 600, 855, 435, false);
    Check1 = make<QCheckBox>(Frame2, "Check1", 4140, 780, 1635, 255);
    Check1->setText(QStringLiteral("No Popups"));
    WebBrowser1 = make<QWebEngineView>(Frame2, "WebBrowser1", 120, 1140, 6135, 5595);
    WebBrowser1->setPage(new QWebEnginePage(sharedWebProfile(), WebBrowser1));
}

} // namespace quillbox

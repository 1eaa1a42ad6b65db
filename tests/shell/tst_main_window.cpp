#include "shell/ui/main_window.h"
#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/main_window_fixture.h"
#include "support/program_probe.h"
#include "watch/thread_model.h"
#include "widgets/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

class TestMainWindow : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlsHaveCaptionsTooltipsAndPositions_data();
    void controlsHaveCaptionsTooltipsAndPositions();
    void startsInTheDesignState();
    void tabStripsSwitchViews();
    void menusHoldEveryItem_data();
    void menusHoldEveryItem();
    void previewAndCopyConvertTheMessage();
    void emptyMessagePreviewsAsTwoLineBreaks();
    void closingSavesAndTheNextStartRestores();
    void exitSavesAndEndsTheProgram();
    void newMessageEmptiesEditorAndStoresSubject();
    void windowKeepsItsMinimumSize();
    void menusShowTheirKeys_data();
    void menusShowTheirKeys();
    void keysWorkWhereverTheFocusIs_data();
    void keysWorkWhereverTheFocusIs();
    void keysDoWhatTheySay();
    void keysWorkInAFieldOfThePage();
    void warningSignStaysInItsRow();
    void cutPanelTextShowsWholeAsTooltip();
    void grownWindowGivesRoomToEditorListsAndBrowser();
    void columnBorderIsDraggedAndKept();

private:
    // Gives the focus to a control of the window by name; the page's view passes it on to
    // the widget that shows the page.
    QWidget* focusOn(const QString& name);
    QString setting(const QString& key) const {
        return MainWindowFixture::setting(dataSection(), key);
    }
};

void TestMainWindow::init() {
    MainWindowFixture::init();
    open();
}

void TestMainWindow::cleanup() {
    MainWindowFixture::cleanup();
}

void TestMainWindow::controlsHaveCaptionsTooltipsAndPositions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("cmdMessage")
        << "cmdMessage"
        << "Auto-Insert"
        << "Once you are on the page where you can post your message, click here to insert it."
        << QRect(60, 60, 1600, 800);
    QTest::newRow("Label2") << "Label2"
                            << "as"
                            << "" << QRect(1740, 540, 255, 255);
    QTest::newRow("cmbConvert")
        << "cmbConvert"
        << ""
        << "Select the format you would like to use when your message is inserted."
        << QRect(2100, 480, 1635, 315);
    QTest::newRow("cmdPreview") << "cmdPreview"
                                << "Preview"
                                << "See a preview of your message in the currently selected "
                                   "format"
                                << QRect(3840, 60, 800, 800);
    QTest::newRow("cmdCopy") << "cmdCopy"
                             << "Copy"
                             << "Copy your message to the clipboard in the selected format"
                             << QRect(4680, 60, 800, 800);
    QTest::newRow("cmdSave") << "cmdSave"
                             << "Save"
                             << "Save the current message" << QRect(5520, 60, 800, 800);
    QTest::newRow("cmdLoad") << "cmdLoad"
                             << "Load"
                             << "Load a saved message" << QRect(6360, 60, 800, 800);
    QTest::newRow("cmdOptions") << "cmdOptions"
                                << "Options"
                                << "Options" << QRect(7200, 60, 800, 800);
    QTest::newRow("txtSubject") << "txtSubject"
                                << ""
                                << "" << QRect(900, 300, 1995, 285);
    QTest::newRow("cmdPaste0")
        << "cmdPaste0"
        << "Paste"
        << "Click within the Subject field on the form you want to paste into, then click here."
        << QRect(2940, 300, 675, 315);
    QTest::newRow("cmdPaste3") << "cmdPaste3"
                               << "Paste Message"
                               << "Click within the message area on the form you want to paste "
                                  "into, then click here."
                               << QRect(120, 2640, 3495, 375);
    QTest::newRow("txtMessage") << "txtMessage"
                                << ""
                                << "" << QRect(120, 900, 3495, 1695);
    QTest::newRow("cmdAdd2") << "cmdAdd2"
                             << "Add Current URL"
                             << "Watch the current URL" << QRect(60, 240, 1695, 375);
    QTest::newRow("cmdDel2") << "cmdDel2"
                             << "Remove URL"
                             << "" << QRect(1860, 240, 1695, 375);
    QTest::newRow("txtUsername") << "txtUsername"
                                 << ""
                                 << "" << QRect(1080, 660, 1755, 315);
    QTest::newRow("cmdPaste1")
        << "cmdPaste1"
        << "Paste"
        << "Click within the Username field on the form you want to paste into, then click "
           "here."
        << QRect(2880, 660, 675, 315);
    QTest::newRow("cmdPaste2")
        << "cmdPaste2"
        << "Paste"
        << "Click within the Password field on the form you want to paste into, then click "
           "here."
        << QRect(2880, 1020, 675, 315);
    QTest::newRow("cmdAdd") << "cmdAdd"
                            << "Watch This Post"
                            << "Watch the current URL" << QRect(60, 240, 1695, 495);
    QTest::newRow("cmdDel") << "cmdDel"
                            << "Remove Watch"
                            << "" << QRect(1800, 240, 1695, 495);
    QTest::newRow("cmdReplies") << "cmdReplies"
                                << "Check for new replies"
                                << "" << QRect(60, 1140, 3435, 315);
    QTest::newRow("Command4") << "Command4"
                              << "Back"
                              << "back" << QRect(540, 600, 855, 435);
    QTest::newRow("Command5") << "Command5"
                              << "Forward"
                              << "forward" << QRect(1440, 600, 855, 435);
    QTest::newRow("Command6") << "Command6"
                              << "Stop"
                              << "stop" << QRect(2340, 600, 795, 435);
    QTest::newRow("Command7") << "Command7"
                              << "Refresh"
                              << "refresh" << QRect(3180, 600, 855, 435);
    QTest::newRow("Check1") << "Check1"
                            << "No Popups"
                            << "" << QRect(4140, 780, 1635, 255);
}

void TestMainWindow::controlsHaveCaptionsTooltipsAndPositions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(QRect, twips);
    auto* w = window->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        QCOMPARE(b->text(), caption);
    else if (auto* l = qobject_cast<QLabel*>(w))
        QCOMPARE(l->text(), caption);
    QCOMPARE(w->toolTip(), tooltip);
    const QRect px(toPixels(w, twips.x()), toPixels(w, twips.y()), toPixels(w, twips.width()),
                   toPixels(w, twips.height()));
    QCOMPARE(w->geometry(), px);
}

void TestMainWindow::startsInTheDesignState() {
    const Branding b = loadBranding();
    QCOMPARE(window->windowTitle(), u"Quillbox by "_s + b.companyName);
    // The start page shipped with the program is no website: without one, no Visit button.
    QCOMPARE(control<QToolButton>(window.get(), "Command1")->isVisible(), b.websiteConfigured);
    if (b.websiteConfigured)
        QCOMPARE(control<QToolButton>(window.get(), "Command1")->text(),
                 u"Visit "_s + b.websiteAddress);
    QCOMPARE(window->statusPanelCount(), 3);
    QVERIFY(control<QFrame>(window.get(), "Frame4")->isVisible());
    QVERIFY(!control<QFrame>(window.get(), "Frame3")->isVisible());
    QCOMPARE(control<QTabBar>(window.get(), "TabStrip2")->currentIndex(), 0);
    QCOMPARE(control<QTabBar>(window.get(), "TabStrip1")->currentIndex(), 0);
    QVERIFY(control<QListView>(window.get(), "lstPosts")
                ->isVisibleTo(control<QFrame>(window.get(), "Frame3")));
    QVERIFY(!control<QListView>(window.get(), "lstNew")
                 ->isVisibleTo(control<QFrame>(window.get(), "Frame3")));
    QVERIFY(!control<QPushButton>(window.get(), "cmdReplies")
                 ->isVisibleTo(control<QFrame>(window.get(), "Frame3")));
    QVERIFY(!control<QLineEdit>(window.get(), "txtUsername")->isEnabled());
    QVERIFY(!control<QLineEdit>(window.get(), "txtPassword")->isEnabled());
    QCOMPARE(control<QLineEdit>(window.get(), "txtPassword")->echoMode(), QLineEdit::Password);
    QCOMPARE(control<QLineEdit>(window.get(), "txtSubject")->text(), u"Type Subject Here"_s);
    QCOMPARE(window->messageText(), designTimeMessage());
    QStringList rows;
    for (int i = 0; i < control<QComboBox>(window.get(), "cmbConvert")->count(); ++i)
        rows << control<QComboBox>(window.get(), "cmbConvert")->itemText(i);
    QCOMPARE(rows, QStringList({u"text"_s, u"html"_s, u"ubb"_s, u"ezboard"_s}));
    QCOMPARE(control<QComboBox>(window.get(), "cmbConvert")->currentIndex(), 0);
    QCOMPARE(control<QTabBar>(window.get(), "TabStrip1")->tabText(1), u"New Replies"_s);
    QCOMPARE(control<QTabBar>(window.get(), "TabStrip1")->tabData(1).toString(), u"replies"_s);
    QVERIFY(control<QWebEngineView>(window.get(), "WebBrowser1")->isVisible());
    // The browser pane opens the start page.
    QTRY_COMPARE_WITH_TIMEOUT(control<QWebEngineView>(window.get(), "WebBrowser1")->title(),
                              u"Quillbox"_s, 30000);
}

void TestMainWindow::tabStripsSwitchViews() {
    QTest::mouseClick(control<QTabBar>(window.get(), "TabStrip2"), Qt::LeftButton, {},
                      control<QTabBar>(window.get(), "TabStrip2")->tabRect(1).center());
    QVERIFY(control<QFrame>(window.get(), "Frame3")->isVisible());
    QVERIFY(!control<QFrame>(window.get(), "Frame4")->isVisible());

    QTest::mouseClick(control<QTabBar>(window.get(), "TabStrip1"), Qt::LeftButton, {},
                      control<QTabBar>(window.get(), "TabStrip1")->tabRect(1).center());
    QVERIFY(control<QPushButton>(window.get(), "cmdReplies")->isVisible());
    QVERIFY(control<QListView>(window.get(), "lstNew")->isVisible());
    QVERIFY(!control<QListView>(window.get(), "lstPosts")->isVisible());
    QVERIFY(!control<QToolButton>(window.get(), "cmdAdd")->isVisible());
    QVERIFY(!control<QToolButton>(window.get(), "cmdDel")->isVisible());

    // "&All posts" switches back without touching the other tab strip.
    control<QAction>(window.get(), "viewMenuItem1")->trigger();
    QVERIFY(control<QListView>(window.get(), "lstPosts")->isVisible());
    QVERIFY(control<QToolButton>(window.get(), "cmdAdd")->isVisible());
    QVERIFY(!control<QPushButton>(window.get(), "cmdReplies")->isVisible());

    QTest::mouseClick(control<QTabBar>(window.get(), "TabStrip2"), Qt::LeftButton, {},
                      control<QTabBar>(window.get(), "TabStrip2")->tabRect(0).center());
    QVERIFY(control<QFrame>(window.get(), "Frame4")->isVisible());
    control<QAction>(window.get(), "viewMenuItem2")
        ->trigger(); // "&Replies" while the forums are shown
    QVERIFY(control<QFrame>(window.get(), "Frame4")->isVisible());
    QCOMPARE(control<QTabBar>(window.get(), "TabStrip1")->currentIndex(), 1);
    QVERIFY(control<QListView>(window.get(), "lstNew")
                ->isVisibleTo(control<QFrame>(window.get(), "Frame3")));

    // "&Check Replies" shows where its results go: the posts view, on "New Replies".
    control<QAction>(window.get(), "viewMenuItem1")->trigger();
    control<QAction>(window.get(), "toolsMenuItem2")->trigger();
    QVERIFY(control<QFrame>(window.get(), "Frame3")->isVisible());
    QVERIFY(control<QListView>(window.get(), "lstNew")->isVisible());
}

void TestMainWindow::menusHoldEveryItem_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("file") << "fileMenu"
                          << "&File"
                          << QStringList{u"&New Message"_s, u"&Save Message"_s, u"&Load Message"_s,
                                         u"E&xit"_s};
    QTest::newRow("tools") << "toolsMenu"
                           << "&Tools"
                           << QStringList{u"&Preview"_s,
                                          u"Auto &Insert"_s,
                                          u"&Check Replies"_s,
                                          u"&Options"_s,
                                          u"Paste Message"_s,
                                          u"Paste Subject"_s,
                                          u"Paste Username"_s,
                                          u"Paste Password"_s,
                                          u"&Mark as Read"_s,
                                          u"Mark &All as Read"_s,
                                          u"Reply Check Se&ttings..."_s,
                                          u"Post to &Selected Forums"_s,
                                          u"Use Current Page as &Posting Page"_s,
                                          u"Link &Whole Addresses"_s,
                                          u"Keep forum passwords in the desktop &keyring"_s};
    QTest::newRow("view") << "viewMenu"
                          << "&View"
                          << QStringList{u"&Saved Messages"_s, u"&All posts"_s,
                                         u"&Replies"_s,        u"&Templates"_s,
                                         u"Post &History"_s,   u"Use the system's colours"_s};
    QTest::newRow("help") << "aboutMenu"
                          << "&Help" << QStringList{u"View &Help"_s};
    QTest::newRow("about") << "mnuAbout"
                           << "About" << QStringList{u"About this software"_s};
}

void TestMainWindow::menusHoldEveryItem() {
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    auto* m = window->findChild<QMenu*>(menu);
    QVERIFY(m);
    QCOMPARE(m->title(), title);
    QStringList captions;
    for (QAction* a : m->actions())
        captions << a->text();
    QCOMPARE(captions, items);
}

void TestMainWindow::previewAndCopyConvertTheMessage() {
    // The classic link rules, which a settings file of an earlier version keeps.
    QVERIFY(probe(*program).settings().set(keys::linkWholeAddresses, false));
    control<QPlainTextEdit>(window.get(), "txtMessage")
        ->setPlainText(u"see http://x/y now\nmail a@b"_s);
    control<QComboBox>(window.get(), "cmbConvert")
        ->setCurrentIndex(control<QComboBox>(window.get(), "cmbConvert")->findText(u"ubb"_s));
    QTest::mouseClick(control<QToolButton>(window.get(), "cmdPreview"), Qt::LeftButton);
    QCOMPARE(messages.entries.size(), 1);
    QCOMPARE(messages.entries[0].title, u"message preview"_s);
    const QString expected =
        u"see [url=http://x/y ]http://x/y [/url]now\r\nmail [url=mailto:a@b]a@b[/url]\n\r\n"_s;
    QCOMPARE(messages.entries[0].text, expected);
    QTest::mouseClick(control<QToolButton>(window.get(), "cmdCopy"), Qt::LeftButton);
    QCOMPARE(clipboard.texts, QStringList{expected});
    control<QAction>(window.get(), "toolsMenuItem0")->trigger();
    QCOMPARE(messages.entries.size(), 2);
    QCOMPARE(messages.entries[1].text, expected);
}

void TestMainWindow::emptyMessagePreviewsAsTwoLineBreaks() {
    control<QPlainTextEdit>(window.get(), "txtMessage")->clear();
    QTest::mouseClick(control<QToolButton>(window.get(), "cmdPreview"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(window.get(), "cmdCopy"), Qt::LeftButton);
    QCOMPARE(messages.entries.at(0).text, u"\r\n\r\n"_s);
    QCOMPARE(clipboard.texts, QStringList{u"\r\n\r\n"_s});
}

void TestMainWindow::closingSavesAndTheNextStartRestores() {
    QVERIFY(probe(*program).settings().set(keys::linkWholeAddresses, false)); // the classic rules
    QSignalSpy ended(program.get(), &Program::quitRequested);
    control<QLineEdit>(window.get(), "txtSubject")->setText(u"My subject"_s);
    // Non-breaking spaces are kept: one ends the address, another stands inside the text.
    const QString typed = u"line one\n\nsee http://x/\u00a0and\u00a0more"_s;
    const QString message = u"line one\r\n\r\nsee http://x/\u00a0and\u00a0more"_s;
    control<QPlainTextEdit>(window.get(), "txtMessage")->setPlainText(typed);
    QCOMPARE(window->messageText(), message);
    control<QComboBox>(window.get(), "cmbConvert")->setCurrentIndex(2);
    QTest::mouseClick(control<QToolButton>(window.get(), "cmdCopy"), Qt::LeftButton);
    QVERIFY(clipboard.texts.last().contains(u"[url=http://x/\u00a0and\u00a0more"_s));
    window->resize(toPixels(window.get(), 9000), toPixels(window.get(), 7000));
    const QSize size = window->size();
    QVERIFY(window->close());
    QCOMPARE(ended.size(), 1);
    QCOMPARE(setting(u"lastMessage"_s), message);
    QCOMPARE(setting(u"lastConvert"_s), u"2"_s);
    QCOMPARE(setting(u"lastSubject"_s), u"My subject"_s);
    QCOMPARE(readBytes(folders->path(u"posts.txt"_s)), QByteArray());

    open();
    QCOMPARE(control<QLineEdit>(window.get(), "txtSubject")->text(), u"My subject"_s);
    QCOMPARE(window->messageText(), message);
    QCOMPARE(control<QComboBox>(window.get(), "cmbConvert")->currentIndex(), 2);
    QCOMPARE(window->size(), size);
}

void TestMainWindow::exitSavesAndEndsTheProgram() {
    QSignalSpy ended(program.get(), &Program::quitRequested);
    control<QPlainTextEdit>(window.get(), "txtMessage")->setPlainText(u"kept"_s);
    control<QAction>(window.get(), "fileMenuItem3")->trigger();
    QCOMPARE(ended.size(), 1);
    QVERIFY(!window->isVisible());
    QCOMPARE(setting(u"lastMessage"_s), u"kept"_s);
    QCOMPARE(readBytes(folders->path(u"sizes.txt"_s)), QByteArray());
}

void TestMainWindow::newMessageEmptiesEditorAndStoresSubject() {
    control<QAction>(window.get(), "fileMenuItem0")->trigger();
    QCOMPARE(control<QPlainTextEdit>(window.get(), "txtMessage")->toPlainText(), QString());
    QCOMPARE(control<QLineEdit>(window.get(), "txtSubject")->text(), QString());
    QCOMPARE(setting(u"lastSubject"_s), QString());
}

void TestMainWindow::windowKeepsItsMinimumSize() {
    window->resize(50, 50);
    QApplication::processEvents();
    const QRect frame = window->frameGeometry();
    QVERIFY2(toTwips(window.get(), frame.width()) >= 7000 - 15,
             qPrintable(QString::number(frame.width())));
    QVERIFY(toTwips(window.get(), frame.height()) >= 5000 - 15);
    // The browser pane follows a larger window.
    const int before = control<QWebEngineView>(window.get(), "WebBrowser1")->width();
    window->resize(window->width() + 200, window->height() + 100);
    QApplication::processEvents();
    QCOMPARE(control<QWebEngineView>(window.get(), "WebBrowser1")->width(), before + 200);

    // The status panels stand side by side, the first as wide as the message editor, at the
    // design size and at the smallest.
    for (const QSize size :
         {QSize(toPixels(window.get(), 11145), toPixels(window.get(), 8985)), QSize(50, 50)}) {
        window->resize(size);
        QApplication::processEvents();
        const QRect one = control<QLabel>(window.get(), "StatusPanel1")->geometry();
        const QRect two = control<QLabel>(window.get(), "StatusPanel2")->geometry();
        const QRect three = control<QLabel>(window.get(), "StatusPanel3")->geometry();
        QCOMPARE(one.width(), toPixels(window.get(), 3735));
        QVERIFY2(one.right() < two.left() && two.right() < three.left(),
                 qPrintable(u"%1 %2 %3"_s.arg(one.right()).arg(two.left()).arg(three.left())));
    }
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestMainWindow t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_main_window.moc"

QWidget* TestMainWindow::focusOn(const QString& name) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    auto* target = window->findChild<QWidget*>(name);
    if (!target)
        return nullptr;
    if (auto* view = qobject_cast<QWebEngineView*>(target)) {
        // The widget that shows the page exists once the page has started to load.
        if (!QTest::qWaitFor([view] { return view->focusProxy() != nullptr; }))
            return nullptr;
    }
    target->setFocus(Qt::OtherFocusReason);
    if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }))
        return nullptr;
    QWidget* focused = QApplication::focusWidget();
    return focused == target || target->isAncestorOf(focused) || target->focusProxy() == focused
               ? focused
               : nullptr;
}

void TestMainWindow::menusShowTheirKeys_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("keys");
    QTest::newRow("new") << "fileMenuItem0"
                         << "Ctrl+N";
    QTest::newRow("save") << "fileMenuItem1"
                          << "Ctrl+S";
    QTest::newRow("load") << "fileMenuItem2"
                          << "Ctrl+O";
    QTest::newRow("exit") << "fileMenuItem3"
                          << "Ctrl+Q";
    QTest::newRow("preview") << "toolsMenuItem0"
                             << "Ctrl+P";
    QTest::newRow("auto-insert") << "toolsMenuItem1"
                                 << "Ctrl+I";
    QTest::newRow("check") << "toolsMenuItem2"
                           << "Ctrl+R";
    QTest::newRow("help") << "aboutMenuItem0"
                          << "F1";
    QTest::newRow("copy") << "copyMessageAction"
                          << "Ctrl+Shift+C";
    QTest::newRow("address") << "addressBoxAction"
                             << "Ctrl+L; F6";
    QTest::newRow("refresh") << "refreshAction"
                             << "F5";
    QTest::newRow("back") << "backAction"
                          << "Alt+Left";
    QTest::newRow("forward") << "forwardAction"
                             << "Alt+Right";
    QTest::newRow("stop") << "stopAction"
                          << "Esc";
}

void TestMainWindow::menusShowTheirKeys() {
    QFETCH(QString, action);
    QFETCH(QString, keys);
    const auto* a = control<QAction>(window.get(), action.toLatin1().constData());
    // The first key is the one a menu shows beside its item.
    QCOMPARE(a->shortcut().toString(), keys.section(u"; "_s, 0, 0));
    QStringList all;
    for (const QKeySequence& k : a->shortcuts())
        all << k.toString();
    QVERIFY2(all.join(u"; "_s).startsWith(keys), qPrintable(all.join(u"; "_s)));
}

void TestMainWindow::keysWorkWhereverTheFocusIs_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    struct Key {
        const char* action;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Key keys[] = {
        {"fileMenuItem0", Qt::Key_N, Qt::ControlModifier},
        {"fileMenuItem1", Qt::Key_S, Qt::ControlModifier},
        {"fileMenuItem2", Qt::Key_O, Qt::ControlModifier},
        {"fileMenuItem3", Qt::Key_Q, Qt::ControlModifier},
        {"toolsMenuItem0", Qt::Key_P, Qt::ControlModifier},
        {"toolsMenuItem1", Qt::Key_I, Qt::ControlModifier},
        {"toolsMenuItem2", Qt::Key_R, Qt::ControlModifier},
        {"aboutMenuItem0", Qt::Key_F1, Qt::NoModifier},
        {"copyMessageAction", Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier},
        {"addressBoxAction", Qt::Key_L, Qt::ControlModifier},
        {"addressBoxAction", Qt::Key_F6, Qt::NoModifier},
        {"refreshAction", Qt::Key_F5, Qt::NoModifier},
        {"backAction", Qt::Key_Left, Qt::AltModifier},
        {"forwardAction", Qt::Key_Right, Qt::AltModifier},
        {"stopAction", Qt::Key_Escape, Qt::NoModifier},
    };
    // The message editor and the page take typed text and editing keys of their own.
    for (const char* focus : {"txtMessage", "WebBrowser1", "txtSubject", "lstPosts"}) {
        for (const Key& k : keys) {
            QTest::addRow("%s %s %s", focus, k.action,
                          qPrintable(QKeySequence(k.key | k.modifiers).toString()))
                << QString::fromLatin1(focus) << QString::fromLatin1(k.action) << int(k.key)
                << int(k.modifiers);
        }
    }
}

void TestMainWindow::keysWorkWhereverTheFocusIs() {
    QFETCH(QString, focus);
    QFETCH(QString, action);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto* a = control<QAction>(window.get(), action.toLatin1().constData());
    // Only the routing of the key is looked at here: what the actions do has tests of its own.
    QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
    QSignalSpy triggered(a, &QAction::triggered);
    QWidget* focused = focusOn(focus);
    QVERIFY2(focused, qPrintable(focus));
    QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_COMPARE(triggered.size(), 1);
}

void TestMainWindow::keysDoWhatTheySay() {
    auto* message = control<QPlainTextEdit>(window.get(), "txtMessage");
    message->setPlainText(u"hello"_s);
    QWidget* view = focusOn(u"WebBrowser1"_s);
    QVERIFY(view);
    // Ctrl+L goes to the address box, with its text selected to type over.
    QTest::keyClick(view, Qt::Key_L, Qt::ControlModifier);
    auto* address = control<QLineEdit>(window.get(), "Text5");
    QTRY_VERIFY(address->hasFocus());
    QCOMPARE(address->selectedText(), address->text());
    // Ctrl+Shift+C copies the converted message, and types nothing into the box.
    const QString before = address->text();
    QTest::keyClick(address, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboard.texts, QStringList{window->convertedMessage()});
    QCOMPARE(address->text(), before);
    // Ctrl+P previews from the message editor, which keeps its text.
    QVERIFY(focusOn(u"txtMessage"_s));
    QTest::keyClick(message, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(messages.entries.size(), 1);
    QCOMPARE(message->toPlainText(), u"hello"_s);
    // Ctrl+Q ends the program as Exit does, saving the message.
    QSignalSpy ended(program.get(), &Program::quitRequested);
    QTest::keyClick(message, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(setting(u"lastMessage"_s), u"hello"_s);
}

// The lists measure their first row for all: a failed thread's warning sign, taller than a
// line of text, used to reach into the rows above and below it.
void TestMainWindow::warningSignStaysInItsRow() {
    ThreadModel& threads = probe(*program).lists().threadModel();
    for (const char* url : {"http://a.test/1", "http://a.test/2", "http://a.test/3"})
        threads.append(QString::fromLatin1(url));
    PostCheck failed;
    failed.outcome = CheckOutcome::Failed;
    failed.reason = u"refused"_s;
    threads.setLastCheck(threads.id(1), failed);
    control<QTabBar>(window.get(), "TabStrip2")->setCurrentIndex(1);
    auto* list = control<QListView>(window.get(), "lstPosts");
    QVERIFY(!list->model()->index(1, 0).data(Qt::DecorationRole).isNull());
    // A larger face, as a desktop may set, changes nothing.
    for (const qreal points : {8.25, 16.0}) {
        QFont f = list->font();
        f.setPointSizeF(points);
        list->setFont(f);
        window->resize(window->size() + QSize(1, 1));
        QApplication::processEvents();
        const QRect above = list->visualRect(list->model()->index(0, 0));
        const QRect sign = list->visualRect(list->model()->index(1, 0));
        QVERIFY2(list->iconSize().height() <= sign.height(),
                 qPrintable(u"%1 > %2"_s.arg(list->iconSize().height()).arg(sign.height())));
        QCOMPARE(sign.top(), above.bottom() + 1);
    }
}

// At the designed size a word fits the middle panel and an address of 400 letters does not.
void TestMainWindow::cutPanelTextShowsWholeAsTooltip() {
    auto* panel = control<QLabel>(window.get(), "StatusPanel2");
    const QString whole = u"http://forum.test/"_s + QString(u'x').repeated(400);
    const QString brief = u"Done"_s;
    for (const QString& text : {brief, whole}) {
        window->setPanelText(2, text);
        QCOMPARE(window->panelText(2), text);
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), panel->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(panel, &hover);
        if (text == whole)
            QTRY_COMPARE(QToolTip::text(), whole);
        else
            QVERIFY2(!QToolTip::isVisible(), qPrintable(QToolTip::text()));
    }
}

void TestMainWindow::grownWindowGivesRoomToEditorListsAndBrowser() {
    auto geometryOf = [this](const char* name) {
        const auto* w = control<QWidget>(window.get(), name);
        return QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size());
    };
    const char* names[] = {"Frame1",    "txtMessage", "cmdPaste3",
                           "lstPosts2", "Frame2",     "WebBrowser1"};
    QHash<QString, QRect> design;
    for (const char* name : names)
        design.insert(QString::fromLatin1(name), geometryOf(name));
    window->resize(1400, 1000);
    QApplication::processEvents();
    const QRect editor = geometryOf("Frame1");
    const QRect message = geometryOf("txtMessage");
    const QRect forums = geometryOf("lstPosts2");
    const QRect browser = geometryOf("Frame2");
    const QRect view = geometryOf("WebBrowser1");
    // The message gets some of the height, the lists the rest; nothing overlaps.
    QVERIFY(message.height() > design[u"txtMessage"_s].height() + 50);
    QCOMPARE(editor.height() - design[u"Frame1"_s].height(),
             message.height() - design[u"txtMessage"_s].height());
    QVERIFY(geometryOf("cmdPaste3").top() > message.bottom());
    QVERIFY(geometryOf("cmdPaste3").bottom() <= editor.bottom());
    QVERIFY(forums.top() > editor.bottom());
    QVERIFY(forums.height() > design[u"lstPosts2"_s].height() + 50);
    // The browser keeps its left edge and takes the rest of the width and height.
    QCOMPARE(browser.left(), design[u"Frame2"_s].left());
    QVERIFY(view.width() > design[u"WebBrowser1"_s].width() + 300);
    QVERIFY(browser.right() < window->width());
    // Back at the designed size every control is where it was.
    window->resize(toPixels(window.get(), 11145),
                   toPixels(window.get(), 8985) + window->menuWidget()->sizeHint().height());
    QApplication::processEvents();
    for (const char* name : names)
        QCOMPARE(geometryOf(name), design[QString::fromLatin1(name)]);
}

void TestMainWindow::columnBorderIsDraggedAndKept() {
    window->resize(1400, 1000);
    QApplication::processEvents();
    auto* border = control<QWidget>(window.get(), "ColumnBorder");
    auto* editor = control<QGroupBox>(window.get(), "Frame1");
    auto* browser = control<QGroupBox>(window.get(), "Frame2");
    const int editorWidth = editor->width();
    const int browserLeft = browser->x();
    const int browserRight = browser->geometry().right();
    QCOMPARE(border->x(), editor->geometry().right() + 1);
    QTest::mousePress(border, Qt::LeftButton, {}, QPoint(2, 100));
    QTest::mouseMove(border, QPoint(122, 100));
    QTest::mouseRelease(border, Qt::LeftButton, {}, QPoint(122, 100));
    QApplication::processEvents();
    QVERIFY2(std::abs(editor->width() - (editorWidth + 120)) <= 1,
             qPrintable(QString::number(editor->width())));
    QVERIFY(std::abs(browser->x() - (browserLeft + 120)) <= 1);
    QCOMPARE(browser->geometry().right(), browserRight);
    QVERIFY(control<QWidget>(window.get(), "lstPosts2")->width() > editorWidth);
    // A drag far past the window leaves the browser its minimum width.
    QTest::mousePress(border, Qt::LeftButton, {}, QPoint(2, 100));
    QTest::mouseMove(border, QPoint(5000, 100));
    QTest::mouseRelease(border, Qt::LeftButton, {}, QPoint(5000, 100));
    QApplication::processEvents();
    QVERIFY(toTwips(window.get(), browser->width()) >= 3000 - 15);
    QVERIFY(browser->geometry().right() < window->width());
    const int kept = editor->width();

    // The next start puts the border back where it was left.
    QVERIFY(window->close());
    QVERIFY(QByteArray::fromBase64(
                MainWindowFixture::setting(u"Window"_s, u"mainSplitter"_s).toLatin1())
                .toFloat() > 0);
    open();
    window->resize(1400, 1000);
    QApplication::processEvents();
    QVERIFY(std::abs(control<QGroupBox>(window.get(), "Frame1")->width() - kept) <= 1);
}

// A page's text field takes typed keys and its own editing keys; the window's keys still reach
// the window, and type nothing into the field.
void TestMainWindow::keysWorkInAFieldOfThePage() {
    QWebEnginePage* page = webPage->webPage();
    QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
    page->setHtml(u"<html><body><textarea id=field></textarea></body></html>"_s);
    QTRY_VERIFY(!loaded.isEmpty());
    auto run = [page](const QString& script) {
        auto answer = std::make_shared<std::optional<QVariant>>();
        page->runJavaScript(script, [answer](const QVariant& v) { *answer = v; });
        return QTest::qWaitFor([answer] { return answer->has_value(); }) ? **answer : QVariant();
    };
    QWidget* view = focusOn(u"WebBrowser1"_s);
    QVERIFY(view);
    QTRY_COMPARE(run(u"document.getElementById('field').focus();"
                     "document.activeElement.id"_s)
                     .toString(),
                 u"field"_s);
    // Typed keys do reach the field.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X);
    QTRY_COMPARE(run(u"document.getElementById('field').value"_s).toString(), u"x"_s);
    const QList<std::pair<const char*, QKeyCombination>> keys{
        {"fileMenuItem0", Qt::CTRL | Qt::Key_N},
        {"fileMenuItem1", Qt::CTRL | Qt::Key_S},
        {"toolsMenuItem0", Qt::CTRL | Qt::Key_P},
        {"toolsMenuItem1", Qt::CTRL | Qt::Key_I},
        {"toolsMenuItem2", Qt::CTRL | Qt::Key_R},
        {"copyMessageAction", Qt::CTRL | Qt::SHIFT | Qt::Key_C},
        {"addressBoxAction", Qt::CTRL | Qt::Key_L},
        {"backAction", Qt::ALT | Qt::Key_Left},
        {"stopAction", QKeyCombination(Qt::Key_Escape)},
        {"aboutMenuItem0", QKeyCombination(Qt::Key_F1)},
    };
    for (const auto& [name, key] : keys) {
        auto* a = control<QAction>(window.get(), name);
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
        QSignalSpy triggered(a, &QAction::triggered);
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QVERIFY2(QTest::qWaitFor([&triggered] { return !triggered.isEmpty(); }), name);
    }
    QCOMPARE(run(u"document.getElementById('field').value"_s).toString(), u"x"_s);
}

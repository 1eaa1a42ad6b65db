#include "shell/branding.h"
#include "shell/ui/accessible_names.h"
#include "support/main_window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

// The control a screen reader and the tab order speak of: the page's view rather than the widget
// inside it that takes its focus.
QWidget* namedControl(QWidget* w) {
    for (QWidget* up = w; up; up = up->parentWidget()) {
        if (qobject_cast<QWebEngineView*>(up))
            return up;
    }
    return w;
}

QString accessibleText(QWidget* w, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(which) : QString();
}

} // namespace

class TestMainWindowAccess : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyFocusableControlIsNamed();
    void tabGoesTheWayOfAMessage_data();
    void tabGoesTheWayOfAMessage();

private:
    QWidget* pressTab();
};

void TestMainWindowAccess::init() {
    MainWindowFixture::init();
    open();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestMainWindowAccess::cleanup() {
    MainWindowFixture::cleanup();
}

// Every control that Tab or a click can reach, in either view of the lists, is named, and no two
// share a name (the three Paste buttons once did); those that show a picture describe themselves.
void TestMainWindowAccess::everyFocusableControlIsNamed() {
    // A control renamed or left out of the table would lose its name and its place.
    for (const QString& name : mainTabOrder())
        QVERIFY2(window->findChild<QWidget*>(name), qPrintable(name));
    QSet<QWidget*> checked;
    QSet<QString> seen;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // A tab strip's scroll arrows are its own and are named by Qt.
        if (!(w->focusPolicy() & Qt::TabFocus) || qobject_cast<QTabBar*>(w->parentWidget()))
            continue;
        w = namedControl(w);
        if (checked.contains(w))
            continue;
        checked.insert(w);
        const QString name = accessibleText(w, QAccessible::Name);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(!seen.contains(name), qPrintable(w->objectName() + u": "_s + name));
        seen.insert(name);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && !button->icon().isNull())
            QVERIFY2(!accessibleText(w, QAccessible::Description).isEmpty(),
                     qPrintable(w->objectName()));
    }
    QCOMPARE(accessibleText(control<QWidget>(window.get(), "cmdPaste0"), QAccessible::Name),
             u"Paste Subject"_s);
    QCOMPARE(accessibleText(control<QWidget>(window.get(), "cmdPaste1"), QAccessible::Name),
             u"Paste Username"_s);
    QCOMPARE(accessibleText(control<QWidget>(window.get(), "cmdPaste2"), QAccessible::Name),
             u"Paste Password"_s);
}

QWidget* TestMainWindowAccess::pressTab() {
    QWidget* from = QApplication::focusWidget();
    QTest::keyClick(from, Qt::Key_Tab);
    if (!QTest::qWaitFor([from] { return QApplication::focusWidget() != from; }))
        return nullptr;
    return QApplication::focusWidget();
}

void TestMainWindowAccess::tabGoesTheWayOfAMessage_data() {
    QTest::addColumn<int>("listsTab");
    QTest::addColumn<QStringList>("way");
    // Write, choose the format, open the page, Auto-Insert, paste, watch, check; then the rest.
    const QStringList start{u"txtSubject"_s, u"txtMessage"_s, u"cmbConvert"_s, u"TabStrip2"_s};
    const QStringList page{u"Text5"_s, u"Command3"_s, u"WebBrowser1"_s};
    const QStringList insert{u"cmdMessage"_s, u"cmdQueue"_s, u"cmdPaste0"_s, u"cmdPaste3"_s};
    QStringList rest{u"cmdPreview"_s, u"cmdCopy"_s,  u"cmdSave"_s,  u"cmdLoad"_s,
                     u"cmdOptions"_s, u"Command1"_s, u"Command4"_s, u"Command5"_s,
                     u"Command6"_s,   u"Command7"_s, u"Check1"_s,   u"txtSubject"_s};
    // The Visit button shows only in a build that names a website.
    if (!quillbox::loadBranding().websiteConfigured)
        rest.removeAll(u"Command1"_s);
    // The boxes of the user name and password take the focus once a forum is chosen.
    QTest::newRow("forums") << 0
                            << start + QStringList{u"lstPosts2"_s, u"cmdAdd2"_s, u"cmdDel2"_s} +
                                   page + insert + QStringList{u"cmdPaste1"_s, u"cmdPaste2"_s} +
                                   rest;
    // The check button shows on the new replies' tab.
    QTest::newRow("posts") << 1
                           << start + page + insert +
                                  QStringList{u"cmdAdd"_s, u"cmdDel"_s, u"TabStrip1"_s,
                                              u"lstPosts"_s} +
                                  rest;
}

// The whole way is walked with the Tab key, as a person would; inside the page Tab goes through
// the page's own fields, so the walk steps over the page to Auto-Insert.
void TestMainWindowAccess::tabGoesTheWayOfAMessage() {
    QFETCH(int, listsTab);
    QFETCH(QStringList, way);
    control<QTabBar>(window.get(), "TabStrip2")->setCurrentIndex(listsTab);
    control<QWidget>(window.get(), "txtSubject")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(QApplication::focusWidget());
    QStringList walked{namedControl(QApplication::focusWidget())->objectName()};
    while (walked.size() < way.size()) {
        QWidget* at = nullptr;
        if (walked.last() == u"WebBrowser1"_s) {
            control<QWidget>(window.get(), "cmdMessage")->setFocus(Qt::TabFocusReason);
            at = QApplication::focusWidget();
        } else {
            at = pressTab();
        }
        QVERIFY(at);
        walked << namedControl(at)->objectName();
        QVERIFY2(walked == way.first(walked.size()), qPrintable(walked.join(u", "_s)));
    }
    // Tab leaves the message rather than typing into it.
    QVERIFY(!control<QPlainTextEdit>(window.get(), "txtMessage")->toPlainText().contains(u'\t'));
}

QTEST_MAIN(TestMainWindowAccess)
#include "tst_main_window_access.moc"

// The new replies beyond the window's own check, through the main window: what a background
// check shows in the lists, the notification that leads to them, marking them as read and the
// reply check's settings.
#include "shell/session.h"
#include "shell/ui/main_window.h"
#include "store/settings_store.h"
#include "support/manual_clock.h"
#include "support/recording_browser_page.h"
#include "support/recording_clipboard.h"
#include "support/recording_messages.h"
#include "support/recording_notifier.h"
#include "support/scripted_http_server.h"
#include "support/test_folders.h"
#include "support/window_parts.h"
#include "watch/background_check.h"
#include "watch/thread_cookie_jar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

class TestMainWindowReplies : public QObject {
    Q_OBJECT
private slots:
    void backgroundResultsShowInTheListsAndCanBeMarkedRead();
    void settingsDialogSetsTheScheduleAndTheCookies();
};

void TestMainWindowReplies::backgroundResultsShowInTheListsAndCanBeMarkedRead() {
    TestFolders folders;
    SettingsStore settings(folders.settingsFolder());
    RecordingMessages messages;
    RecordingClipboard clipboard;
    Session session(folders.dataFolder(), settings, messages);
    QVERIFY(session.settings().setReplyCheckHours(2));
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(3000)));
    server.setScript("/same", ScriptedHttpServer::whole(ScriptedHttpServer::reply(1000)));
    ListsData data;
    data.posts = {{server.url(u"/grown"_s), 1000},
                  {u"http://127.0.0.1:1/refused"_s, 1000},
                  {server.url(u"/same"_s), 1000}};
    QVERIFY(saveLists(folders.dataFolder(), data).isEmpty());

    auto* page = new RecordingBrowserPage;
    WindowParts parts(session, clipboard, messages, page);
    ManualClock clock;
    RecordingNotifier notifier;
    BackgroundCheck background(parts.lists, parts.check, clock);
    background.setNotifier(&notifier);
    MainWindowParts p = parts.parts();
    p.background = &background;
    p.notifier = &notifier;
    MainWindow window(p);
    window.load();
    window.show();
    QCOMPARE(background.schedule().intervalMinutes(), 2 * 60);
    // The first start with checks on is kept, so the next start counts from it too.
    QCOMPARE(session.settings().lastBackgroundCheck(), clock.now());

    QSignalSpy finished(&background, &BackgroundCheck::checkFinished);
    clock.advanceHours(2);
    QVERIFY(background.poll());
    QVERIFY(!control<QPushButton>(&window, "cmdReplies")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
    QVERIFY(control<QPushButton>(&window, "cmdReplies")->isEnabled());
    QVERIFY(messages.entries.isEmpty());

    auto* posts = control<QListWidget>(&window, "lstPosts");
    auto* newReplies = control<QListWidget>(&window, "lstNew");
    QCOMPARE(newReplies->count(), 1);
    QCOMPARE(newReplies->item(0)->text(), server.url(u"/grown"_s));
    QVERIFY2(posts->item(0)->toolTip().contains(u"Result: new replies (3000 bytes)"_s),
             qPrintable(posts->item(0)->toolTip()));
    QVERIFY(posts->item(0)->toolTip().contains(u"Recorded size: 1000 bytes"_s));
    QVERIFY(posts->item(0)->toolTip().contains(u"Last checked: "_s));
    // The failed thread is marked, its address unchanged.
    QCOMPARE(posts->item(1)->text(), u"http://127.0.0.1:1/refused"_s);
    QVERIFY(!posts->item(1)->icon().isNull());
    QVERIFY(posts->item(0)->icon().isNull());
    QVERIFY2(posts->item(1)->toolTip().contains(u"failed - Connection refused"_s),
             qPrintable(posts->item(1)->toolTip()));
    QVERIFY(posts->item(2)->toolTip().contains(u"Result: unchanged"_s));

    // The notification leads to the new replies.
    QCOMPARE(notifier.entries.size(), 1);
    control<QTabBar>(&window, "TabStrip2")->setCurrentIndex(0);
    control<QTabBar>(&window, "TabStrip1")->setCurrentIndex(0);
    notifier.activate();
    QCOMPARE(control<QTabBar>(&window, "TabStrip2")->currentIndex(), 1);
    QCOMPARE(control<QTabBar>(&window, "TabStrip1")->currentIndex(), 1);
    QVERIFY(newReplies->isVisible());

    // Mark as Read with nothing selected does nothing; with the row selected it renews the size.
    newReplies->setCurrentRow(-1);
    control<QAction>(&window, "toolsMenuItem8")->trigger();
    QCOMPARE(newReplies->count(), 1);
    newReplies->setCurrentRow(0);
    control<QAction>(&window, "toolsMenuItem8")->trigger();
    QCOMPARE(newReplies->count(), 0);
    QCOMPARE(parts.lists.posts().at(0).size, 3000);
    QVERIFY(posts->item(0)->toolTip().contains(u"Recorded size: 3000 bytes"_s));

    // Mark All as Read after the next check, in which the refused thread is still marked.
    server.setScript("/same", ScriptedHttpServer::whole(ScriptedHttpServer::reply(1600)));
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(4000)));
    clock.advanceHours(2);
    QVERIFY(background.poll());
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 30000);
    QCOMPARE(newReplies->count(), 2);
    QVERIFY(!posts->item(1)->icon().isNull());
    control<QAction>(&window, "toolsMenuItem9")->trigger();
    QCOMPARE(newReplies->count(), 0);
    QCOMPARE(parts.lists.posts().at(0).size, 4000);
    QCOMPARE(parts.lists.posts().at(2).size, 1600);
    QCOMPARE(parts.lists.posts().at(1).size, 1000);
    // The last check's time is kept for the next start.
    QCOMPARE(session.settings().lastBackgroundCheck(), clock.now());
}

void TestMainWindowReplies::settingsDialogSetsTheScheduleAndTheCookies() {
    TestFolders folders;
    SettingsStore settings(folders.settingsFolder());
    RecordingMessages messages;
    RecordingClipboard clipboard;
    Session session(folders.dataFolder(), settings, messages);
    WindowParts parts(session, clipboard, messages, new RecordingBrowserPage);
    ManualClock clock;
    BackgroundCheck background(parts.lists, parts.check, clock);
    ThreadCookieJar cookies;
    MainWindowParts p = parts.parts();
    p.background = &background;
    p.cookies = &cookies;
    MainWindow window(p);
    window.load();
    QVERIFY(!background.schedule().enabled());
    QVERIFY(!cookies.isEnabled());

    QTimer::singleShot(0, &window, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), u"frmReplyOptions"_s);
        auto* interval = control<QComboBox>(dialog, "cmbInterval");
        QVERIFY(!interval->isEnabled());
        control<QCheckBox>(dialog, "chkSchedule")->setChecked(true);
        interval->setCurrentIndex(interval->findData(6 * 60));
        control<QCheckBox>(dialog, "chkLoggedIn")->setChecked(true);
        dialog->accept();
    });
    control<QAction>(&window, "toolsMenuItem10")->trigger();
    QCOMPARE(background.schedule().intervalMinutes(), 6 * 60);
    QCOMPARE(session.settings().replyCheckHours(), 6);
    QVERIFY(cookies.isEnabled());
    QVERIFY(session.settings().checkAsLoggedIn());
}

QTEST_MAIN(TestMainWindowReplies)
#include "tst_main_window_replies.moc"

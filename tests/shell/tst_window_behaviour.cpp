// What a person meets every day in the window: secondary windows that close with Esc and their
// Close button, New that asks before it throws a message away, Undo of a removal from anywhere
// in the lists pane for as long as nothing else changed, forums known by their names, the count
// of unread threads in the title and the tray, and the choices a new user starts with.
#include "browser/post_log.h"
#include "browser/post_log_model.h"
#include "browser/post_queue.h"
#include "store/app_settings.h"
#include "support/main_window_fixture.h"
#include "support/program_probe.h"
#include "support/recording_browser_page.h"
#include "support/recording_notifier.h"
#include "watch/forum_model.h"
#include "watch/list_state.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name))
            return w;
    }
    return nullptr;
}

// Keys reach a window's shortcuts only while it is the active window.
bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Presses Esc in a window. One that stays on top (the help) is never the active window on the
// offscreen platform, so its Esc key's shortcut is looked up and pressed as the key would.
void pressEscape(QWidget* window, QWidget* focus) {
    if (!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) && activate(window)) {
        QTest::keyClick(focus, Qt::Key_Escape);
        return;
    }
    for (QShortcut* shortcut : window->findChildren<QShortcut*>()) {
        if (shortcut->key() == QKeySequence(Qt::Key_Escape) && shortcut->parent() == window)
            emit shortcut->activated();
    }
}

void clickRow(QListView* list, int row) {
    const QRect at = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
}

} // namespace

class TestWindowBehaviour : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void secondaryWindowsCloseWithEscAndClose_data();
    void secondaryWindowsCloseWithEscAndClose();
    void newAsksBeforeDiscardingAnUnsavedMessage();
    void undoWorksAnywhereInTheListsPaneUntilTheListsChange_data();
    void undoWorksAnywhereInTheListsPaneUntilTheListsChange();
    void forumsAreKnownByTheirNames();
    void postHistoryColumnsFitTheirContentAndKeepTheirWidths();
    void titleAndTrayCountTheUnreadThreads();
    void aNewUserStartsWithWholeLinksAndHourlyChecks();
    void anEarlierSettingsFileKeepsItsChoices();

private:
    MainWindow* openWithPage();
    RecordingBrowserPage* page = nullptr;
    RecordingNotifier notifier;
};

void TestWindowBehaviour::init() {
    MainWindowFixture::init();
    notifier.entries.clear();
    notifier.unread.clear();
}

void TestWindowBehaviour::cleanup() {
    MainWindowFixture::cleanup();
}

MainWindow* TestWindowBehaviour::openWithPage() {
    page = new RecordingBrowserPage;
    return open(page, &notifier);
}

void TestWindowBehaviour::secondaryWindowsCloseWithEscAndClose_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("help") << u"aboutMenuItem0"_s << u"Form8"_s;
    QTest::newRow("saved messages") << u"viewMenuItem0"_s << u"Form3"_s;
    QTest::newRow("post history") << u"viewMenuItem4"_s << u"frmPostHistory"_s;
}

void TestWindowBehaviour::secondaryWindowsCloseWithEscAndClose() {
    QFETCH(QString, item);
    QFETCH(QString, window);
    MainWindow* w = openWithPage();
    // A saved message, so the saved-messages window has something to list.
    QTest::mouseClick(control<QToolButton>(w, "cmdSave"), Qt::LeftButton);
    const QByteArray name = window.toLatin1();
    for (const char* how : {"Esc", "Close"}) {
        control<QAction>(w, item.toLatin1().constData())->trigger();
        QWidget* shown = topLevel(name.constData());
        QVERIFY2(shown && shown->isVisible(), how);
        // From whichever control has the focus.
        QWidget* focus = shown->findChildren<QWidget*>().value(1, shown);
        focus->setFocus();
        if (QLatin1String(how) == u"Esc")
            pressEscape(shown, focus);
        else
            QTest::mouseClick(control<QPushButton>(shown, "cmdClose"), Qt::LeftButton);
        QTRY_VERIFY2(!topLevel(name.constData()) || !topLevel(name.constData())->isVisible(), how);
    }
}

void TestWindowBehaviour::newAsksBeforeDiscardingAnUnsavedMessage() {
    MainWindow* w = openWithPage();
    auto* editor = control<QPlainTextEdit>(w, "txtMessage");
    auto* subject = control<QLineEdit>(w, "txtSubject");
    QAction* newMessage = control<QAction>(w, "fileMenuItem0");

    // The text a first start shows is no loss.
    newMessage->trigger();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(editor->toPlainText(), QString());

    // A message of the user's own: asked, and Keep keeps it.
    editor->setPlainText(u"Plants for sale"_s);
    subject->setText(u"Spring"_s);
    messages.answers = {1};
    newMessage->trigger();
    QCOMPARE(messages.entries.size(), 1);
    QCOMPARE(messages.entries[0].text, u"Discard the message?"_s);
    QCOMPARE(editor->toPlainText(), u"Plants for sale"_s);
    // Closing the box keeps it too; Discard empties both.
    newMessage->trigger();
    QCOMPARE(editor->toPlainText(), u"Plants for sale"_s);
    messages.answers = {0};
    newMessage->trigger();
    QCOMPARE(editor->toPlainText(), QString());
    QCOMPARE(subject->text(), QString());

    // Saved: nothing to lose, nothing asked.
    editor->setPlainText(u"Seeds too"_s);
    QTest::mouseClick(control<QToolButton>(w, "cmdSave"), Qt::LeftButton);
    const qsizetype asked = messages.entries.size();
    newMessage->trigger();
    QCOMPARE(messages.entries.size(), asked);
    QCOMPARE(editor->toPlainText(), QString());
}

void TestWindowBehaviour::undoWorksAnywhereInTheListsPaneUntilTheListsChange_data() {
    QTest::addColumn<bool>("forum");
    QTest::newRow("Remove URL") << true;
    QTest::newRow("Remove Watch") << false;
}

void TestWindowBehaviour::undoWorksAnywhereInTheListsPaneUntilTheListsChange() {
    QFETCH(bool, forum);
    MainWindow* w = openWithPage();
    WatchLists& lists = probe(*program).lists();
    lists.setLists(
        {{{u"https://garden.example.org/t/1"_s, 100}, {u"https://garden.example.org/t/2"_s, 200}},
         {{u"https://garden.example.org/"_s, u"ann|pw"_s},
          {u"https://boats.example.net/"_s, u"|"_s}}});
    const auto count = [&] { return forum ? lists.forumCount() : lists.postCount(); };
    if (!forum)
        control<QTabBar>(w, "TabStrip2")->setCurrentIndex(1);
    auto* list = control<QListView>(w, forum ? "lstPosts2" : "lstPosts");
    clickRow(list, 0);
    auto* remove = control<QAbstractButton>(w, forum ? "cmdDel2" : "cmdDel");
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(count(), 1);
    QVERIFY(activate(w));
    auto* undoButton = control<QPushButton>(w, "cmdUndoRemove");
    QVERIFY(undoButton->isVisible());

    // The focus stayed on the button just pressed: Ctrl+Z there puts the row back.
    remove->setFocus();
    QTest::keyClick(remove, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(count(), 2);
    QVERIFY(!undoButton->isVisible());

    // Removed again: the status bar's Undo waits, however long, until the lists change.
    clickRow(list, 0);
    QTest::mouseClick(remove, Qt::LeftButton);
    QTest::qWait(50);
    QVERIFY(undoButton->isVisible());
    if (forum)
        lists.appendForum(u"https://tools.example.com/"_s);
    else
        lists.appendPost(u"https://garden.example.org/t/3"_s);
    QVERIFY(!undoButton->isVisible());
    const int before = count();
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(count(), before);
}

void TestWindowBehaviour::forumsAreKnownByTheirNames() {
    MainWindow* w = openWithPage();
    const QString address = u"https://garden.example.org/forum/"_s;
    page->url = address;
    page->pageTitle = u"Garden Friends  Forum"_s;
    QTest::mouseClick(control<QPushButton>(w, "cmdAdd2"), Qt::LeftButton);
    // Named after its page; the address is in the tooltip.
    auto* forums = control<QListView>(w, "lstPosts2");
    QCOMPARE(rows(w, "lstPosts2"), QStringList{u"Garden Friends Forum"_s});
    QCOMPARE(rowData(w, "lstPosts2", 0, Qt::ToolTipRole).toString(), address);

    // F2 (as the menu's Rename) edits the name in its row.
    QVERIFY(activate(w));
    clickRow(forums, 0);
    forums->setFocus();
    QTest::keyClick(forums, Qt::Key_F2);
    auto* editor = forums->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, u"Allotments"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    // The list takes the name once the editor has closed.
    QTRY_COMPARE(rows(w, "lstPosts2"), QStringList{u"Allotments"_s});

    // Kept beside the lists: the next start knows it.
    QTRY_VERIFY(readBytes(folders->path(listStateFileName())).contains("Allotments"));
    w = openWithPage();
    QCOMPARE(rows(w, "lstPosts2"), QStringList{u"Allotments"_s});

    // The queue and the post history show it.
    probe(*program).lists().forumModel().setPostingPage(0, address + u"new"_s);
    QVERIFY(program->postToForums({0}, u"Spring"_s, u"Plants"_s));
    QVERIFY(probe(*program).postQueue().progressText().endsWith(u": Allotments"_s));
    probe(*program).postQueue().stop();
    control<QAction>(w, "viewMenuItem4")->trigger();
    PostRecord record;
    record.time = QDateTime::currentDateTime();
    record.forum = address;
    record.postingPage = address + u"new"_s;
    record.subject = u"Spring"_s;
    record.result = postResult::watched();
    program->logPost(record);
    auto* history = topLevel("frmPostHistory")->findChild<QTreeView*>(u"tvwPosts"_s);
    const QAbstractItemModel* log = history->model();
    QModelIndex post = log->index(0, PostLogModel::ForumColumn);
    if (log->rowCount(post.siblingAtColumn(0)) > 0)
        post = log->index(0, PostLogModel::ForumColumn, post.siblingAtColumn(0));
    QCOMPARE(post.data().toString(), u"Allotments"_s);
    QCOMPARE(post.data(Qt::ToolTipRole).toString(), address);
}

void TestWindowBehaviour::postHistoryColumnsFitTheirContentAndKeepTheirWidths() {
    MainWindow* w = openWithPage();
    PostRecord record;
    record.time = QDateTime::currentDateTime();
    record.forum = u"https://garden.example.org/forum/"_s;
    record.postingPage = record.forum + u"posting.php?mode=newtopic&f=12"_s;
    record.subject = u"Seedling swap this Saturday"_s;
    record.result = postResult::skipped();
    record.note = u"no posting page"_s;
    program->logPost(record);
    control<QAction>(w, "viewMenuItem4")->trigger();
    auto* history = topLevel("frmPostHistory")->findChild<QTreeView*>(u"tvwPosts"_s);
    QHeaderView* header = history->header();
    // Every column as wide as what it shows: the result and its note are read whole.
    for (int column = 0; column < header->count(); ++column) {
        QCOMPARE(header->sectionResizeMode(column), QHeaderView::Interactive);
        const QString text = history->model()->index(0, column).data().toString();
        QVERIFY2(header->sectionSize(column) > history->fontMetrics().horizontalAdvance(text),
                 qPrintable(text));
    }
    // A width the user gives a column is there when the window opens again, after a restart.
    header->resizeSection(PostLogModel::SubjectColumn, 321);
    topLevel("frmPostHistory")->close();
    w = openWithPage();
    control<QAction>(w, "viewMenuItem4")->trigger();
    history = topLevel("frmPostHistory")->findChild<QTreeView*>(u"tvwPosts"_s);
    QCOMPARE(history->header()->sectionSize(PostLogModel::SubjectColumn), 321);
}

void TestWindowBehaviour::titleAndTrayCountTheUnreadThreads() {
    MainWindow* w = openWithPage();
    const QString title = w->windowTitle();
    QVERIFY(!title.contains(u'('));
    WatchLists& lists = probe(*program).lists();
    lists.setLists(
        {{{u"https://garden.example.org/t/1"_s, 100}, {u"https://boats.example.net/t/9"_s, 200}},
         {}});
    lists.addNewReply(lists.posts().at(0).address, lists.postId(0));
    lists.addNewReply(lists.posts().at(1).address, lists.postId(1));
    QCOMPARE(w->windowTitle(), title + u" (2)"_s);
    QCOMPARE(notifier.unread.value(notifier.unread.size() - 1), u"Quillbox (2)"_s);
    lists.markAsRead(0);
    QCOMPARE(w->windowTitle(), title + u" (1)"_s);
    lists.markAsRead(0);
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(notifier.unread.value(notifier.unread.size() - 1), u"Quillbox"_s);

    // Threads still unread at the next start count from the first moment.
    lists.addNewReply(lists.posts().at(1).address, lists.postId(1));
    QVERIFY(w->close());
    w = openWithPage();
    QCOMPARE(w->windowTitle(), title + u" (1)"_s);
}

void TestWindowBehaviour::aNewUserStartsWithWholeLinksAndHourlyChecks() {
    MainWindow* w = openWithPage();
    QCOMPARE(program->linkRules(), LinkRules::WholeAddresses);
    QCOMPARE(program->replyCheckMinutes(), 60);
    // The Tools menu's switch shows the choice and changes it.
    QAction* wholeLinks = nullptr;
    for (QAction* a : w->findChildren<QAction*>()) {
        if (a->property("switches") == u"wholeLinks"_s)
            wholeLinks = a;
    }
    QVERIFY(wholeLinks && wholeLinks->isChecked());
    QVERIFY(wholeLinks->objectName().startsWith(u"toolsMenuItem"_s));
    wholeLinks->trigger();
    QCOMPARE(program->linkRules(), LinkRules::Classic);
    QCOMPARE(setting(u"Settings"_s, u"linkWholeAddresses"_s), u"0"_s);
    // The mended faults of the classic rule are gone with the whole-address rule.
    wholeLinks->trigger();
    control<QPlainTextEdit>(w, "txtMessage")
        ->setPlainText(u"https://tickets.example.org/event?id=42&ref=forum and "
                       "http://maps.example.org/leeds."_s);
    control<QComboBox>(w, "cmbConvert")->setCurrentIndex(1); // html
    const QString html = w->convertedMessage();
    QVERIFY2(html.contains(u"https://tickets.example.org/event?id=42&ref=forum</a>"_s) ||
                 html.contains(u"ref=forum\">"_s),
             qPrintable(html));
    QVERIFY2(html.contains(u"leeds</a>."_s), qPrintable(html));
}

void TestWindowBehaviour::anEarlierSettingsFileKeepsItsChoices() {
    // A settings file from an earlier version: neither key.
    QVERIFY(settings->saveSetting(settingsApplication(), u"data"_s, u"lastSubject"_s, u"Hi"_s));
    openWithPage();
    QCOMPARE(program->linkRules(), LinkRules::Classic);
    QCOMPARE(program->replyCheckMinutes(), 0);
    QCOMPARE(setting(u"Settings"_s, u"linkWholeAddresses"_s), u"<none>"_s);
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestWindowBehaviour t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_window_behaviour.moc"

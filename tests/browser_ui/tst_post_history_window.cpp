// "Post History" over a log file as the program leaves it: runs grouped under one row, newest
// first, damaged lines told and kept, the filter box, and what double-clicks and buttons ask for.
#include "browser/post_history.h"
#include "browser/post_log.h"
#include "browser/post_log_model.h"
#include "browser/ui/post_history_window.h"
#include "support/post_records.h"
#include "support/test_folders.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;
using namespace quillbox;
using quillbox::test::makeRecord;
using quillbox::test::readBytes;
using quillbox::test::TestFolders;

namespace {

struct Window {
    TestFolders folders;
    PostHistory history;
    PostHistoryWindow window{history};
    QTreeView* list = window.findChild<QTreeView*>(u"tvwPosts"_s);
    QLineEdit* filter = window.findChild<QLineEdit*>(u"txtFilter"_s);
    QLabel* notice = window.findChild<QLabel*>(u"lblNotice"_s);
    QPushButton* copy = window.findChild<QPushButton*>(u"cmdCopyAddress"_s);
    QPushButton* watch = window.findChild<QPushButton*>(u"cmdWatchAgain"_s);

    // The owner's side of the window: the filter goes to the history.
    Window() {
        QObject::connect(&window, &PostHistoryWindow::filterChanged, &history,
                         &PostHistory::setFilter);
    }
    // The log is read off the window's thread: done once the history says so.
    void load() {
        history.open(folders.dataFolder());
        QTRY_VERIFY(!history.isLoading());
    }
    void append(const PostRecord& record) {
        QVERIFY(appendPostRecord(folders.dataFolder(), record).ok);
    }
    void doubleClick(const QModelIndex& index) {
        list->scrollTo(index);
        const QPoint at = list->visualRect(index).center();
        // The first click selects; the double-click's own event opens.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
};

} // namespace

class TestPostHistoryWindow : public QObject {
    Q_OBJECT

private slots:
    void listsRunsNewestFirstAndTellsOfDamagedLines();
    void doubleClickOpensThreadElsePostingPage();
    void threadActionsOnlyForPostsWithAThread();
    void filterNarrowsTheList();
    void retrySkippedOffersARunsPassedOverForums();
};

void TestPostHistoryWindow::listsRunsNewestFirstAndTellsOfDamagedLines() {
    Window w;
    w.append(makeRecord(u"http://127.0.0.1/single"_s, postResult::watched(), 1, {}, u"t0"_s));
    w.append(makeRecord(u"http://127.0.0.1/a"_s, postResult::skipped(), 2, u"run"_s));
    w.append(makeRecord(u"http://127.0.0.1/b"_s, postResult::watched(), 3, u"run"_s, u"t1"_s));
    QFile file(w.folders.path(postLogFileName()));
    QVERIFY(file.open(QIODevice::Append));
    file.write("{\"time\":\"2026-05-04T10:04:00+00:00\",\"forum\":\"cut"); // a crash mid-line
    file.close();
    const QByteArray before = readBytes(file.fileName());

    w.load();
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QCOMPARE(w.window.windowTitle(), u"Post History"_s);
    const QAbstractItemModel* model = w.list->model();
    QCOMPARE(model->rowCount(), 2);
    const QModelIndex run = model->index(0, 0);
    QCOMPARE(model->rowCount(run), 2);
    QVERIFY(w.list->isExpanded(run));
    QCOMPARE(model->index(1, PostLogModel::ForumColumn).data().toString(),
             u"http://127.0.0.1/single"_s);
    QVERIFY(w.notice->isVisible());
    QVERIFY(w.notice->text().contains(u"1 damaged line"_s));
    QCOMPARE(readBytes(file.fileName()), before);

    // A post logged while the window is open shows at once, on top.
    w.history.addRecord(makeRecord(u"http://127.0.0.1/late"_s, postResult::notFound(), 9, {}));
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->index(0, PostLogModel::ForumColumn).data().toString(),
             u"http://127.0.0.1/late"_s);
}

void TestPostHistoryWindow::doubleClickOpensThreadElsePostingPage() {
    Window w;
    w.append(makeRecord(u"http://127.0.0.1/a"_s, postResult::notFound(), 1, u"run"_s));
    w.append(makeRecord(u"http://127.0.0.1/b"_s, postResult::watched(), 2, u"run"_s,
                        u"http://127.0.0.1/b/t/7"_s));
    w.load();
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy opened(&w.window, &PostHistoryWindow::openRequested);
    const QModelIndex run = w.list->model()->index(0, 0);
    w.doubleClick(w.list->model()->index(1, PostLogModel::ForumColumn, run));
    w.doubleClick(w.list->model()->index(0, PostLogModel::ForumColumn, run));
    // The run's own row opens nothing (a double-click there folds it).
    w.doubleClick(w.list->model()->index(0, PostLogModel::ResultColumn));
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened.at(0).at(0).toString(), u"http://127.0.0.1/b/t/7"_s);
    QCOMPARE(opened.at(1).at(0).toString(), u"http://127.0.0.1/a/post"_s);
}

void TestPostHistoryWindow::threadActionsOnlyForPostsWithAThread() {
    Window w;
    w.append(makeRecord(u"http://127.0.0.1/a"_s, postResult::notFound(), 1, {}));
    w.append(makeRecord(u"http://127.0.0.1/b"_s, postResult::watched(), 2, {},
                        u"http://127.0.0.1/b/t/7"_s));
    w.load();
    QSignalSpy copied(&w.window, &PostHistoryWindow::copyAddressRequested);
    QSignalSpy watched(&w.window, &PostHistoryWindow::watchAgainRequested);
    QVERIFY(!w.copy->isEnabled());

    w.list->setCurrentIndex(w.list->model()->index(1, 0)); // not found: no thread
    QVERIFY(!w.copy->isEnabled());
    QVERIFY(!w.watch->isEnabled());
    w.list->setCurrentIndex(w.list->model()->index(0, 0));
    QVERIFY(w.copy->isEnabled());
    QTest::mouseClick(w.copy, Qt::LeftButton);
    QTest::mouseClick(w.watch, Qt::LeftButton);
    QCOMPARE(copied.size(), 1);
    QCOMPARE(copied.at(0).at(0).toString(), u"http://127.0.0.1/b/t/7"_s);
    QCOMPARE(watched.size(), 1);
    QCOMPARE(watched.at(0).at(0).toString(), u"http://127.0.0.1/b/t/7"_s);
}

void TestPostHistoryWindow::filterNarrowsTheList() {
    Window w;
    w.append(makeRecord(u"http://127.0.0.1/gardening"_s, postResult::watched(), 1, u"r"_s));
    w.append(makeRecord(u"http://127.0.0.1/cooking"_s, postResult::skipped(), 2, u"r"_s));
    w.append(makeRecord(u"http://127.0.0.1/chess"_s, postResult::watched(), 3, {}));
    w.load();
    // The filter reads the log again for what matches.
    QTest::keyClicks(w.filter, u"GARDEN"_s);
    QTRY_VERIFY(!w.history.isLoading());
    const QAbstractItemModel* model = w.list->model();
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->rowCount(model->index(0, 0)), 1);
    w.filter->clear();
    QTRY_VERIFY(!w.history.isLoading());
    QCOMPARE(model->rowCount(), 2);
}

void TestPostHistoryWindow::retrySkippedOffersARunsPassedOverForums() {
    Window w;
    QPushButton* retry = w.window.findChild<QPushButton*>(u"cmdRetrySkipped"_s);
    QVERIFY(retry);
    w.append(makeRecord(u"http://127.0.0.1:8081/"_s, postResult::skipped(), 1, u"run"_s));
    w.append(makeRecord(u"http://127.0.0.1:8082/"_s, postResult::watched(), 2, u"run"_s, u"t"_s));
    w.append(makeRecord(u"http://127.0.0.1:8083/"_s, postResult::skipped(), 3, u"run"_s));
    w.append(makeRecord(u"http://127.0.0.1:8084/"_s, postResult::skipped(), 4, {}));
    w.history.open(w.folders.dataFolder());
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy retried(&w.window, &PostHistoryWindow::retrySkippedRequested);
    const QAbstractItemModel* model = w.list->model();
    // The log is read off the window's thread.
    QTRY_VERIFY(!w.history.isLoading());
    QTRY_COMPARE(model->rowCount(), 2);
    // A single post is no run: nothing to retry.
    w.list->setCurrentIndex(model->index(0, 0));
    QVERIFY(!retry->isEnabled());
    // The run, or any post of it, a watched one too.
    const QModelIndex run = model->index(1, 0);
    w.list->setCurrentIndex(model->index(1, 0, run));
    QVERIFY(retry->isEnabled());
    QTest::mouseClick(retry, Qt::LeftButton);
    QCOMPARE(retried.count(), 1);
    QCOMPARE(retried[0][0].toStringList(),
             (QStringList{u"http://127.0.0.1:8081/"_s, u"http://127.0.0.1:8083/"_s}));
    QCOMPARE(retried[0][1].toString(), u"Spring meeting"_s);
}

QTEST_MAIN(TestPostHistoryWindow)
#include "tst_post_history_window.moc"

// The strip above the browser pane, driving a queue from the keyboard and the mouse while fake
// page loads stand in for the browser.
#include "browser/post_queue.h"
#include "browser/ui/queue_strip.h"
#include "support/manual_clock.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace quillbox;
using quillbox::test::ManualClock;

namespace {

QList<QueueForum> fourBoards() {
    return {{u"http://127.0.0.1/a"_s, u"Board A"_s, u"BBCode"_s, {}},
            {u"http://127.0.0.1/b"_s, u"Board B"_s, u"BBCode"_s, u"http://127.0.0.1/b/new"_s},
            {u"http://127.0.0.1/c"_s, u"Board C"_s, u"HTML"_s, u"http://127.0.0.1/c/new"_s},
            {u"http://127.0.0.1/d"_s, u"Board D"_s, u"HTML"_s, u"http://127.0.0.1/d/new"_s}};
}

struct Strip {
    ManualClock clock;
    PostQueue queue{clock};
    QWidget window;
    QueueStrip* strip = new QueueStrip(queue, &window);
    QStringList results;

    Strip() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(strip);
        layout->addWidget(new QWidget(&window), 1); // where the browser pane would be
        QObject::connect(strip, &QueueStrip::nextRequested, &queue, &PostQueue::nextForum);
        QObject::connect(strip, &QueueStrip::skipRequested, &queue, &PostQueue::skip);
        QObject::connect(strip, &QueueStrip::stopRequested, &queue, [this] { queue.stop(); });
        QObject::connect(&queue, &PostQueue::recorded, &queue,
                         [this](const PostRecord& r) { results.append(r.result); });
    }
    QString text(const char* name) const {
        return strip->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QPushButton* button(const char* name) const {
        return strip->findChild<QPushButton*>(QString::fromLatin1(name));
    }
};

} // namespace

class TestQueueStrip : public QObject {
    Q_OBJECT

private slots:
    void showsWhereTheRunStands();
    void everyStepFromTheKeyboard();
    void hidesWhenTheRunEnds();
    void summaryStaysUntilDismissedAndOffersRetrySkipped();
};

void TestQueueStrip::showsWhereTheRunStands() {
    Strip s;
    s.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QVERIFY(!s.strip->isVisible());
    QVERIFY(s.queue.start(fourBoards(), u"Hello"_s, u"body"_s));
    QVERIFY(s.strip->isVisible());
    QCOMPARE(s.text("lblQueueProgress"), u"2 of 4: Board B"_s);
    QVERIFY(s.text("lblQueueState").contains(u"loading"_s));
    QVERIFY(s.text("lblQueueNote").contains(u"Board A: no posting page"_s));
    s.queue.pageLoaded();
    QVERIFY(s.text("lblQueueState").contains(u"waiting for you to submit"_s));
    s.queue.pageLoaded();
    QVERIFY(s.text("lblQueueState").contains(u"watching"_s));
    s.queue.threadFound(u"http://127.0.0.1/b/t/1"_s);
    QCOMPARE(s.text("lblQueueProgress"), u"3 of 4: Board C"_s);
    QVERIFY(s.text("lblQueueState").contains(u"loading"_s));
}

void TestQueueStrip::everyStepFromTheKeyboard() {
    Strip s;
    s.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    QVERIFY(s.queue.start(fourBoards(), u"Hello"_s, u"body"_s));
    QCOMPARE(s.button("cmdNextForum")->text(), u"&Next Forum"_s);
    QCOMPARE(s.button("cmdSkipForum")->text(), u"&Skip"_s);
    QCOMPARE(s.button("cmdStopQueue")->text(), u"St&op"_s);
    // A mnemonic presses its button as a click would, after the button has shown it pressed.
    QTest::keyClick(&s.window, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(s.text("lblQueueProgress"), u"3 of 4: Board C"_s);
    QTest::keyClick(&s.window, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(s.text("lblQueueProgress"), u"4 of 4: Board D"_s);
    QTest::keyClick(&s.window, Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(!s.queue.isRunning());
    QCOMPARE(s.results, (QStringList{postResult::skipped(), postResult::notFound(),
                                     postResult::skipped(), postResult::stopped()}));
}

void TestQueueStrip::hidesWhenTheRunEnds() {
    Strip s;
    s.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QVERIFY(s.queue.start(fourBoards(), u"Hello"_s, u"body"_s));
    QTest::mouseClick(s.button("cmdStopQueue"), Qt::LeftButton);
    // The summary stays until it is put away.
    QVERIFY(s.strip->isVisible());
    QVERIFY(!s.button("cmdStopQueue")->isVisible());
    QTest::mouseClick(s.button("cmdDismissQueue"), Qt::LeftButton);
    QVERIFY(!s.strip->isVisible());
    QCOMPARE(s.results.last(), postResult::stopped());
    // A second run shows the strip again, from its first forum.
    QVERIFY(s.queue.start(fourBoards().mid(1), u"Again"_s, u"body"_s));
    QVERIFY(s.strip->isVisible());
    QCOMPARE(s.text("lblQueueProgress"), u"1 of 3: Board B"_s);
    QVERIFY(s.text("lblQueueNote").isEmpty());
    QVERIFY(s.button("cmdNextForum")->isEnabled());
}

void TestQueueStrip::summaryStaysUntilDismissedAndOffersRetrySkipped() {
    Strip s;
    s.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QSignalSpy retry(s.strip, &QueueStrip::retrySkippedRequested);
    // A has no posting page; B is posted; C is not found; D, the last, is skipped by the user.
    QVERIFY(s.queue.start(fourBoards(), u"Hello"_s, u"body"_s));
    s.queue.pageLoaded();
    s.queue.pageLoaded();
    s.queue.threadFound(u"http://127.0.0.1/b/t/1"_s);
    s.queue.nextForum();
    s.queue.skip();
    QVERIFY(!s.queue.isRunning());
    QVERIFY(s.strip->isVisible());
    QCOMPARE(s.text("lblQueueProgress"),
             u"Posted to 1 of 4 forums: 1 not found, 2 skipped (no posting page)."_s);
    QVERIFY(s.button("cmdRetrySkipped")->isVisible());
    QTest::mouseClick(s.button("cmdRetrySkipped"), Qt::LeftButton);
    QCOMPARE(retry.count(), 1);
    QCOMPARE(s.queue.skippedForums().size(), 2);
    QCOMPARE(s.queue.skippedForums().at(1).name, u"Board D"_s);
    QTest::mouseClick(s.button("cmdDismissQueue"), Qt::LeftButton);
    QVERIFY(!s.strip->isVisible());
}

QTEST_MAIN(TestQueueStrip)
#include "tst_queue_strip.moc"

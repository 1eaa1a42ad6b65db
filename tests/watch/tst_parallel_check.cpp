#include "support/scripted_http_server.h"
#include "support/tls_fixture.h"
#include "watch/parallel_check.h"

#include <QSignalSpy>
#include <QTest>
#include <array>

using namespace Qt::StringLiterals;

using quillbox::CheckOutcome;
using quillbox::ParallelCheck;
using quillbox::ThreadToCheck;
using quillbox::test::ScriptedHttpServer;
using Script = ScriptedHttpServer::Script;
using Step = ScriptedHttpServer::Step;

class TestParallelCheck : public QObject {
    Q_OBJECT
private slots:
    void resultsKeepTheThreadsOrderAndEachHostSeesAtMostTwo_data();
    void resultsKeepTheThreadsOrderAndEachHostSeesAtMostTwo();
    void failuresAreCollectedAndTheCheckGoesOn();
    void threadsWithoutSizeAreNotFetched();
    void drippingThreadFailsAtTheDeadlineAndTheOthersAreTold();
};

void TestParallelCheck::resultsKeepTheThreadsOrderAndEachHostSeesAtMostTwo_data() {
    QTest::addColumn<int>("jobs");
    QTest::addColumn<int>("expectedPerHost");
    QTest::newRow("one at a time") << 1 << 1;
    QTest::newRow("four jobs over three hosts") << 4 << 2;
    QTest::newRow("more jobs than hosts allow") << 12 << 2;
}

void TestParallelCheck::resultsKeepTheThreadsOrderAndEachHostSeesAtMostTwo() {
    QFETCH(int, jobs);
    QFETCH(int, expectedPerHost);
    std::array<ScriptedHttpServer, 3> hosts;
    for (ScriptedHttpServer& host : hosts)
        QVERIFY(host.listenLocal());
    // Later threads answer sooner, so replies arrive out of the threads' order.
    QList<ThreadToCheck> threads;
    QList<CheckOutcome> expected;
    for (int i = 0; i < 12; ++i) {
        ScriptedHttpServer& host = hosts[i % 3];
        const QByteArray path = "/t" + QByteArray::number(i);
        const qint64 size = 1000 + 100 * i;
        host.setScript(path, Script{{Step{ScriptedHttpServer::reply(size), 20 + 10 * (12 - i)}}});
        const bool grown = i % 2 == 0;
        threads.append({host.url(QString::fromLatin1(path)), grown ? size - 501 : size - 500});
        expected.append(grown ? CheckOutcome::NewReplies : CheckOutcome::Unchanged);
    }

    ParallelCheck check;
    check.setJobs(jobs);
    QSignalSpy finished(&check, &ParallelCheck::finished);
    QSignalSpy checked(&check, &ParallelCheck::threadChecked);
    check.start(threads);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);

    // Told of in the list's order, though the replies came the other way round.
    QCOMPARE(checked.size(), 12);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(checked.at(i).at(0).toInt(), i);
    QCOMPARE(check.results().size(), 12);
    for (int i = 0; i < 12; ++i) {
        const auto& r = check.results().at(i);
        QCOMPARE(r.address, threads[i].address);
        QCOMPARE(r.measured, std::optional<qint64>(1000 + 100 * i));
        QCOMPARE(r.outcome, expected[i]);
    }
    for (const ScriptedHttpServer& host : hosts) {
        QCOMPARE(host.requests().size(), 4);
        QCOMPARE(host.peakOpenConnections(), expectedPerHost);
    }
    QVERIFY(check.peakRunning() <= jobs);
    QCOMPARE(check.peakRunning(), std::min(jobs, 6));
}

void TestParallelCheck::failuresAreCollectedAndTheCheckGoesOn() {
    ScriptedHttpServer good;
    QVERIFY(good.listenLocal());
    good.setDefaultScript(ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    ScriptedHttpServer resetting;
    QVERIFY(resetting.listenLocal());
    Script reset;
    reset.closeAtOnce = true;
    reset.reset = true;
    resetting.setDefaultScript(reset);
    ScriptedHttpServer silent;
    QVERIFY(silent.listenLocal());
    Script hold;
    hold.close = false;
    silent.setDefaultScript(hold);
    quillbox::test::TlsFixture tls;
    QVERIFY2(tls.create(), qPrintable(tls.error()));
    ScriptedHttpServer untrusted;
    untrusted.useTls(tls.serverCertificate(), tls.serverKey());
    QVERIFY(untrusted.listenLocal());

    const QList<ThreadToCheck> threads{
        {good.url(u"/a"_s), 10},          {u"http://127.0.0.1:1/refused"_s, 10},
        {resetting.url(u"/reset"_s), 10}, {silent.url(u"/silent"_s), 10},
        {untrusted.url(u"/tls"_s), 10},   {u"ftp://forum.example/thread"_s, 10},
        {good.url(u"/b"_s), 10},
    };
    ParallelCheck check;
    check.setJobs(3);
    check.setIdleTimeout(std::chrono::milliseconds(300));
    QSignalSpy finished(&check, &ParallelCheck::finished);
    check.start(threads);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);

    const auto& results = check.results();
    QCOMPARE(results.at(0).outcome, CheckOutcome::NewReplies);
    QCOMPARE(results.at(6).outcome, CheckOutcome::NewReplies);
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(results.at(i).outcome, CheckOutcome::Failed);
        QVERIFY2(!results.at(i).reason.isEmpty(), qPrintable(results.at(i).address));
        QCOMPARE(results.at(i).measured, std::nullopt);
    }
    QCOMPARE(results.at(1).reason, u"Connection refused"_s);
    QVERIFY2(results.at(3).reason.contains(u"sent nothing"_s), qPrintable(results.at(3).reason));
    QVERIFY2(results.at(5).reason.contains(u"ftp"_s), qPrintable(results.at(5).reason));
}

void TestParallelCheck::threadsWithoutSizeAreNotFetched() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setDefaultScript(ScriptedHttpServer::whole(ScriptedHttpServer::reply(10)));
    ParallelCheck check;
    QSignalSpy finished(&check, &ParallelCheck::finished);
    check.start({{server.url(u"/x"_s), std::nullopt}});
    // Nothing to fetch: the check is over before start() returns.
    QCOMPARE(finished.size(), 1);
    QCOMPARE(check.results().at(0).outcome, CheckOutcome::NoSize);
    QCOMPARE(server.connectionCount(), 0);
    check.start({});
    QCOMPARE(finished.size(), 2);
}

void TestParallelCheck::drippingThreadFailsAtTheDeadlineAndTheOthersAreTold() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    Script drip{{Step{"HTTP/1.1 200 OK\r\nContent-Length: 50000\r\n\r\n"}}};
    for (int i = 0; i < 5000; ++i)
        drip.steps.append(Step{"x", 50});
    server.setScript("/drip", drip);
    server.setScript("/fast", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    ParallelCheck check;
    check.setDeadline(std::chrono::milliseconds(600));
    QSignalSpy finished(&check, &ParallelCheck::finished);
    QSignalSpy checked(&check, &ParallelCheck::threadChecked);
    check.start({{server.url(u"/drip"_s), 10}, {server.url(u"/fast"_s), 10}});
    // The fast thread is known long before the dripping one, but waits for it to be told.
    QTRY_COMPARE_WITH_TIMEOUT(check.checkedCount(), 1, 30000);
    QCOMPARE(checked.size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);
    QCOMPARE(checked.size(), 2);
    QCOMPARE(check.results().at(0).outcome, CheckOutcome::Failed);
    QVERIFY2(check.results().at(0).reason.contains(u"600 milliseconds, the deadline"_s),
             qPrintable(check.results().at(0).reason));
    QCOMPARE(check.results().at(1).outcome, CheckOutcome::NewReplies);
}

QTEST_GUILESS_MAIN(TestParallelCheck)
#include "tst_parallel_check.moc"

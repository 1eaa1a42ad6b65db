#include "store/list_files.h"
#include "support/scripted_http_server.h"
#include "support/test_folders.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using quillbox::test::ScriptedHttpServer;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program while this thread keeps serving the test server.
Run runCheck(const QStringList& arguments,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILLBOX_CHECK_PROGRAM), arguments);
    Run run;
    if (!process.waitForStarted(20000))
        return run;
    (void)QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

class TestQuillboxCheck : public QObject {
    Q_OBJECT
private slots:
    void printsGrownPagesAndWritesNothing();
    void failedFetchEndsWithStatus1();
    void badUsageEndsWithStatus2_data();
    void badUsageEndsWithStatus2();
    void unreadableListEndsWithStatus2();
    void dataFolderComesFromTheEnvironmentByDefault();
    void helpDescribesTheOptions();
};

void TestQuillboxCheck::printsGrownPagesAndWritesNothing() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    server.setScript("/same", ScriptedHttpServer::whole(ScriptedHttpServer::reply(1000)));
    quillbox::test::TestFolders folders;
    quillbox::ListsData data;
    data.posts = {{server.url(QStringLiteral("/grown")), 1000},
                  {server.url(QStringLiteral("/same")), 1000},
                  {server.url(QStringLiteral("/grown")) + QStringLiteral("?again"), 1499}};
    server.setScript("/grown?again", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());
    const QByteArray posts = quillbox::test::readBytes(folders.path(QStringLiteral("posts.txt")));
    const QByteArray sizes = quillbox::test::readBytes(folders.path(QStringLiteral("sizes.txt")));

    const Run run = runCheck({QStringLiteral("--data-dir"), folders.dataFolder()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, server.url(QStringLiteral("/grown")) + u'\n' +
                          server.url(QStringLiteral("/grown?again")) + u'\n');
    QVERIFY2(run.err.contains(QStringLiteral("finished - 2 new replies found")),
             qPrintable(run.err));
    QCOMPARE(quillbox::test::readBytes(folders.path(QStringLiteral("posts.txt"))), posts);
    QCOMPARE(quillbox::test::readBytes(folders.path(QStringLiteral("sizes.txt"))), sizes);
}

void TestQuillboxCheck::failedFetchEndsWithStatus1() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    quillbox::test::TestFolders folders;
    quillbox::ListsData data;
    data.posts = {{server.url(QStringLiteral("/grown")), 10},
                  {QStringLiteral("http://127.0.0.1:1/refused"), 10},
                  {server.url(QStringLiteral("/grown")), 10}};
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());
    const Run run = runCheck({QStringLiteral("--data-dir"), folders.dataFolder()});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, server.url(QStringLiteral("/grown")) + u'\n');
    // The box's lines, the failed page's address last.
    QVERIFY2(run.err.contains(QStringLiteral("Error: Error occurred.\nError #: 0\n")),
             qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("\nhttp://127.0.0.1:1/refused\n")),
             qPrintable(run.err));
    QVERIFY(!run.err.contains(QStringLiteral("finished")));
    QCOMPARE(server.requests().size(), 1);
}

void TestQuillboxCheck::badUsageEndsWithStatus2_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--frobnicate")};
    QTest::newRow("stray argument") << QStringList{QStringLiteral("posts.txt")};
    QTest::newRow("missing folder")
        << QStringList{QStringLiteral("--data-dir"), QStringLiteral("/nonexistent/quillbox")};
    QTest::newRow("folder without value") << QStringList{QStringLiteral("--data-dir")};
}

void TestQuillboxCheck::badUsageEndsWithStatus2() {
    QFETCH(QStringList, arguments);
    const Run run = runCheck(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!run.err.isEmpty());
}

void TestQuillboxCheck::unreadableListEndsWithStatus2() {
    quillbox::test::TestFolders folders;
    QVERIFY(QDir(folders.dataFolder()).mkdir(QStringLiteral("posts.txt")));
    const Run run = runCheck({QStringLiteral("--data-dir"), folders.dataFolder()});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains(QStringLiteral("posts.txt")));
}

void TestQuillboxCheck::dataFolderComesFromTheEnvironmentByDefault() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(5000)));
    quillbox::test::TestFolders folders;
    quillbox::ListsData data;
    data.posts = {{server.url(QStringLiteral("/grown")), 10}};
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLBOX_DATA_DIR"), folders.dataFolder());
    const Run run = runCheck({QStringLiteral("--quiet")}, environment);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, server.url(QStringLiteral("/grown")) + u'\n');
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
}

void TestQuillboxCheck::helpDescribesTheOptions() {
    const Run run = runCheck({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains(QStringLiteral("--data-dir")));
}

QTEST_GUILESS_MAIN(TestQuillboxCheck)
#include "tst_quillbox_check.moc"

#include "store/list_files.h"
#include "support/scripted_http_server.h"
#include "support/test_folders.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    void failedPageIsReportedAndTheCheckGoesOn();
    void jsonListsEveryPage();
    void markReadRecordsOnlyGrownPages();
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

void TestQuillboxCheck::failedPageIsReportedAndTheCheckGoesOn() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    server.setScript("/later", ScriptedHttpServer::whole(ScriptedHttpServer::reply(3000)));
    quillbox::test::TestFolders folders;
    quillbox::ListsData data;
    data.posts = {{server.url(QStringLiteral("/grown")), 10},
                  {QStringLiteral("http://127.0.0.1:1/refused"), 10},
                  {server.url(QStringLiteral("/later")), 10}};
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());
    const Run run = runCheck({QStringLiteral("--data-dir"), folders.dataFolder()});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, server.url(QStringLiteral("/grown")) + u'\n' +
                          server.url(QStringLiteral("/later")) + u'\n');
    QVERIFY2(run.err.contains(QStringLiteral("http://127.0.0.1:1/refused: Connection refused\n")),
             qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("1 page could not be checked")), qPrintable(run.err));
    QCOMPARE(server.requests().size(), 2);
}

void TestQuillboxCheck::jsonListsEveryPage() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    server.setScript("/same", ScriptedHttpServer::whole(ScriptedHttpServer::reply(1200)));
    quillbox::test::TestFolders folders;
    quillbox::ListsData data;
    data.posts = {{server.url(QStringLiteral("/grown")), 1000},
                  {server.url(QStringLiteral("/same")), 1000},
                  {QStringLiteral("http://127.0.0.1:1/refused"), 5},
                  {server.url(QStringLiteral("/unmeasured")), std::nullopt}};
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());
    const Run run =
        runCheck({QStringLiteral("--json"), QStringLiteral("-q"), QStringLiteral("--jobs"),
                  QStringLiteral("3"), QStringLiteral("--data-dir"), folders.dataFolder()});
    QCOMPARE(run.exitCode, 1);
    QJsonParseError error;
    const QJsonArray rows = QJsonDocument::fromJson(run.out.toUtf8(), &error).array();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(run.out));
    QCOMPARE(rows.size(), 4);
    const auto row = [&rows](int i) { return rows.at(i).toObject(); };
    QCOMPARE(row(0).value(QStringLiteral("address")).toString(),
             server.url(QStringLiteral("/grown")));
    QCOMPARE(row(0).value(QStringLiteral("recordedSize")).toInteger(), 1000);
    QCOMPARE(row(0).value(QStringLiteral("measuredSize")).toInteger(), 2000);
    QCOMPARE(row(0).value(QStringLiteral("result")).toString(), QStringLiteral("new replies"));
    QCOMPARE(row(1).value(QStringLiteral("result")).toString(), QStringLiteral("unchanged"));
    QCOMPARE(row(2).value(QStringLiteral("result")).toString(), QStringLiteral("failed"));
    QVERIFY(row(2).value(QStringLiteral("measuredSize")).isNull());
    QCOMPARE(row(2).value(QStringLiteral("error")).toString(),
             QStringLiteral("Connection refused"));
    QCOMPARE(row(3).value(QStringLiteral("result")).toString(), QStringLiteral("no size"));
    QVERIFY(row(3).value(QStringLiteral("recordedSize")).isNull());
}

void TestQuillboxCheck::markReadRecordsOnlyGrownPages() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    server.setScript("/same", ScriptedHttpServer::whole(ScriptedHttpServer::reply(1400)));
    quillbox::test::TestFolders folders;
    quillbox::ListsData data;
    data.posts = {{server.url(QStringLiteral("/grown")), 1000},
                  {server.url(QStringLiteral("/same")), 1000},
                  {QStringLiteral("http://127.0.0.1:1/refused"), 5}};
    data.forums = {{QStringLiteral("http://forum.example/"), QStringLiteral("me|secret")}};
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());

    const QStringList arguments{QStringLiteral("--mark-read"), QStringLiteral("--data-dir"),
                                folders.dataFolder()};
    Run run = runCheck(arguments);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, server.url(QStringLiteral("/grown")) + u'\n');
    quillbox::ListsData expected = data;
    expected.posts[0].size = 2000;
    QCOMPARE(quillbox::loadLists(folders.dataFolder()).data, expected);

    // The same replies are not reported again.
    run = runCheck(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(quillbox::loadLists(folders.dataFolder()).data, expected);
}

void TestQuillboxCheck::badUsageEndsWithStatus2_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--frobnicate")};
    QTest::newRow("stray argument") << QStringList{QStringLiteral("posts.txt")};
    QTest::newRow("missing folder")
        << QStringList{QStringLiteral("--data-dir"), QStringLiteral("/nonexistent/quillbox")};
    QTest::newRow("folder without value") << QStringList{QStringLiteral("--data-dir")};
    QTest::newRow("no jobs") << QStringList{QStringLiteral("--jobs"), QStringLiteral("0")};
    QTest::newRow("jobs not a number") << QStringList{QStringLiteral("--jobs=many")};
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
    for (const char* option : {"--data-dir", "--jobs", "--mark-read", "--json"})
        QVERIFY2(run.out.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(TestQuillboxCheck)
#include "tst_quillbox_check.moc"

#include "store/list_files.h"
#include "support/scripted_http_server.h"
#include "support/test_folders.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

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
    data.posts = {{server.url(u"/grown"_s), 1000},
                  {server.url(u"/same"_s), 1000},
                  {server.url(u"/grown"_s) + u"?again"_s, 1499}};
    server.setScript("/grown?again", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());
    const QByteArray posts = quillbox::test::readBytes(folders.path(u"posts.txt"_s));
    const QByteArray sizes = quillbox::test::readBytes(folders.path(u"sizes.txt"_s));

    const Run run = runCheck({u"--data-dir"_s, folders.dataFolder()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, server.url(u"/grown"_s) + u'\n' + server.url(u"/grown?again"_s) + u'\n');
    QVERIFY2(run.err.contains(u"finished - 2 new replies found"_s), qPrintable(run.err));
    QCOMPARE(quillbox::test::readBytes(folders.path(u"posts.txt"_s)), posts);
    QCOMPARE(quillbox::test::readBytes(folders.path(u"sizes.txt"_s)), sizes);
}

void TestQuillboxCheck::failedPageIsReportedAndTheCheckGoesOn() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    server.setScript("/later", ScriptedHttpServer::whole(ScriptedHttpServer::reply(3000)));
    quillbox::test::TestFolders folders;
    quillbox::ListsData data;
    data.posts = {{server.url(u"/grown"_s), 10},
                  {u"http://127.0.0.1:1/refused"_s, 10},
                  {server.url(u"/later"_s), 10}};
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());
    const Run run = runCheck({u"--data-dir"_s, folders.dataFolder()});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, server.url(u"/grown"_s) + u'\n' + server.url(u"/later"_s) + u'\n');
    QVERIFY2(run.err.contains(u"http://127.0.0.1:1/refused: Connection refused\n"_s),
             qPrintable(run.err));
    QVERIFY2(run.err.contains(u"1 page could not be checked"_s), qPrintable(run.err));
    QCOMPARE(server.requests().size(), 2);
}

void TestQuillboxCheck::jsonListsEveryPage() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    server.setScript("/same", ScriptedHttpServer::whole(ScriptedHttpServer::reply(1200)));
    quillbox::test::TestFolders folders;
    quillbox::ListsData data;
    data.posts = {{server.url(u"/grown"_s), 1000},
                  {server.url(u"/same"_s), 1000},
                  {u"http://127.0.0.1:1/refused"_s, 5},
                  {server.url(u"/unmeasured"_s), std::nullopt}};
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());
    const Run run = runCheck(
        {u"--json"_s, u"-q"_s, u"--jobs"_s, u"3"_s, u"--data-dir"_s, folders.dataFolder()});
    QCOMPARE(run.exitCode, 1);
    QJsonParseError error;
    const QJsonArray rows = QJsonDocument::fromJson(run.out.toUtf8(), &error).array();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(run.out));
    QCOMPARE(rows.size(), 4);
    const auto row = [&rows](int i) { return rows.at(i).toObject(); };
    QCOMPARE(row(0).value(u"address"_s).toString(), server.url(u"/grown"_s));
    QCOMPARE(row(0).value(u"recordedSize"_s).toInteger(), 1000);
    QCOMPARE(row(0).value(u"measuredSize"_s).toInteger(), 2000);
    QCOMPARE(row(0).value(u"result"_s).toString(), u"new replies"_s);
    QCOMPARE(row(1).value(u"result"_s).toString(), u"unchanged"_s);
    QCOMPARE(row(2).value(u"result"_s).toString(), u"failed"_s);
    QVERIFY(row(2).value(u"measuredSize"_s).isNull());
    QCOMPARE(row(2).value(u"error"_s).toString(), u"Connection refused"_s);
    QCOMPARE(row(3).value(u"result"_s).toString(), u"no size"_s);
    QVERIFY(row(3).value(u"recordedSize"_s).isNull());
}

void TestQuillboxCheck::markReadRecordsOnlyGrownPages() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));
    server.setScript("/same", ScriptedHttpServer::whole(ScriptedHttpServer::reply(1400)));
    quillbox::test::TestFolders folders;
    quillbox::ListsData data;
    data.posts = {{server.url(u"/grown"_s), 1000},
                  {server.url(u"/same"_s), 1000},
                  {u"http://127.0.0.1:1/refused"_s, 5}};
    data.forums = {{u"http://forum.example/"_s, u"me|secret"_s}};
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());

    const QStringList arguments{u"--mark-read"_s, u"--data-dir"_s, folders.dataFolder()};
    Run run = runCheck(arguments);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, server.url(u"/grown"_s) + u'\n');
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
    QTest::newRow("unknown option") << QStringList{u"--frobnicate"_s};
    QTest::newRow("stray argument") << QStringList{u"posts.txt"_s};
    QTest::newRow("missing folder") << QStringList{u"--data-dir"_s, u"/nonexistent/quillbox"_s};
    QTest::newRow("folder without value") << QStringList{u"--data-dir"_s};
    QTest::newRow("no jobs") << QStringList{u"--jobs"_s, u"0"_s};
    QTest::newRow("jobs not a number") << QStringList{u"--jobs=many"_s};
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
    QVERIFY(QDir(folders.dataFolder()).mkdir(u"posts.txt"_s));
    const Run run = runCheck({u"--data-dir"_s, folders.dataFolder()});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains(u"posts.txt"_s));
}

void TestQuillboxCheck::dataFolderComesFromTheEnvironmentByDefault() {
    ScriptedHttpServer server;
    QVERIFY(server.listenLocal());
    server.setScript("/grown", ScriptedHttpServer::whole(ScriptedHttpServer::reply(5000)));
    quillbox::test::TestFolders folders;
    quillbox::ListsData data;
    data.posts = {{server.url(u"/grown"_s), 10}};
    QVERIFY(quillbox::saveLists(folders.dataFolder(), data).isEmpty());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QUILLBOX_DATA_DIR"_s, folders.dataFolder());
    const Run run = runCheck({u"--quiet"_s}, environment);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, server.url(u"/grown"_s) + u'\n');
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
}

void TestQuillboxCheck::helpDescribesTheOptions() {
    const Run run = runCheck({u"--help"_s});
    QCOMPARE(run.exitCode, 0);
    for (const char* option : {"--data-dir", "--jobs", "--mark-read", "--json"})
        QVERIFY2(run.out.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(TestQuillboxCheck)
#include "tst_quillbox_check.moc"

// Starts the real program with an empty data folder and ends it the way a desktop logout does.
#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <csignal>

using namespace Qt::StringLiterals;

using namespace quillbox::test;

class TestProgramStart : public QObject {
    Q_OBJECT
private slots:
    void firstStartCreatesFilesAndCloseSavesSettings();
    void signalDuringAStartUpBoxLosesNothing();
    void secondStartOnTheFolderHandsOverAndEnds();

private:
    void start(QProcess& program, const TestFolders& folders);
};

void TestProgramStart::start(QProcess& program, const TestFolders& folders) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QUILLBOX_DATA_DIR"_s, folders.dataFolder());
    env.insert(u"XDG_CONFIG_HOME"_s, folders.settingsFolder());
    env.insert(u"XDG_DATA_HOME"_s, folders.settingsFolder() + u"/share"_s);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"QTWEBENGINE_DISABLE_SANDBOX"_s, u"1"_s);
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(QUILLBOX_PROGRAM), {});
    QVERIFY(program.waitForStarted());
}

void TestProgramStart::firstStartCreatesFilesAndCloseSavesSettings() {
    TestFolders folders;
    QVERIFY(folders.isValid());
    QProcess program;
    start(program, folders);

    const QStringList names{u"htmltemp.txt"_s, u"messages.txt"_s, u"posts.txt"_s, u"posts2.txt"_s,
                            u"sizes.txt"_s};
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folders.path(u"sizes.txt"_s)), 60000);
    for (const QString& name : names)
        QCOMPARE(readBytes(folders.path(name)), QByteArray("\r\n"));
    QCOMPARE(QFile(folders.path(u"posts2.txt"_s)).permissions() &
                 (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFileDevice::Permissions());

    // Once started (the subject it shows is stored), the program saves and ends on SIGTERM, as
    // when the desktop session ends.
    const QString ini = folders.settingsFolder() + u"/Quillbox/Quillbox.ini"_s;
    QTRY_VERIFY_WITH_TIMEOUT(readBytes(ini).contains("lastSubject"), 60000);
    ::kill(program.processId(), SIGTERM);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    // Closing rewrites the (empty) lists and stores the editor's state.
    for (const QString& name : {u"posts.txt"_s, u"posts2.txt"_s, u"sizes.txt"_s})
        QCOMPARE(readBytes(folders.path(name)), QByteArray());
    QSettings settings(ini, QSettings::IniFormat);
    QCOMPARE(settings.value(u"data/lastConvert"_s).toString(), u"0"_s);
    QCOMPARE(settings.value(u"data/lastSubject"_s).toString(), u"Type Subject Here"_s);
    QVERIFY(settings.value(u"data/lastMessage"_s)
                .toString()
                .startsWith(u"Type your first message here."_s));
}

// A damaged list opens a box at start-up; a desktop logout then must neither crash the program
// nor write the lists it has not loaded yet.
void TestProgramStart::signalDuringAStartUpBoxLosesNothing() {
    TestFolders folders;
    const QByteArray damaged("http://caf\xe9/\r\n\r\nhttp://b/\r\n\r\n");
    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), damaged));
    QVERIFY(writeBytes(folders.path(u"posts2.txt"_s), "http://f/|me|pw\r\n\r\n"));
    QProcess program;
    start(program, folders);
    // The damaged copy is made while the start-up runs, just before the box opens.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folders.path(u"posts.txt.damaged"_s)), 60000);
    ::kill(program.processId(), SIGTERM);
    QVERIFY(program.waitForFinished(60000));
    QVERIFY2(program.exitStatus() == QProcess::NormalExit || program.exitCode() == SIGTERM,
             qPrintable(QString::number(program.exitCode())));
    QCOMPARE(readBytes(folders.path(u"posts.txt"_s)), damaged);
    QCOMPARE(readBytes(folders.path(u"posts2.txt"_s)), QByteArray("http://f/|me|pw\r\n\r\n"));
}

// One data folder has one running program: a second start brings the first to the front and
// ends, and the first goes on.
void TestProgramStart::secondStartOnTheFolderHandsOverAndEnds() {
    TestFolders folders;
    QProcess first;
    start(first, folders);
    const QString ini = folders.settingsFolder() + u"/Quillbox/Quillbox.ini"_s;
    QTRY_VERIFY_WITH_TIMEOUT(readBytes(ini).contains("lastSubject"), 60000);
    QProcess second;
    start(second, folders);
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    ::kill(first.processId(), SIGTERM);
    QVERIFY(first.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_program_start.moc"

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
};

void TestProgramStart::firstStartCreatesFilesAndCloseSavesSettings() {
    TestFolders folders;
    QVERIFY(folders.isValid());
    QProcess program;
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

    const QStringList names{u"htmltemp.txt"_s, u"messages.txt"_s, u"posts.txt"_s, u"posts2.txt"_s,
                            u"sizes.txt"_s};
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folders.path(u"sizes.txt"_s)), 60000);
    for (const QString& name : names)
        QCOMPARE(readBytes(folders.path(name)), QByteArray("\r\n"));
    QCOMPARE(QFile(folders.path(u"posts2.txt"_s)).permissions() &
                 (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFileDevice::Permissions());

    // The program saves and ends on SIGTERM, as when the desktop session ends.
    ::kill(program.processId(), SIGTERM);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    // Closing rewrites the (empty) lists and stores the editor's state.
    for (const QString& name : {u"posts.txt"_s, u"posts2.txt"_s, u"sizes.txt"_s})
        QCOMPARE(readBytes(folders.path(name)), QByteArray());
    QSettings ini(folders.settingsFolder() + u"/Quillbox/Quillbox.ini"_s, QSettings::IniFormat);
    QCOMPARE(ini.value(u"data/lastConvert"_s).toString(), u"0"_s);
    QCOMPARE(ini.value(u"data/lastSubject"_s).toString(), u"Type Subject Here"_s);
    QVERIFY(
        ini.value(u"data/lastMessage"_s).toString().startsWith(u"Type your first message here."_s));
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_program_start.moc"

// Starts the real program with an empty data folder and ends it the way a desktop logout does.
#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <csignal>

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
    env.insert(QStringLiteral("QUILLBOX_DATA_DIR"), folders.dataFolder());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folders.settingsFolder());
    env.insert(QStringLiteral("XDG_DATA_HOME"),
               folders.settingsFolder() + QStringLiteral("/share"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(QUILLBOX_PROGRAM), {});
    QVERIFY(program.waitForStarted());

    const QStringList names{QStringLiteral("htmltemp.txt"), QStringLiteral("messages.txt"),
                            QStringLiteral("posts.txt"), QStringLiteral("posts2.txt"),
                            QStringLiteral("sizes.txt")};
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folders.path(QStringLiteral("sizes.txt"))), 60000);
    for (const QString& name : names)
        QCOMPARE(readBytes(folders.path(name)), QByteArray("\r\n"));
    QCOMPARE(QFile(folders.path(QStringLiteral("posts2.txt"))).permissions() &
                 (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFileDevice::Permissions());

    // The program saves and ends on SIGTERM, as when the desktop session ends.
    ::kill(program.processId(), SIGTERM);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    // Closing rewrites the (empty) lists and stores the editor's state.
    for (const QString& name :
         {QStringLiteral("posts.txt"), QStringLiteral("posts2.txt"), QStringLiteral("sizes.txt")})
        QCOMPARE(readBytes(folders.path(name)), QByteArray());
    QSettings ini(folders.settingsFolder() + QStringLiteral("/Quillbox/Quillbox.ini"),
                  QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("data/lastConvert")).toString(), QStringLiteral("0"));
    QCOMPARE(ini.value(QStringLiteral("data/lastSubject")).toString(),
             QStringLiteral("Type Subject Here"));
    QVERIFY(ini.value(QStringLiteral("data/lastMessage"))
                .toString()
                .startsWith(QStringLiteral("Type your first message here.")));
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_program_start.moc"

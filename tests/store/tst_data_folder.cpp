#include "store/data_folder.h"
#include "store/file_exists.h"
#include "store/records.h"
#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::readBytes;
using quillbox::test::TestFolders;
using quillbox::test::writeBytes;

class TestDataFolder : public QObject {
    Q_OBJECT

private slots:
    void createsMissingFilesHoldingOneLineEnd();
    void leavesExistingFilesAlone();
    void reportsFilesThatCannotBeCreated();
    void dataFolderFromEnvironment();
    void installedProgramFolder_data();
    void installedProgramFolder();
    void installedProgramKeepsDataPerUser_data();
    void installedProgramKeepsDataPerUser();
    void dataFilePaths();
    void fileNamePart_data();
    void fileNamePart();
    void fileExists_data();
    void fileExists();
    void logins_data();
    void logins();
};

void TestDataFolder::createsMissingFilesHoldingOneLineEnd() {
    TestFolders folders;
    QCOMPARE(ensureDataFiles(folders.dataFolder()), QStringList());
    QStringList names = dataFileNames();
    names.sort();
    QCOMPARE(QDir(folders.dataFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), names);
    for (const QString& name : dataFileNames())
        QCOMPARE(readBytes(folders.path(name)), QByteArray("\r\n"));
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    // Every one, htmltemp.txt (the logged-in posting page) included, whoever made the folder.
    for (const QString& name : dataFileNames()) {
        QCOMPARE(QFile::permissions(folders.path(name)) & others, QFileDevice::Permissions());
        QVERIFY(QFile::permissions(folders.path(name)) & QFileDevice::WriteOwner);
    }
}

void TestDataFolder::leavesExistingFilesAlone() {
    TestFolders folders;
    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), "http://a/\r\n\r\n"));
    QVERIFY(writeBytes(folders.path(u"sizes.txt"_s), ""));
    QCOMPARE(ensureDataFiles(folders.dataFolder()), QStringList());
    QCOMPARE(readBytes(folders.path(u"posts.txt"_s)), QByteArray("http://a/\r\n\r\n"));
    QCOMPARE(QFileInfo(folders.path(u"sizes.txt"_s)).size(), 0);
    QCOMPARE(readBytes(folders.path(u"messages.txt"_s)), QByteArray("\r\n"));
    // A second start changes nothing.
    QVERIFY(writeBytes(folders.path(u"messages.txt"_s), "saved"));
    QCOMPARE(ensureDataFiles(folders.dataFolder()), QStringList());
    QCOMPARE(readBytes(folders.path(u"messages.txt"_s)), QByteArray("saved"));
}

void TestDataFolder::reportsFilesThatCannotBeCreated() {
    TestFolders folders;
    QVERIFY(QDir(folders.dataFolder()).mkdir(u"messages.txt"_s));
    const QStringList errors = ensureDataFiles(folders.dataFolder());
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.at(0).contains(u"messages.txt"_s), qPrintable(errors.at(0)));
    QVERIFY(QFileInfo(folders.path(u"messages.txt"_s)).isDir());
    QCOMPARE(readBytes(folders.path(u"sizes.txt"_s)), QByteArray("\r\n"));

    const QStringList missingFolder = ensureDataFiles(folders.dataFolder() + u"/gone"_s);
    QCOMPARE(missingFolder.size(), dataFileNames().size());
}

void TestDataFolder::dataFolderFromEnvironment() {
    TestFolders folders;
    const QString wanted = folders.dataFolder() + u"/portable/data"_s;
    qputenv("QUILLBOX_DATA_DIR", wanted.toUtf8());
    const QString resolved = resolveDataFolder();
    qunsetenv("QUILLBOX_DATA_DIR");
    QCOMPARE(resolved, wanted);
    QVERIFY(QFileInfo(wanted).isDir());

    // Without it, the program's own folder (writable here) is the data folder.
    QCOMPARE(resolveDataFolder(), QCoreApplication::applicationDirPath());
    QCOMPARE(QDir(QCoreApplication::applicationDirPath())
                 .entryList({u".quillbox-probe-*"_s}, QDir::Files | QDir::Hidden),
             QStringList());
}

void TestDataFolder::installedProgramFolder_data() {
    // Folders relative to a fresh test folder holding bin/, bin/sub/ and a link to bin/.
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("binFolder");
    QTest::addColumn<bool>("installed");
    QTest::newRow("same") << u"bin"_s << u"bin"_s << true;
    QTest::newRow("trailing slash") << u"bin/"_s << u"bin"_s << true;
    QTest::newRow("dot dot") << u"bin/sub/.."_s << u"bin"_s << true;
    QTest::newRow("through a link") << u"linked-bin"_s << u"bin"_s << true;
    QTest::newRow("bin folder missing") << u"gone/bin"_s << u"gone/bin/"_s << true;
    QTest::newRow("below bin") << u"bin/sub"_s << u"bin"_s << false;
    QTest::newRow("elsewhere") << u"portable"_s << u"bin"_s << false;
    QTest::newRow("same name elsewhere") << u"portable/bin"_s << u"bin"_s << false;
    QTest::newRow("no bin folder") << u"bin"_s << QString() << false;
}

void TestDataFolder::installedProgramFolder() {
    QFETCH(QString, programFolder);
    QFETCH(QString, binFolder);
    QFETCH(bool, installed);
    TestFolders folders;
    QDir root(folders.dataFolder());
    QVERIFY(root.mkpath(u"bin/sub"_s));
    QVERIFY(root.mkpath(u"portable/bin"_s));
    QVERIFY(QFile::link(root.filePath(u"bin"_s), root.filePath(u"linked-bin"_s)));
    const QString bin = binFolder.isEmpty() ? QString() : root.filePath(binFolder);
    QCOMPARE(isInstalledProgramFolder(root.filePath(programFolder), bin), installed);
}

void TestDataFolder::installedProgramKeepsDataPerUser_data() {
    QTest::addColumn<bool>("installedHere");
    QTest::newRow("run from the installation") << true;
    QTest::newRow("run from elsewhere") << false;
}

void TestDataFolder::installedProgramKeepsDataPerUser() {
    QFETCH(bool, installedHere);
    TestFolders folders;
    QStandardPaths::setTestModeEnabled(true);
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // This test's folder is writable, as /usr/bin is for root.
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString resolved =
        resolveDataFolder(installedHere ? programFolder : folders.dataFolder() + u"/bin"_s);
    QStandardPaths::setTestModeEnabled(false);
    QCOMPARE(resolved, installedHere ? perUser : programFolder);
    QCOMPARE(QDir(programFolder).entryList({u".quillbox-probe-*"_s}, QDir::Files | QDir::Hidden),
             QStringList());
}

void TestDataFolder::dataFilePaths() {
    QCOMPARE(dataFilePath(u"/d"_s, u"posts.txt"_s), u"/d/posts.txt"_s);
    QCOMPARE(dataFilePath(u"/d/"_s, u"posts.txt"_s), u"/d/posts.txt"_s);
    QCOMPARE(dataFileNames(), (QStringList{u"htmltemp.txt"_s, u"messages.txt"_s, u"posts.txt"_s,
                                           u"posts2.txt"_s, u"sizes.txt"_s}));
}

void TestDataFolder::fileNamePart_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("bare name") << u"posts.txt"_s << u"posts.txt"_s;
    QTest::newRow("slash") << u"/a/b/posts.txt"_s << u"posts.txt"_s;
    QTest::newRow("backslash") << u"C:\\a\\posts.txt"_s << u"posts.txt"_s;
    QTest::newRow("mixed") << u"a\\b/c\\d.txt"_s << u"d.txt"_s;
    QTest::newRow("trailing separator") << u"/a/b/"_s << QString();
}

void TestDataFolder::fileNamePart() {
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(quillbox::fileNamePart(path), name);
}

void TestDataFolder::fileExists_data() {
    QTest::addColumn<QString>("path"); // relative to the data folder; "" is the folder itself
    QTest::addColumn<bool>("exists");
    QTest::newRow("ordinary file") << u"posts.txt"_s << true;
    QTest::newRow("missing") << u"sizes.txt"_s << false;
    QTest::newRow("folder") << u"sub"_s << false;
    QTest::newRow("hidden file") << u".hidden.txt"_s << false;
    QTest::newRow("file in folder") << u"sub/help.rtf"_s << true;
    QTest::newRow("link to file") << u"link.txt"_s << true;
    QTest::newRow("dangling link") << u"dangling.txt"_s << false;
    QTest::newRow("trailing slash") << u"posts.txt/"_s << false;
    QTest::newRow("data folder itself") << QString() << false;
}

void TestDataFolder::fileExists() {
    QFETCH(QString, path);
    QFETCH(bool, exists);
    TestFolders folders;
    const QDir data(folders.dataFolder());
    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), "\r\n"));
    QVERIFY(writeBytes(folders.path(u".hidden.txt"_s), "\r\n"));
    QVERIFY(data.mkdir(u"sub"_s));
    QVERIFY(writeBytes(folders.path(u"sub/help.rtf"_s), "x"));
    QVERIFY(QFile::link(folders.path(u"posts.txt"_s), folders.path(u"link.txt"_s)));
    QVERIFY(QFile::link(folders.path(u"none.txt"_s), folders.path(u"dangling.txt"_s)));
    const QString full = path.isEmpty() ? folders.dataFolder() : folders.path(path);
    QCOMPARE(quillbox::fileExists(full), exists);
}

void TestDataFolder::logins_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("password");
    QTest::newRow("both") << u"ann|pw"_s << u"ann"_s << u"pw"_s;
    QTest::newRow("empty login") << u"|"_s << QString() << QString();
    QTest::newRow("bar in password") << u"ann|p|w"_s << u"ann"_s << u"p|w"_s;
    QTest::newRow("no bar") << u"ann"_s << u"ann"_s << QString();
    QTest::newRow("the box's hint is no name") << u"Enter Username|pw"_s << QString() << u"pw"_s;
    QTest::newRow("the hint alone") << u"Enter Username"_s << QString() << QString();
    QTest::newRow("a name that only starts like it")
        << u"Enter Usernames|"_s << u"Enter Usernames"_s << QString();
}

void TestDataFolder::logins() {
    QFETCH(QString, login);
    QFETCH(QString, userName);
    QFETCH(QString, password);
    const LoginParts parts = splitLogin(login);
    QCOMPARE(parts.userName, userName);
    QCOMPARE(parts.password, password);
    if (login.contains(u'|') && !login.startsWith(u"Enter Username|"))
        QCOMPARE(joinLogin(parts.userName, parts.password), login);
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_data_folder.moc"

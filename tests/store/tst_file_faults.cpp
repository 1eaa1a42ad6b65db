// Saving where the disk says no: a read-only data folder, a full disk, and the program killed in
// the middle of a save. The files in place stay whole and readable, and every failed write is
// reported in words the user is shown.
#include "compose/saved_messages.h"
#include "store/app_settings.h"
#include "store/list_files.h"
#include "store/settings_store.h"
#include "support/test_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

ListsData listsOf(int count, const QString& tag) {
    ListsData data;
    for (int i = 0; i < count; ++i) {
        data.posts.append({u"http://forum.test/%1/thread/%2"_s.arg(tag).arg(i), i * 7});
        data.forums.append(
            {u"http://forum.test/%1/%2"_s.arg(tag).arg(i), u"user%1|secret"_s.arg(i)});
    }
    return data;
}

const QStringList listFiles{u"posts.txt"_s, u"posts2.txt"_s, u"sizes.txt"_s};

// A small file system of its own on `folder`, which only root may mount; gone with the object.
class Tmpfs {
public:
    Tmpfs(const QString& folder, const QByteArray& size) : m_folder(folder.toLocal8Bit()) {
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0,
                            QByteArray("size=" + size).constData()) == 0;
    }
    ~Tmpfs() {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    bool makeReadOnly() {
        return ::mount("tmpfs", m_folder.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) ==
               0;
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

// Fills the file system holding `folder` to the last byte, with a file of its own.
bool fillUp(const QString& folder) {
    QFile filler(QDir(folder).filePath(u"filler"_s));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    // The last page may still take a part of a block.
    while (filler.write("f", 1) == 1) {
    }
    return true;
}

// The child started by killedWhileSaving: saves two different lists in turn, for ever, and says
// so after each save.
int saveForever(const QString& folder) {
    const ListsData lists[] = {listsOf(4000, u"a"_s), listsOf(6000, u"b"_s)};
    for (int round = 0;; ++round) {
        if (!saveLists(folder, lists[round % 2]).isEmpty())
            return 1;
        ::write(STDOUT_FILENO, "saved\n", 6);
    }
}

// Loads the lists as the program starts, changes each and saves them as it would later in the run;
// reports what it was told to leave alone.
QByteArray loadChangeAndSave(const QString& folder) {
    const LoadListsResult loaded = loadLists(folder);
    ListsData changed = loaded.data;
    changed.posts.append({u"http://forum.test/added"_s, 1});
    changed.forums.append({u"http://forum.test/added-forum"_s, u"u|p"_s});
    const QStringList errors = saveLists(folder, changed, loaded.readOnly);
    SettingsStore settings(folder);
    const bool settingsSaved = settings.saveSetting(u"Quillbox"_s, u"Settings"_s, u"k"_s, u"v"_s);
    const bool toldUnread = settings.lastError().contains(u"could not be read"_s);
    return "read-only: " + loaded.readOnly.join(u' ').toUtf8() +
           "\nerrors: " + QByteArray::number(errors.size()) +
           "\nsettings saved: " + QByteArray::number(settingsSaved) +
           "\nsettings told unread: " + QByteArray::number(toldUnread) + '\n';
}

// Hands `path` to the user who runs the check.
bool giveToNobody(const QString& path, mode_t mode) {
    const QByteArray name = QFile::encodeName(path);
    return ::chown(name.constData(), 65534, 65534) == 0 && ::chmod(name.constData(), mode) == 0;
}

} // namespace

class TestFileFaults : public QObject {
    Q_OBJECT
private slots:
    void readOnlyFolderKeepsTheFilesAndSaysSo();
    void fullDiskKeepsTheFilesAndSaysSo();
    void fullDiskKeepsSmallFilesAndSaysSo_data();
    void fullDiskKeepsSmallFilesAndSaysSo();
    void unreadableListIsNeverWritten();
    void killedWhileSavingLeavesWholeFiles();
    void largeAndStrangeFilesLoad_data();
    void largeAndStrangeFilesLoad();
};

void TestFileFaults::readOnlyFolderKeepsTheFilesAndSaysSo() {
    TestFolders folders;
    const QString folder = folders.dataFolder();
    // Root writes through permissions, so for root the folder is a file system mounted
    // read-only instead.
    std::unique_ptr<Tmpfs> tmpfs;
    if (::geteuid() == 0) {
        tmpfs = std::make_unique<Tmpfs>(folder, "1m");
        if (!tmpfs->mounted())
            QSKIP("no file system can be mounted here");
    }
    const ListsData before = listsOf(3, u"old"_s);
    QCOMPARE(saveLists(folder, before), QStringList());
    SavedMessages messages(QDir(folder).filePath(messagesFileName()));
    QVERIFY(messages.save(u"kept body"_s, u"kept"_s).ok);
    const QByteArray messagesBefore = readBytes(messages.path());
    SettingsStore store(folder);
    AppSettings settings(store);
    QVERIFY(settings.set(keys::lastSubject, u"old subject"_s));

    if (tmpfs)
        QVERIFY(tmpfs->makeReadOnly());
    else
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    const QStringList errors = saveLists(folder, listsOf(5, u"new"_s));
    // posts.txt and posts2.txt fail; sizes.txt is not written without its posts.txt.
    QCOMPARE(errors.size(), 2);
    QVERIFY(errors[0].startsWith(u"Could not write"_s) && errors[0].contains(u"posts.txt"_s));
    QVERIFY(errors[1].contains(u"posts2.txt"_s));
    const FileResult saved = messages.save(u"new body"_s, u"new"_s);
    QVERIFY(!saved.ok);
    QVERIFY(saved.message.contains(messagesFileName()));
    QVERIFY(!settings.set(keys::lastSubject, u"new subject"_s));
    QVERIFY(!settings.lastError().isEmpty());

    const LoadListsResult loaded = loadLists(folder);
    QVERIFY(loaded.errors.isEmpty());
    QCOMPARE(loaded.data, before);
    QCOMPARE(readBytes(messages.path()), messagesBefore);
    // This process still knows the new subject; the file, which the next start reads, holds
    // the old one.
    const QByteArray settingsFile = readBytes(store.fileName(settingsApplication()));
    QVERIFY(settingsFile.contains("old subject") && !settingsFile.contains("new subject"));
    if (!tmpfs)
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
}

void TestFileFaults::fullDiskKeepsTheFilesAndSaysSo() {
    TestFolders folders;
    const QString folder = folders.dataFolder();
    Tmpfs tmpfs(folder, "256k");
    if (!tmpfs.mounted())
        QSKIP("a small file system needs root to mount");
    const ListsData before = listsOf(100, u"old"_s);
    QCOMPARE(saveLists(folder, before), QStringList());
    SavedMessages messages(QDir(folder).filePath(messagesFileName()));
    QVERIFY(messages.save(u"kept body"_s, u"kept"_s).ok);
    const QByteArray messagesBefore = readBytes(messages.path());

    // Far more than the disk holds.
    const QStringList errors = saveLists(folder, listsOf(20000, u"new"_s));
    QVERIFY(!errors.isEmpty());
    for (const QString& error : errors)
        QVERIFY2(error.startsWith(u"Could not write"_s), qPrintable(error));
    const FileResult saved = messages.save(QString(400000, u'm'), u"too long"_s);
    QVERIFY(!saved.ok);
    QVERIFY(saved.message.startsWith(u"Could not write"_s));

    QCOMPARE(loadLists(folder).data, before);
    QCOMPARE(readBytes(messages.path()), messagesBefore);
    // No half-written temporary file is left to fill the disk.
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), listFiles.size() + 1);
}

void TestFileFaults::fullDiskKeepsSmallFilesAndSaysSo_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("lists") << u"posts.txt"_s;
    QTest::newRow("saved messages") << messagesFileName();
    QTest::newRow("settings") << settingsApplication() + u".ini"_s;
}

// A write of a few bytes fits in a buffer and meets the full disk only when it is flushed, after
// the last chance to cancel it.
void TestFileFaults::fullDiskKeepsSmallFilesAndSaysSo() {
    QFETCH(QString, file);
    TestFolders folders;
    const QString folder = folders.dataFolder();
    Tmpfs tmpfs(folder, "256k");
    if (!tmpfs.mounted())
        QSKIP("a small file system needs root to mount");
    const ListsData before = listsOf(1, u"old"_s);
    QCOMPARE(saveLists(folder, before), QStringList());
    SavedMessages messages(QDir(folder).filePath(messagesFileName()));
    QVERIFY(messages.save(u"kept body"_s, u"kept"_s).ok);
    SettingsStore store(folder);
    AppSettings settings(store);
    QVERIFY(settings.set(keys::lastSubject, u"old subject"_s));
    const QString path = QDir(folder).filePath(file);
    const QByteArray bytesBefore = readBytes(path);
    QVERIFY(!bytesBefore.isEmpty());
    QVERIFY(fillUp(folder));

    QString error;
    if (file == u"posts.txt"_s) {
        const QStringList errors = saveLists(folder, listsOf(2, u"new"_s));
        QVERIFY(!errors.isEmpty());
        error = errors.first();
    } else if (file == messagesFileName()) {
        const FileResult saved = messages.save(u"new body"_s, u"new"_s);
        QVERIFY(!saved.ok);
        error = saved.message;
    } else {
        QVERIFY(!settings.set(keys::lastSubject, u"new subject"_s));
        error = settings.lastError();
    }
    QVERIFY2(error.startsWith(u"Could not"_s) && error.contains(file), qPrintable(error));
    QCOMPARE(readBytes(path), bytesBefore);
    if (file == u"posts.txt"_s)
        QCOMPARE(loadLists(folder).data, before);
    // No temporary file is left behind.
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), listFiles.size() + 3);
}

// A list file its user may write but not read (mode 0200): the lists start without it, and the
// saves of that run leave it, and the sizes.txt it pairs with, exactly as they were. A settings
// file likewise is not replaced by the few settings of one run.
void TestFileFaults::unreadableListIsNeverWritten() {
    TestFolders folders;
    const QString folder = folders.dataFolder();
    const ListsData before = listsOf(2, u"old"_s);
    QCOMPARE(saveLists(folder, before), QStringList());
    const QByteArray postsBefore = readBytes(folders.path(u"posts.txt"_s));
    const QByteArray sizesBefore = readBytes(folders.path(u"sizes.txt"_s));
    const QByteArray settingsBefore = "[Settings]\nlastSubject=kept\n";
    QVERIFY(writeBytes(folders.path(u"Quillbox.ini"_s), settingsBefore));

    QByteArray report;
    if (::geteuid() != 0) {
        for (const QString& name : {u"posts.txt"_s, u"Quillbox.ini"_s})
            QVERIFY(QFile::setPermissions(folders.path(name), QFileDevice::WriteOwner));
        report = loadChangeAndSave(folder);
        for (const QString& name : {u"posts.txt"_s, u"Quillbox.ini"_s}) {
            QVERIFY(QFile::setPermissions(folders.path(name),
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        }
    } else {
        // Root reads every file, so the check runs as an ordinary user.
        const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
        if (setpriv.isEmpty())
            QSKIP("setpriv is needed to run the check as an ordinary user");
        QVERIFY(QFile::setPermissions(QFileInfo(folder).path(),
                                      QFile::permissions(QFileInfo(folder).path()) |
                                          QFileDevice::ExeOther));
        QVERIFY(giveToNobody(folder, 0700));
        QVERIFY(giveToNobody(folders.path(u"posts.txt"_s), 0200));
        QVERIFY(giveToNobody(folders.path(u"posts2.txt"_s), 0600));
        QVERIFY(giveToNobody(folders.path(u"sizes.txt"_s), 0600));
        QVERIFY(giveToNobody(folders.path(u"Quillbox.ini"_s), 0200));
        QProcess child;
        child.start(setpriv,
                    {u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s,
                     QCoreApplication::applicationFilePath(), u"--load-and-save"_s, folder});
        QVERIFY(child.waitForFinished());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAllStandardError().constData());
        report = child.readAllStandardOutput();
    }
    QCOMPARE(report, QByteArray("read-only: posts.txt sizes.txt\nerrors: 0\nsettings saved: 0\n"
                                "settings told unread: 1\n"));
    QCOMPARE(readBytes(folders.path(u"posts.txt"_s)), postsBefore);
    QCOMPARE(readBytes(folders.path(u"Quillbox.ini"_s)), settingsBefore);
    QCOMPARE(readBytes(folders.path(u"sizes.txt"_s)), sizesBefore);
    // The file that was read is saved as usual.
    QCOMPARE(loadLists(folder).data.forums.size(), before.forums.size() + 1);
}

void TestFileFaults::killedWhileSavingLeavesWholeFiles() {
    TestFolders folders;
    const QString folder = folders.dataFolder();
    const ListsData lists[] = {listsOf(4000, u"a"_s), listsOf(6000, u"b"_s)};
    // Each kill comes after a different number of saves, so at a different point of one.
    for (int saves = 1; saves <= 5; ++saves) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--save-forever"_s, folder});
        QVERIFY(child.waitForStarted());
        QVERIFY(QTest::qWaitFor(
            [&] {
                child.waitForReadyRead(10);
                return child.peek(1 << 16).count('\n') >= saves;
            },
            60000));
        child.kill();
        QVERIFY(child.waitForFinished());

        const LoadListsResult loaded = loadLists(folder);
        QVERIFY(loaded.errors.isEmpty());
        // A kill between the renames of posts.txt and sizes.txt leaves the sizes of the other
        // save; when they outnumber the posts, the sizes that pair with none are kept aside.
        const bool sizesOutnumberPosts =
            readBytes(QDir(folder).filePath(listFiles[2])).count('\n') >
            readBytes(QDir(folder).filePath(listFiles[0])).count('\n');
        QCOMPARE(loaded.damaged.size(), sizesOutnumberPosts ? 1 : 0);
        for (const QString& name : listFiles) {
            const QByteArray bytes = readBytes(QDir(folder).filePath(name));
            const auto is = [&](const ListsData& data) {
                if (name == listFiles[0])
                    return bytes == serializePosts(data.posts);
                if (name == listFiles[1])
                    return bytes == serializeForums(data.forums);
                return bytes == serializeSizes(data.posts);
            };
            QVERIFY2(is(lists[0]) || is(lists[1]), qPrintable(name));
        }
    }
}

void TestFileFaults::largeAndStrangeFilesLoad_data() {
    QTest::addColumn<QByteArray>("lineEnd"); // empty: 10 MB of random bytes
    QTest::newRow("random bytes") << QByteArray();
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("CR only") << QByteArray("\r");
    QTest::newRow("LF only") << QByteArray("\n");
}

void TestFileFaults::largeAndStrangeFilesLoad() {
    QFETCH(QByteArray, lineEnd);
    constexpr int records = 100000;
    TestFolders folders;
    QByteArray posts, forums, sizes, messages;
    if (lineEnd.isEmpty()) {
        QByteArray noise(10 * 1024 * 1024, Qt::Uninitialized);
        quint32 seed = 12345;
        for (char& b : noise) {
            seed = seed * 1664525u + 1013904223u;
            b = char(seed >> 24);
        }
        posts = forums = sizes = messages = noise;
    } else {
        for (int i = 0; i < records; ++i) {
            posts += "http://forum.test/t/" + QByteArray::number(i) + lineEnd + lineEnd;
            forums += "http://forum.test/" + QByteArray::number(i) + "|u|p" + lineEnd;
            sizes += QByteArray::number(i) + lineEnd + lineEnd;
            messages += "body[br]" + QByteArray::number(i) + "|subject" + lineEnd;
        }
    }
    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), posts));
    QVERIFY(writeBytes(folders.path(u"posts2.txt"_s), forums));
    QVERIFY(writeBytes(folders.path(u"sizes.txt"_s), sizes));
    QVERIFY(writeBytes(folders.path(messagesFileName()), messages));

    const LoadListsResult loaded = loadLists(folders.dataFolder());
    QVERIFY(loaded.errors.isEmpty());
    const MessagesFile read = SavedMessages(folders.path(messagesFileName())).read();
    QVERIFY(read.status.ok);
    if (lineEnd.isEmpty()) {
        // Random bytes: some rows, all kept as they were read, the damage reported.
        QVERIFY(!loaded.data.posts.isEmpty());
        QCOMPARE(loaded.damaged.size(), 3);
        return;
    }
    QCOMPARE(loaded.data.posts.size(), records);
    QCOMPARE(loaded.data.forums.size(), records);
    QCOMPARE(read.lines.size(), records);
    for (const int i : {0, 1, records / 2, records - 1}) {
        QCOMPARE(loaded.data.posts[i], (WatchedPost{u"http://forum.test/t/%1"_s.arg(i), i}));
        QCOMPARE(loaded.data.forums[i], (Forum{u"http://forum.test/%1"_s.arg(i), u"u|p"_s}));
    }
}

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--save-forever") == 0) {
        QCoreApplication app(argc, argv);
        return saveForever(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && qstrcmp(argv[1], "--load-and-save") == 0) {
        QCoreApplication app(argc, argv);
        const QByteArray report = loadChangeAndSave(QString::fromLocal8Bit(argv[2]));
        return ::write(STDOUT_FILENO, report.constData(), report.size()) == report.size() ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    TestFileFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_file_faults.moc"

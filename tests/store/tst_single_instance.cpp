// Two programs on one data folder: the second learns of the first and talks to it; a lock left by
// a program that crashed is taken over, one held by a program that has run for long is not. The
// channel between them is the user's alone: another user can neither take it nor talk on it, and
// a flood of connections is served a few at a time.
#include "store/single_instance.h"
#include "store/user_channel.h"
#include "support/other_user.h"
#include "support/test_folders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillbox;
using namespace quillbox::test;

namespace {

constexpr int childWaitMs = 60000; // a bound for a busy machine, not a measure

QByteArray roleName(SingleInstance::Role role) {
    switch (role) {
    case SingleInstance::Role::Primary:
        return "primary";
    case SingleInstance::Role::Secondary:
        return "secondary";
    case SingleInstance::Role::None:
        break;
    }
    return "none";
}

void say(const QByteArray& line) {
    std::fputs(QByteArray(line + '\n').constData(), stdout);
    std::fflush(stdout);
}

// The child programs: a second start that sends one line, and a first start that answers.
int child(const QByteArray& mode, const QString& folder, const QString& message) {
    SingleInstance instance;
    const SingleInstance::Role role = instance.tryLock(folder);
    say(roleName(role));
    if (mode == "--send") {
        if (role != SingleInstance::Role::Secondary)
            return 1;
        const std::optional<QString> answer = instance.sendMessage(message, childWaitMs);
        say(answer ? "answer: " + answer->toUtf8() : QByteArray("no answer"));
        return 0;
    }
    QObject::connect(&instance, &SingleInstance::messageReceived, &instance,
                     [&instance](const QString& line) { instance.answer(u"held: "_s + line); });
    return QCoreApplication::exec();
}

QStringList lines(QProcess& process) {
    return QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// Sets an environment variable for one test, and puts it back.
class Environment {
public:
    Environment(const char* name, const QString& value)
        : m_name(name), m_old(qgetenv(name)), m_was(qEnvironmentVariableIsSet(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(value));
    }
    ~Environment() {
        if (m_was)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    Q_DISABLE_COPY_MOVE(Environment)

private:
    const char* m_name;
    QByteArray m_old;
    bool m_was;
};

bool setMode(const QString& path, mode_t mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondStartTalksToTheFirst_data();
    void secondStartTalksToTheFirst();
    void crashedProgramsLockIsTakenOver();
    void primaryThatDoesNotAnswer();
    void folderThatCannotBeLocked();
    void channelLivesWhereOnlyTheUserCanEnter_data();
    void channelLivesWhereOnlyTheUserCanEnter();
    void anotherUsersFolderForTheChannelIsNeverUsed();
    void anotherUsersProgramIsNeitherToldNorHeard();
    void floodOfConnectionsIsServedAFewAtATime();
};

void TestSingleInstance::secondStartTalksToTheFirst_data() {
    QTest::addColumn<QString>("message");
    QTest::newRow("activate") << u"activate"_s;
    QTest::newRow("command with an argument") << u"mark-read http://forum.test/t?a=1|b"_s;
    QTest::newRow("line breaks and backslashes") << u"a\nb\\nc\\"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("Unicode") << u"Grüße 😀"_s;
}

void TestSingleInstance::secondStartTalksToTheFirst() {
    QFETCH(QString, message);
    TestFolders folders;
    SingleInstance first;
    QCOMPARE(first.tryLock(folders.dataFolder()), SingleInstance::Role::Primary);
    QStringList received;
    connect(&first, &SingleInstance::messageReceived, &first, [&](const QString& line) {
        received.append(line);
        first.answer(u"done: "_s + line);
    });

    QProcess second;
    QSignalSpy finished(&second, &QProcess::finished);
    second.start(QCoreApplication::applicationFilePath(),
                 {u"--send"_s, folders.dataFolder(), message});
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), childWaitMs);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(received, QStringList{message});
    const QStringList said = lines(second);
    QCOMPARE(said.value(0), u"secondary"_s);
    // The answer is one line as the child prints it; a line break in it splits the print.
    QCOMPARE(said.mid(1).join(u'\n'), u"answer: done: "_s + message);
}

void TestSingleInstance::crashedProgramsLockIsTakenOver() {
    TestFolders folders;
    QProcess first;
    first.start(QCoreApplication::applicationFilePath(), {u"--hold"_s, folders.dataFolder()});
    QTRY_VERIFY_WITH_TIMEOUT(first.canReadLine(), childWaitMs);
    QCOMPARE(first.readLine(), QByteArray("primary\n"));

    // A first program that has run for a day keeps its folder.
    const QString lock = QDir(folders.dataFolder()).filePath(SingleInstance::lockFileName());
    {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
    }
    SingleInstance second;
    QCOMPARE(second.tryLock(folders.dataFolder()), SingleInstance::Role::Secondary);
    QCOMPARE(second.sendMessage(u"ping"_s, childWaitMs), std::optional<QString>(u"held: ping"_s));

    // Killed, it leaves its lock file and its socket behind.
    first.kill();
    QVERIFY(first.waitForFinished(childWaitMs));
    QVERIFY(QFile::exists(lock));
    QCOMPARE(second.tryLock(folders.dataFolder()), SingleInstance::Role::Primary);
    QVERIFY2(second.error().isEmpty(), qPrintable(second.error()));

    // Its own socket is the one a third start reaches.
    connect(&second, &SingleInstance::messageReceived, &second,
            [&second](const QString& line) { second.answer(line.toUpper()); });
    QProcess third;
    QSignalSpy finished(&third, &QProcess::finished);
    third.start(QCoreApplication::applicationFilePath(),
                {u"--send"_s, folders.dataFolder(), u"again"_s});
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), childWaitMs);
    QCOMPARE(lines(third), (QStringList{u"secondary"_s, u"answer: AGAIN"_s}));
}

// A lock held by a program that never listens (one of another machine on a shared folder, or
// one stuck in its start): the second start hears nothing and is told so, in bounded time.
void TestSingleInstance::primaryThatDoesNotAnswer() {
    TestFolders folders;
    QLockFile held(QDir(folders.dataFolder()).filePath(SingleInstance::lockFileName()));
    QVERIFY(held.tryLock(0));
    SingleInstance second;
    QCOMPARE(second.tryLock(folders.dataFolder()), SingleInstance::Role::Secondary);
    QCOMPARE(second.sendMessage(u"activate"_s, 300), std::nullopt);
}

void TestSingleInstance::folderThatCannotBeLocked() {
    TestFolders folders;
    SingleInstance instance;
    QCOMPARE(instance.tryLock(folders.dataFolder() + u"/missing"_s), SingleInstance::Role::None);
    QVERIFY(instance.error().contains(u"missing"_s));
}

void TestSingleInstance::channelLivesWhereOnlyTheUserCanEnter_data() {
    QTest::addColumn<int>("runtimeMode"); // -1: XDG_RUNTIME_DIR unset
    QTest::addColumn<bool>("inRuntime");
    QTest::newRow("runtime folder of the user's own") << 0700 << true;
    QTest::newRow("runtime folder others may enter") << 0755 << false;
    QTest::newRow("no runtime folder") << -1 << false;
}

void TestSingleInstance::channelLivesWhereOnlyTheUserCanEnter() {
    QFETCH(int, runtimeMode);
    QFETCH(bool, inRuntime);
    TestFolders folders;
    QTemporaryDir runtime;
    QTemporaryDir temp;
    QVERIFY(runtimeMode < 0 || setMode(runtime.path(), mode_t(runtimeMode)));
    const Environment xdg("XDG_RUNTIME_DIR", runtimeMode < 0 ? QString() : runtime.path());
    const Environment tmp("TMPDIR", temp.path());

    const ChannelPlace place = channelPlace(folders.dataFolder());
    QVERIFY2(place.error.isEmpty(), qPrintable(place.error));
    const QString own = temp.filePath(u"quillbox-"_s + QString::number(::getuid()));
    QCOMPARE(QFileInfo(place.path).absolutePath(), inRuntime ? runtime.path() : own);
    if (!inRuntime)
        QVERIFY(isPrivateFolder(own, ::getuid())); // made owner-only

    // The two ends meet there.
    SingleInstance first;
    QCOMPARE(first.tryLock(folders.dataFolder()), SingleInstance::Role::Primary);
    QVERIFY2(first.error().isEmpty(), qPrintable(first.error()));
    QVERIFY(QFileInfo::exists(place.path));
    connect(&first, &SingleInstance::messageReceived, &first,
            [&first](const QString& line) { first.answer(line + u" back"_s); });
    QProcess second;
    second.start(QCoreApplication::applicationFilePath(),
                 {u"--send"_s, folders.dataFolder(), u"hello"_s});
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, childWaitMs);
    QCOMPARE(lines(second), (QStringList{u"secondary"_s, u"answer: hello back"_s}));
}

// The folder in the temporary folder can be made by anyone first, or opened to others: then
// there is no channel, the program says so, and a second start trusts nothing.
void TestSingleInstance::anotherUsersFolderForTheChannelIsNeverUsed() {
    TestFolders folders;
    QTemporaryDir temp;
    const Environment xdg("XDG_RUNTIME_DIR", QString());
    const Environment tmp("TMPDIR", temp.path());
    const QString own = temp.filePath(u"quillbox-"_s + QString::number(::getuid()));
    QVERIFY(QDir().mkdir(own));
    QVERIFY(setMode(own, 0777));

    QVERIFY(!channelPlace(folders.dataFolder()).error.isEmpty());
    SingleInstance first;
    QCOMPARE(first.tryLock(folders.dataFolder()), SingleInstance::Role::Primary);
    QVERIFY2(first.error().contains(own), qPrintable(first.error()));
    QCOMPARE(QDir(own).entryList(QDir::System | QDir::NoDotAndDotDot), QStringList());

    SingleInstance second;
    QCOMPARE(second.tryLock(folders.dataFolder()), SingleInstance::Role::Secondary);
    QCOMPARE(second.sendMessage(u"activate"_s, 300), std::nullopt);
    QVERIFY(second.untrusted());
    QVERIFY(second.untrustedReason().contains(own));
}

// Another user who makes the channel's name first (here in a runtime folder opened to them for a
// moment) receives nothing: the second start sees whose program it reached and sends nothing.
// And another user who reaches the program's own channel is refused before anything is read.
void TestSingleInstance::anotherUsersProgramIsNeitherToldNorHeard() {
    if (!canActAsOtherUser())
        QSKIP("needs root and setpriv to act as another user");
    TestFolders folders;
    QTemporaryDir runtime;
    const Environment xdg("XDG_RUNTIME_DIR", runtime.path());
    const QString path = channelPlace(folders.dataFolder()).path;
    QVERIFY(!path.isEmpty());
    QVERIFY(setMode(runtime.path(), 0777));
    QProcess listener;
    const bool listening = startOtherUsersListener(listener, path);
    QVERIFY(setMode(runtime.path(), 0700));
    QVERIFY(listening);

    QLockFile held(QDir(folders.dataFolder()).filePath(SingleInstance::lockFileName()));
    QVERIFY(held.tryLock(0));
    SingleInstance second;
    QCOMPARE(second.tryLock(folders.dataFolder()), SingleInstance::Role::Secondary);
    QCOMPARE(second.sendMessage(u"mark-read secret"_s, childWaitMs), std::nullopt);
    QVERIFY(second.untrusted());
    QVERIFY2(second.untrustedReason().contains(QString::number(otherUserId())),
             qPrintable(second.untrustedReason()));
    QTest::qWait(200);
    QVERIFY(!listener.readAllStandardOutput().contains("received"));
    listener.kill();
    listener.waitForFinished(childWaitMs);
    held.unlock();

    // The real program now; another user gets in only through a door opened on purpose.
    SingleInstance first;
    QCOMPARE(first.tryLock(folders.dataFolder()), SingleInstance::Role::Primary);
    QStringList received;
    connect(&first, &SingleInstance::messageReceived, &first,
            [&](const QString& line) { received.append(line); });
    QVERIFY(setMode(runtime.path(), 0777));
    QVERIFY(setMode(path, 0777));
    const QString id = QString::number(otherUserId());
    QProcess other;
    other.start(u"setpriv"_s, {u"--reuid="_s + id, u"--regid="_s + id, u"--clear-groups"_s,
                               QCoreApplication::applicationFilePath(), u"--send-to"_s, path});
    QTRY_VERIFY_WITH_TIMEOUT(other.state() == QProcess::NotRunning, childWaitMs);
    QVERIFY(setMode(runtime.path(), 0700));
    QCOMPARE(lines(other), QStringList{u"no answer"_s});
    QCOMPARE(received, QStringList());
}

void TestSingleInstance::floodOfConnectionsIsServedAFewAtATime() {
    TestFolders folders;
    SingleInstance first;
    QCOMPARE(first.tryLock(folders.dataFolder()), SingleInstance::Role::Primary);
    const QString path = channelPlace(folders.dataFolder()).path;
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < 3 * SingleInstance::maxServed; ++i) {
        idle.push_back(std::make_unique<QLocalSocket>());
        idle.back()->connectToServer(path);
    }
    QTRY_COMPARE(first.servedCount(), SingleInstance::maxServed);
    QTest::qWait(100);
    QCOMPARE(first.servedCount(), SingleInstance::maxServed);

    // As the idle ones go, the waiting ones are served; a real message still gets through.
    connect(&first, &SingleInstance::messageReceived, &first,
            [&first](const QString&) { first.answer(u"ok"_s); });
    idle.clear();
    QTRY_COMPARE(first.servedCount(), 0);
    QProcess second;
    second.start(QCoreApplication::applicationFilePath(),
                 {u"--send"_s, folders.dataFolder(), u"activate"_s});
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, childWaitMs);
    QCOMPARE(lines(second), (QStringList{u"secondary"_s, u"answer: ok"_s}));
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--send-to") == 0) {
        // Another user's client: straight to the socket, as no program of the user would go.
        QLocalSocket socket;
        socket.connectToServer(QString::fromLocal8Bit(argv[2]));
        if (!socket.waitForConnected(childWaitMs))
            return 1;
        socket.write("activate\n");
        socket.waitForBytesWritten(childWaitMs);
        say(socket.waitForReadyRead(childWaitMs) ? "answer: " + socket.readAll()
                                                 : QByteArray("no answer"));
        return 0;
    }
    if (argc >= 3 && (qstrcmp(argv[1], "--send") == 0 || qstrcmp(argv[1], "--hold") == 0)) {
        return child(argv[1], QString::fromLocal8Bit(argv[2]),
                     argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    }
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance.moc"

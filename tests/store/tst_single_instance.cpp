// Two programs on one data folder: the second learns of the first and talks to it; a lock left by
// a program that crashed is taken over, one held by a program that has run for long is not.
#include "store/single_instance.h"
#include "support/test_folders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>

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

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondStartTalksToTheFirst_data();
    void secondStartTalksToTheFirst();
    void crashedProgramsLockIsTakenOver();
    void primaryThatDoesNotAnswer();
    void folderThatCannotBeLocked();
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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc >= 3 && (qstrcmp(argv[1], "--send") == 0 || qstrcmp(argv[1], "--hold") == 0)) {
        return child(argv[1], QString::fromLocal8Bit(argv[2]),
                     argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    }
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance.moc"

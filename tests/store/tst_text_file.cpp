#include "store/text_file.h"
#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::readBytes;
using quillbox::test::TestFolders;
using quillbox::test::writeBytes;

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void splitsLinesAsTheFilesAreRead_data();
    void splitsLinesAsTheFilesAreRead();
    void decodesUtf8AndReplacesBadBytes_data();
    void decodesUtf8AndReplacesBadBytes();
    void keepsATruncatedSequenceAtTheEnd();
    void missingFileReadsAsNoLines();
    void folderInsteadOfFileIsAnError();
    void readsBinaryAndHugeFiles();
    void writeReplacesContent();
    void failedWriteIsReportedAndKeepsPreviousContent_data();
    void failedWriteIsReportedAndKeepsPreviousContent();
    void ownerOnlyWriteRestrictsPermissions();
    void everyDamageIsKeptUnderANameOfItsOwn();
};

void TestTextFile::splitsLinesAsTheFilesAreRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("only CR LF") << u"\r\n"_s << QStringList{QString()};
    QTest::newRow("CR LF pairs") << u"a\r\n\r\nb\r\n\r\n"_s << QStringList{u"a"_s, {}, u"b"_s, {}};
    QTest::newRow("no final line end") << u"a\r\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone CR ends a line") << u"a\rb\r"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone LF ends a line") << u"a\nb\r\nc"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("only LF") << u"\n"_s << QStringList{QString()};
    QTest::newRow("LF pairs") << u"a\n\nb\n"_s << QStringList{u"a"_s, {}, u"b"_s};
    QTest::newRow("CR CR LF") << u"a\r\r\nb"_s << QStringList{u"a"_s, {}, u"b"_s};
    QTest::newRow("LF CR") << u"a\n\rb"_s << QStringList{u"a"_s, {}, u"b"_s};
    QTest::newRow("one space") << u" \r\n"_s << QStringList{u" "_s};
}

void TestTextFile::splitsLinesAsTheFilesAreRead() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitFileLines(text), lines);
}

void TestTextFile::decodesUtf8AndReplacesBadBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("abc") << u"abc"_s;
    QTest::newRow("utf-8") << QByteArray("\xc3\xa9\xe6\x97\xa5") << u"\u00e9\u65e5"_s;
    QTest::newRow("latin-1 byte") << QByteArray("a\xe9z") << u"a\ufffdz"_s;
    QTest::newRow("nul byte") << QByteArray("a\0b", 3) << QString(u"a\0b"_s);
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbfx") << u"x"_s;
}

void TestTextFile::decodesUtf8AndReplacesBadBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeFileText(bytes), text);
}

void TestTextFile::keepsATruncatedSequenceAtTheEnd() {
    const QString text = decodeFileText("a\xe6\x97");
    QVERIFY(text.startsWith(u'a'));
    QVERIFY(text.endsWith(QChar::ReplacementCharacter));
}

void TestTextFile::missingFileReadsAsNoLines() {
    TestFolders folders;
    const ReadLinesResult result = readFileLines(folders.path(u"nothing.txt"_s));
    QVERIFY(result.status.ok);
    QVERIFY(result.lines.isEmpty());
    QVERIFY(readFileLines(folders.path(u"no/such/folder.txt"_s)).status.ok);
}

void TestTextFile::folderInsteadOfFileIsAnError() {
    TestFolders folders;
    QVERIFY(QDir(folders.dataFolder()).mkdir(u"posts.txt"_s));
    const ReadLinesResult result = readFileLines(folders.path(u"posts.txt"_s));
    QVERIFY(!result.status.ok);
    QVERIFY2(result.status.message.contains(u"posts.txt"_s), qPrintable(result.status.message));
    QVERIFY(result.lines.isEmpty());
}

void TestTextFile::readsBinaryAndHugeFiles() {
    TestFolders folders;
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i % 256));
    QVERIFY(writeBytes(folders.path(u"binary.txt"_s), binary));
    const ReadLinesResult binaryRead = readFileLines(folders.path(u"binary.txt"_s));
    QVERIFY(binaryRead.status.ok);
    QVERIFY(!binaryRead.lines.isEmpty());

    const QByteArray longLine(6 * 1024 * 1024, 'x');
    QVERIFY(writeBytes(folders.path(u"long.txt"_s), longLine + "\r\nend"));
    const ReadLinesResult longRead = readFileLines(folders.path(u"long.txt"_s));
    QVERIFY(longRead.status.ok);
    QCOMPARE(longRead.lines.size(), 2);
    QCOMPARE(longRead.lines.at(0).size(), longLine.size());
    QCOMPARE(longRead.lines.at(1), u"end"_s);
}

void TestTextFile::writeReplacesContent() {
    TestFolders folders;
    const QString path = folders.path(u"messages.txt"_s);
    QVERIFY(writeBytes(path, "a much longer previous content\r\n"));
    QVERIFY(writeFileAtomically(path, "new\r\n").ok);
    QCOMPARE(readBytes(path), QByteArray("new\r\n"));
    QVERIFY(writeFileAtomically(path, {}).ok);
    QCOMPARE(QFileInfo(path).size(), 0);
    // Nothing of the temporary file is left behind.
    QCOMPARE(QDir(folders.dataFolder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"messages.txt"_s});
}

void TestTextFile::failedWriteIsReportedAndKeepsPreviousContent_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("folder missing") << u"gone/posts.txt"_s;
    QTest::newRow("target is a folder") << u"blocked"_s;
}

void TestTextFile::failedWriteIsReportedAndKeepsPreviousContent() {
    QFETCH(QString, target);
    TestFolders folders;
    QVERIFY(QDir(folders.dataFolder()).mkdir(u"blocked"_s));
    const QString other = folders.path(u"posts.txt"_s);
    QVERIFY(writeBytes(other, "kept\r\n\r\n"));

    const FileResult result = writeFileAtomically(folders.path(target), "new\r\n");
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains(QDir::toNativeSeparators(folders.path(target))),
             qPrintable(result.message));
    QVERIFY(QFileInfo(folders.path(u"blocked"_s)).isDir());
    QCOMPARE(readBytes(other), QByteArray("kept\r\n\r\n"));
}

void TestTextFile::ownerOnlyWriteRestrictsPermissions() {
    TestFolders folders;
    const QString path = folders.path(u"posts2.txt"_s);
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

    QVERIFY(writeFileAtomically(path, "u|n|w\r\n\r\n", true).ok);
    QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
             ownerOnly);

    // A file left readable by others, for instance by an older version, is narrowed on write.
    QVERIFY(
        QFile::setPermissions(path, ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    QVERIFY(writeFileAtomically(path, "u|n|x\r\n\r\n", true).ok);
    QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
             ownerOnly);
    QCOMPARE(readBytes(path), QByteArray("u|n|x\r\n\r\n"));
}

void TestTextFile::everyDamageIsKeptUnderANameOfItsOwn() {
    TestFolders folders;
    const QString path = folders.path(u"sizes.txt"_s);
    QCOMPARE(damagedCopyPath(path), path + u".damaged"_s);
    QVERIFY(keepDamagedOriginal(path, "first").ok);
    // The same damage met again is not copied again.
    QVERIFY(keepDamagedOriginal(path, "first").ok);
    QCOMPARE(damagedCopyPath(path, "first"), path + u".damaged"_s);
    QCOMPARE(damagedCopyPath(path, "second"), path + u".damaged.2"_s);
    QVERIFY(keepDamagedOriginal(path, "second").ok);
    QVERIFY(keepDamagedOriginal(path, "third").ok);
    QCOMPARE(readBytes(path + u".damaged"_s), QByteArray("first"));
    QCOMPARE(readBytes(path + u".damaged.2"_s), QByteArray("second"));
    QCOMPARE(readBytes(path + u".damaged.3"_s), QByteArray("third"));
    QCOMPARE(damagedCopyPath(path), path + u".damaged.3"_s);
    // A copy the user cleared away never brings an older name back for newer damage.
    QVERIFY(QFile::remove(path + u".damaged"_s));
    QVERIFY(keepDamagedOriginal(path, "fourth").ok);
    QCOMPARE(readBytes(path + u".damaged.4"_s), QByteArray("fourth"));
    QVERIFY(!QFileInfo::exists(path + u".damaged"_s));
    // And the copies are the owner's alone, like the files they keep.
    QCOMPARE(QFile::permissions(path + u".damaged.4"_s) &
                 (QFileDevice::ReadGroup | QFileDevice::ReadOther),
             QFileDevice::Permissions());
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"

#include "compose/saved_message_list.h"
#include "compose/saved_messages.h"
#include "support/test_folders.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

class TestSavedMessages : public QObject {
    Q_OBJECT

private slots:
    void init();
    void saveRewritesTheFile_data();
    void saveRewritesTheFile();
    void deleteKeepsEveryOtherLine_data();
    void deleteKeepsEveryOtherLine();
    void linesReadBack_data();
    void linesReadBack();
    void anyTextComesBackExactly_data();
    void anyTextComesBackExactly();
    void missingAndUnreadableFiles();
    void filterNarrowsByTextIgnoringCase();
    void listFollowsTheFileOnceRead();

private:
    std::unique_ptr<TestFolders> folders;
    QString path() const { return folders->path(messagesFileName()); }
};

void TestSavedMessages::init() {
    folders = std::make_unique<TestFolders>();
}

// The file before, the editor's body and subject, the file after saving.
void TestSavedMessages::saveRewritesTheFile_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("three lines over the start-up line")
        << QByteArray("\r\n") << u"a\r\nb\r\nc"_s << u"S"_s << QByteArray("a[br]b[br]c|S\r\n");
    QTest::newRow("missing file") << QByteArray() << u"x"_s << u"y"_s << QByteArray("x|y\r\n");
    QTest::newRow("appended last, empty and blank lines dropped")
        << QByteArray("\r\nold|1\r\n \r\n\r\nolder|2\r\n\r\n") << u"new"_s << u"3"_s
        << QByteArray("old|1\r\nolder|2\r\nnew|3\r\n");
    QTest::newRow("empty line inside the body kept")
        << QByteArray() << u"a\r\n\r\nb"_s << u""_s << QByteArray("a[br][br]b|\r\n");
    QTest::newRow("empty message") << QByteArray("\r\n") << u""_s << u""_s << QByteArray("|\r\n");
    QTest::newRow("same message twice")
        << QByteArray("m|s\r\n") << u"m"_s << u"s"_s << QByteArray("m|s\r\nm|s\r\n");
    QTest::newRow("bar and [br] typed by the user escaped")
        << QByteArray() << u"a|b [BR] c"_s << u"s|t"_s
        << QByteArray("a[bar]b [lb]BR] c|s[bar]t\r\n");
    QTest::newRow("lone line breaks and a pasted subject break stay on one line")
        << QByteArray() << u"a\nb\rc"_s << u"one\r\ntwo"_s
        << QByteArray("a[br]b[br]c|one[nl]two\r\n");
    QTest::newRow("any Unicode as UTF-8") << QByteArray() << u"Grüße 😀\u00a0"_s << u"Тема"_s
                                          << (u"Grüße 😀\u00a0|Тема"_s).toUtf8() + "\r\n";
    QTest::newRow("hand-edited lines kept byte for byte, line ends made CR LF")
        << QByteArray("lf|1\ncr|2\rbin\xff\xfe\x01|3\r\nlast without end") << u"n"_s << u"s"_s
        << QByteArray("lf|1\r\ncr|2\r\nbin\xff\xfe\x01|3\r\nlast without end\r\nn|s\r\n");
}

void TestSavedMessages::saveRewritesTheFile() {
    QFETCH(QByteArray, before);
    QFETCH(QString, body);
    QFETCH(QString, subject);
    QFETCH(QByteArray, after);
    if (!before.isNull())
        QVERIFY(writeBytes(path(), before));
    SavedMessages store(path());
    QSignalSpy changed(&store, &SavedMessages::changed);
    const FileResult result = store.save(body, subject);
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(readBytes(path()), after);
    QCOMPARE(changed.size(), 1);
}

// The file before, the stored line of the entry deleted, the file after.
void TestSavedMessages::deleteKeepsEveryOtherLine_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("only record leaves one empty line")
        << QByteArray("a|b\r\n") << QByteArray("a|b") << QByteArray("\r\n");
    QTest::newRow("middle record") << QByteArray("1|a\r\n2|b\r\n3|c\r\n") << QByteArray("2|b")
                                   << QByteArray("1|a\r\n3|c\r\n\r\n");
    QTest::newRow("identical records all go")
        << QByteArray("x|y\r\nz|w\r\nx|y\r\n") << QByteArray("x|y") << QByteArray("z|w\r\n\r\n");
    QTest::newRow("comparison is exact and case-sensitive")
        << QByteArray("X|y\r\nx|y \r\nx|y\r\n") << QByteArray("x|y")
        << QByteArray("X|y\r\nx|y \r\n\r\n");
    QTest::newRow("nothing selected removes the empty lines")
        << QByteArray("\r\na|b\r\n\r\n") << QByteArray() << QByteArray("a|b\r\n\r\n");
    QTest::newRow("missing file is created")
        << QByteArray() << QByteArray("a|b") << QByteArray("\r\n");
    QTest::newRow("binary, long and odd lines untouched")
        << QByteArray("\x80\x81|\xc3\r\n" + QByteArray(200000, 'L') + "\rgo|ne\nmany|bars|here\r\n")
        << QByteArray("go|ne")
        << QByteArray("\x80\x81|\xc3\r\n" + QByteArray(200000, 'L') + "\r\nmany|bars|here\r\n\r\n");
    QTest::newRow("a binary line deleted by its own bytes")
        << QByteArray("keep|1\r\n\xff\xfe|2\r\n\xfe\xff|2\r\n") << QByteArray("\xff\xfe|2")
        << QByteArray("keep|1\r\n\xfe\xff|2\r\n\r\n");
}

void TestSavedMessages::deleteKeepsEveryOtherLine() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, after);
    if (!before.isNull())
        QVERIFY(writeBytes(path(), before));
    SavedMessages store(path());
    const FileResult result = store.remove(line);
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(readBytes(path()), after);
}

// A stored line as the window reads it.
void TestSavedMessages::linesReadBack_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<bool>("hasSubject");
    QTest::newRow("three lines") << u"a[br]b[br]c|S"_s << u"a\r\nb\r\nc"_s << u"S"_s << true;
    QTest::newRow("[br] in any case")
        << u"a[BR]b[Br]c[bR]d[br"_s << u"a\r\nb\r\nc\r\nd[br"_s << u""_s << false;
    QTest::newRow("first bar ends the body, second the subject")
        << u"a|b|c|d"_s << u"a"_s << u"b"_s << true;
    QTest::newRow("empty body") << u"|subject"_s << u""_s << u"subject"_s << true;
    QTest::newRow("no bar: all body") << u"just text"_s << u"just text"_s << u""_s << false;
    QTest::newRow("empty line") << u""_s << u""_s << u""_s << false;
    QTest::newRow("brackets that are no break")
        << u"[[br]][b]r]|s"_s << u"[\r\n][b]r]"_s << u"s"_s << true;
    // Lines written before "|" and "[" were escaped read as they always did.
    QTest::newRow("old bars in body and subject")
        << u"Garden swap | Saturday|x"_s << u"Garden swap "_s << u" Saturday"_s << true;
    QTest::newRow("old brackets and bars")
        << u"a[b]c [B|[x] [ba]"_s << u"a[b]c [B"_s << u"[x] [ba]"_s << true;
    QTest::newRow("escapes only in lower case")
        << u"[BAR][LB]|[Bar]"_s << u"[BAR][LB]"_s << u"[Bar]"_s << true;
    QTest::newRow("[br] in a subject is text")
        << u"x|only[br]|t"_s << u"x"_s << u"only[br]"_s << true;
    QTest::newRow("[nl] in a body is text") << u"a[nl]b|[nl]"_s << u"a[nl]b"_s << u"\r\n"_s << true;
}

// Saved through the file and read back, any text comes back exactly as the editor held it, in a
// record of one line with a single "|"; a reader that knows only "[br]" loses none of it.
void TestSavedMessages::anyTextComesBackExactly_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("subject");
    QTest::newRow("bar in the subject") << u"Bring pots"_s << u"Garden swap | Saturday"_s;
    QTest::newRow("bars everywhere") << u"|a|b||c|"_s << u"|x||"_s;
    QTest::newRow("break tags typed") << u"x[br]y[BR]z[bR]"_s << u"[br] and [Br]"_s;
    QTest::newRow("escapes typed") << u"[bar][lb][LB][BAR][nl]"_s << u"[lb]|[bar][nl][NL]"_s;
    QTest::newRow("escapes of escapes") << u"[lb]br] [[br]] [[[bar]]]"_s << u"[lb]lb]"_s;
    QTest::newRow("lone and cut-off brackets") << u"[ ] ][ [b [ba [l [br"_s << u"["_s;
    QTest::newRow("bracket before a break") << u"[\r\n[\r\n|"_s << u"a["_s;
    QTest::newRow("line breaks") << u"\r\none\r\n\r\ntwo\r\n"_s << u"sub\r\nject"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("look-alikes and Unicode") << u"Grüße 😀 ｜ ∣ ǀ"_s << u"Тема|\u00a0"_s;
}

void TestSavedMessages::anyTextComesBackExactly() {
    QFETCH(QString, body);
    QFETCH(QString, subject);
    SavedMessages store(path());
    QVERIFY(store.save(u"before"_s, u"1"_s).ok);
    QVERIFY(store.save(body, subject).ok);
    QVERIFY(store.save(u"after"_s, u"2"_s).ok);
    const QList<QByteArray> lines = store.read().lines;
    QCOMPARE(lines.size(), 3);
    const QString line = QString::fromUtf8(lines.at(1));
    QCOMPARE(line.count(u'|'), 1);
    const SavedMessageParts parts = splitSavedMessage(line);
    QCOMPARE(parts.body, body);
    QCOMPARE(parts.subject, subject);
    QVERIFY(parts.hasSubject);

    const QString oldBody =
        line.first(line.indexOf(u'|')).replace(u"[br]"_s, u"\r\n"_s, Qt::CaseInsensitive);
    QCOMPARE(oldBody.count(u"\r\n"_s), body.count(u"\r\n"_s));
}

void TestSavedMessages::linesReadBack() {
    QFETCH(QString, line);
    QFETCH(QString, body);
    QFETCH(QString, subject);
    QFETCH(bool, hasSubject);
    const SavedMessageParts parts = splitSavedMessage(line);
    QCOMPARE(parts.body, body);
    QCOMPARE(parts.subject, subject);
    QCOMPARE(parts.hasSubject, hasSubject);
}

void TestSavedMessages::missingAndUnreadableFiles() {
    SavedMessages store(path());
    MessagesFile file = store.read();
    QVERIFY(!file.exists);
    QVERIFY(file.lines.isEmpty());

    // A folder in the file's place cannot be read: nothing is written over it.
    QVERIFY(QDir(folders->dataFolder()).mkdir(messagesFileName()));
    QSignalSpy changed(&store, &SavedMessages::changed);
    const FileResult saved = store.save(u"m"_s, u"s"_s);
    QVERIFY(!saved.ok);
    QVERIFY(saved.message.contains(messagesFileName()));
    QVERIFY(!store.remove("m|s").ok);
    QVERIFY(QFileInfo(path()).isDir());
    QCOMPARE(changed.size(), 0);

    // A folder that cannot hold the file: the write fails and says so.
    SavedMessages nowhere(folders->dataFolder() + u"/missing/messages.txt"_s);
    QVERIFY(!nowhere.save(u"m"_s, u"s"_s).ok);
}

// The window's list is the store's: it follows each rewrite once read, with its filter, and a
// failed write leaves it as it was.
void TestSavedMessages::listFollowsTheFileOnceRead() {
    SavedMessages store(path());
    QVERIFY(store.save(u"before"_s, u"Old"_s).ok);
    QCOMPARE(store.list().entryCount(), 0); // not read yet: nothing held
    const MessagesFile read = store.readIntoList();
    QVERIFY(read.exists && read.status.ok);
    QCOMPARE(store.list().entryCount(), 1);
    store.setFilter(u"delta"_s);
    QVERIFY(store.save(u"new one"_s, u"Delta"_s).ok);
    QCOMPARE(store.list().entryCount(), 2);
    QCOMPARE(store.list().rowCount(), 1);
    QCOMPARE(store.list().textAt(0), u"new one|Delta"_s);
    QVERIFY(store.remove(store.list().lineAt(0)).ok);
    QCOMPARE(store.list().rowCount(), 0);
    QCOMPARE(store.list().entryCount(), 2); // the empty line a delete leaves at the end

    QVERIFY(QFile::remove(path()));
    QVERIFY(QDir(folders->dataFolder()).mkdir(messagesFileName()));
    QVERIFY(!store.save(u"lost"_s, u"x"_s).ok);
    QCOMPARE(store.list().entryCount(), 2);
}

void TestSavedMessages::filterNarrowsByTextIgnoringCase() {
    SavedMessageList list;
    list.setLines({"Hello World[br]second line|Greeting", "", "Straße und ÄRGER|Umlaut",
                   "x[br]y|BRackets", "\xff\xfe|bin"});
    const auto shown = [&list](const QString& filter) {
        list.setFilter(filter);
        QStringList lines;
        for (int row = 0; row < list.rowCount(); ++row)
            lines << list.textAt(row);
        return lines;
    };
    const QString hello = u"Hello World[br]second line|Greeting"_s;
    QCOMPARE(shown(u"WORLD"_s), QStringList{hello});
    QCOMPARE(shown(u"greet"_s), QStringList{hello}); // the subject counts too
    QCOMPARE(shown(u"ä"_s), QStringList{u"Straße und ÄRGER|Umlaut"_s});
    QCOMPARE(shown(u"br"_s), QStringList{u"x[br]y|BRackets"_s}); // the break tag is no text
    QCOMPARE(shown(u"world sec"_s), QStringList());              // not across a line break
    QCOMPARE(shown(u"e"_s).size(), 3);                           // wider again after narrowing

    // New lines keep the filter; a shown row keeps its stored bytes.
    shown(u"LINE"_s);
    list.setLines({"line one|a", "other|b", "\xff line|c"});
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(list.lineAt(1), QByteArray("\xff line|c"));
    QCOMPARE(shown(QString()).size(), 3);
}

QTEST_GUILESS_MAIN(TestSavedMessages)
#include "tst_saved_messages.moc"

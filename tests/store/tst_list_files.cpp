#include "store/list_files.h"
#include "store/text_file.h"
#include "support/log_catcher.h"
#include "support/test_folders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::LogCatcher;
using quillbox::test::readBytes;
using quillbox::test::TestFolders;
using quillbox::test::writeBytes;

using Sizes = QList<std::optional<qint64>>;

class TestListFiles : public QObject {
    Q_OBJECT

private slots:
    void forumLines_data();
    void forumLines();
    void sizeLines_data();
    void sizeLines();
    void postLinesSkipEmptyAndOneSpace();
    void pairsPostsWithSizesByPosition();
    void serialisesByteForByte();
    void storedFilesReadBackUnchanged_data();
    void storedFilesReadBackUnchanged();
    void userNameBoxHintIsNoNameWhenWrittenBack();
    void listsRoundTrip();
    void fieldsThatWouldBreakTheFileAreKeptInOneRecord();
    void handEditedFilesLoad();
    void missingFilesAreEmptyLists();
    void unreadableFileIsReported();
    void failedSaveIsReportedAndKeepsFiles();
    void sizesStayWithTheirPostsWhenPostsCannotBeWritten();
    void listFilesAreOwnerOnly();
    void damagedFileIsKeptBeforeItIsRewritten_data();
    void damagedFileIsKeptBeforeItIsRewritten();
    void handEditedSoundSizesAreNotDamaged();
};

void TestListFiles::forumLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("login");

    QTest::newRow("three fields") << u"http://f/|ann|secret"_s << u"http://f/"_s << u"ann|secret"_s;
    QTest::newRow("two bars only") << u"http://f/||"_s << u"http://f/"_s << u"|"_s;
    QTest::newRow("no bar") << u"http://f/"_s << u"http://f/"_s << u"|"_s;
    QTest::newRow("one bar") << u"http://f/|ann"_s << u"http://f/"_s << u"ann|"_s;
    QTest::newRow("one bar at end") << u"http://f/|"_s << u"http://f/"_s << u"|"_s;
    QTest::newRow("bar in password") << u"u|ann|p|w|"_s << u"u"_s << u"ann|p|w|"_s;
    QTest::newRow("default login") << u"u|Enter Username|"_s << u"u"_s << u"Enter Username|"_s;
    QTest::newRow("no address") << u"|ann|pw"_s << QString() << u"ann|pw"_s;
    QTest::newRow("spaces kept") << u" u | a | p "_s << u" u "_s << u" a | p "_s;
}

void TestListFiles::forumLines() {
    QFETCH(QString, line);
    QFETCH(QString, address);
    QFETCH(QString, login);
    const QList<Forum> forums = parseForumLines({u""_s, line, u" "_s});
    QCOMPARE(forums.size(), 1);
    QCOMPARE(forums.at(0).address, address);
    QCOMPARE(forums.at(0).login, login);
}

void TestListFiles::sizeLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<std::optional<qint64>>("size");

    QTest::newRow("number") << u"12345"_s << std::optional<qint64>(12345);
    QTest::newRow("zero") << u"0"_s << std::optional<qint64>(0);
    QTest::newRow("beyond 32 bits") << u"5000000000"_s << std::optional<qint64>(5000000000);
    QTest::newRow("no size marker") << u"-1"_s << std::optional<qint64>();
    QTest::newRow("negative") << u"-77"_s << std::optional<qint64>();
    QTest::newRow("not a number") << u"12kb"_s << std::optional<qint64>();
    QTest::newRow("too large") << u"99999999999999999999999"_s << std::optional<qint64>();
    QTest::newRow("text") << u"abc"_s << std::optional<qint64>();
    QTest::newRow("junk after a NUL") << QString(u"7\0abc"_s) << std::optional<qint64>();
    QTest::newRow("NUL after the number") << QString(u"7\0"_s) << std::optional<qint64>();

    // Written with decimals, an exponent, a sign or blanks: read as the number, in whole bytes.
    QTest::newRow("decimals") << u"1000.0"_s << std::optional<qint64>(1000);
    QTest::newRow("exponent") << u"1e3"_s << std::optional<qint64>(1000);
    QTest::newRow("exponent with sign") << u"1.5E+3"_s << std::optional<qint64>(1500);
    QTest::newRow("blanks around") << u" 1000 "_s << std::optional<qint64>(1000);
    QTest::newRow("tabs around") << u"\t2.5e2\t"_s << std::optional<qint64>(250);
    QTest::newRow("plus sign") << u"+1000"_s << std::optional<qint64>(1000);
    QTest::newRow("rounded down") << u"1000.49"_s << std::optional<qint64>(1000);
    QTest::newRow("half rounded up") << u"999.5"_s << std::optional<qint64>(1000);
    QTest::newRow("no digits before the point") << u".5e1"_s << std::optional<qint64>(5);
    QTest::newRow("no digits after the point") << u"1000."_s << std::optional<qint64>(1000);
    QTest::newRow("next to nothing") << u"1e-400"_s << std::optional<qint64>(0);
    QTest::newRow("largest in range")
        << u"9.2e18"_s << std::optional<qint64>(Q_INT64_C(9200000000000000000));
    QTest::newRow("negative decimals") << u"-0.4"_s << std::optional<qint64>();
    QTest::newRow("negative exponent form") << u"-1e3"_s << std::optional<qint64>();
    QTest::newRow("beyond 64 bits") << u"1e19"_s << std::optional<qint64>();
    QTest::newRow("beyond any double") << u"1e400"_s << std::optional<qint64>();
    QTest::newRow("not a number") << u"nan"_s << std::optional<qint64>();
    QTest::newRow("infinity") << u"inf"_s << std::optional<qint64>();
    QTest::newRow("hexadecimal") << u"0x10"_s << std::optional<qint64>();
    QTest::newRow("digit groups") << u"1,000"_s << std::optional<qint64>();
    QTest::newRow("blank inside") << u"1 000"_s << std::optional<qint64>();
    QTest::newRow("exponent without digits") << u"1e"_s << std::optional<qint64>();
    QTest::newRow("point alone") << u"."_s << std::optional<qint64>();
    QTest::newRow("sign alone") << u"+"_s << std::optional<qint64>();
}

void TestListFiles::sizeLines() {
    QFETCH(QString, line);
    QFETCH(std::optional<qint64>, size);
    const Sizes sizes = parseSizeLines({line, u""_s, u" "_s});
    QCOMPARE(sizes.size(), 1);
    QCOMPARE(sizes.at(0), size);
}

void TestListFiles::postLinesSkipEmptyAndOneSpace() {
    const QStringList lines{u"a"_s, u""_s, u" "_s, u"  "_s, u"b\nc"_s, u""_s};
    QCOMPARE(parsePostLines(lines), (QStringList{u"a"_s, u"  "_s, u"b\nc"_s}));
}

void TestListFiles::pairsPostsWithSizesByPosition() {
    const QStringList addresses{u"a"_s, u"b"_s, u"c"_s};
    const QList<WatchedPost> fewer = pairPosts(addresses, Sizes{10, std::nullopt});
    QCOMPARE(fewer, (QList<WatchedPost>{{u"a"_s, 10}, {u"b"_s, {}}, {u"c"_s, {}}}));
    const QList<WatchedPost> more = pairPosts({u"a"_s}, Sizes{1, 2, 3});
    QCOMPARE(more, (QList<WatchedPost>{{u"a"_s, 1}}));
}

void TestListFiles::serialisesByteForByte() {
    const QList<WatchedPost> posts{{u"http://a/"_s, 100}, {u"http://b/"_s, std::nullopt}};
    QCOMPARE(serializePosts(posts), QByteArray("http://a/\r\n\r\nhttp://b/\r\n\r\n"));
    QCOMPARE(serializeSizes(posts), QByteArray("100\r\n\r\n-1\r\n\r\n"));
    const QList<Forum> forums{{u"http://f/"_s, u"ann|pw"_s}, {u"http://g/"_s, u"|"_s}};
    QCOMPARE(serializeForums(forums), QByteArray("http://f/|ann|pw\r\n\r\nhttp://g/||\r\n\r\n"));
    QCOMPARE(serializePosts({}), QByteArray());
    QCOMPARE(serializeSizes({}), QByteArray());
    QCOMPARE(serializeForums({}), QByteArray());
    QCOMPARE(serializePosts({{QString::fromUtf8("http://x/\xc3\xa9"), 1}}),
             QByteArray("http://x/\xc3\xa9\r\n\r\n"));
}

void TestListFiles::storedFilesReadBackUnchanged_data() {
    QTest::addColumn<QByteArray>("posts");
    QTest::addColumn<QByteArray>("forums");
    QTest::addColumn<QByteArray>("sizes");

    QTest::newRow("two posts") << QByteArray("http://a/\r\n\r\nhttp://b/\r\n\r\n") << QByteArray()
                               << QByteArray("10\r\n\r\n20\r\n\r\n");
    QTest::newRow("forums") << QByteArray() << QByteArray("u|n|w\r\n\r\nv||\r\n\r\n")
                            << QByteArray();
    QTest::newRow("all empty") << QByteArray() << QByteArray() << QByteArray();
}

void TestListFiles::userNameBoxHintIsNoNameWhenWrittenBack() {
    // Earlier versions stored the user-name box's hint as if it were a name.
    TestFolders folders;
    QVERIFY(writeBytes(folders.path(u"posts2.txt"_s), "v|Enter Username|pw\r\n\r\n"));
    const LoadListsResult loaded = loadLists(folders.dataFolder());
    QVERIFY(loaded.errors.isEmpty());
    QCOMPARE(saveLists(folders.dataFolder(), loaded.data), QStringList());
    QCOMPARE(readBytes(folders.path(u"posts2.txt"_s)), QByteArray("v||pw\r\n\r\n"));
}

void TestListFiles::storedFilesReadBackUnchanged() {
    QFETCH(QByteArray, posts);
    QFETCH(QByteArray, forums);
    QFETCH(QByteArray, sizes);
    TestFolders folders;
    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), posts));
    QVERIFY(writeBytes(folders.path(u"posts2.txt"_s), forums));
    QVERIFY(writeBytes(folders.path(u"sizes.txt"_s), sizes));

    const LoadListsResult loaded = loadLists(folders.dataFolder());
    QVERIFY(loaded.errors.isEmpty());
    QCOMPARE(saveLists(folders.dataFolder(), loaded.data), QStringList());
    QCOMPARE(readBytes(folders.path(u"posts.txt"_s)), posts);
    QCOMPARE(readBytes(folders.path(u"posts2.txt"_s)), forums);
    QCOMPARE(readBytes(folders.path(u"sizes.txt"_s)), sizes);
}

void TestListFiles::listsRoundTrip() {
    TestFolders folders;
    ListsData data;
    data.posts = {{u"http://a/t?x=1&y=2"_s, 0},
                  {u"http://b/"_s, std::nullopt},
                  {QString::fromUtf8("http://\xe6\x97\xa5/ "), 5000000000},
                  {u" http://c/"_s, 7}};
    data.forums = {{u"http://f/"_s, u"ann|p|a|ss"_s},
                   {u"http://g/"_s, u"|"_s},
                   {u"http://h/"_s, QString::fromUtf8("\xc3\xa9|\xf0\x9f\x98\x80")}};
    {
        // A first save into an empty folder has nothing to read: no failure is logged.
        LogCatcher log(u"quillbox.*=true"_s);
        QCOMPARE(saveLists(folders.dataFolder(), data), QStringList());
        QVERIFY2(!LogCatcher::lines().join(u'\n').contains(u"could not read"_s),
                 qPrintable(LogCatcher::lines().join(u'\n')));
    }
    const LoadListsResult loaded = loadLists(folders.dataFolder());
    QVERIFY(loaded.errors.isEmpty());
    QCOMPARE(loaded.data, data);

    // Removing the last entries leaves empty files, which read back as empty lists.
    QCOMPARE(saveLists(folders.dataFolder(), {}), QStringList());
    for (const QString& name : {u"posts.txt"_s, u"posts2.txt"_s, u"sizes.txt"_s})
        QCOMPARE(QFileInfo(folders.path(name)).size(), 0);
    QCOMPARE(loadLists(folders.dataFolder()).data, ListsData());
}

void TestListFiles::fieldsThatWouldBreakTheFileAreKeptInOneRecord() {
    TestFolders folders;
    ListsData data;
    data.posts = {{u"http://a/"_s, 1}, {u" "_s, 2},           {u""_s, 3},
                  {u"\n"_s, 6},        {u"x\r\ny\rz\n"_s, 4}, {u"http://b/"_s, 5}};
    data.forums = {{u"http://f/"_s, u"ann"_s}, {u"http://g/"_s, u"n\r\nm|p\rq"_s}};
    QCOMPARE(saveLists(folders.dataFolder(), data), QStringList());
    const ListsData loaded = loadLists(folders.dataFolder()).data;
    // Line breaks come back as blanks; posts that would read back as empty lines ("\n" among
    // them) are dropped with their sizes, so the pairing holds.
    QCOMPARE(loaded.posts,
             (QList<WatchedPost>{{u"http://a/"_s, 1}, {u"x y z "_s, 4}, {u"http://b/"_s, 5}}));
    QCOMPARE(loaded.forums,
             (QList<Forum>{{u"http://f/"_s, u"ann|"_s}, {u"http://g/"_s, u"n m|p q"_s}}));
}

void TestListFiles::handEditedFilesLoad() {
    TestFolders folders;
    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), "a\r\n \r\n\rb\nc\rd"));
    QVERIFY(writeBytes(folders.path(u"posts2.txt"_s), "u\r\n\r\nv|n\r\nw||\r\n\xff\xfe|\x01\x02|"));
    QVERIFY(writeBytes(folders.path(u"sizes.txt"_s), "100\nlots\n\n7\n"));

    // Lines end at CR LF, CR or LF alike: a list made in any editor loads row by row.
    const LoadListsResult loaded = loadLists(folders.dataFolder());
    QVERIFY(loaded.errors.isEmpty());
    QCOMPARE(loaded.data.posts,
             (QList<WatchedPost>{{u"a"_s, 100}, {u"b"_s, {}}, {u"c"_s, 7}, {u"d"_s, {}}}));
    QCOMPARE(loaded.data.forums, (QList<Forum>{{u"u"_s, u"|"_s},
                                               {u"v"_s, u"n|"_s},
                                               {u"w"_s, u"|"_s},
                                               {u"\ufffd\ufffd"_s, u"\x01\x02|"_s}}));

    QCOMPARE(saveLists(folders.dataFolder(), loaded.data), QStringList());
    QCOMPARE(readBytes(folders.path(u"posts.txt"_s)),
             QByteArray("a\r\n\r\nb\r\n\r\nc\r\n\r\nd\r\n\r\n"));
    QCOMPARE(readBytes(folders.path(u"sizes.txt"_s)),
             QByteArray("100\r\n\r\n-1\r\n\r\n7\r\n\r\n-1\r\n\r\n"));
    QCOMPARE(
        readBytes(folders.path(u"posts2.txt"_s)),
        QByteArray("u||\r\n\r\nv|n|\r\n\r\nw||\r\n\r\n\xef\xbf\xbd\xef\xbf\xbd|\x01\x02|\r\n\r\n"));
}

void TestListFiles::missingFilesAreEmptyLists() {
    TestFolders folders;
    const LoadListsResult loaded = loadLists(folders.dataFolder());
    QVERIFY(loaded.errors.isEmpty());
    QCOMPARE(loaded.data, ListsData());
    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), "http://a/\r\n\r\n"));
    QCOMPARE(loadLists(folders.dataFolder()).data.posts,
             (QList<WatchedPost>{{u"http://a/"_s, std::nullopt}}));
}

void TestListFiles::unreadableFileIsReported() {
    TestFolders folders;
    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), "http://a/\r\n\r\n"));
    QVERIFY(QDir(folders.dataFolder()).mkdir(u"posts2.txt"_s));
    const LoadListsResult loaded = loadLists(folders.dataFolder());
    QCOMPARE(loaded.errors.size(), 1);
    QVERIFY(loaded.errors.at(0).contains(u"posts2.txt"_s));
    QCOMPARE(loaded.data.posts.size(), 1);
    QVERIFY(loaded.data.forums.isEmpty());
}

void TestListFiles::failedSaveIsReportedAndKeepsFiles() {
    TestFolders folders;
    const ListsData data{{{u"http://a/"_s, 1}}, {{u"http://f/"_s, u"n|p"_s}}};

    const QString missing = folders.dataFolder() + u"/gone"_s;
    const QStringList errors = saveLists(missing, data);
    QCOMPARE(errors.size(), 2); // posts.txt and posts2.txt; sizes.txt is not attempted
    QVERIFY(errors.at(0).contains(u"posts.txt"_s));
    QVERIFY(errors.at(1).contains(u"posts2.txt"_s));

    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), "old\r\n\r\n"));
    QVERIFY(QDir(folders.dataFolder()).mkdir(u"posts2.txt"_s));
    const QStringList blocked = saveLists(folders.dataFolder(), data);
    QCOMPARE(blocked.size(), 1);
    QVERIFY(blocked.at(0).contains(u"posts2.txt"_s));
    QCOMPARE(readBytes(folders.path(u"posts.txt"_s)), QByteArray("http://a/\r\n\r\n"));
    QCOMPARE(readBytes(folders.path(u"sizes.txt"_s)), QByteArray("1\r\n\r\n"));
}

void TestListFiles::sizesStayWithTheirPostsWhenPostsCannotBeWritten() {
    TestFolders folders;
    QVERIFY(QDir(folders.dataFolder()).mkdir(u"posts.txt"_s));
    QVERIFY(writeBytes(folders.path(u"sizes.txt"_s), "10\r\n\r\n20\r\n\r\n"));
    const QStringList errors = saveLists(folders.dataFolder(), {{{u"http://b/"_s, 99}}, {}});
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.at(0).contains(u"posts.txt"_s));
    QCOMPARE(readBytes(folders.path(u"sizes.txt"_s)), QByteArray("10\r\n\r\n20\r\n\r\n"));
}

// Whoever made the folder (a portable copy, QUILLBOX_DATA_DIR), and whatever made the files:
// each list is its owner's alone once written.
void TestListFiles::listFilesAreOwnerOnly() {
    TestFolders folders;
    for (const QString& name : {u"posts.txt"_s, u"posts2.txt"_s, u"sizes.txt"_s}) {
        QVERIFY(writeBytes(folders.path(name), "old\r\n\r\n"));
        QVERIFY(QFile::setPermissions(folders.path(name),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther));
    }
    QCOMPARE(saveLists(folders.dataFolder(), {{{u"http://a/"_s, 5}}, {{u"u"_s, u"n|secret"_s}}}),
             QStringList());
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    for (const QString& name : {u"posts.txt"_s, u"posts2.txt"_s, u"sizes.txt"_s})
        QCOMPARE(QFile::permissions(folders.path(name)) & others, QFileDevice::Permissions());
    QCOMPARE(readBytes(folders.path(u"posts2.txt"_s)), QByteArray("u|n|secret\r\n\r\n"));
}

void TestListFiles::damagedFileIsKeptBeforeItIsRewritten_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("damaged");
    QTest::addColumn<QByteArray>("damagedLater");

    // Latin-1 text, as an editor with another code page writes it, and stray binary bytes.
    QTest::newRow("posts") << u"posts.txt"_s << QByteArray("http://a/caf\xe9\r\n\r\n")
                           << QByteArray("\xff\xfe\r\n");
    QTest::newRow("forums") << u"posts2.txt"_s << QByteArray("http://f/|J\xfcrgen|p\xe4ss\r\n\r\n")
                            << QByteArray("u|n|\x80\r\n");
    QTest::newRow("sizes") << u"sizes.txt"_s << QByteArray("12\xa0\r\n\r\n")
                           << QByteArray("\xc3\r\n");
    // Text that a rewrite would not give back: sizes with no post to pair with (posts.txt holds
    // one), sizes that are not numbers, and numbers too large for any size.
    QTest::newRow("more sizes than posts")
        << u"sizes.txt"_s << QByteArray("1\r\n\r\n2\r\n3\r\n") << QByteArray("4\r\n5\r\n");
    QTest::newRow("junk in a size")
        << u"sizes.txt"_s << QByteArray("7\0abc\r\n\r\n", 9) << QByteArray("12kb\r\n");
    QTest::newRow("size beyond any number of bytes")
        << u"sizes.txt"_s << QByteArray("1e400\r\n\r\n") << QByteArray("99999999999999999999\r\n");
    QTest::newRow("size beyond 64 bits")
        << u"sizes.txt"_s << QByteArray("99999999999999999999\r\n\r\n") << QByteArray("9.3e18\r\n");
}

void TestListFiles::damagedFileIsKeptBeforeItIsRewritten() {
    QFETCH(QString, name);
    QFETCH(QByteArray, damaged);
    QFETCH(QByteArray, damagedLater);
    TestFolders folders;
    const QString path = folders.path(name);
    const QString copyPath = path + u".damaged"_s;
    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), "http://a/\r\n\r\n"));
    QVERIFY(writeBytes(path, damaged));

    // A reader that writes nothing tells of the damage and leaves the copy to the first rewrite.
    const LoadListsResult told = loadLists(folders.dataFolder(), DamagedCopies::KeepBeforeRewrite);
    QCOMPARE(told.damaged.size(), 1);
    QVERIFY(!QFileInfo::exists(copyPath));

    // Kept as soon as the damage is met, and said where.
    const LoadListsResult loaded = loadLists(folders.dataFolder());
    QVERIFY(loaded.errors.isEmpty());
    QCOMPARE(loaded.damaged.size(), 1);
    QVERIFY2(loaded.damaged.at(0).contains(QDir::toNativeSeparators(copyPath)),
             qPrintable(loaded.damaged.at(0)));
    QCOMPARE(readBytes(copyPath), damaged);
    const auto others = QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QCOMPARE(QFile::permissions(copyPath) & others, QFileDevice::Permissions());

    // The first rewrite finds the copy made and leaves it alone; later ones see sound text.
    const QDateTime copied = QDateTime::currentDateTimeUtc().addDays(-1);
    {
        QFile copy(copyPath);
        QVERIFY(copy.open(QIODevice::ReadWrite));
        QVERIFY(copy.setFileTime(copied, QFileDevice::FileModificationTime));
    }
    QCOMPARE(saveLists(folders.dataFolder(), loaded.data), QStringList());
    QVERIFY(readBytes(path) != damaged);
    QCOMPARE(saveLists(folders.dataFolder(), {}), QStringList());
    QCOMPARE(readBytes(copyPath), damaged);
    QCOMPARE(QFileInfo(copyPath).lastModified().toUTC(), copied);

    // Damage that arises later is kept by whatever write meets it, under a name of its own: the
    // first original is still there.
    QVERIFY(writeBytes(path, damagedLater));
    const QString secondCopy = copyPath + u".2"_s;
    QVERIFY2(loadLists(folders.dataFolder()).damaged.value(0).contains(secondCopy),
             qPrintable(loadLists(folders.dataFolder()).damaged.value(0)));
    QCOMPARE(saveLists(folders.dataFolder(), loaded.data), QStringList());
    QCOMPARE(readBytes(secondCopy), damagedLater);
    QCOMPARE(readBytes(copyPath), damaged);
    QVERIFY(readBytes(path) != damagedLater);

    // With no room for the next copy, the damaged file is not written over.
    QVERIFY(writeBytes(path, damaged));
    QVERIFY(QDir().mkdir(copyPath + u".3"_s));
    const LoadListsResult blocked = loadLists(folders.dataFolder());
    QCOMPARE(blocked.damaged.size(), 1);
    QVERIFY2(blocked.damaged.at(0).contains(u"could not be kept"_s),
             qPrintable(blocked.damaged.at(0)));
    const QStringList errors = saveLists(folders.dataFolder(), blocked.data);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.at(0).contains(name), qPrintable(errors.at(0)));
    QCOMPARE(readBytes(path), damaged);
}

// Sizes as an editor may leave them, all of which read as sizes: no copy, no message.
void TestListFiles::handEditedSoundSizesAreNotDamaged() {
    TestFolders folders;
    QVERIFY(writeBytes(folders.path(u"posts.txt"_s), "\xef\xbb\xbfhttp://a/\rhttp://b/\nhttp://c/\n"
                                                     "http://d/\r\nhttp://e/"));
    QVERIFY(writeBytes(folders.path(u"sizes.txt"_s),
                       "\xef\xbb\xbf 12 \r1e3\n-1\r\n\r\n12\xc2\xa0\r\n \r\n+7"));
    const LoadListsResult loaded =
        loadLists(folders.dataFolder(), DamagedCopies::KeepBeforeRewrite);
    QCOMPARE(loaded.damaged, QStringList());
    QCOMPARE(loaded.data.posts.size(), 5);
    QCOMPARE(loaded.data.posts.at(4).size, std::optional<qint64>(7));
    QCOMPARE(saveLists(folders.dataFolder(), loaded.data), QStringList());
    QVERIFY(!QFileInfo::exists(folders.path(u"sizes.txt.damaged"_s)));
}

QTEST_GUILESS_MAIN(TestListFiles)
#include "tst_list_files.moc"

#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::TestFolders;
using quillbox::test::writeBytes;

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void valuesRoundTripExactly_data();
    void valuesRoundTripExactly();
    void defaultOnlyWhenKeyIsAbsent();
    void sectionsAndApplicationsAreSeparate();
    void defaultFolderIsTheUsersConfiguration();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void handEditedValuesReadAsText();
    void damagedFileIsKeptBeforeItIsRewritten_data();
    void damagedFileIsKeptBeforeItIsRewritten();
};

void TestSettingsStore::valuesRoundTripExactly_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << u"Type Subject Here"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("line breaks") << u"first\r\nsecond\r\n\r\n"_s;
    QTest::newRow("bars") << u"|a|b|"_s;
    QTest::newRow("comma and space") << u"a, b"_s;
    QTest::newRow("commas") << u",a,,b,"_s;
    QTest::newRow("spaces around") << u"  padded  "_s;
    QTest::newRow("one space") << u" "_s;
    QTest::newRow("at sign first") << u"@Variant(x)"_s;
    QTest::newRow("quotes and escapes") << u"\"q\" \\n \\x41 ; # = [s]"_s;
    QTest::newRow("unicode") << QString::fromUtf8("\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80");
    QTest::newRow("control characters") << u"tab\there\x01"_s;
    QTest::newRow("number") << u"-1"_s;
    QTest::newRow("long") << QString(300000, u'm');
}

void TestSettingsStore::valuesRoundTripExactly() {
    QFETCH(QString, value);
    TestFolders folders;
    {
        SettingsStore store(folders.settingsFolder());
        QVERIFY2(store.saveSetting(u"Quillbox"_s, u"data"_s, u"lastMessage"_s, value),
                 qPrintable(store.lastError()));
        QCOMPARE(store.getSetting(u"Quillbox"_s, u"data"_s, u"lastMessage"_s, u"default"_s), value);
    }
    // A later run reads the file afresh.
    SettingsStore reopened(folders.settingsFolder());
    QCOMPARE(reopened.getSetting(u"Quillbox"_s, u"data"_s, u"lastMessage"_s, u"default"_s), value);
}

void TestSettingsStore::defaultOnlyWhenKeyIsAbsent() {
    TestFolders folders;
    SettingsStore store(folders.settingsFolder());
    QCOMPARE(store.getSetting(u"Quillbox"_s, u"data"_s, u"lastSubject"_s, u"Type Subject Here"_s),
             u"Type Subject Here"_s);
    QVERIFY(!QFile::exists(store.fileName(u"Quillbox"_s))); // reading creates nothing
    QVERIFY(store.saveSetting(u"Quillbox"_s, u"data"_s, u"lastSubject"_s, QString()));
    QCOMPARE(store.getSetting(u"Quillbox"_s, u"data"_s, u"lastSubject"_s, u"Type Subject Here"_s),
             QString());
    SettingsStore reopened(folders.settingsFolder());
    QCOMPARE(reopened.getSetting(u"Quillbox"_s, u"data"_s, u"lastSubject"_s, u"x"_s), QString());
}

void TestSettingsStore::sectionsAndApplicationsAreSeparate() {
    TestFolders folders;
    SettingsStore store(folders.settingsFolder());
    QVERIFY(store.saveSetting(u"Quillbox"_s, u"data"_s, u"key"_s, u"in data"_s));
    QVERIFY(store.saveSetting(u"Quillbox"_s, u"Settings"_s, u"key"_s, u"in settings"_s));
    QVERIFY(store.saveSetting(u"Other"_s, u"data"_s, u"key"_s, u"other"_s));
    QVERIFY(store.saveSetting(u"Quillbox"_s, u"data"_s, u"key"_s, u"replaced"_s));
    QCOMPARE(store.getSetting(u"Quillbox"_s, u"data"_s, u"key"_s, {}), u"replaced"_s);
    QCOMPARE(store.getSetting(u"Quillbox"_s, u"Settings"_s, u"key"_s, {}), u"in settings"_s);
    QCOMPARE(store.getSetting(u"Other"_s, u"data"_s, u"key"_s, {}), u"other"_s);
    QCOMPARE(store.fileName(u"Quillbox"_s), folders.settingsFolder() + u"/Quillbox.ini"_s);
    QVERIFY(QFile::exists(folders.settingsFolder() + u"/Other.ini"_s));

    QSettings ini(store.fileName(u"Quillbox"_s), QSettings::IniFormat);
    QCOMPARE(ini.childGroups(), (QStringList{u"Settings"_s, u"data"_s}));
}

void TestSettingsStore::defaultFolderIsTheUsersConfiguration() {
    QStandardPaths::setTestModeEnabled(true);
    const SettingsStore store;
    const QSettings platform(QSettings::IniFormat, QSettings::UserScope, u"Quillbox"_s,
                             u"Quillbox"_s);
    QCOMPARE(store.fileName(settingsApplication()), platform.fileName());
}

void TestSettingsStore::failedSaveIsReported_data() {
    QTest::addColumn<bool>("fileIsFolder"); // else the settings folder is an ordinary file
    QTest::newRow("settings file is a folder") << true;
    QTest::newRow("settings folder is a file") << false;
}

void TestSettingsStore::failedSaveIsReported() {
    QFETCH(bool, fileIsFolder);
    TestFolders folders;
    const QString folder = folders.settingsFolder() + u"/store"_s;
    if (fileIsFolder)
        QVERIFY(QDir().mkpath(folder + u"/Quillbox.ini"_s));
    else
        QVERIFY(writeBytes(folder, "not a folder"));

    SettingsStore store(folder);
    QVERIFY(!store.saveSetting(u"Quillbox"_s, u"data"_s, u"lastMessage"_s, u"text"_s));
    QVERIFY2(store.lastError().contains(u"Quillbox.ini"_s), qPrintable(store.lastError()));

    // Once the obstacle is gone, saving works again and the error is cleared.
    if (fileIsFolder)
        QVERIFY(QDir(folder + u"/Quillbox.ini"_s).removeRecursively());
    else
        QVERIFY(QFile::remove(folder));
    QVERIFY2(store.saveSetting(u"Quillbox"_s, u"data"_s, u"lastMessage"_s, u"text"_s),
             qPrintable(store.lastError()));
    QVERIFY(store.lastError().isEmpty());
    QCOMPARE(SettingsStore(folder).getSetting(u"Quillbox"_s, u"data"_s, u"lastMessage"_s, {}),
             u"text"_s);
}

void TestSettingsStore::handEditedValuesReadAsText() {
    TestFolders folders;
    const QString file = folders.settingsFolder() + u"/Quillbox.ini"_s;
    QVERIFY(writeBytes(file, "[data]\nlist=a, b\nnumber=12\nempty=\n[Settings\nshowHelp=0\n"));
    SettingsStore store(folders.settingsFolder());
    QCOMPARE(store.getSetting(u"Quillbox"_s, u"data"_s, u"list"_s, {}), u"a, b"_s);
    QCOMPARE(store.getSetting(u"Quillbox"_s, u"data"_s, u"number"_s, {}), u"12"_s);
    QCOMPARE(store.getSetting(u"Quillbox"_s, u"data"_s, u"empty"_s, u"d"_s), QString());
    // A damaged file can still be saved to; the save rewrites it in good order.
    QVERIFY2(store.saveSetting(u"Quillbox"_s, u"data"_s, u"lastConvert"_s, u"2"_s),
             qPrintable(store.lastError()));
    QVERIFY2(store.saveSetting(u"Quillbox"_s, u"data"_s, u"lastConvert"_s, u"3"_s),
             qPrintable(store.lastError()));
    QCOMPARE(SettingsStore(folders.settingsFolder())
                 .getSetting(u"Quillbox"_s, u"data"_s, u"lastConvert"_s, {}),
             u"3"_s);

    // The same when the save is the first thing to touch the damaged file.
    QVERIFY(writeBytes(folders.settingsFolder() + u"/Damaged.ini"_s, "[data\nk=v\n[Settings]\n"));
    SettingsStore first(folders.settingsFolder());
    QVERIFY2(first.saveSetting(u"Damaged"_s, u"Settings"_s, u"showHelp"_s, u"0"_s),
             qPrintable(first.lastError()));
    QCOMPARE(SettingsStore(folders.settingsFolder())
                 .getSetting(u"Damaged"_s, u"Settings"_s, u"showHelp"_s, {}),
             u"0"_s);
}

void TestSettingsStore::damagedFileIsKeptBeforeItIsRewritten_data() {
    QTest::addColumn<QByteArray>("damaged");
    QTest::addColumn<QString>("fault");
    // Latin-1, as an editor with another code page saves it.
    QTest::newRow("not UTF-8") << QByteArray("[Custom]\ncust01Name=Caf\xe9 forum\n")
                               << u"bytes that are not text"_s;
    QTest::newRow("not settings") << QByteArray("[data\nk=v\n[Settings]\nshowHelp=1\n")
                                  << u"lines that are not settings"_s;
}

void TestSettingsStore::damagedFileIsKeptBeforeItIsRewritten() {
    QFETCH(QByteArray, damaged);
    QFETCH(QString, fault);
    TestFolders folders;
    const QString file = folders.settingsFolder() + u"/Quillbox.ini"_s;
    const QString copy = file + u".damaged"_s;

    // No room for the copy: the file is not saved over.
    QVERIFY(writeBytes(file, damaged));
    QVERIFY(QDir().mkdir(copy));
    SettingsStore blocked(folders.settingsFolder());
    QVERIFY(!blocked.damagedNotice(u"Quillbox"_s).isEmpty());
    QVERIFY(!blocked.saveSetting(u"Quillbox"_s, u"Settings"_s, u"showHelp"_s, u"0"_s));
    QVERIFY(blocked.lastError().contains(u"Quillbox.ini"_s));
    QCOMPARE(quillbox::test::readBytes(file), damaged);
    QVERIFY(QDir().rmdir(copy));

    // Told of when first read; kept by the first save, before it rewrites the file.
    SettingsStore store(folders.settingsFolder());
    const QString notice = store.damagedNotice(u"Quillbox"_s);
    QVERIFY2(notice.contains(fault) && notice.contains(QDir::toNativeSeparators(copy)),
             qPrintable(notice));
    QVERIFY(!QFileInfo::exists(copy));
    QVERIFY2(store.saveSetting(u"Quillbox"_s, u"Settings"_s, u"showHelp"_s, u"0"_s),
             qPrintable(store.lastError()));
    QVERIFY(quillbox::test::readBytes(file) != damaged);
    QCOMPARE(quillbox::test::readBytes(copy), damaged);
    // Rewritten in good order, the file has nothing more to tell at the next start.
    QCOMPARE(SettingsStore(folders.settingsFolder()).damagedNotice(u"Quillbox"_s), QString());
    QCOMPARE(SettingsStore(folders.settingsFolder()).damagedNotice(u"Other"_s), QString());
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"

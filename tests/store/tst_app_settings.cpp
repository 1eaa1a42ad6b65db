// The program's settings table: each value in the format the file has always held, values
// already stored not written again, and every real change announced.
#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/test_folders.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

class TestAppSettings : public QObject {
    Q_OBJECT
private slots:
    void valuesKeepTheirFileFormat();
    void storingTheStoredValueWritesNothing_data();
    void storingTheStoredValueWritesNothing();
    void aNewFileStartsWithWholeLinksAndHourlyChecks();
};

// A first start writes its own choices; a file that exists, even one without those keys, keeps
// what it holds, and a second start changes nothing either.
void TestAppSettings::aNewFileStartsWithWholeLinksAndHourlyChecks() {
    TestFolders folders;
    {
        SettingsStore store(folders.settingsFolder());
        AppSettings settings(store);
        QVERIFY(settings.startNewFile());
        QVERIFY(settings.get(keys::linkWholeAddresses));
        QCOMPARE(settings.get(keys::replyCheckMinutes), u"60"_s);
        QCOMPARE(settings.get(keys::replyCheckHours), 1);
        QVERIFY(settings.set(keys::linkWholeAddresses, false));
        QVERIFY(settings.startNewFile());
        QVERIFY(!settings.get(keys::linkWholeAddresses));
    }
    TestFolders earlier;
    SettingsStore store(earlier.settingsFolder());
    QVERIFY(store.saveSetting(settingsApplication(), u"data"_s, u"lastSubject"_s, u"Hi"_s));
    AppSettings settings(store);
    QVERIFY(settings.startNewFile());
    QVERIFY(!settings.get(keys::linkWholeAddresses));
    QCOMPARE(settings.get(keys::replyCheckMinutes), QString());
    QCOMPARE(settings.get(keys::replyCheckHours), 0);
}

void TestAppSettings::valuesKeepTheirFileFormat() {
    TestFolders folders;
    SettingsStore store(folders.settingsFolder());
    AppSettings settings(store);
    QSignalSpy changed(&settings, &AppSettings::changed);
    auto stored = [&](const QString& section, const QString& key) {
        return store.getSetting(settingsApplication(), section, key, u"<none>"_s);
    };
    QCOMPARE(settings.get(keys::showHelp), u"1"_s);
    QCOMPARE(settings.get(keys::lastSubject), u"Type Subject Here"_s);
    QVERIFY(!settings.get(keys::checkAsLoggedIn));
    QCOMPARE(settings.get(keys::replyCheckHours), 0);

    QVERIFY(settings.set(keys::checkAsLoggedIn, true));
    QCOMPARE(stored(u"Settings"_s, u"checkAsLoggedIn"_s), u"1"_s);
    QVERIFY(settings.set(keys::replyCheckHours, -5));
    QCOMPARE(stored(u"Settings"_s, u"replyCheckHours"_s), u"0"_s);
    const QDateTime when(QDate(2024, 3, 1), QTime(9, 30), Qt::UTC);
    QVERIFY(settings.set(keys::lastBackgroundCheck, when));
    QCOMPARE(stored(u"Settings"_s, u"lastBackgroundCheck"_s), u"2024-03-01T09:30:00Z"_s);
    QCOMPARE(settings.get(keys::lastBackgroundCheck), when);
    QVERIFY(settings.set(keys::mainWindowGeometry, QByteArray("\x01\xff")));
    QCOMPARE(stored(u"Window"_s, u"mainGeometry"_s), u"Af8="_s);
    QVERIFY(settings.set(keys::lastConvert, u"3"_s));
    QCOMPARE(stored(u"data"_s, u"lastConvert"_s), u"3"_s);
    QCOMPARE(changed.size(), 5);
    QVERIFY(settings.set(keys::lastConvert, u"3"_s)); // the same again: no write, no change
    QCOMPARE(changed.size(), 5);
    QCOMPARE(changed.at(0).at(0).value<Setting>(), Setting::CheckAsLoggedIn);

    // Numbers out of their range, or no numbers, read as the range's end or the default.
    store.saveSetting(settingsApplication(), u"Settings"_s, u"replyCheckHours"_s, u" 99 "_s);
    QCOMPARE(settings.get(keys::replyCheckHours), 24);
    store.saveSetting(settingsApplication(), u"Settings"_s, u"replyCheckHours"_s, u"six"_s);
    QCOMPARE(settings.get(keys::replyCheckHours), 0);
    // Only exactly "1" switches a flag on.
    store.saveSetting(settingsApplication(), u"Settings"_s, u"checkAsLoggedIn"_s, u" 1"_s);
    QVERIFY(!settings.get(keys::checkAsLoggedIn));
}

void TestAppSettings::storingTheStoredValueWritesNothing_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("next");
    QTest::addColumn<bool>("written");
    QTest::newRow("same subject") << "Type Subject Here"
                                  << "Type Subject Here" << false;
    QTest::newRow("same empty subject") << ""
                                        << "" << false;
    QTest::newRow("other subject") << "Type Subject Here"
                                   << "Hello" << true;
    QTest::newRow("emptied") << "Hello"
                             << "" << true;
    QTest::newRow("blank added") << "Hello"
                                 << "Hello " << true;
}

void TestAppSettings::storingTheStoredValueWritesNothing() {
    QFETCH(QString, stored);
    QFETCH(QString, next);
    QFETCH(bool, written);
    TestFolders folders;
    SettingsStore store(folders.settingsFolder());
    AppSettings settings(store);
    QVERIFY(settings.set(keys::lastSubject, stored));
    // A line the settings store never writes tells whether the file was written again.
    const QString file = store.fileName(settingsApplication());
    QByteArray bytes = readBytes(file);
    QVERIFY(!bytes.isEmpty());
    bytes += "; untouched\n";
    QVERIFY(writeBytes(file, bytes));

    QVERIFY(settings.set(keys::lastSubject, next));
    QCOMPARE(settings.get(keys::lastSubject), next);
    QCOMPARE(!readBytes(file).contains("; untouched"), written);
    QCOMPARE(SettingsStore(folders.settingsFolder())
                 .getSetting(settingsApplication(), dataSection(), u"lastSubject"_s, u"<none>"_s),
             next);
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_app_settings.moc"

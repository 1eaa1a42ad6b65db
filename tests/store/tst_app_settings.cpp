// The program's typed settings: the help window's setting, and values already stored are not
// written again.
#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/test_folders.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

class TestAppSettings : public QObject {
    Q_OBJECT
private slots:
    void showHelpIsStoredAsOneOrZero();
    void storingTheStoredValueWritesNothing_data();
    void storingTheStoredValueWritesNothing();
};

void TestAppSettings::showHelpIsStoredAsOneOrZero() {
    TestFolders folders;
    SettingsStore store(folders.settingsFolder());
    AppSettings settings(store);
    QCOMPARE(settings.showHelp(), u"1"_s);
    QVERIFY(settings.setShowHelp(false));
    QCOMPARE(store.getSetting(settingsApplication(), u"Settings"_s, u"showHelp"_s, {}), u"0"_s);
    QCOMPARE(settings.showHelp(), u"0"_s);
    QVERIFY(settings.setShowHelp(true));
    QCOMPARE(settings.showHelp(), u"1"_s);
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
    QVERIFY(settings.setLastSubject(stored));
    // A line the settings store never writes tells whether the file was written again.
    const QString file = store.fileName(settingsApplication());
    QByteArray bytes = readBytes(file);
    QVERIFY(!bytes.isEmpty());
    bytes += "; untouched\n";
    QVERIFY(writeBytes(file, bytes));

    QVERIFY(settings.setLastSubject(next));
    QCOMPARE(settings.lastSubject(), next);
    QCOMPARE(!readBytes(file).contains("; untouched"), written);
    QCOMPARE(SettingsStore(folders.settingsFolder())
                 .getSetting(settingsApplication(), dataSection(), u"lastSubject"_s, u"<none>"_s),
             next);
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_app_settings.moc"

#include "compose/converter.h"
#include "compose/link_template.h"
#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/test_folders.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::TestFolders;

namespace {

QString stored(const SettingsStore& store, const QString& key) {
    return store.getSetting(settingsApplication(), dataSection(), key, u"<absent>"_s);
}

} // namespace

class TestLinkTemplate : public QObject {
    Q_OBJECT

private slots:
    void firstRunHasBuiltInsAndEmptySlots();
    void savesFortyKeysUnderTheirNames();
    void clearedBuiltInNameStaysClearedAfterRestart();
    void onlyOneCustomSlotNamed();
    void customNamedLikeBuiltInIsListedButNeverUsed();
    void valuesRoundTripUnchanged_data();
    void valuesRoundTripUnchanged();
    void failedSaveIsReported();
};

void TestLinkTemplate::firstRunHasBuiltInsAndEmptySlots() {
    TestFolders folders;
    SettingsStore store(folders.settingsFolder());
    const TemplateSet set = loadTemplates(store);

    QCOMPARE(set[0], (LinkTemplate{u"html"_s, u"<a href='"_s, u"'>"_s, u"</a>"_s, u"mailto:"_s}));
    QCOMPARE(set[1], (LinkTemplate{u"ubb"_s, u"[url="_s, u"]"_s, u"[/url]"_s, u"mailto:"_s}));
    QCOMPARE(set[2], (LinkTemplate{u"ezboard"_s, u"[link="_s, u"]"_s, u"[/link]"_s, u"mailto:"_s}));
    for (int i = 3; i < templateCount; ++i)
        QCOMPARE(set[i], LinkTemplate{});
    QCOMPARE(formatNames(set), (QStringList{u"text"_s, u"html"_s, u"ubb"_s, u"ezboard"_s}));
    // Loading writes nothing.
    QCOMPARE(stored(store, u"htmlName"_s), u"<absent>"_s);
}

void TestLinkTemplate::savesFortyKeysUnderTheirNames() {
    TestFolders folders;
    SettingsStore store(folders.settingsFolder());
    TemplateSet set = defaultTemplates();
    set[7] = {u"n5"_s, u"o1"_s, u"o2"_s, u"c1"_s, u"m1"_s};
    QVERIFY(saveTemplates(store, set));

    SettingsStore reread(folders.settingsFolder());
    QCOMPARE(stored(reread, u"htmlLinkOpen01"_s), u"<a href='"_s);
    QCOMPARE(stored(reread, u"ubbLinkClose01"_s), u"[/url]"_s);
    QCOMPARE(stored(reread, u"ezName"_s), u"ezboard"_s);
    QCOMPARE(stored(reread, u"ezMailCall01"_s), u"mailto:"_s);
    QCOMPARE(stored(reread, u"cust01Name"_s), QString()); // empty values are written too
    QCOMPARE(stored(reread, u"cust05Name"_s), u"n5"_s);
    QCOMPARE(stored(reread, u"cust05LinkOpen01"_s), u"o1"_s);
    QCOMPARE(stored(reread, u"cust05LinkOpen02"_s), u"o2"_s);
    QCOMPARE(stored(reread, u"cust05LinkClose01"_s), u"c1"_s);
    QCOMPARE(stored(reread, u"cust05MailCall01"_s), u"m1"_s);
    int present = 0;
    for (const QString& prefix : templateKeyPrefixes()) {
        for (const QString& field : templateFieldNames())
            present += stored(reread, prefix + field) != u"<absent>" ? 1 : 0;
    }
    QCOMPARE(present, 40);
    QCOMPARE(loadTemplates(reread), set);
}

void TestLinkTemplate::clearedBuiltInNameStaysClearedAfterRestart() {
    TestFolders folders;
    {
        SettingsStore store(folders.settingsFolder());
        TemplateSet set = defaultTemplates();
        set[0].Name.clear();
        set[1].LinkOpen01.clear();
        QVERIFY(saveTemplates(store, set));
    }
    SettingsStore store(folders.settingsFolder());
    const TemplateSet set = loadTemplates(store);
    QCOMPARE(set[0].Name, QString());
    QCOMPARE(set[0].LinkOpen01, u"<a href='"_s);
    QCOMPARE(set[1].LinkOpen01, QString());
    QCOMPARE(formatNames(set), (QStringList{u"text"_s, u"ubb"_s, u"ezboard"_s}));
}

void TestLinkTemplate::onlyOneCustomSlotNamed() {
    TestFolders folders;
    SettingsStore store(folders.settingsFolder());
    QVERIFY(store.saveSetting(settingsApplication(), dataSection(), u"cust03Name"_s, u"mine"_s));
    QVERIFY(store.saveSetting(settingsApplication(), dataSection(), u"cust03LinkOpen01"_s, u"{"_s));

    SettingsStore reopened(folders.settingsFolder());
    const TemplateSet set = loadTemplates(reopened);
    QCOMPARE(set[5], (LinkTemplate{u"mine"_s, u"{"_s, {}, {}, {}}));
    QCOMPARE(set[0], defaultTemplates()[0]);
    QCOMPARE(set[3], LinkTemplate{});
    QCOMPARE(formatNames(set),
             (QStringList{u"text"_s, u"html"_s, u"ubb"_s, u"ezboard"_s, u"mine"_s}));
}

void TestLinkTemplate::customNamedLikeBuiltInIsListedButNeverUsed() {
    TemplateSet set = defaultTemplates();
    set[4] = {u"html"_s, u"X"_s, u"Y"_s, u"Z"_s, u"W"_s};
    QCOMPARE(formatNames(set),
             (QStringList{u"text"_s, u"html"_s, u"ubb"_s, u"ezboard"_s, u"html"_s}));
    QCOMPARE(convertMessage(u"mail a@b now"_s, u"html"_s, set),
             u"mail <a href='mailto:a@b '>a@b </a>now"_s);
}

void TestLinkTemplate::valuesRoundTripUnchanged_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("CR LF and bar") << u"a|b\r\nc|"_s;
    QTest::newRow("lone LF") << u"\n"_s;
    QTest::newRow("lone CR") << u"x\r"_s;
    QTest::newRow("INI syntax") << u"[data]\nkey=value;#x"_s;
    QTest::newRow("list-like") << u"a, b, c"_s;
    QTest::newRow("surrounding spaces") << u"  <a href=\" "_s;
    QTest::newRow("quotes and backslashes") << u"\"\\\\'\\"_s;
    QTest::newRow("non-ASCII") << u"ü€😀"_s;
    QTest::newRow("looks like a number") << u"0042"_s;
}

void TestLinkTemplate::valuesRoundTripUnchanged() {
    QFETCH(QString, value);
    TestFolders folders;
    TemplateSet set = defaultTemplates();
    set[3] = {value, value, value, value, value};
    set[0].LinkOpen02 = value;
    {
        SettingsStore store(folders.settingsFolder());
        QVERIFY(saveTemplates(store, set));
    }
    SettingsStore reopened(folders.settingsFolder());
    const TemplateSet reread = loadTemplates(reopened);
    QCOMPARE(reread[3], set[3]);
    QCOMPARE(reread[0].LinkOpen02, value);
    QCOMPARE(convertMessage(u"x http://a/ "_s, value, reread),
             u"x "_s + value + u"http://a/ "_s + value + u"http://a/ "_s + value);
}

void TestLinkTemplate::failedSaveIsReported() {
    TestFolders folders;
    // The settings folder would have to be created inside an ordinary file.
    QVERIFY(test::writeBytes(folders.path(u"file"_s), "x"));
    SettingsStore store(folders.path(u"file"_s) + u"/settings"_s);
    QVERIFY(!saveTemplates(store, defaultTemplates()));
}

QTEST_MAIN(TestLinkTemplate)
#include "tst_link_template.moc"

#include "compose/converter.h"
#include "compose/link_template.h"
#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/test_folders.h"

#include <QTest>

using namespace quillbox;
using quillbox::test::TestFolders;

namespace {

QString stored(const SettingsStore& store, const QString& key) {
    return store.getSetting(settingsApplication(), dataSection(), key, u"<absent>"_qs);
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

    QCOMPARE(set[0],
             (LinkTemplate{u"html"_qs, u"<a href='"_qs, u"'>"_qs, u"</a>"_qs, u"mailto:"_qs}));
    QCOMPARE(set[1], (LinkTemplate{u"ubb"_qs, u"[url="_qs, u"]"_qs, u"[/url]"_qs, u"mailto:"_qs}));
    QCOMPARE(set[2],
             (LinkTemplate{u"ezboard"_qs, u"[link="_qs, u"]"_qs, u"[/link]"_qs, u"mailto:"_qs}));
    for (int i = 3; i < templateCount; ++i)
        QCOMPARE(set[i], LinkTemplate{});
    QCOMPARE(formatNames(set), (QStringList{u"text"_qs, u"html"_qs, u"ubb"_qs, u"ezboard"_qs}));
    // Loading writes nothing.
    QCOMPARE(stored(store, u"htmlName"_qs), u"<absent>"_qs);
}

void TestLinkTemplate::savesFortyKeysUnderTheirNames() {
    TestFolders folders;
    SettingsStore store(folders.settingsFolder());
    TemplateSet set = defaultTemplates();
    set[7] = {u"n5"_qs, u"o1"_qs, u"o2"_qs, u"c1"_qs, u"m1"_qs};
    QVERIFY(saveTemplates(store, set));

    SettingsStore reread(folders.settingsFolder());
    QCOMPARE(stored(reread, u"htmlLinkOpen01"_qs), u"<a href='"_qs);
    QCOMPARE(stored(reread, u"ubbLinkClose01"_qs), u"[/url]"_qs);
    QCOMPARE(stored(reread, u"ezName"_qs), u"ezboard"_qs);
    QCOMPARE(stored(reread, u"ezMailCall01"_qs), u"mailto:"_qs);
    QCOMPARE(stored(reread, u"cust01Name"_qs), QString()); // empty values are written too
    QCOMPARE(stored(reread, u"cust05Name"_qs), u"n5"_qs);
    QCOMPARE(stored(reread, u"cust05LinkOpen01"_qs), u"o1"_qs);
    QCOMPARE(stored(reread, u"cust05LinkOpen02"_qs), u"o2"_qs);
    QCOMPARE(stored(reread, u"cust05LinkClose01"_qs), u"c1"_qs);
    QCOMPARE(stored(reread, u"cust05MailCall01"_qs), u"m1"_qs);
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
    QCOMPARE(set[0].LinkOpen01, u"<a href='"_qs);
    QCOMPARE(set[1].LinkOpen01, QString());
    QCOMPARE(formatNames(set), (QStringList{u"text"_qs, u"ubb"_qs, u"ezboard"_qs}));
}

void TestLinkTemplate::onlyOneCustomSlotNamed() {
    TestFolders folders;
    SettingsStore store(folders.settingsFolder());
    QVERIFY(store.saveSetting(settingsApplication(), dataSection(), u"cust03Name"_qs, u"mine"_qs));
    QVERIFY(
        store.saveSetting(settingsApplication(), dataSection(), u"cust03LinkOpen01"_qs, u"{"_qs));

    SettingsStore reopened(folders.settingsFolder());
    const TemplateSet set = loadTemplates(reopened);
    QCOMPARE(set[5], (LinkTemplate{u"mine"_qs, u"{"_qs, {}, {}, {}}));
    QCOMPARE(set[0], defaultTemplates()[0]);
    QCOMPARE(set[3], LinkTemplate{});
    QCOMPARE(formatNames(set),
             (QStringList{u"text"_qs, u"html"_qs, u"ubb"_qs, u"ezboard"_qs, u"mine"_qs}));
}

void TestLinkTemplate::customNamedLikeBuiltInIsListedButNeverUsed() {
    TemplateSet set = defaultTemplates();
    set[4] = {u"html"_qs, u"X"_qs, u"Y"_qs, u"Z"_qs, u"W"_qs};
    QCOMPARE(formatNames(set),
             (QStringList{u"text"_qs, u"html"_qs, u"ubb"_qs, u"ezboard"_qs, u"html"_qs}));
    QCOMPARE(convertMessage(u"mail a@b now"_qs, u"html"_qs, set),
             u"mail <a href='mailto:a@b '>a@b </a>now"_qs);
}

void TestLinkTemplate::valuesRoundTripUnchanged_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("CR LF and bar") << u"a|b\r\nc|"_qs;
    QTest::newRow("lone LF") << u"\n"_qs;
    QTest::newRow("lone CR") << u"x\r"_qs;
    QTest::newRow("INI syntax") << u"[data]\nkey=value;#x"_qs;
    QTest::newRow("list-like") << u"a, b, c"_qs;
    QTest::newRow("surrounding spaces") << u"  <a href=\" "_qs;
    QTest::newRow("quotes and backslashes") << u"\"\\\\'\\"_qs;
    QTest::newRow("non-ASCII") << u"ü€😀"_qs;
    QTest::newRow("looks like a number") << u"0042"_qs;
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
    QCOMPARE(convertMessage(u"x http://a/ "_qs, value, reread),
             u"x "_qs + value + u"http://a/ "_qs + value + u"http://a/ "_qs + value);
}

void TestLinkTemplate::failedSaveIsReported() {
    TestFolders folders;
    // The settings folder would have to be created inside an ordinary file.
    QVERIFY(test::writeBytes(folders.path(u"file"_qs), "x"));
    SettingsStore store(folders.path(u"file"_qs) + u"/settings"_qs);
    QVERIFY(!saveTemplates(store, defaultTemplates()));
}

QTEST_MAIN(TestLinkTemplate)
#include "tst_link_template.moc"

// The skin's values, which colours each kind of control takes, the look's style sheet and the
// engine's life.
#include "skin/skin.h"
#include "skin/skin_engine.h"
#include "skin/skin_style.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;

Q_DECLARE_METATYPE(quillbox::SkinColouring)

class TestSkin : public QObject {
    Q_OBJECT
private slots:
    void gemBlueCarriesItsStoredValues();
    void controlKindsTakeTheirColours_data();
    void controlKindsTakeTheirColours();
    void styleSheetFillsEveryColour();
    void engineRunsBetweenStartAndShutDown();
};

void TestSkin::gemBlueCarriesItsStoredValues() {
    const Skin skin = gemBlue();
    QCOMPARE(skin.description, u"Gem Blue"_s);
    QCOMPARE(skin.application, u"Standard Skin"_s);
    QCOMPARE(skin.hue, 0);
    QCOMPARE(colourName(skin.backgroundColour), u"#ffffff"_s);
    QCOMPARE(colourName(skin.textColour), u"#000000"_s);
    QCOMPARE(colourName(skin.panelColour), u"#ebebeb"_s);
    QCOMPARE(colourName(skin.panelTextColour), u"#000000"_s);
    QVERIFY(!skin.colourApplication);
    QVERIFY(skin.clientAreaSkinning);
    QCOMPARE(colourName(skinRgb(1, 2, 254)), u"#0102fe"_s);
}

void TestSkin::controlKindsTakeTheirColours_data() {
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<SkinColouring>("colouring");
    QTest::newRow("button") << "CommandButton" << SkinColouring::Background;
    for (const char* kind : {"TextBox", "ComboBox", "FileListBox", "DirListBox", "DriveListBox",
                             "ListBox", "ListView"})
        QTest::newRow(kind) << kind << SkinColouring::BackgroundAndText;
    QTest::newRow("picture box") << "PictureBox" << SkinColouring::Panel;
    for (const char* kind : {"Label", "SkinLabel", "Frame", "TabStrip", "StatusBar", "WebBrowser",
                             "CheckBox", "Image", "RichTextBox", "Timer", ""})
        QTest::newRow(kind) << kind << SkinColouring::None;
    // Names are compared exactly.
    QTest::newRow("lower case") << "commandbutton" << SkinColouring::None;
    QTest::newRow("longer") << "TextBoxes" << SkinColouring::None;
    QTest::newRow("blank after") << "ListBox " << SkinColouring::None;
}

void TestSkin::controlKindsTakeTheirColours() {
    QFETCH(QString, typeName);
    QTEST(skinColouringFor(typeName), "colouring");
}

void TestSkin::styleSheetFillsEveryColour() {
    Skin skin = gemBlue();
    skin.panelColour = skinRgb(1, 2, 3);
    const QString sheet = skinStyleSheet(skin, u"quillbox--HelpWindow"_s);
    QVERIFY(sheet.startsWith(u"quillbox--HelpWindow { background-color: #010203;"_s));
    QVERIFY(!sheet.contains(u'%')); // every placeholder was filled
    QCOMPARE(sheet.count(u'{'), sheet.count(u'}'));
    for (SkinColouring c :
         {SkinColouring::Background, SkinColouring::BackgroundAndText, SkinColouring::Panel})
        QVERIFY(sheet.contains(u"*[skinColouring=\""_s + skinColouringName(c) + u"\"]"_s));
}

void TestSkin::engineRunsBetweenStartAndShutDown() {
    SkinEngine& engine = SkinEngine::instance();
    QCOMPARE(engine.state(), SkinEngine::State::Detached);
    QVERIFY(!engine.start()); // nothing to draw with yet
    QVERIFY(!engine.running());
    engine.attach(gemBlue());
    QCOMPARE(engine.state(), SkinEngine::State::Attached);
    QVERIFY(engine.start());
    QVERIFY(engine.running());
    // A splash window loaded again attaches its own skin; the engine keeps running.
    Skin other = gemBlue();
    other.description = u"other"_s;
    engine.attach(other);
    QVERIFY(engine.running());
    QCOMPARE(engine.skin()->description, u"other"_s);
    engine.shutDown();
    QCOMPARE(engine.state(), SkinEngine::State::ShutDown);
    QVERIFY(!engine.skin());
    QVERIFY(!engine.start());
}

QTEST_GUILESS_MAIN(TestSkin)
#include "tst_skin.moc"

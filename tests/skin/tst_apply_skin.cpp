// applySkin over windows holding every kind of control, inside and outside frames; the skin
// labels that replace plain labels; dialogs skinned while the engine runs.
#include "skin/skin.h"
#include "skin/skin_engine.h"
#include "skin/ui/apply_skin.h"
#include "skin/ui/skin_control.h"
#include "skin/ui/skin_engine_start.h"
#include "skin/ui/skin_label.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

using namespace Qt::StringLiterals;

using namespace quillbox;

namespace {

// Colours no control has by itself, so every one seen came from the skin.
Skin testSkin() {
    Skin skin = gemBlue();
    skin.backgroundColour = skinRgb(0x10, 0x20, 0x30);
    skin.textColour = skinRgb(0x40, 0x50, 0x60);
    skin.panelColour = skinRgb(0x70, 0x80, 0x90);
    return skin;
}

template <typename W> W* put(QWidget* parent, const char* name) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* putPicture(QWidget* parent, const char* name, const char* type) {
    QLabel* label = put<QLabel>(parent, name);
    label->setProperty("controlType", QString::fromLatin1(type));
    return label;
}

// One control of every kind on the window, and again inside a frame and a frame in that frame.
std::unique_ptr<QWidget> everyKindOfControl() {
    auto window = std::make_unique<QWidget>();
    QWidget* w = window.get();
    put<QPushButton>(w, "cmdButton");
    put<QToolButton>(w, "cmdPicture");
    put<QLineEdit>(w, "txtLine");
    put<QPlainTextEdit>(w, "txtMulti");
    put<QTextEdit>(w, "txtRich");
    put<QComboBox>(w, "cmbList");
    put<QListWidget>(w, "lstList");
    put<QListView>(w, "lvwView");
    put<QLabel>(w, "lblPlain")->setText(u"plain"_s);
    putPicture(w, "picBox", "PictureBox");
    putPicture(w, "imgArt", "Image");
    new SkinLabel(u"SkinLabel9"_s, w);
    put<QCheckBox>(w, "chkBox");
    put<QTabBar>(w, "tabStrip")->addTab(u"tab"_s);
    put<QTextBrowser>(w, "rtfHelp");
    auto* outer = put<QGroupBox>(w, "fraOuter");
    put<QListWidget>(outer, "lstInFrame");
    put<QPushButton>(outer, "cmdInFrame");
    put<QLabel>(outer, "lblInFrame");
    auto* inner = put<QFrame>(outer, "fraInner");
    put<QLineEdit>(inner, "txtInInner");
    putPicture(inner, "picInInner", "PictureBox");
    put<QComboBox>(inner, "cmbInInner");
    return window;
}

} // namespace

class TestApplySkin : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyControlTakesTheColoursOfItsKind_data();
    void everyControlTakesTheColoursOfItsKind();
    void windowWithoutColouredControlsIsOnlyHandedToTheSkin();
    void skinningAgainKeepsTheWindowsOwnSheet();
    void withoutTheSharedSkinObjectNothingIsSkinned();
    void labelsAreClonedIntoTheArrayOfTheirContainer();
    void dialogsWearTheSkinWhileTheEngineRuns();
    void systemColoursTakeTheSkinOffAndBack();

private:
    std::unique_ptr<SkinControl> skin;
};

void TestApplySkin::init() {
    skin = std::make_unique<SkinControl>(testSkin());
    SkinControl::makeShared(skin.get());
}

void TestApplySkin::cleanup() {
    skin.reset();
}

void TestApplySkin::everyControlTakesTheColoursOfItsKind_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("background"); // empty: the control keeps its own colours
    QTest::addColumn<QString>("text");
    const QString b = u"#102030"_s, f = u"#405060"_s, p = u"#708090"_s;
    QTest::newRow("button") << "cmdButton" << b << "";
    QTest::newRow("picture button") << "cmdPicture" << b << "";
    QTest::newRow("text box") << "txtLine" << b << f;
    QTest::newRow("multi-line text box") << "txtMulti" << b << f;
    QTest::newRow("rich text box") << "txtRich" << b << f;
    QTest::newRow("drop-down") << "cmbList" << b << f;
    QTest::newRow("list") << "lstList" << b << f;
    QTest::newRow("list view") << "lvwView" << b << f;
    QTest::newRow("picture box") << "picBox" << p << "";
    QTest::newRow("label") << "lblPlain"
                           << ""
                           << "";
    QTest::newRow("image") << "imgArt"
                           << ""
                           << "";
    QTest::newRow("skin label") << "SkinLabel9"
                                << ""
                                << "";
    QTest::newRow("check box") << "chkBox"
                               << ""
                               << "";
    QTest::newRow("tab strip") << "tabStrip"
                               << ""
                               << "";
    QTest::newRow("help text") << "rtfHelp"
                               << ""
                               << "";
    QTest::newRow("frame") << "fraOuter"
                           << ""
                           << "";
    QTest::newRow("list in a frame") << "lstInFrame" << b << f;
    QTest::newRow("button in a frame") << "cmdInFrame" << b << "";
    QTest::newRow("label in a frame") << "lblInFrame"
                                      << ""
                                      << "";
    QTest::newRow("frame in a frame") << "fraInner"
                                      << ""
                                      << "";
    QTest::newRow("text box two frames deep") << "txtInInner" << b << f;
    QTest::newRow("picture two frames deep") << "picInInner" << p << "";
    QTest::newRow("drop-down two frames deep") << "cmbInInner" << b << f;
}

void TestApplySkin::everyControlTakesTheColoursOfItsKind() {
    QFETCH(QString, name);
    QFETCH(QString, background);
    QFETCH(QString, text);
    const std::unique_ptr<QWidget> window = everyKindOfControl();
    QVERIFY(applySkin(window.get()));
    QCOMPARE(window->property("skin").toString(), u"Gem Blue"_s);
    QVERIFY(window->styleSheet().contains(u"QGroupBox::title"_s));

    auto* control = window->findChild<QWidget*>(name);
    QVERIFY(control);
    const QVariant colouring = control->property("skinColouring");
    control->ensurePolished();
    if (background.isEmpty()) {
        QVERIFY(!colouring.isValid());
        return;
    }
    QCOMPARE(colouring.toString(),
             text.isEmpty()
                 ? (background == QLatin1String("#708090") ? u"Panel"_s : u"Background"_s)
                 : u"BackgroundAndText"_s);
    // The colours reach what the control draws with.
    QCOMPARE(control->palette().color(control->backgroundRole()).name(), background);
    if (!text.isEmpty())
        QCOMPARE(control->palette().color(control->foregroundRole()).name(), text);
}

void TestApplySkin::windowWithoutColouredControlsIsOnlyHandedToTheSkin() {
    QWidget window;
    auto* frame = put<QGroupBox>(&window, "fraOnly");
    put<QLabel>(frame, "lblOnly");
    new SkinLabel(u"SkinLabel1"_s, &window);
    QVERIFY(applySkin(&window));
    QVERIFY(!window.styleSheet().isEmpty());
    for (QWidget* control : windowControls(&window))
        QVERIFY(!control->property("skinColouring").isValid());
}

void TestApplySkin::skinningAgainKeepsTheWindowsOwnSheet() {
    QWidget window;
    auto* box = put<QLineEdit>(&window, "txtOwn");
    const QString own = u"QLineEdit { font-weight: bold; }"_s;
    window.setStyleSheet(own);
    box->setStyleSheet(own);
    QVERIFY(applySkin(&window));
    const QString once = window.styleSheet();
    QVERIFY(once.startsWith(own + u'\n'));
    QVERIFY(applySkin(&window));
    QCOMPARE(window.styleSheet(), once);
    QCOMPARE(box->styleSheet(), own);
}

void TestApplySkin::withoutTheSharedSkinObjectNothingIsSkinned() {
    // No splash window in this program: nothing can bring the shared skin object back.
    skin.reset();
    QVERIFY(!SkinControl::shared());
    const std::unique_ptr<QWidget> window = everyKindOfControl();
    QVERIFY(!applySkin(window.get()));
    QCOMPARE(window->styleSheet(), QString());
    QVERIFY(!window->property("skin").isValid());
    QVERIFY(!window->findChild<QWidget*>(u"txtLine"_s)->property("skinColouring").isValid());
}

void TestApplySkin::labelsAreClonedIntoTheArrayOfTheirContainer() {
    QWidget window;
    auto* first = put<QGroupBox>(&window, "fraFirst");
    auto* second = put<QGroupBox>(&window, "fraSecond");
    auto* bare = put<QGroupBox>(&window, "fraBare");
    auto label = [](QWidget* parent, const char* name, const char* text, QRect at) {
        QLabel* l = put<QLabel>(parent, name);
        l->setText(QString::fromLatin1(text));
        l->setGeometry(at);
        return l;
    };
    label(&window, "lblOnWindow", "as", QRect(1, 2, 30, 17));
    QLabel* subject = label(first, "lblSubject", "Subject:", QRect(8, 24, 49, 17));
    QFont bold = subject->font();
    bold.setBold(true);
    subject->setFont(bold);
    label(first, "lblMessage", "Message:", QRect(8, 44, 65, 13))->hide();
    label(second, "lblUrl", "URL:", QRect(8, 20, 81, 21));
    label(bare, "lblBare", "alone", QRect(5, 5, 40, 15));
    putPicture(&window, "picNotALabel", "PictureBox");
    new SkinLabel(u"SkinLabel5"_s, first); // already drawn by the skin
    // The prototypes, in the order the window names them; two sit in the same frame, and the
    // first of them takes that frame's labels.
    const QList<SkinLabel*> prototypes{makeSkinLabelPrototype(&window, u"SkinLabel1"_s),
                                       makeSkinLabelPrototype(first, u"SkinLabel2"_s),
                                       makeSkinLabelPrototype(second, u"SkinLabel3"_s),
                                       makeSkinLabelPrototype(first, u"SkinLabel4"_s)};

    const QList<SkinLabel*> clones = replaceLabels(&window, prototypes);
    QCOMPARE(clones.size(), 4);

    auto texts = [&](const char* array) {
        QStringList out;
        for (const SkinLabel* element : skinLabelArray(&window, QString::fromLatin1(array)))
            out << QString::number(element->index()) + u' ' + element->text();
        return out;
    };
    QCOMPARE(texts("SkinLabel1"), QStringList({u"0 "_s, u"1 as"_s}));
    QCOMPARE(texts("SkinLabel2"), QStringList({u"0 "_s, u"1 Subject:"_s, u"2 Message:"_s}));
    QCOMPARE(texts("SkinLabel3"), QStringList({u"0 "_s, u"1 URL:"_s}));
    QCOMPARE(texts("SkinLabel4"), QStringList({u"0 "_s}));
    QCOMPARE(bare->findChildren<SkinLabel*>().size(), 0);

    // A clone takes its label's place, size, font and visibility, in the label's container.
    const SkinLabel* subjectClone = skinLabelArray(&window, u"SkinLabel2"_s)[1];
    QCOMPARE(subjectClone->parentWidget(), first);
    QCOMPARE(subjectClone->geometry(), QRect(8, 24, 49, 17));
    QVERIFY(subjectClone->font().bold());
    QVERIFY(!subjectClone->isHidden());
    QVERIFY(skinLabelArray(&window, u"SkinLabel2"_s)[2]->isHidden());
    QVERIFY(prototypes[0]->isHidden()); // the templates stay invisible
    // The plain labels stay, under their clones.
    QVERIFY(first->findChild<QLabel*>(u"lblSubject"_s));
    const QObjectList& order = first->children();
    QCOMPARE(order.indexOf(subjectClone), order.indexOf(subject) + 1);

    // Loading again goes on after the upper bound.
    replaceLabels(&window, prototypes);
    QCOMPARE(texts("SkinLabel3").last(), u"2 URL:"_s);
}

void TestApplySkin::dialogsWearTheSkinWhileTheEngineRuns() {
    attachAndStartSkinEngine(*skin);
    QVERIFY(SkinEngine::instance().running());
    {
        QMessageBox box(QMessageBox::Warning, u"Quillbox"_s, u"text"_s, QMessageBox::Ok);
        box.show();
        QCOMPARE(box.property("skin").toString(), u"Gem Blue"_s);
        auto* ok = box.button(QMessageBox::Ok);
        QCOMPARE(ok->property("skinColouring").toString(), u"Background"_s);
        QCOMPARE(ok->palette().color(ok->backgroundRole()).name(), u"#102030"_s);
    }
    SkinEngine::instance().shutDown();
    QMessageBox after(QMessageBox::Warning, u"Quillbox"_s, u"text"_s, QMessageBox::Ok);
    after.show();
    QVERIFY(!after.property("skin").isValid());
}

QTEST_MAIN(TestApplySkin)
#include "tst_apply_skin.moc"

// Windows skinned before the switch lose the skin, and their own style sheet stays; windows
// skinned while it is on are left alone until the skin comes back.
void TestApplySkin::systemColoursTakeTheSkinOffAndBack() {
    const std::unique_ptr<QWidget> before = everyKindOfControl();
    const QString own = u"QLineEdit { font-weight: bold; }"_s;
    before->setStyleSheet(own);
    QVERIFY(applySkin(before.get()));
    QVERIFY(before->styleSheet().size() > own.size());

    setSystemColours(true);
    QVERIFY(systemColours());
    QCOMPARE(before->styleSheet(), own);
    QVERIFY(!before->property("skin").isValid());
    for (QWidget* control : windowControls(before.get()))
        QVERIFY2(!control->property("skinColouring").isValid(), qPrintable(control->objectName()));
    const std::unique_ptr<QWidget> during = everyKindOfControl();
    QVERIFY(applySkin(during.get()));
    QVERIFY(during->styleSheet().isEmpty());
    QVERIFY(!during->property("skin").isValid());
    // Switching on again changes nothing.
    setSystemColours(true);
    QCOMPARE(before->styleSheet(), own);

    setSystemColours(false);
    for (QWidget* window : {before.get(), during.get()}) {
        QCOMPARE(window->property("skin").toString(), u"Gem Blue"_s);
        QVERIFY(window->styleSheet().contains(u"QGroupBox::title"_s));
        QCOMPARE(window->findChild<QWidget*>(u"txtLine"_s)->property("skinColouring").toString(),
                 u"BackgroundAndText"_s);
    }
    QVERIFY(before->styleSheet().startsWith(own + u'\n'));
}

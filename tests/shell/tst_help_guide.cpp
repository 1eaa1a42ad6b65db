// The user guide keeps up with the program: every menu item of the live window and every check
// box of its settings windows is named in the guide the help window shows, and the guide's own
// links lead somewhere. The captions are read from the windows, so a new item or option that the
// guide does not explain fails here.
#include "app/translations.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_window.h"
#include "store/app_settings.h"
#include "support/main_window_fixture.h"
#include "support/recording_browser_page.h"
#include "watch/ui/reply_check_options.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <cstdio>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

// A caption as a reader meets it in the guide: no mnemonic marks ("&&" is a real "&"), no keys
// after a tab, no "..." that only says a window follows.
QString readable(const QString& caption) {
    QString out;
    const QString text = caption.section(u'\t', 0, 0);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&')
            out += text[i];
        else if (i + 1 < text.size() && text[i + 1] == u'&')
            out += text[++i];
    }
    out = out.trimmed();
    while (out.endsWith(u"..."_s))
        out.chop(3);
    if (out.endsWith(QChar(0x2026)))
        out.chop(1);
    return out.simplified();
}

// Text compared as a reader reads it: any run of white space (a line break of the HTML source,
// a table cell, a non-breaking space) is one blank, and case does not matter.
QString comparable(QString text) {
    text.replace(QChar::Nbsp, u' ');
    return text.simplified().toCaseFolded();
}

// Every item of a menu and of its submenus, separators aside.
void collectItems(const QMenu* menu, const QString& path, QStringList& out) {
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString caption = readable(action->text());
        if (action->menu())
            collectItems(action->menu(), path + u" > "_s + caption, out);
        else if (!caption.isEmpty())
            out << path + u" > "_s + caption;
    }
}

QStringList checkBoxCaptions(const QWidget* window) {
    QStringList out;
    for (const QCheckBox* box : window->findChildren<QCheckBox*>())
        out << readable(box->text());
    return out;
}

// The names in the guide that its text lacks, each with where it comes from.
QStringList missingFrom(const QString& guide, const QStringList& labelled) {
    QStringList missing;
    for (const QString& entry : labelled) {
        const QString caption = entry.section(u" > "_s, -1);
        if (!guide.contains(comparable(caption)))
            missing << entry;
    }
    return missing;
}

} // namespace

class TestHelpGuide : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyMenuItemIsInTheGuide();
    void everySettingsCheckBoxIsInTheGuide();
    void everyLinkOfTheGuideLeadsSomewhere();
    void theGuideSaysNothingThatIsNoLongerTrue_data();
    void theGuideSaysNothingThatIsNoLongerTrue();

private:
    // The guide as the help window shows it.
    QString guideText();
};

void TestHelpGuide::init() {
    MainWindowFixture::init();
    // The help window does not open by itself over the window under test.
    settings->saveSetting(settingsApplication(), u"Settings"_s, u"showHelp"_s, u"0"_s);
    open(new RecordingBrowserPage);
}

void TestHelpGuide::cleanup() {
    MainWindowFixture::cleanup();
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
}

QString TestHelpGuide::guideText() {
    HelpWindow help(*program);
    if (!help.load())
        return {};
    return comparable(control<QTextBrowser>(&help, "rtf1")->toPlainText());
}

void TestHelpGuide::everyMenuItemIsInTheGuide() {
    const QString guide = guideText();
    QVERIFY2(!guide.isEmpty(), "the help window shows no guide");

    QStringList items;
    QStringList menus;
    for (const QAction* entry : window->menuBar()->actions()) {
        if (!entry->menu())
            continue;
        const QString title = readable(entry->text());
        menus << title;
        collectItems(entry->menu(), title, items);
    }
    // A menu bar read wrongly would pass for a guide that names nothing.
    QVERIFY2(menus.size() >= 4, qPrintable(menus.join(u", "_s)));
    QVERIFY2(items.size() >= 20, qPrintable(items.join(u", "_s)));

    const QStringList missing = missingFrom(guide, menus + items);
    QVERIFY2(missing.isEmpty(), qPrintable(u"the guide does not name: "_s + missing.join(u"; "_s)));
}

void TestHelpGuide::everySettingsCheckBoxIsInTheGuide() {
    const QString guide = guideText();
    QVERIFY2(!guide.isEmpty(), "the help window shows no guide");

    // The template editor as the window opens it, through its button.
    control<QAbstractButton>(window.get(), "cmdOptions")->click();
    QWidget* templates = nullptr;
    QTRY_VERIFY((templates = window->findChild<QWidget*>(u"frmCustom"_s)) &&
                templates->isVisible());
    ReplyCheckOptions replyOptions;
    QCOMPARE(replyOptions.objectName(), u"frmReplyOptions"_s);
    HelpWindow help(*program);
    help.load();

    const QList<std::pair<QWidget*, int>> windows{
        {templates, 2}, {&replyOptions, 2}, {window.get(), 1}, {&help, 1}};
    QStringList boxes;
    for (const auto& [settingsWindow, atLeast] : windows) {
        const QStringList captions = checkBoxCaptions(settingsWindow);
        QVERIFY2(captions.size() >= atLeast, qPrintable(settingsWindow->objectName()));
        for (const QString& caption : captions)
            boxes << settingsWindow->objectName() + u" > "_s + caption;
    }
    const QStringList missing = missingFrom(guide, boxes);
    QVERIFY2(missing.isEmpty(), qPrintable(u"the guide does not name: "_s + missing.join(u"; "_s)));
}

void TestHelpGuide::everyLinkOfTheGuideLeadsSomewhere() {
    QFile file(HelpWindow::defaultHelpFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());

    QSet<QString> anchors;
    static const QRegularExpression named(u"<a\\s+name=\"([^\"]+)\""_s);
    for (const QRegularExpressionMatch& m : named.globalMatch(html))
        anchors.insert(m.captured(1));
    QStringList dangling;
    static const QRegularExpression local(u"href=\"#([^\"]+)\""_s);
    int links = 0;
    for (const QRegularExpressionMatch& m : local.globalMatch(html)) {
        ++links;
        if (!anchors.contains(m.captured(1)))
            dangling << m.captured(1);
    }
    QVERIFY(links > 10);
    QVERIFY2(dangling.isEmpty(), qPrintable(dangling.join(u", "_s)));
}

// Sentences an older guide held that the program has since made untrue.
void TestHelpGuide::theGuideSaysNothingThatIsNoLongerTrue_data() {
    QTest::addColumn<QString>("untrue");
    QTest::newRow("the companion writes its marks") << u"writes nothing back"_s;
    QTest::newRow("a failure ends the check") << u"the check stops there"_s;
    QTest::newRow("replies are cleared by marking them read")
        << u"press Watch This Post on it so that only later replies count"_s;
    QTest::newRow("there is no such button") << u"Insert Message button"_s;
}

void TestHelpGuide::theGuideSaysNothingThatIsNoLongerTrue() {
    QFETCH(QString, untrue);
    const QString guide = guideText();
    QVERIFY(!guide.isEmpty());
    QVERIFY2(!guide.contains(comparable(untrue)), qPrintable(untrue));
}

int main(int argc, char** argv) {
#ifdef QUILLBOX_GERMAN
    // The German guide, chosen as the program's translation is, against the German window.
    qputenv("LANGUAGE", "de");
#endif
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
#ifdef QUILLBOX_GERMAN
    if (installTranslations(app).isEmpty() ||
        !HelpWindow::defaultHelpFile().endsWith(u"help_de.html"_s)) {
        std::fprintf(stderr, "the German translation or guide was not found\n");
        return 1;
    }
#endif
    TestHelpGuide t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_help_guide.moc"

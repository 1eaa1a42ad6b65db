// The program in German: chosen from the user's languages as the desktop sets them, the window's
// menus and message boxes translated, and a translation file whose every text keeps the
// placeholders and the accelerator of its English source.
#include "app/translations.h"
#include "compose/saved_messages.h"
#include "support/main_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

// The %1... placeholders of a text, sorted: a translation may move them, never drop one.
QStringList placeholders(const QString& text) {
    QStringList out;
    static const QRegularExpression pattern(u"%(\\d|n)"_s);
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        out << it.next().captured();
    out.sort();
    return out;
}

int accelerators(const QString& text) {
    return QString(text).remove(u"&&"_s).count(u'&');
}

// The translation of every message of a translation file, by "context: source".
QHash<QString, QString> translationsOf(const QString& path) {
    QHash<QString, QString> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source =
                context + u": "_s + xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == u"translation")
            out.insert(source, xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    return out;
}

// Runs lupdate over the program's sources into a new file in folder: every text the program
// marks for translation, as the program holds it now. Empty when lupdate failed.
QString freshTranslationFile(const QTemporaryDir& folder) {
    const QString fresh = folder.filePath(u"quillbox_de.ts"_s);
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUILLBOX_LUPDATE),
                  {u"-silent"_s, u"-locations"_s, u"none"_s, u"-no-obsolete"_s,
                   u"-source-language"_s, u"en"_s, u"-target-language"_s, u"de"_s,
                   QStringLiteral(QUILLBOX_SOURCE_FOLDER), u"-ts"_s, fresh});
    if (!lupdate.waitForFinished(-1) || lupdate.exitCode() != 0)
        return {};
    return fresh;
}

// The end of the call whose "(" is at open, past string and character literals; -1 if none.
qsizetype callEnd(const QString& code, qsizetype open) {
    int depth = 0;
    for (qsizetype i = open; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"' || c == u'\'') {
            for (++i; i < code.size() && code[i] != c; ++i) {
                if (code[i] == u'\\')
                    ++i;
            }
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')' && --depth == 0) {
            return i;
        }
    }
    return -1;
}

// Where a translated text of a source file is joined with "+" to a number or to another
// translated text: a sentence built from pieces, which a translator cannot reorder.
QStringList piecedTexts(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {path + u": unreadable"_s};
    const QString code = QString::fromUtf8(file.readAll());
    static const QRegularExpression call(u"\\b(?:tr|translate)\\s*\\("_s);
    static const QRegularExpression after(
        u"^\\s*\\+\\s*(?:QString::number\\b|(?:QCoreApplication::)?(?:tr|translate)\\s*\\()"_s);
    static const QRegularExpression before(u"QString::number\\([^;]*?\\)\\s*\\+\\s*$"_s);
    QStringList out;
    for (auto it = call.globalMatch(code); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const qsizetype end = callEnd(code, m.capturedEnd() - 1);
        if (end < 0)
            continue;
        // A following .arg() is part of the same sentence.
        const QString rest = code.mid(end + 1, 200);
        const QString lead = code.mid(std::max<qsizetype>(0, m.capturedStart() - 120),
                                      std::min<qsizetype>(120, m.capturedStart()));
        const QString lead1 = lead.section(u';', -1);
        if (after.match(rest).hasMatch() || before.match(lead1).hasMatch()) {
            const int line = int(code.left(m.capturedStart()).count(u'\n')) + 1;
            out << u"%1:%2"_s.arg(QFileInfo(path).fileName()).arg(line);
        }
    }
    return out;
}

QSet<QString> messagesOf(const QString& path) {
    const QList<QString> keys = translationsOf(path).keys();
    return QSet<QString>(keys.begin(), keys.end());
}

} // namespace

class TestTranslations : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init() { MainWindowFixture::init(); }
    void cleanup() { MainWindowFixture::cleanup(); }
    void languageFollowsTheUsersOrder_data();
    void languageFollowsTheUsersOrder();
    void languageComesFromTheEnvironment();
    void menusAndBoxesAreGerman();
    void everyMenuCaptionIsTranslated();
    void everyTranslationIsFinishedAndKeepsItsPlaceholders();
    void theFileHoldsEveryTextOfTheProgram();
    void noTextIsAFragment();
    void noSentenceIsBuiltFromPieces();
    void pluralsTakeTheNumber_data();
    void pluralsTakeTheNumber();

private:
    // The program's texts as lupdate finds them now, made once for the tests that read them.
    QString freshFile();
    QTemporaryDir m_folder;
    QString m_fresh;
};

QString TestTranslations::freshFile() {
    if (m_fresh.isEmpty() && m_folder.isValid())
        m_fresh = freshTranslationFile(m_folder);
    return m_fresh;
}

void TestTranslations::languageFollowsTheUsersOrder_data() {
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("german") << QStringList{u"de"_s} << u"de"_s;
    QTest::newRow("german of Austria") << QStringList{u"de-AT"_s, u"de"_s} << u"de-AT"_s;
    QTest::newRow("english first") << QStringList{u"en-US"_s, u"de"_s} << QString();
    QTest::newRow("untranslated, then german") << QStringList{u"fr"_s, u"de"_s} << u"de"_s;
    QTest::newRow("untranslated only") << QStringList{u"fr"_s, u"ja"_s} << QString();
    QTest::newRow("C locale") << QStringList{u"C"_s, u"de"_s} << QString();
    QTest::newRow("nothing set") << QStringList{} << QString();
    QTest::newRow("garbage") << QStringList{u"??"_s, u""_s} << QString();
}

void TestTranslations::languageFollowsTheUsersOrder() {
    QFETCH(QStringList, languages);
    QFETCH(QString, chosen);
    QCOMPARE(translationLanguage(languages), chosen);
}

void TestTranslations::languageComesFromTheEnvironment() {
    // main() set LANGUAGE=de before the application was made, as a desktop session does.
    QVERIFY2(QLocale::system().uiLanguages().value(0).startsWith(u"de"_s),
             qPrintable(QLocale::system().uiLanguages().join(u' ')));
    QCOMPARE(QCoreApplication::translate("quillbox::MainWindow", "&File"), u"&Datei"_s);
}

void TestTranslations::menusAndBoxesAreGerman() {
    MainWindow* window = open();
    QCOMPARE(control<QMenu>(window, "fileMenu")->title(), u"&Datei"_s);
    QCOMPARE(control<QMenu>(window, "toolsMenu")->title(), u"E&xtras"_s);
    QCOMPARE(control<QAction>(window, "fileMenuItem1")->text(), u"Nachricht &speichern"_s);

    control<QAction>(window, "toolsMenuItem0")->trigger();
    QCOMPARE(messages.entries.size(), 1);
    QCOMPARE(messages.entries[0].title, u"Nachrichtenvorschau"_s);

    // A messages file that cannot be written: the box says so in German.
    const QString path = folders->path(messagesFileName());
    QFile::remove(path);
    QVERIFY(QDir(folders->dataFolder()).mkdir(messagesFileName()));
    QTest::mouseClick(control<QToolButton>(window, "cmdSave"), Qt::LeftButton);
    QCOMPARE(messages.entries.size(), 2);
    QCOMPARE(messages.entries[1].text, u"Ihre Nachricht konnte nicht gespeichert werden."_s);
}

void TestTranslations::everyMenuCaptionIsTranslated() {
    // A caption lupdate cannot see stays English: every menu shows one of the window's German
    // texts.
    const QHash<QString, QString> translations = translationsOf(QStringLiteral(QUILLBOX_TS_FILE));
    QSet<QString> german;
    for (auto it = translations.constBegin(); it != translations.constEnd(); ++it) {
        if (it.key().startsWith(u"quillbox::MainWindow: "_s))
            german.insert(it.value());
    }
    QVERIFY(german.size() > 20);
    MainWindow* window = open();
    for (const QAction* menuAction : window->menuBar()->actions()) {
        QVERIFY2(german.contains(menuAction->text()), qPrintable(menuAction->text()));
        for (const QAction* item : menuAction->menu()->actions())
            QVERIFY2(german.contains(item->text()), qPrintable(item->text()));
    }
}

void TestTranslations::everyTranslationIsFinishedAndKeepsItsPlaceholders() {
    QFile file(QStringLiteral(QUILLBOX_TS_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(u"type"_s).toString();
            // A text with a count has one translation for each plural form of the language.
            QStringList forms;
            QString text;
            while (
                !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"translation") &&
                !xml.atEnd()) {
                if (xml.isStartElement() && xml.name() == u"numerusform")
                    forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
                else if (xml.isCharacters())
                    text += xml.text();
            }
            if (forms.isEmpty())
                forms << text;
            if (type == u"vanished" || type == u"obsolete")
                continue;
            ++messages;
            for (const QString& form : std::as_const(forms)) {
                QVERIFY2(type.isEmpty() && !form.isEmpty(), qPrintable(u"unfinished: "_s + source));
                QVERIFY2(placeholders(form) == placeholders(source), qPrintable(source));
                QVERIFY2(accelerators(form) == accelerators(source), qPrintable(source));
            }
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 100);
}

// A text moved to another class, or added without running lupdate, would stay English while
// the file still looked complete.
void TestTranslations::theFileHoldsEveryTextOfTheProgram() {
    const QString fresh = freshFile();
    QVERIFY(!fresh.isEmpty());
    const QSet<QString> program = messagesOf(fresh);
    const QSet<QString> file = messagesOf(QStringLiteral(QUILLBOX_TS_FILE));
    QVERIFY(program.size() > 100);
    const QStringList missing = QSet<QString>(program).subtract(file).values();
    const QStringList unused = QSet<QString>(file).subtract(program).values();
    QVERIFY2(missing.isEmpty(), qPrintable(u"not in the file: "_s + missing.join(u" | "_s)));
    QVERIFY2(unused.isEmpty(), qPrintable(u"no longer in the program: "_s + unused.join(u" | "_s)));
}

// A text that starts or ends with a blank or a line break, or starts with a joining comma, is
// the piece of a sentence put together in code.
void TestTranslations::noTextIsAFragment() {
    const QString fresh = freshFile();
    QVERIFY(!fresh.isEmpty());
    QStringList fragments;
    for (const QString& message : messagesOf(fresh)) {
        const QString text = message.section(u": "_s, 1);
        if (text.isEmpty() || text.front().isSpace() || text.back().isSpace() ||
            u",;"_s.contains(text.front()))
            fragments << u'"' + message + u'"';
    }
    fragments.sort();
    QVERIFY2(fragments.isEmpty(), qPrintable(fragments.join(u" | "_s)));
}

void TestTranslations::noSentenceIsBuiltFromPieces() {
    QStringList pieced;
    QDirIterator files(QStringLiteral(QUILLBOX_SOURCE_FOLDER), {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                       QDirIterator::Subdirectories);
    int read = 0;
    while (files.hasNext()) {
        pieced << piecedTexts(files.next());
        ++read;
    }
    QVERIFY(read > 50);
    QVERIFY2(pieced.isEmpty(), qPrintable(pieced.join(u", "_s)));
}

void TestTranslations::pluralsTakeTheNumber_data() {
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("german");
    QTest::newRow("notice, many") << u"quillbox::BackgroundCheck"_s
                                  << u"%n threads have new replies:"_s << 4
                                  << u"4 Themen haben neue Antworten:"_s;
    QTest::newRow("notice, rest of one")
        << u"quillbox::BackgroundCheck"_s << u"and %n more"_s << 1 << u"und 1 weiteres"_s;
    QTest::newRow("check, one found")
        << u"quillbox::ReplyCheck"_s << u"finished - %n new replies found"_s << 1
        << u"fertig – 1 neue Antwort gefunden"_s;
    QTest::newRow("check, none found")
        << u"quillbox::ReplyCheck"_s << u"finished - %n new replies found"_s << 0
        << u"fertig – 0 neue Antworten gefunden"_s;
    QTest::newRow("span") << u"quillbox::PageFetcher"_s << u"%n seconds"_s << 30
                          << u"30 Sekunden"_s;
}

// German has a singular and a plural: each count reads as a sentence of its own.
void TestTranslations::pluralsTakeTheNumber() {
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(int, count);
    QFETCH(QString, german);
    QCOMPARE(QCoreApplication::translate(context.toUtf8().constData(), source.toUtf8().constData(),
                                         nullptr, count),
             german);
}

int main(int argc, char* argv[]) {
    // As a German desktop session starts the program; read once, when the locale is first used.
    qputenv("LANGUAGE", "de");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (installTranslations(app).isEmpty()) {
        std::fprintf(stderr, "the German translation was not installed\n");
        return 1;
    }
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"

#include "compose/link_template.h"
#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/test_folders.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

// Runs the built program as a user would, with its settings under a private XDG_CONFIG_HOME.
class TestQuillboxConvert : public QObject {
    Q_OBJECT

private slots:
    void init();
    void convertsWithBuiltInFormats_data();
    void convertsWithBuiltInFormats();
    void lineEnds_data();
    void lineEnds();
    void listsFormatsOfTheUsersTemplates();
    void convertsWithCustomTemplate();
    void readsNamedFile();
    void linkRulesFromOptionOrSetting();
    void refusesBadUse_data();
    void refusesBadUse();
    void helpDescribesLineEnds();

private:
    Run run(const QStringList& arguments, const QByteArray& input = {});
    void storeCustomTemplate();

    std::unique_ptr<QTemporaryDir> m_config;
};

Run TestQuillboxConvert::run(const QStringList& arguments, const QByteArray& input) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_CONFIG_HOME"_s, m_config->path());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUILLBOX_CONVERT_PROGRAM), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

void TestQuillboxConvert::storeCustomTemplate() {
    // The program keeps its settings in the Quillbox folder of the configuration location.
    SettingsStore store(m_config->path() + u"/Quillbox"_s);
    TemplateSet set = defaultTemplates();
    set[4] = {u"wiki"_s, u"["_s, u" "_s, u"]"_s, u"mail:"_s};
    set[2].Name.clear();
    QVERIFY(saveTemplates(store, set));
}

void TestQuillboxConvert::init() {
    m_config = std::make_unique<QTemporaryDir>();
}

void TestQuillboxConvert::convertsWithBuiltInFormats_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray input = "see http://x/y or mail a@b\n";
    QTest::newRow("default is text") << QStringList() << input;
    QTest::newRow("text") << QStringList{u"--format"_s, u"text"_s} << input;
    QTest::newRow("html") << QStringList{u"--format"_s, u"html"_s}
                          << QByteArray("see <a href='http://x/y '>http://x/y </a>or mail "
                                        "<a href='mailto:a@b'>a@b</a>\n");
    QTest::newRow("ubb, joined value") << QStringList{u"--format=ubb"_s}
                                       << QByteArray("see [url=http://x/y ]http://x/y [/url]or "
                                                     "mail [url=mailto:a@b]a@b[/url]\n");
    QTest::newRow("ezboard") << QStringList{u"--format"_s, u"ezboard"_s}
                             << QByteArray("see [link=http://x/y ]http://x/y [/link]or mail "
                                           "[link=mailto:a@b]a@b[/link]\n");
}

void TestQuillboxConvert::convertsWithBuiltInFormats() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, expected);
    const Run r = run(arguments, "see http://x/y or mail a@b\n");
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, expected);
    QCOMPARE(r.err, QByteArray());
}

void TestQuillboxConvert::lineEnds_data() {
    QTest::addColumn<bool>("raw");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray link = "<a href='http://x/y'>http://x/y</a>";
    // Each input line break is one editor line break, so the LF stays behind the link.
    QTest::newRow("LF") << false << QByteArray("a http://x/y\nb\n") << "a " + link + "\nb\n";
    QTest::newRow("CR LF") << false << QByteArray("a http://x/y\r\nb\r\n") << "a " + link + "\nb\n";
    QTest::newRow("lone CR") << false << QByteArray("a http://x/y\rb\r") << "a " + link + "\nb\n";
    QTest::newRow("text format normalises too")
        << false << QByteArray("a\r\nb\rc") << QByteArray("a\nb\nc");
    QTest::newRow("UTF-8") << false << QByteArray("grüße http://ü/ä\n")
                           << QByteArray("grüße <a href='http://ü/ä'>http://ü/ä</a>\n");
    // Raw: a bare LF that ends an address is taken into it, and the CR LF rest stays as is.
    QTest::newRow("raw LF") << true << QByteArray("a http://x/y\nb\n") << "a " + link + "b\n";
    QTest::newRow("raw CR LF") << true << QByteArray("a http://x/y\r\nb\r\n")
                               << "a " + link + "\nb\r\n";
}

void TestQuillboxConvert::lineEnds() {
    QFETCH(bool, raw);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QStringList arguments{u"--format"_s, u"html"_s};
    if (raw)
        arguments.append(u"--raw"_s);
    if (!input.contains("http"))
        arguments = QStringList();
    const Run r = run(arguments, input);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, expected);
}

void TestQuillboxConvert::listsFormatsOfTheUsersTemplates() {
    Run r = run({u"--list-formats"_s});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("text\nhtml\nubb\nezboard\n"));

    storeCustomTemplate();
    r = run({u"--list-formats"_s});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("text\nhtml\nubb\nwiki\n"));
}

void TestQuillboxConvert::convertsWithCustomTemplate() {
    storeCustomTemplate();
    Run r = run({u"--format"_s, u"wiki"_s}, "see http://x/y and a@b\n");
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("see [http://x/y  http://x/y ]and [mail:a@b a@b]\n"));

    // A name no template has any more is refused rather than passed through silently.
    r = run({u"--format"_s, u"ezboard"_s}, "x\n");
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY(r.err.contains("ezboard"));
}

void TestQuillboxConvert::readsNamedFile() {
    test::TestFolders folders;
    const QString file = folders.path(u"message.txt"_s);
    QVERIFY(test::writeBytes(file, "mail a@b\r\n"));
    Run r = run({u"--format"_s, u"html"_s, file}, "ignored stdin a@b\n");
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("mail <a href='mailto:a@b'>a@b</a>\n"));
    r = run({u"--format"_s, u"html"_s, u"-"_s}, "from stdin\n");
    QCOMPARE(r.out, QByteArray("from stdin\n"));
}

void TestQuillboxConvert::linkRulesFromOptionOrSetting() {
    const QByteArray input = "a@b.org: see www.x.org/?q=1.\n";
    const QByteArray classic = input;
    const QByteArray whole = "<a href='mailto:a@b.org'>a@b.org</a>: see "
                             "<a href='http://www.x.org/?q=1'>www.x.org/?q=1</a>.\n";
    const QStringList html{u"--format"_s, u"html"_s};
    QCOMPARE(run(html, input).out, classic);
    QCOMPARE(run(html + QStringList{u"--whole-links"_s}, input).out, whole);

    // The rules chosen in the program hold unless an option says otherwise.
    SettingsStore store(m_config->path() + u"/Quillbox"_s);
    QVERIFY(AppSettings(store).set(keys::linkWholeAddresses, true));
    QCOMPARE(run(html, input).out, whole);
    QCOMPARE(run(html + QStringList{u"--classic-links"_s}, input).out, classic);

    const Run both = run(html + QStringList{u"--whole-links"_s, u"--classic-links"_s}, input);
    QCOMPARE(both.status, 2);
    QVERIFY(both.err.contains("--whole-links"));
}

void TestQuillboxConvert::refusesBadUse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("messagePart");
    QTest::newRow("unknown option")
        << QStringList{u"--colour"_s} << QByteArray() << QByteArray("colour");
    QTest::newRow("missing value")
        << QStringList{u"--format"_s} << QByteArray() << QByteArray("format");
    QTest::newRow("two files") << QStringList{u"a"_s, u"b"_s} << QByteArray() << QByteArray("one");
    QTest::newRow("missing file") << QStringList{QDir::tempPath() + u"/no/such/file"_s}
                                  << QByteArray() << QByteArray("no/such/file");
    QTest::newRow("folder") << QStringList{QDir::tempPath()} << QByteArray()
                            << QDir::tempPath().toUtf8();
    QTest::newRow("unknown format")
        << QStringList{u"--format"_s, u"HTML"_s} << QByteArray("x") << QByteArray("HTML");
    QTest::newRow("not UTF-8") << QStringList() << QByteArray("caf\xe9\n") << QByteArray("UTF-8");
}

void TestQuillboxConvert::refusesBadUse() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, messagePart);
    const Run r = run(arguments, input);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(r.err.contains(messagePart), r.err.constData());
}

void TestQuillboxConvert::helpDescribesLineEnds() {
    const Run r = run({u"--help"_s});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.contains("--raw"));
    QVERIFY(r.out.contains("--list-formats"));
    QVERIFY(r.out.contains("Line ends"));
    QVERIFY(r.out.contains(QFile::encodeName(m_config->path() + u"/Quillbox/Quillbox.ini"_s)));
}

QTEST_GUILESS_MAIN(TestQuillboxConvert)
#include "tst_quillbox_convert.moc"

#include "browser/page_scan.h"
#include "browser/posting_form_scan.h"
#include "support/test_folders.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::readBytes;
using quillbox::test::TestFolders;
using quillbox::test::writeBytes;

Q_DECLARE_METATYPE(quillbox::ScanPass)

namespace {

BodyHtml bodyOf(const QString& inner) {
    return {u"<BODY>"_s + inner + u"</BODY>"_s, inner};
}

} // namespace

class TestPageScan : public QObject {
    Q_OBJECT

private slots:
    void preparesMarkupWithEachPassTable_data();
    void preparesMarkupWithEachPassTable();
    void scansLinesForFormAndField_data();
    void scansLinesForFormAndField();
    void findsFormAndFieldInPages_data();
    void findsFormAndFieldInPages();
    void writesScratchFileByteForByte();
    void scratchFileHoldsSecondPassWhenFirstFindsNothing();
    void unwritableScratchFileIsAnErrorAndKeepsOldContent();
};

void TestPageScan::preparesMarkupWithEachPassTable_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<ScanPass>("pass");
    QTest::addColumn<QString>("prepared");

    const auto both = [](const char* name, const QString& html, const QString& prepared) {
        QTest::addRow("%s, first pass", name) << html << ScanPass::First << prepared;
        QTest::addRow("%s, second pass", name) << html << ScanPass::Second << prepared;
    };
    both("empty", QString(), QString());
    both("no tags", u"plain text"_s, u"plain text"_s);
    both("form start", u"<FORM action=x>"_s, u"\r\n<form\r\n action=x>"_s);
    both("every occurrence", u"<form><Form>"_s, u"\r\n<form\r\n>\r\n<form\r\n>"_s);
    both("textarea", u"<TeXtArEa name=m></TEXTAREA>"_s, u"\r\n<textarea name=m></TEXTAREA>"_s);
    both("longer tag name starting alike", u"<formula>"_s, u"\r\n<form\r\nula>"_s);
    both("angle before a tag", u"<<form"_s, u"<\r\n<form\r\n"_s);
    both("input without blank stays", u"<input/><INPUT\ttype=x>"_s, u"<input/><INPUT\ttype=x>"_s);
    both("non-Latin kept", u"\u00e9<FORM>\u65e5"_s, u"\u00e9\r\n<form\r\n>\u65e5"_s);

    QTest::newRow("complete end tag, first pass")
        << u"</FORM>x"_s << ScanPass::First << u"\r\n</form>\r\n>x"_s;
    QTest::newRow("complete end tag, second pass")
        << u"</FORM>x"_s << ScanPass::Second << u"\r\n</form>\r\nx"_s;
    QTest::newRow("end tag with blank, first pass")
        << u"</form >"_s << ScanPass::First << u"\r\n</form>\r\n >"_s;
    QTest::newRow("end tag with blank, second pass")
        << u"</form >"_s << ScanPass::Second << u"</form >"_s;
    QTest::newRow("input, first pass")
        << u"a<INPUT type=text>"_s << ScanPass::First << u"a\r\n<input type=text>"_s;
    QTest::newRow("input, second pass")
        << u"a<INPUT type=text>"_s << ScanPass::Second << u"a\r\n<inputtype=text>"_s;
    QTest::newRow("input with two blanks, second pass")
        << u"<input  x>"_s << ScanPass::Second << u"\r\n<input x>"_s;
    QTest::newRow("whole form, first pass")
        << u"<form a><input b><textarea></textarea></form>"_s << ScanPass::First
        << u"\r\n<form\r\n a>\r\n<input b>\r\n<textarea></textarea>\r\n</form>\r\n>"_s;
}

void TestPageScan::preparesMarkupWithEachPassTable() {
    QFETCH(QString, html);
    QFETCH(ScanPass, pass);
    QFETCH(QString, prepared);
    QCOMPARE(preparePageText(html, pass), prepared);
}

void TestPageScan::scansLinesForFormAndField_data() {
    QTest::addColumn<QString>("lines");
    QTest::addColumn<qsizetype>("form");
    QTest::addColumn<qsizetype>("field"); // of that form, or of form 0 when none

    QTest::newRow("no lines") << QString() << qsizetype(-1) << qsizetype(-1);
    QTest::newRow("textarea outside any form")
        << u"<textarea>\r\n<form\r\n</form>"_s << qsizetype(-1) << qsizetype(-1);
    QTest::newRow("textarea word on the form line is not seen")
        << u"<form textarea\r\n</form>"_s << qsizetype(-1) << qsizetype(-1);
    QTest::newRow("form start inside a form is not counted by the form scan")
        << u"<form\r\n<form\r\n<input\r\n<textarea\r\n</form>"_s << qsizetype(0) << qsizetype(-1);
    QTest::newRow("word in text counts")
        << u"<form\r\nType in the TEXTAREA below\r\n</form>"_s << qsizetype(0) << qsizetype(-1);
    QTest::newRow("textarea on the end line")
        << u"<form\r\n<input\r\n<textarea></textarea></form>"_s << qsizetype(0) << qsizetype(1);
    QTest::newRow("one count per line")
        << u"<form\r\n<input><input>\r\n<input\r\n<textarea"_s << qsizetype(0) << qsizetype(2);
    QTest::newRow("lone LF stays inside the line")
        << u"<form\r\n<input>\n<input>\r\n<textarea"_s << qsizetype(0) << qsizetype(1);
    QTest::newRow("lone CR ends a line")
        << u"<form\r<input>\r<input>\r<textarea"_s << qsizetype(0) << qsizetype(2);
    QTest::newRow("second form") << u"<form\r\n<input\r\n</form>\r\n<form\r\n<input\r\n<textarea"_s
                                 << qsizetype(1) << qsizetype(1);
    QTest::newRow("upper case markers")
        << u"<FORM\r\n<INPUT\r\n<TEXTAREA"_s << qsizetype(0) << qsizetype(1);
}

void TestPageScan::scansLinesForFormAndField() {
    QFETCH(QString, lines);
    QFETCH(qsizetype, form);
    QFETCH(qsizetype, field);
    QCOMPARE(findPostingForm(lines), form);
    QCOMPARE(findMessageField(lines, std::max<qsizetype>(form, 0)), field);
}

void TestPageScan::findsFormAndFieldInPages_data() {
    QTest::addColumn<QString>("inner");
    QTest::addColumn<qsizetype>("form");
    QTest::addColumn<qsizetype>("field");

    QTest::newRow("search form, then posting form")
        << u"<form action=\"/search\"><input type=\"text\" name=\"q\"></form>"
           "<form action=\"/post\" method=\"post\"><input type=\"hidden\" name=\"t\" value=\"7\">"
           "<input type=\"text\" name=\"subject\"><textarea name=\"message\"></textarea>"
           "<input type=\"submit\" value=\"Post\"></form>"_s
        << qsizetype(1) << qsizetype(2);
    QTest::newRow("hidden, subject, textarea")
        << u"<form><input type=\"hidden\" name=\"a\"><input type=\"text\" name=\"s\">"
           "<textarea name=\"m\"></textarea></form>"_s
        << qsizetype(0) << qsizetype(2);
    QTest::newRow("select and button before textarea are not counted")
        << u"<form><input name=\"s\"><select name=\"c\"><option>a</option></select>"
           "<button>Preview</button><textarea></textarea></form>"_s
        << qsizetype(0) << qsizetype(1);
    QTest::newRow("upper-case tags")
        << u"<FORM ACTION=\"/p\"><INPUT TYPE=\"hidden\"><TEXTAREA></TEXTAREA></FORM>"_s
        << qsizetype(0) << qsizetype(1);
    QTest::newRow("no form") << u"<div><textarea></textarea></div>"_s << qsizetype(-1)
                             << qsizetype(-1);
    QTest::newRow("form without textarea")
        << u"<form><input name=\"q\"></form>"_s << qsizetype(-1) << qsizetype(-1);
    QTest::newRow("input named after a textarea comes first")
        << u"<form><input type=\"hidden\" name=\"x\"><input name=\"mytextarea\">"
           "<textarea></textarea></form>"_s
        << qsizetype(0) << qsizetype(1);
    QTest::newRow("loose textarea before the posting form")
        << u"<textarea></textarea><form><input name=\"s\"><textarea></textarea></form>"_s
        << qsizetype(0) << qsizetype(1);
    QTest::newRow("line end inside an input tag keeps it on the line before")
        << u"<form><input type=\"hidden\"><input\ntype=\"text\"><textarea></textarea></form>"_s
        << qsizetype(0) << qsizetype(1);
    // "</form" inside an attribute ends the form for the first pass; the second pass only
    // splits off complete end tags and finds the form.
    QTest::newRow("end tag inside an attribute, second pass")
        << u"<form><input type=\"hidden\" value=\"</form\"><textarea></textarea></form>"_s
        << qsizetype(0) << qsizetype(1);
    // A custom element whose name starts with "form" opens a form line of its own; the field
    // scan counts it as a form, so no field is found in the scanned form.
    QTest::newRow("element named like a form inside the form")
        << u"<form><formatted-text>Hi</formatted-text><textarea></textarea></form>"_s
        << qsizetype(0) << qsizetype(-1);
}

void TestPageScan::findsFormAndFieldInPages() {
    QFETCH(QString, inner);
    QFETCH(qsizetype, form);
    QFETCH(qsizetype, field);
    TestFolders folders;
    const PostingFormScan scan = scanPostingPage(bodyOf(inner), folders.path(u"htmltemp.txt"_s));
    QVERIFY2(scan.status.ok, qPrintable(scan.status.message));
    QCOMPARE(scan.form, form);
    QCOMPARE(scan.field, field);
    QCOMPARE(scan.found(), form >= 0 && field >= 0);
}

void TestPageScan::writesScratchFileByteForByte() {
    TestFolders folders;
    const QString path = folders.path(u"htmltemp.txt"_s);
    QVERIFY(writeBytes(path, "older and much longer content\r\n"));
    const QString inner = u"<form action=\"/p\"><input type=\"hidden\" value=\"\u00e9\">"
                          "<TEXTAREA name=\"m\"></TEXTAREA></FORM>"_s;
    const PostingFormScan scan = scanPostingPage(bodyOf(inner), path);
    QVERIFY(scan.found());
    QCOMPARE(readBytes(path), QByteArray("<BODY>\r\n<form\r\n action=\"/p\">\r\n"
                                         "<input type=\"hidden\" value=\"\xc3\xa9\">\r\n"
                                         "<textarea name=\"m\"></TEXTAREA>\r\n</form>\r\n>"
                                         "</BODY>\r\n"));
}

void TestPageScan::scratchFileHoldsSecondPassWhenFirstFindsNothing() {
    TestFolders folders;
    const QString path = folders.path(u"htmltemp.txt"_s);
    const QString inner = u"<form><input value=\"</form\"><textarea></textarea></form>"_s;
    QCOMPARE(scanPostingPage(bodyOf(inner), path).form, 0);
    QCOMPARE(readBytes(path), QByteArray("\r\n<form\r\n>\r\n<inputvalue=\"</form\">\r\n"
                                         "<textarea></textarea>\r\n</form>\r\n\r\n"));
}

void TestPageScan::unwritableScratchFileIsAnErrorAndKeepsOldContent() {
    TestFolders folders;
    const PostingFormScan missingFolder =
        scanPostingPage(bodyOf(u"<form><textarea>"_s), folders.path(u"gone/htmltemp.txt"_s));
    QVERIFY(!missingFolder.status.ok);
    QVERIFY(!missingFolder.found());
    QVERIFY(missingFolder.status.message.contains(u"htmltemp.txt"_s));

    // A folder where the file should be cannot be replaced; it stays as it was.
    const QString path = folders.path(u"htmltemp.txt"_s);
    QVERIFY(QDir().mkpath(path + u"/inside"_s));
    QVERIFY(!scanPostingPage(bodyOf(u"<form><textarea>"_s), path).status.ok);
    QVERIFY(QDir(path + u"/inside"_s).exists());
}

QTEST_GUILESS_MAIN(TestPageScan)
#include "tst_page_scan.moc"

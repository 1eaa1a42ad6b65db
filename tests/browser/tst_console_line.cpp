#include "text/console_line.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;

class TestConsoleLine : public QObject {
    Q_OBJECT

private slots:
    void nothingReachesTheTerminalRaw_data();
    void nothingReachesTheTerminalRaw();
    void longLinesAreCapped_data();
    void longLinesAreCapped();
};

void TestConsoleLine::nothingReachesTheTerminalRaw_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("logged");
    QTest::newRow("plain text") << u"Uncaught TypeError: x is null"_s
                                << u"Uncaught TypeError: x is null"_s;
    QTest::newRow("terminal retitled") << u"\u001b]0;pwned\u0007ok"_s << u"\\x1b]0;pwned\\x07ok"_s;
    QTest::newRow("colour and cursor sequences")
        << u"\u001b[2J\u001b[31mred"_s << u"\\x1b[2J\\x1b[31mred"_s;
    QTest::newRow("C1 control introducer") << u"a\u009b2Jb"_s << u"a\\x9b2Jb"_s;
    QTest::newRow("forged log line")
        << u"x\nquillbox: all is fine\r\n"_s << u"x\\nquillbox: all is fine\\r\\n"_s;
    QTest::newRow("tab, DEL, NUL") << u"\t\u007f\u0000"_s << u"\\t\\x7f\\x00"_s;
    QTest::newRow("backslash stays readable one way")
        << u"C:\\x1b is not an escape"_s << u"C:\\\\x1b is not an escape"_s;
    QTest::newRow("line separators") << u"a\u2028b\u2029c"_s << u"a\\u{2028}b\\u{2029}c"_s;
    QTest::newRow("text turned around")
        << u"\u202egnp.exe\u202c \u2066x\u2069 \u200f"_s
        << u"\\u{202e}gnp.exe\\u{202c} \\u{2066}x\\u{2069} \\u{200f}"_s;
    QTest::newRow("other scripts and emoji kept")
        << u"Привет 世界 \U0001F600"_s << u"Привет 世界 \U0001F600"_s;
    QTest::newRow("unpaired surrogates")
        << u"a"_s + QChar(0xD800) + u"b"_s + QChar(0xDC00) << u"a\\u{d800}b\\u{dc00}"_s;
}

void TestConsoleLine::nothingReachesTheTerminalRaw() {
    QFETCH(QString, text);
    QFETCH(QString, logged);
    QCOMPARE(escapedLogLine(text), logged);
}

void TestConsoleLine::longLinesAreCapped_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("cap");
    QTest::addColumn<QString>("logged");
    QTest::newRow("exactly the cap") << u"abcde"_s << qsizetype(5) << u"abcde"_s;
    QTest::newRow("one more") << u"abcdef"_s << qsizetype(5) << u"abcde ... [1 more characters]"_s;
    QTest::newRow("escape never cut")
        << u"abc\u001bdef"_s << qsizetype(5) << u"abc ... [4 more characters]"_s;
    QTest::newRow("surrogate pair never cut")
        << u"abcd\U0001F600"_s << qsizetype(5) << u"abcd ... [2 more characters]"_s;
    QTest::newRow("two million characters")
        << QString(2000000, u'x') << consoleLineCap
        << QString(2000, u'x') + u" ... [1998000 more characters]"_s;
}

void TestConsoleLine::longLinesAreCapped() {
    QFETCH(QString, text);
    QFETCH(qsizetype, cap);
    QFETCH(QString, logged);
    QCOMPARE(escapedLogLine(text, cap), logged);
}

QTEST_GUILESS_MAIN(TestConsoleLine)
#include "tst_console_line.moc"

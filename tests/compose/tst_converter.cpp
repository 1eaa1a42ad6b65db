#include "compose/converter.h"

#include <QRandomGenerator>
#include <QTest>

using namespace quillbox;

namespace {

QString html(const QString& t) {
    return u"<a href='"_qs + t + u"'>"_qs + t + u"</a>"_qs;
}
QString mail(const QString& t) {
    return u"<a href='mailto:"_qs + t + u"'>"_qs + t + u"</a>"_qs;
}

QString htmlLinks(const QString& text) {
    return insertLinks(text, u"<a href='"_qs, u"'>"_qs, u"</a>"_qs, u"mailto:"_qs);
}

// A straightforward rendering of the two passes that rebuilds the whole string at every
// replacement; slow, but plainly right, so the fast converter is checked against it.
bool terminates(QChar c) {
    return QStringView(u"\n\r?,! ").contains(c);
}
bool delimits(QChar c) {
    return c == u'\n' || c == u'\r' || c == u' ';
}

qsizetype lastOfSpan(const QString& t, qsizetype scanFrom) {
    for (qsizetype i = scanFrom; i < t.size(); ++i) {
        if (terminates(t[i]))
            return i;
    }
    return t.endsWith(u'.') ? t.size() - 2 : t.size() - 1;
}

QString withoutLineBreaks(QString s) {
    return s.remove(u'\r').remove(u'\n');
}

QString referenceLinks(QString t, const QString& o1, const QString& o2, const QString& c1,
                       const QString& m1) {
    if (t.size() >= 2) {
        qsizetype p = 0;
        while (true) {
            const qsizetype a = t.indexOf(u"http://"_qs, p, Qt::CaseInsensitive);
            const qsizetype b = t.indexOf(u"https://"_qs, p, Qt::CaseInsensitive);
            const qsizetype s = (a < 0) ? b : (b < 0 ? a : std::min(a, b));
            if (s < 0)
                break;
            const qsizetype last = lastOfSpan(t, s + (s == b ? 7 : 6));
            const QString link = withoutLineBreaks(t.mid(s, last - s + 1));
            const QString markup = o1 + link + o2 + link + c1;
            t = t.left(s) + markup + t.mid(last + 1);
            p = s + markup.size();
            if (t.size() - p < 3)
                break;
        }
    }
    if (t.size() >= 2) {
        qsizetype p = 0;
        qsizetype floor = -1; // end of the last mail markup
        while (true) {
            const qsizetype at = t.indexOf(u'@', p);
            if (at < 0)
                break;
            qsizetype i = at - 1;
            while (i >= std::max<qsizetype>(floor, 0) && !delimits(t[i]))
                --i;
            qsizetype s = i + 1;
            if (i < 0 && floor < 0)
                break;
            if (floor >= 0 && i < floor)
                s = floor;
            const qsizetype last = lastOfSpan(t, s);
            const QString link = withoutLineBreaks(t.mid(s, last - s + 1));
            const QString markup = o1 + m1 + link + o2 + link + c1;
            t = t.left(s) + markup + t.mid(last + 1);
            p = floor = s + markup.size();
            if (t.size() - p < 3)
                break;
        }
    }
    return t;
}

TemplateSet templatesWithCustom(int slot, const LinkTemplate& custom) {
    TemplateSet set;
    set[0] = {u"html"_qs, u"<a href='"_qs, u"'>"_qs, u"</a>"_qs, u"mailto:"_qs};
    set[1] = {u"ubb"_qs, u"[url="_qs, u"]"_qs, u"[/url]"_qs, u"mailto:"_qs};
    set[2] = {u"ezboard"_qs, u"[link="_qs, u"]"_qs, u"[/link]"_qs, u"mailto:"_qs};
    set[slot] = custom;
    return set;
}

} // namespace

class TestConverter : public QObject {
    Q_OBJECT

private slots:
    void htmlTemplate_data();
    void htmlTemplate();
    void builtInTemplates_data();
    void builtInTemplates();
    void formatLookup_data();
    void formatLookup();
    void emptyTemplateWritesLinkTextTwice();
    void thousandsOfLinksConvertCompletely();
    void agreesWithStepByStepRebuild();
    void longRunsAgreeWithStepByStepRebuild_data();
    void longRunsAgreeWithStepByStepRebuild();
};

void TestConverter::htmlTemplate_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    // The worked examples of the converter's documentation.
    QTest::newRow("space ends address")
        << u"see http://x/y now"_qs << u"see "_qs + html(u"http://x/y "_qs) + u"now"_qs;
    QTest::newRow("address is whole text") << u"http://x/y"_qs << html(u"http://x/y"_qs);
    QTest::newRow("final full stop stays outside")
        << u"end: http://x/y."_qs << u"end: "_qs + html(u"http://x/y"_qs) + u"."_qs;
    QTest::newRow("query cut at ?") << u"go to http://x/y?id=5 today"_qs
                                    << u"go to "_qs + html(u"http://x/y?"_qs) + u"id=5 today"_qs;
    QTest::newRow("comma between addresses")
        << u"http://x/y,http://z/w"_qs << html(u"http://x/y,"_qs) + html(u"http://z/w"_qs);
    QTest::newRow("upper-case scheme")
        << u"HTTP://X/Y is it"_qs << html(u"HTTP://X/Y "_qs) + u"is it"_qs;
    QTest::newRow("CR eaten, LF stays")
        << u"one\r\nhttp://x/y\r\ntwo"_qs << u"one\r\n"_qs + html(u"http://x/y"_qs) + u"\ntwo"_qs;
    QTest::newRow("www without scheme") << u"see www.x.y now"_qs << u"see www.x.y now"_qs;
    QTest::newRow("mail with space")
        << u"mail a@b now"_qs << u"mail "_qs + mail(u"a@b "_qs) + u"now"_qs;
    QTest::newRow("mail at text start") << u"a@b is mine"_qs << u"a@b is mine"_qs;
    QTest::newRow("mail on own line")
        << u"line\r\na@b\r\n"_qs << u"line\r\n"_qs + mail(u"a@b"_qs) + u"\n"_qs;
    QTest::newRow("mail final full stop")
        << u"write a@b."_qs << u"write "_qs + mail(u"a@b"_qs) + u"."_qs;
    QTest::newRow("mail list") << u"list: a@b, c@d!"_qs
                               << u"list: "_qs + mail(u"a@b,"_qs) + u" "_qs + mail(u"c@d!"_qs);
    QTest::newRow("caller's line breaks")
        << u"see http://x/y?\r\n\r\n"_qs << u"see "_qs + html(u"http://x/y?"_qs) + u"\r\n\r\n"_qs;

    // Short and plain texts.
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one character") << u"@"_qs << u"@"_qs;
    QTest::newRow("two characters, no delimiter") << u"@b"_qs << u"@b"_qs;
    QTest::newRow("scheme only") << u"http://"_qs << html(u"http://"_qs);
    QTest::newRow("no address") << u"hello, world!\r\n"_qs << u"hello, world!\r\n"_qs;

    // Web addresses.
    QTest::newRow("glued to a word") << u"seehttp://x/y"_qs << u"see"_qs + html(u"http://x/y"_qs);
    QTest::newRow("https") << u"https://x/y now"_qs << html(u"https://x/y "_qs) + u"now"_qs;
    QTest::newRow("https mixed case, final full stop")
        << u"see HtTpS://x/y."_qs << u"see "_qs + html(u"HtTpS://x/y"_qs) + u"."_qs;
    QTest::newRow("https query") << u"go https://x/y?id=5"_qs
                                 << u"go "_qs + html(u"https://x/y?"_qs) + u"id=5"_qs;
    QTest::newRow("http and https side by side")
        << u"https://a/ http://b/!"_qs << html(u"https://a/ "_qs) + html(u"http://b/!"_qs);
    QTest::newRow("bare LF ends address and goes")
        << u"http://x/y\nnext"_qs << html(u"http://x/y"_qs) + u"next"_qs;
    QTest::newRow("lone CR ends address and goes")
        << u"http://x/y\rnext"_qs << html(u"http://x/y"_qs) + u"next"_qs;
    QTest::newRow("inner full stops belong")
        << u"http://x.y/z.html. more"_qs << html(u"http://x.y/z.html. "_qs) + u"more"_qs;
    QTest::newRow("tab, colon, brackets belong")
        << u"http://x/y\tz:(a) now"_qs << html(u"http://x/y\tz:(a) "_qs) + u"now"_qs;
    QTest::newRow("other schemes left alone") << u"ftp://x/y file://z httpx://q http:/x http//x"_qs
                                              << u"ftp://x/y file://z httpx://q http:/x http//x"_qs;
    QTest::newRow("no Unicode folding in the scheme")
        << u"see http\u017F://x"_qs << u"see http\u017F://x"_qs;
    QTest::newRow("non-ASCII address")
        << u"grüße http://ü/ä ok"_qs << u"grüße "_qs + html(u"http://ü/ä "_qs) + u"ok"_qs;

    // E-mail addresses.
    QTest::newRow("mail at start stops every later one")
        << u"a@b is mine, mail c@d"_qs << u"a@b is mine, mail c@d"_qs;
    QTest::newRow("brackets are part of the address")
        << u"mail (a@b)"_qs << u"mail "_qs + mail(u"(a@b)"_qs);
    QTest::newRow("terminator before the @")
        << u"word x,y@z"_qs << u"word "_qs + mail(u"x,"_qs) + mail(u"y@z"_qs);
    QTest::newRow("adjacent addresses")
        << u"list: a@b,c@d"_qs << u"list: "_qs + mail(u"a@b,"_qs) + mail(u"c@d"_qs);
    QTest::newRow("fewer than three left")
        << u"mail a@b c@"_qs << u"mail "_qs + mail(u"a@b "_qs) + u"c@"_qs;
    QTest::newRow("three left") << u"mail a@b c@d"_qs
                                << u"mail "_qs + mail(u"a@b "_qs) + mail(u"c@d"_qs);
    QTest::newRow("mail after LF left by web link")
        << u"see http://x/y\r\na@b"_qs
        << u"see "_qs + html(u"http://x/y"_qs) + u"\n"_qs + mail(u"a@b"_qs);

    // Web markup is plain text to the e-mail pass: an "@" in a web link is wrapped again from
    // the last delimiter, and the walk back then stops at the markup it inserted itself.
    QTest::newRow("@ inside a web link") << u"see http://u@h/ now"_qs
                                         << u"see <a "_qs + mail(u"href='http://u@h/ "_qs) +
                                                mail(u"'>http://u@h/ "_qs) + u"</a>now"_qs;
    QTest::newRow("@ right behind a web link")
        << u"x http://x/y?a@b"_qs
        << u"x <a "_qs + mail(u"href='http://x/y?"_qs) + mail(u"'>http://x/y?"_qs) +
               mail(u"</a>a@b"_qs);
}

void TestConverter::htmlTemplate() {
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(htmlLinks(input), expected);
}

void TestConverter::builtInTemplates_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("html") << u"html"_qs
                          << u"see <a href='http://x/y '>http://x/y </a>or mail "
                             u"<a href='mailto:a@b'>a@b</a>\n\r\n"_qs;
    QTest::newRow("ubb") << u"ubb"_qs
                         << u"see [url=http://x/y ]http://x/y [/url]or mail "
                            u"[url=mailto:a@b]a@b[/url]\n\r\n"_qs;
    QTest::newRow("ezboard") << u"ezboard"_qs
                             << u"see [link=http://x/y ]http://x/y [/link]or mail "
                                u"[link=mailto:a@b]a@b[/link]\n\r\n"_qs;
    QTest::newRow("text") << u"text"_qs << u"see http://x/y or mail a@b\r\n\r\n"_qs;
    QTest::newRow("name compared with case")
        << u"HTML"_qs << u"see http://x/y or mail a@b\r\n\r\n"_qs;
}

void TestConverter::builtInTemplates() {
    QFETCH(QString, format);
    QFETCH(QString, expected);
    const TemplateSet set = templatesWithCustom(3, {});
    QCOMPARE(convertMessage(u"see http://x/y or mail a@b\r\n\r\n"_qs, format, set), expected);
}

void TestConverter::formatLookup_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("customName");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    const QString built = u"x <a href='http://x/y '>http://x/y </a>now"_qs;
    const QString custom = u"x (http://x/y |http://x/y )now"_qs;
    QTest::newRow("custom named like a built-in: built-in wins")
        << 5 << u"html"_qs << u"html"_qs << built;
    QTest::newRow("custom by its own name") << 5 << u"mine"_qs << u"mine"_qs << custom;
    QTest::newRow("empty name picks first unnamed custom") << 3 << QString() << QString() << custom;
    QTest::newRow("empty name picks the earlier unnamed slot")
        << 4 << QString() << QString() << u"x http://x/y http://x/y now"_qs;
}

void TestConverter::formatLookup() {
    QFETCH(int, slot);
    QFETCH(QString, customName);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    const TemplateSet set =
        templatesWithCustom(slot, {customName, u"("_qs, u"|"_qs, u")"_qs, u"m:"_qs});
    QCOMPARE(convertMessage(u"x http://x/y now"_qs, format, set), expected);
}

void TestConverter::emptyTemplateWritesLinkTextTwice() {
    const QString none;
    QCOMPARE(insertLinks(u"x http://x/y now"_qs, none, none, none, none),
             u"x http://x/y http://x/y now"_qs);
    QCOMPARE(insertLinks(u"mail a@b now"_qs, none, none, none, none), u"mail a@b a@b now"_qs);
}

void TestConverter::thousandsOfLinksConvertCompletely() {
    const QString piece = u"see http://x/y?id=5 or https://s/t. mail a@b, c@d!\r\n x,y@z "_qs;
    const QString converted = htmlLinks(piece);
    QVERIFY(converted != piece);
    QString text, expected;
    for (int i = 0; i < 5000; ++i) {
        text += piece;
        expected += converted;
    }
    QCOMPARE(htmlLinks(text), expected);
}

void TestConverter::agreesWithStepByStepRebuild() {
    const QStringList pieces = {u"http://"_qs, u"HTTPS://"_qs, u"hTTp:/"_qs, u"a"_qs,  u"b"_qs,
                                u"@"_qs,       u" "_qs,        u"\r\n"_qs,   u"\n"_qs, u"\r"_qs,
                                u"?"_qs,       u","_qs,        u"!"_qs,      u"."_qs,  u"<"_qs};
    // Template pieces holding "@", spaces and line breaks are text for the e-mail pass too.
    const QStringList plain = {u"<"_qs, u"|"_qs, u">"_qs, u"m:"_qs};
    const QStringList tricky = {u"@ "_qs, u" @"_qs, u"\r\n"_qs, u"x@"_qs};
    QRandomGenerator rng(20240601);
    for (int round = 0; round < 40000; ++round) {
        QString text;
        const int count = rng.bounded(14);
        for (int i = 0; i < count; ++i)
            text += pieces[rng.bounded(int(pieces.size()))];
        const QStringList& t = (round % 2) ? tricky : plain;
        const QString expected = referenceLinks(text, t[0], t[1], t[2], t[3]);
        const QString actual = insertLinks(text, t[0], t[1], t[2], t[3]);
        if (actual != expected) {
            QFAIL(qPrintable(u"template "_qs + QString::number(round % 2) + u", input: "_qs +
                             text.toUtf8().toPercentEncoding(" @:/<|>.,!?")));
        }
    }
}

// Texts where one "@" is met again and again: a run of terminators between the delimiter and
// the "@" ends an address before it each time. Long runs, so that every stretch of the text is
// passed many times over.
void TestConverter::longRunsAgreeWithStepByStepRebuild_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pieces");
    const auto run = [](const QString& unit, int count) { return unit.repeated(count); };
    const QList<std::pair<const char*, QString>> texts = {
        {"commas before the @", u"a "_qs + run(u"x,"_qs, 2000) + u"x@y"_qs},
        {"bare terminators before the @", u"a "_qs + run(u",?!"_qs, 1000) + u"@y"_qs},
        {"commas, then a long word",
         u"a "_qs + run(u"x,"_qs, 1000) + run(u"y"_qs, 2000) + u"@z"_qs},
        {"exclamation marks, @ last", u"say "_qs + run(u"x!"_qs, 1000) + u"@"_qs},
        {"question marks, final full stop", u"a "_qs + run(u"x?"_qs, 1000) + u"x@y."_qs},
        {"commas and web links before the @", u"a "_qs + run(u"x,http://h/,"_qs, 300) + u"x@y"_qs},
        {"@ in a web link after commas",
         u"a "_qs + run(u"x,"_qs, 1000) + u"http://u@h/ "_qs + run(u"y,"_qs, 1000) + u"@z"_qs},
        {"blocks of commas between line breaks",
         run(u" "_qs + run(u"x,"_qs, 100) + u"x@y\r\n"_qs, 20)},
        {"@ after each comma", u"a x"_qs + run(u"@,"_qs, 2000)},
        {"full stops before the @", u"a "_qs + run(u"."_qs, 3000) + u"@y."_qs},
    };
    // Template pieces holding "@", spaces and line breaks are text for the e-mail pass too.
    const QList<std::pair<const char*, QStringList>> templates = {
        {"html", {u"<a href='"_qs, u"'>"_qs, u"</a>"_qs, u"mailto:"_qs}},
        {"no delimiters", {u"<"_qs, u"|"_qs, u">"_qs, u"m:"_qs}},
        {"@ and delimiters", {u"@ "_qs, u" @"_qs, u"\r\n"_qs, u"x@"_qs}}};
    for (const auto& [textName, text] : texts) {
        for (const auto& [templateName, pieces] : templates)
            QTest::addRow("%s, %s", textName, templateName) << text << pieces;
    }
}

void TestConverter::longRunsAgreeWithStepByStepRebuild() {
    QFETCH(QString, text);
    QFETCH(QStringList, pieces);
    QCOMPARE(insertLinks(text, pieces[0], pieces[1], pieces[2], pieces[3]),
             referenceLinks(text, pieces[0], pieces[1], pieces[2], pieces[3]));
}

QTEST_APPLESS_MAIN(TestConverter)
#include "tst_converter.moc"

#include "compose/converter.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;

namespace {

QString html(const QString& t) {
    return u"<a href='"_s + t + u"'>"_s + t + u"</a>"_s;
}
QString mail(const QString& t) {
    return u"<a href='mailto:"_s + t + u"'>"_s + t + u"</a>"_s;
}

QString htmlLinks(const QString& text) {
    return insertLinks(text, u"<a href='"_s, u"'>"_s, u"</a>"_s, u"mailto:"_s);
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
            const qsizetype a = t.indexOf(u"http://"_s, p, Qt::CaseInsensitive);
            const qsizetype b = t.indexOf(u"https://"_s, p, Qt::CaseInsensitive);
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
    set[0] = {u"html"_s, u"<a href='"_s, u"'>"_s, u"</a>"_s, u"mailto:"_s};
    set[1] = {u"ubb"_s, u"[url="_s, u"]"_s, u"[/url]"_s, u"mailto:"_s};
    set[2] = {u"ezboard"_s, u"[link="_s, u"]"_s, u"[/link]"_s, u"mailto:"_s};
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
        << u"see http://x/y now"_s << u"see "_s + html(u"http://x/y "_s) + u"now"_s;
    QTest::newRow("address is whole text") << u"http://x/y"_s << html(u"http://x/y"_s);
    QTest::newRow("final full stop stays outside")
        << u"end: http://x/y."_s << u"end: "_s + html(u"http://x/y"_s) + u"."_s;
    QTest::newRow("query cut at ?") << u"go to http://x/y?id=5 today"_s
                                    << u"go to "_s + html(u"http://x/y?"_s) + u"id=5 today"_s;
    QTest::newRow("comma between addresses")
        << u"http://x/y,http://z/w"_s << html(u"http://x/y,"_s) + html(u"http://z/w"_s);
    QTest::newRow("upper-case scheme")
        << u"HTTP://X/Y is it"_s << html(u"HTTP://X/Y "_s) + u"is it"_s;
    QTest::newRow("CR eaten, LF stays")
        << u"one\r\nhttp://x/y\r\ntwo"_s << u"one\r\n"_s + html(u"http://x/y"_s) + u"\ntwo"_s;
    QTest::newRow("www without scheme") << u"see www.x.y now"_s << u"see www.x.y now"_s;
    QTest::newRow("mail with space")
        << u"mail a@b now"_s << u"mail "_s + mail(u"a@b "_s) + u"now"_s;
    QTest::newRow("mail at text start") << u"a@b is mine"_s << u"a@b is mine"_s;
    QTest::newRow("mail on own line")
        << u"line\r\na@b\r\n"_s << u"line\r\n"_s + mail(u"a@b"_s) + u"\n"_s;
    QTest::newRow("mail final full stop")
        << u"write a@b."_s << u"write "_s + mail(u"a@b"_s) + u"."_s;
    QTest::newRow("mail list") << u"list: a@b, c@d!"_s
                               << u"list: "_s + mail(u"a@b,"_s) + u" "_s + mail(u"c@d!"_s);
    QTest::newRow("caller's line breaks")
        << u"see http://x/y?\r\n\r\n"_s << u"see "_s + html(u"http://x/y?"_s) + u"\r\n\r\n"_s;

    // Short and plain texts.
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one character") << u"@"_s << u"@"_s;
    QTest::newRow("two characters, no delimiter") << u"@b"_s << u"@b"_s;
    QTest::newRow("scheme only") << u"http://"_s << html(u"http://"_s);
    QTest::newRow("no address") << u"hello, world!\r\n"_s << u"hello, world!\r\n"_s;

    // Web addresses.
    QTest::newRow("glued to a word") << u"seehttp://x/y"_s << u"see"_s + html(u"http://x/y"_s);
    QTest::newRow("https") << u"https://x/y now"_s << html(u"https://x/y "_s) + u"now"_s;
    QTest::newRow("https mixed case, final full stop")
        << u"see HtTpS://x/y."_s << u"see "_s + html(u"HtTpS://x/y"_s) + u"."_s;
    QTest::newRow("https query") << u"go https://x/y?id=5"_s
                                 << u"go "_s + html(u"https://x/y?"_s) + u"id=5"_s;
    QTest::newRow("http and https side by side")
        << u"https://a/ http://b/!"_s << html(u"https://a/ "_s) + html(u"http://b/!"_s);
    QTest::newRow("bare LF ends address and goes")
        << u"http://x/y\nnext"_s << html(u"http://x/y"_s) + u"next"_s;
    QTest::newRow("lone CR ends address and goes")
        << u"http://x/y\rnext"_s << html(u"http://x/y"_s) + u"next"_s;
    QTest::newRow("inner full stops belong")
        << u"http://x.y/z.html. more"_s << html(u"http://x.y/z.html. "_s) + u"more"_s;
    QTest::newRow("tab, colon, brackets belong")
        << u"http://x/y\tz:(a) now"_s << html(u"http://x/y\tz:(a) "_s) + u"now"_s;
    QTest::newRow("other schemes left alone") << u"ftp://x/y file://z httpx://q http:/x http//x"_s
                                              << u"ftp://x/y file://z httpx://q http:/x http//x"_s;
    QTest::newRow("no Unicode folding in the scheme")
        << u"see http\u017F://x"_s << u"see http\u017F://x"_s;
    QTest::newRow("non-ASCII address")
        << u"grüße http://ü/ä ok"_s << u"grüße "_s + html(u"http://ü/ä "_s) + u"ok"_s;

    // E-mail addresses.
    QTest::newRow("mail at start stops every later one")
        << u"a@b is mine, mail c@d"_s << u"a@b is mine, mail c@d"_s;
    QTest::newRow("brackets are part of the address")
        << u"mail (a@b)"_s << u"mail "_s + mail(u"(a@b)"_s);
    QTest::newRow("terminator before the @")
        << u"word x,y@z"_s << u"word "_s + mail(u"x,"_s) + mail(u"y@z"_s);
    QTest::newRow("adjacent addresses")
        << u"list: a@b,c@d"_s << u"list: "_s + mail(u"a@b,"_s) + mail(u"c@d"_s);
    QTest::newRow("fewer than three left")
        << u"mail a@b c@"_s << u"mail "_s + mail(u"a@b "_s) + u"c@"_s;
    QTest::newRow("three left") << u"mail a@b c@d"_s
                                << u"mail "_s + mail(u"a@b "_s) + mail(u"c@d"_s);
    QTest::newRow("mail after LF left by web link")
        << u"see http://x/y\r\na@b"_s
        << u"see "_s + html(u"http://x/y"_s) + u"\n"_s + mail(u"a@b"_s);

    // Web markup is plain text to the e-mail pass: an "@" in a web link is wrapped again from
    // the last delimiter, and the walk back then stops at the markup it inserted itself.
    QTest::newRow("@ inside a web link")
        << u"see http://u@h/ now"_s
        << u"see <a "_s + mail(u"href='http://u@h/ "_s) + mail(u"'>http://u@h/ "_s) + u"</a>now"_s;
    QTest::newRow("@ right behind a web link") << u"x http://x/y?a@b"_s
                                               << u"x <a "_s + mail(u"href='http://x/y?"_s) +
                                                      mail(u"'>http://x/y?"_s) + mail(u"</a>a@b"_s);
}

void TestConverter::htmlTemplate() {
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(htmlLinks(input), expected);
}

void TestConverter::builtInTemplates_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("html") << u"html"_s
                          << u"see <a href='http://x/y '>http://x/y </a>or mail "
                             u"<a href='mailto:a@b'>a@b</a>\n\r\n"_s;
    QTest::newRow("ubb") << u"ubb"_s
                         << u"see [url=http://x/y ]http://x/y [/url]or mail "
                            u"[url=mailto:a@b]a@b[/url]\n\r\n"_s;
    QTest::newRow("ezboard") << u"ezboard"_s
                             << u"see [link=http://x/y ]http://x/y [/link]or mail "
                                u"[link=mailto:a@b]a@b[/link]\n\r\n"_s;
    QTest::newRow("text") << u"text"_s << u"see http://x/y or mail a@b\r\n\r\n"_s;
    QTest::newRow("name compared with case")
        << u"HTML"_s << u"see http://x/y or mail a@b\r\n\r\n"_s;
}

void TestConverter::builtInTemplates() {
    QFETCH(QString, format);
    QFETCH(QString, expected);
    const TemplateSet set = templatesWithCustom(3, {});
    QCOMPARE(convertMessage(u"see http://x/y or mail a@b\r\n\r\n"_s, format, set), expected);
}

void TestConverter::formatLookup_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("customName");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    const QString built = u"x <a href='http://x/y '>http://x/y </a>now"_s;
    const QString custom = u"x (http://x/y |http://x/y )now"_s;
    QTest::newRow("custom named like a built-in: built-in wins")
        << 5 << u"html"_s << u"html"_s << built;
    QTest::newRow("custom by its own name") << 5 << u"mine"_s << u"mine"_s << custom;
    QTest::newRow("empty name picks first unnamed custom") << 3 << QString() << QString() << custom;
    QTest::newRow("empty name picks the earlier unnamed slot")
        << 4 << QString() << QString() << u"x http://x/y http://x/y now"_s;
}

void TestConverter::formatLookup() {
    QFETCH(int, slot);
    QFETCH(QString, customName);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    const TemplateSet set =
        templatesWithCustom(slot, {customName, u"("_s, u"|"_s, u")"_s, u"m:"_s});
    QCOMPARE(convertMessage(u"x http://x/y now"_s, format, set), expected);
}

void TestConverter::emptyTemplateWritesLinkTextTwice() {
    const QString none;
    QCOMPARE(insertLinks(u"x http://x/y now"_s, none, none, none, none),
             u"x http://x/y http://x/y now"_s);
    QCOMPARE(insertLinks(u"mail a@b now"_s, none, none, none, none), u"mail a@b a@b now"_s);
}

void TestConverter::thousandsOfLinksConvertCompletely() {
    const QString piece = u"see http://x/y?id=5 or https://s/t. mail a@b, c@d!\r\n x,y@z "_s;
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
    const QStringList pieces = {u"http://"_s, u"HTTPS://"_s, u"hTTp:/"_s, u"a"_s,  u"b"_s,
                                u"@"_s,       u" "_s,        u"\r\n"_s,   u"\n"_s, u"\r"_s,
                                u"?"_s,       u","_s,        u"!"_s,      u"."_s,  u"<"_s};
    // Template pieces holding "@", spaces and line breaks are text for the e-mail pass too.
    const QStringList plain = {u"<"_s, u"|"_s, u">"_s, u"m:"_s};
    const QStringList tricky = {u"@ "_s, u" @"_s, u"\r\n"_s, u"x@"_s};
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
            QFAIL(qPrintable(u"template "_s + QString::number(round % 2) + u", input: "_s +
                             QString::fromLatin1(text.toUtf8().toPercentEncoding(" @:/<|>.,!?"))));
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
        {"commas before the @", u"a "_s + run(u"x,"_s, 2000) + u"x@y"_s},
        {"bare terminators before the @", u"a "_s + run(u",?!"_s, 1000) + u"@y"_s},
        {"commas, then a long word", u"a "_s + run(u"x,"_s, 1000) + run(u"y"_s, 2000) + u"@z"_s},
        {"exclamation marks, @ last", u"say "_s + run(u"x!"_s, 1000) + u"@"_s},
        {"question marks, final full stop", u"a "_s + run(u"x?"_s, 1000) + u"x@y."_s},
        {"commas and web links before the @", u"a "_s + run(u"x,http://h/,"_s, 300) + u"x@y"_s},
        {"@ in a web link after commas",
         u"a "_s + run(u"x,"_s, 1000) + u"http://u@h/ "_s + run(u"y,"_s, 1000) + u"@z"_s},
        {"blocks of commas between line breaks",
         run(u" "_s + run(u"x,"_s, 100) + u"x@y\r\n"_s, 20)},
        {"@ after each comma", u"a x"_s + run(u"@,"_s, 2000)},
        {"full stops before the @", u"a "_s + run(u"."_s, 3000) + u"@y."_s},
    };
    // Template pieces holding "@", spaces and line breaks are text for the e-mail pass too.
    const QList<std::pair<const char*, QStringList>> templates = {
        {"html", {u"<a href='"_s, u"'>"_s, u"</a>"_s, u"mailto:"_s}},
        {"no delimiters", {u"<"_s, u"|"_s, u">"_s, u"m:"_s}},
        {"@ and delimiters", {u"@ "_s, u" @"_s, u"\r\n"_s, u"x@"_s}}};
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

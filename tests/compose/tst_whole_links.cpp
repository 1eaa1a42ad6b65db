#include "compose/converter.h"
#include "compose/link_rules.h"
#include "compose/whole_links.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;

namespace {

QString web(const QString& address) {
    return u"<a href='"_s + address + u"'>"_s + address + u"</a>"_s;
}
QString www(const QString& address) {
    return u"<a href='http://"_s + address + u"'>"_s + address + u"</a>"_s;
}
QString mail(const QString& address) {
    return u"<a href='mailto:"_s + address + u"'>"_s + address + u"</a>"_s;
}

QString htmlLinks(const QString& text) {
    return insertWholeLinks(text, u"<a href='"_s, u"'>"_s, u"</a>"_s, u"mailto:"_s);
}

} // namespace

class TestWholeLinks : public QObject {
    Q_OBJECT

private slots:
    void linksWholeAddresses_data();
    void linksWholeAddresses();
    void templatesWriteTheLinks();
    void classicRulesStayTheDefault_data();
    void classicRulesStayTheDefault();
    void longTextsConvertCompletely();
};

void TestWholeLinks::linksWholeAddresses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // Query strings and fragments stay in the link.
    QTest::newRow("query and fragment")
        << u"go to http://x.org/y?id=5&page=2#top today"_s
        << u"go to "_s + web(u"http://x.org/y?id=5&page=2#top"_s) + u" today"_s;
    QTest::newRow("query ending a question")
        << u"Did you see https://x.org/search?q=a+b?"_s
        << u"Did you see "_s + web(u"https://x.org/search?q=a+b"_s) + u"?"_s;
    QTest::newRow("comma inside the query belongs")
        << u"http://x.org/?ids=1,2,3, then"_s << web(u"http://x.org/?ids=1,2,3"_s) + u", then"_s;
    QTest::newRow("upper-case scheme") << u"HTTPS://X.ORG/A"_s << web(u"HTTPS://X.ORG/A"_s);

    // Trailing punctuation and brackets.
    QTest::newRow("sentence end") << u"See http://x.org/a."_s
                                  << u"See "_s + web(u"http://x.org/a"_s) + u"."_s;
    QTest::newRow("several punctuation marks")
        << u"http://x.org/a!?..."_s << web(u"http://x.org/a"_s) + u"!?..."_s;
    QTest::newRow("colon and semicolon") << u"at http://x.org/a: and http://x.org/b; done"_s
                                         << u"at "_s + web(u"http://x.org/a"_s) + u": and "_s +
                                                web(u"http://x.org/b"_s) + u"; done"_s;
    QTest::newRow("in parentheses")
        << u"(see http://x.org/a)"_s << u"(see "_s + web(u"http://x.org/a"_s) + u")"_s;
    QTest::newRow("parentheses of the address kept")
        << u"(http://en.wikipedia.org/wiki/Foo_(bar))."_s
        << u"("_s + web(u"http://en.wikipedia.org/wiki/Foo_(bar)"_s) + u")."_s;
    QTest::newRow("square brackets")
        << u"[http://x.org/a?b[0]=1]"_s << u"["_s + web(u"http://x.org/a?b[0]=1"_s) + u"]"_s;
    QTest::newRow("quotes") << u"\"http://x.org/a\" and 'https://x.org/b'"_s
                            << u"\""_s + web(u"http://x.org/a"_s) + u"\" and '"_s +
                                   web(u"https://x.org/b"_s) + u"'"_s;
    QTest::newRow("typographic quotes")
        << u"“http://x.org/a”, «www.x.org»"_s
        << u"“"_s + web(u"http://x.org/a"_s) + u"”, «"_s + www(u"www.x.org"_s) + u"»"_s;
    QTest::newRow("angle brackets")
        << u"<http://x.org/a>"_s << u"<"_s + web(u"http://x.org/a"_s) + u">"_s;

    // Where addresses stand.
    QTest::newRow("start and end of lines")
        << u"http://x.org/a\r\nmore\r\nhttps://x.org/b\r\n\r\n"_s
        << web(u"http://x.org/a"_s) + u"\r\nmore\r\n"_s + web(u"https://x.org/b"_s) + u"\r\n\r\n"_s;
    QTest::newRow("bare LF and tab end an address")
        << u"http://x.org/a\nhttp://x.org/b\tx"_s
        << web(u"http://x.org/a"_s) + u"\n"_s + web(u"http://x.org/b"_s) + u"\tx"_s;
    QTest::newRow("non-breaking space ends an address")
        << u"http://x.org/a\u00a0b"_s << web(u"http://x.org/a"_s) + u"\u00a0b"_s;
    QTest::newRow("glued to a word: not an address")
        << u"seehttp://x.org/a xwww.x.org"_s << u"seehttp://x.org/a xwww.x.org"_s;
    QTest::newRow("user-typed markup left alone")
        << u"[url=http://x.org/a]x[/url] <a href=http://x.org/b>"_s
        << u"[url=http://x.org/a]x[/url] <a href=http://x.org/b>"_s;
    QTest::newRow("two addresses side by side")
        << u"http://a.org/ https://b.org/"_s
        << web(u"http://a.org/"_s) + u" "_s + web(u"https://b.org/"_s);
    QTest::newRow("scheme with nothing after it")
        << u"http:// and https://."_s << u"http:// and https://."_s;

    // www. addresses get a scheme in their target only.
    QTest::newRow("www address") << u"visit www.example.com/page?x=1."_s
                                 << u"visit "_s + www(u"www.example.com/page?x=1"_s) + u"."_s;
    QTest::newRow("WWW in capitals") << u"WWW.EXAMPLE.COM"_s << www(u"WWW.EXAMPLE.COM"_s);
    QTest::newRow("www. with no host") << u"www. and www.-x"_s << u"www. and www.-x"_s;
    QTest::newRow("www inside a web address is that address")
        << u"http://www.x.org"_s << web(u"http://www.x.org"_s);

    // Non-ASCII paths and hosts.
    QTest::newRow("non-ASCII path") << u"https://de.wikipedia.org/wiki/Straße."_s
                                    << web(u"https://de.wikipedia.org/wiki/Straße"_s) + u"."_s;
    QTest::newRow("non-ASCII host and ideographic full stop")
        << u"見て https://例え.jp/パス。"_s
        << u"見て "_s + web(u"https://例え.jp/パス"_s) + u"。"_s;
    QTest::newRow("emoji in the path") << u"http://x.org/😀/a"_s << web(u"http://x.org/😀/a"_s);

    // E-mail addresses, wherever they stand.
    QTest::newRow("mail at the start of the text")
        << u"a@b.com is mine, c@d.org too"_s
        << mail(u"a@b.com"_s) + u" is mine, "_s + mail(u"c@d.org"_s) + u" too"_s;
    QTest::newRow("mail list with commas and no spaces")
        << u"to: a@b.com,c.d@e.org;f+g@h.co.uk."_s
        << u"to: "_s + mail(u"a@b.com"_s) + u","_s + mail(u"c.d@e.org"_s) + u";"_s +
               mail(u"f+g@h.co.uk"_s) + u"."_s;
    QTest::newRow("mail in brackets and quotes")
        << u"(a@b.com) \"c@d.org\" <e@f.net>"_s
        << u"("_s + mail(u"a@b.com"_s) + u") \""_s + mail(u"c@d.org"_s) + u"\" <"_s +
               mail(u"e@f.net"_s) + u">"_s;
    QTest::newRow("mail after mailto:") << u"mailto:a@b.com"_s << u"mailto:"_s + mail(u"a@b.com"_s);
    QTest::newRow("no dot in the domain, lone @, handles")
        << u"me@home @ 5pm @name x@.com a@b."_s << u"me@home @ 5pm @name x@.com a@b."_s;
    QTest::newRow("mail on its own line")
        << u"line\r\na@b.com\r\n"_s << u"line\r\n"_s + mail(u"a@b.com"_s) + u"\r\n"_s;
    QTest::newRow("Unicode mail") << u"jörg@bücher.de"_s << mail(u"jörg@bücher.de"_s);

    // Nothing inside a link written is linked again.
    QTest::newRow("@ inside a web address")
        << u"http://user@x.org/a@b.com and https://x.org/@name"_s
        << web(u"http://user@x.org/a@b.com"_s) + u" and "_s + web(u"https://x.org/@name"_s);
    QTest::newRow("www inside a mail address") << u"a@www.x.org"_s << mail(u"a@www.x.org"_s);
    QTest::newRow("web and mail glued by a dot")
        << u"http://x.org/.a@b.com"_s << web(u"http://x.org/.a@b.com"_s);

    QTest::newRow("marks with nothing around them")
        << u"://x @ . :// ww.x w.x .www.x"_s << u"://x @ . :// ww.x w.x .www.x"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("no address") << u"hello, world! a@b"_s << u"hello, world! a@b"_s;
}

void TestWholeLinks::linksWholeAddresses() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(htmlLinks(text), expected);
}

void TestWholeLinks::templatesWriteTheLinks() {
    const TemplateSet templates = defaultTemplates();
    const QString text = u"see www.x.org/a?b=1, mail a@b.com.\r\n\r\n"_s;
    QCOMPARE(convertMessage(text, u"ubb"_s, templates, LinkRules::WholeAddresses),
             u"see [url=http://www.x.org/a?b=1]www.x.org/a?b=1[/url], mail "
             "[url=mailto:a@b.com]a@b.com[/url].\r\n\r\n"_s);
    QCOMPARE(convertMessage(text, u"ezboard"_s, templates, LinkRules::WholeAddresses),
             u"see [link=http://www.x.org/a?b=1]www.x.org/a?b=1[/link], mail "
             "[link=mailto:a@b.com]a@b.com[/link].\r\n\r\n"_s);
    QCOMPARE(convertMessage(text, u"text"_s, templates, LinkRules::WholeAddresses), text);

    // Pieces holding line breaks, "|", quotes and any Unicode are written as they are; empty
    // pieces write the address twice.
    TemplateSet custom = templates;
    custom[3] = {u"odd"_s, u"«\r\n|"_s, u"\"→"_s, u"'|\n"_s, u"✉"_s};
    QCOMPARE(
        convertMessage(u"x a@b.com http://q.org/"_s, u"odd"_s, custom, LinkRules::WholeAddresses),
        u"x «\r\n|✉a@b.com\"→a@b.com'|\n «\r\n|http://q.org/\"→http://q.org/'|\n"_s);
    custom[4] = {u""_s, {}, {}, {}, {}};
    QCOMPARE(convertMessage(u"x www.q.org y"_s, u""_s, custom, LinkRules::WholeAddresses),
             u"x http://www.q.orgwww.q.org y"_s);
}

void TestWholeLinks::classicRulesStayTheDefault_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("query") << u"go to http://x/y?id=5 today"_s;
    QTest::newRow("www") << u"see www.x.y now"_s;
    QTest::newRow("mail at the start") << u"a@b.com is mine, c@d.com too"_s;
    QTest::newRow("line break") << u"one\r\nhttp://x/y\r\ntwo\r\n\r\n"_s;
}

// The classic path is the converter itself, byte for byte.
void TestWholeLinks::classicRulesStayTheDefault() {
    QFETCH(QString, text);
    const TemplateSet templates = defaultTemplates();
    const QString classic = convertMessage(text, u"html"_s, templates);
    QCOMPARE(convertMessage(text, u"html"_s, templates, LinkRules::Classic), classic);
    QVERIFY(convertMessage(text, u"html"_s, templates, LinkRules::WholeAddresses) != classic);
}

// Long runs that a careless scan would walk again and again still convert whole.
void TestWholeLinks::longTextsConvertCompletely() {
    const qsizetype n = 200000;
    const QString atSigns = QString(n, u'a') + QString(n, u'@');
    QCOMPARE(htmlLinks(atSigns), atSigns);
    const QString brackets = u"(http://x.org/"_s + QString(n, u')');
    QCOMPARE(htmlLinks(brackets), u"("_s + web(u"http://x.org/"_s) + QString(n, u')'));
    QString many;
    for (int i = 0; i < 20000; ++i)
        many += u"a@b.com, www.x.org/"_s + QString::number(i) + u". "_s;
    const QString converted = htmlLinks(many);
    QCOMPARE(converted.count(u"</a>"_s), 40000);
    QVERIFY(converted.endsWith(www(u"www.x.org/19999"_s) + u". "_s));
}

QTEST_GUILESS_MAIN(TestWholeLinks)
#include "tst_whole_links.moc"

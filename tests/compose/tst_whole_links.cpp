#include "compose/converter.h"
#include "compose/link_rules.h"
#include "compose/whole_links.h"

#include <QTest>

using namespace quillbox;

namespace {

QString web(const QString& address) {
    return u"<a href='"_qs + address + u"'>"_qs + address + u"</a>"_qs;
}
QString www(const QString& address) {
    return u"<a href='http://"_qs + address + u"'>"_qs + address + u"</a>"_qs;
}
QString mail(const QString& address) {
    return u"<a href='mailto:"_qs + address + u"'>"_qs + address + u"</a>"_qs;
}

QString htmlLinks(const QString& text) {
    return insertWholeLinks(text, u"<a href='"_qs, u"'>"_qs, u"</a>"_qs, u"mailto:"_qs);
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
        << u"go to http://x.org/y?id=5&page=2#top today"_qs
        << u"go to "_qs + web(u"http://x.org/y?id=5&page=2#top"_qs) + u" today"_qs;
    QTest::newRow("query ending a question")
        << u"Did you see https://x.org/search?q=a+b?"_qs
        << u"Did you see "_qs + web(u"https://x.org/search?q=a+b"_qs) + u"?"_qs;
    QTest::newRow("comma inside the query belongs")
        << u"http://x.org/?ids=1,2,3, then"_qs << web(u"http://x.org/?ids=1,2,3"_qs) + u", then"_qs;
    QTest::newRow("upper-case scheme") << u"HTTPS://X.ORG/A"_qs << web(u"HTTPS://X.ORG/A"_qs);

    // Trailing punctuation and brackets.
    QTest::newRow("sentence end") << u"See http://x.org/a."_qs
                                  << u"See "_qs + web(u"http://x.org/a"_qs) + u"."_qs;
    QTest::newRow("several punctuation marks")
        << u"http://x.org/a!?..."_qs << web(u"http://x.org/a"_qs) + u"!?..."_qs;
    QTest::newRow("colon and semicolon") << u"at http://x.org/a: and http://x.org/b; done"_qs
                                         << u"at "_qs + web(u"http://x.org/a"_qs) + u": and "_qs +
                                                web(u"http://x.org/b"_qs) + u"; done"_qs;
    QTest::newRow("in parentheses")
        << u"(see http://x.org/a)"_qs << u"(see "_qs + web(u"http://x.org/a"_qs) + u")"_qs;
    QTest::newRow("parentheses of the address kept")
        << u"(http://en.wikipedia.org/wiki/Foo_(bar))."_qs
        << u"("_qs + web(u"http://en.wikipedia.org/wiki/Foo_(bar)"_qs) + u")."_qs;
    QTest::newRow("square brackets")
        << u"[http://x.org/a?b[0]=1]"_qs << u"["_qs + web(u"http://x.org/a?b[0]=1"_qs) + u"]"_qs;
    QTest::newRow("quotes") << u"\"http://x.org/a\" and 'https://x.org/b'"_qs
                            << u"\""_qs + web(u"http://x.org/a"_qs) + u"\" and '"_qs +
                                   web(u"https://x.org/b"_qs) + u"'"_qs;
    QTest::newRow("typographic quotes")
        << u"“http://x.org/a”, «www.x.org»"_qs
        << u"“"_qs + web(u"http://x.org/a"_qs) + u"”, «"_qs + www(u"www.x.org"_qs) + u"»"_qs;
    QTest::newRow("angle brackets")
        << u"<http://x.org/a>"_qs << u"<"_qs + web(u"http://x.org/a"_qs) + u">"_qs;

    // Where addresses stand.
    QTest::newRow("start and end of lines")
        << u"http://x.org/a\r\nmore\r\nhttps://x.org/b\r\n\r\n"_qs
        << web(u"http://x.org/a"_qs) + u"\r\nmore\r\n"_qs + web(u"https://x.org/b"_qs) +
               u"\r\n\r\n"_qs;
    QTest::newRow("bare LF and tab end an address")
        << u"http://x.org/a\nhttp://x.org/b\tx"_qs
        << web(u"http://x.org/a"_qs) + u"\n"_qs + web(u"http://x.org/b"_qs) + u"\tx"_qs;
    QTest::newRow("non-breaking space ends an address")
        << u"http://x.org/a\u00a0b"_qs << web(u"http://x.org/a"_qs) + u"\u00a0b"_qs;
    QTest::newRow("glued to a word: not an address")
        << u"seehttp://x.org/a xwww.x.org"_qs << u"seehttp://x.org/a xwww.x.org"_qs;
    QTest::newRow("user-typed markup left alone")
        << u"[url=http://x.org/a]x[/url] <a href=http://x.org/b>"_qs
        << u"[url=http://x.org/a]x[/url] <a href=http://x.org/b>"_qs;
    QTest::newRow("two addresses side by side")
        << u"http://a.org/ https://b.org/"_qs
        << web(u"http://a.org/"_qs) + u" "_qs + web(u"https://b.org/"_qs);
    QTest::newRow("scheme with nothing after it")
        << u"http:// and https://."_qs << u"http:// and https://."_qs;

    // www. addresses get a scheme in their target only.
    QTest::newRow("www address") << u"visit www.example.com/page?x=1."_qs
                                 << u"visit "_qs + www(u"www.example.com/page?x=1"_qs) + u"."_qs;
    QTest::newRow("WWW in capitals") << u"WWW.EXAMPLE.COM"_qs << www(u"WWW.EXAMPLE.COM"_qs);
    QTest::newRow("www. with no host") << u"www. and www.-x"_qs << u"www. and www.-x"_qs;
    QTest::newRow("www inside a web address is that address")
        << u"http://www.x.org"_qs << web(u"http://www.x.org"_qs);

    // Non-ASCII paths and hosts.
    QTest::newRow("non-ASCII path") << u"https://de.wikipedia.org/wiki/Straße."_qs
                                    << web(u"https://de.wikipedia.org/wiki/Straße"_qs) + u"."_qs;
    QTest::newRow("non-ASCII host and ideographic full stop")
        << u"見て https://例え.jp/パス。"_qs
        << u"見て "_qs + web(u"https://例え.jp/パス"_qs) + u"。"_qs;
    QTest::newRow("emoji in the path") << u"http://x.org/😀/a"_qs << web(u"http://x.org/😀/a"_qs);

    // E-mail addresses, wherever they stand.
    QTest::newRow("mail at the start of the text")
        << u"a@b.com is mine, c@d.org too"_qs
        << mail(u"a@b.com"_qs) + u" is mine, "_qs + mail(u"c@d.org"_qs) + u" too"_qs;
    QTest::newRow("mail list with commas and no spaces")
        << u"to: a@b.com,c.d@e.org;f+g@h.co.uk."_qs
        << u"to: "_qs + mail(u"a@b.com"_qs) + u","_qs + mail(u"c.d@e.org"_qs) + u";"_qs +
               mail(u"f+g@h.co.uk"_qs) + u"."_qs;
    QTest::newRow("mail in brackets and quotes")
        << u"(a@b.com) \"c@d.org\" <e@f.net>"_qs
        << u"("_qs + mail(u"a@b.com"_qs) + u") \""_qs + mail(u"c@d.org"_qs) + u"\" <"_qs +
               mail(u"e@f.net"_qs) + u">"_qs;
    QTest::newRow("mail after mailto:")
        << u"mailto:a@b.com"_qs << u"mailto:"_qs + mail(u"a@b.com"_qs);
    QTest::newRow("no dot in the domain, lone @, handles")
        << u"me@home @ 5pm @name x@.com a@b."_qs << u"me@home @ 5pm @name x@.com a@b."_qs;
    QTest::newRow("mail on its own line")
        << u"line\r\na@b.com\r\n"_qs << u"line\r\n"_qs + mail(u"a@b.com"_qs) + u"\r\n"_qs;
    QTest::newRow("Unicode mail") << u"jörg@bücher.de"_qs << mail(u"jörg@bücher.de"_qs);

    // Nothing inside a link written is linked again.
    QTest::newRow("@ inside a web address")
        << u"http://user@x.org/a@b.com and https://x.org/@name"_qs
        << web(u"http://user@x.org/a@b.com"_qs) + u" and "_qs + web(u"https://x.org/@name"_qs);
    QTest::newRow("www inside a mail address") << u"a@www.x.org"_qs << mail(u"a@www.x.org"_qs);
    QTest::newRow("web and mail glued by a dot")
        << u"http://x.org/.a@b.com"_qs << web(u"http://x.org/.a@b.com"_qs);

    QTest::newRow("marks with nothing around them")
        << u"://x @ . :// ww.x w.x .www.x"_qs << u"://x @ . :// ww.x w.x .www.x"_qs;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("no address") << u"hello, world! a@b"_qs << u"hello, world! a@b"_qs;
}

void TestWholeLinks::linksWholeAddresses() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(htmlLinks(text), expected);
}

void TestWholeLinks::templatesWriteTheLinks() {
    const TemplateSet templates = defaultTemplates();
    const QString text = u"see www.x.org/a?b=1, mail a@b.com.\r\n\r\n"_qs;
    QCOMPARE(convertMessage(text, u"ubb"_qs, templates, LinkRules::WholeAddresses),
             u"see [url=http://www.x.org/a?b=1]www.x.org/a?b=1[/url], mail "
             "[url=mailto:a@b.com]a@b.com[/url].\r\n\r\n"_qs);
    QCOMPARE(convertMessage(text, u"ezboard"_qs, templates, LinkRules::WholeAddresses),
             u"see [link=http://www.x.org/a?b=1]www.x.org/a?b=1[/link], mail "
             "[link=mailto:a@b.com]a@b.com[/link].\r\n\r\n"_qs);
    QCOMPARE(convertMessage(text, u"text"_qs, templates, LinkRules::WholeAddresses), text);

    // Pieces holding line breaks, "|", quotes and any Unicode are written as they are; empty
    // pieces write the address twice.
    TemplateSet custom = templates;
    custom[3] = {u"odd"_qs, u"«\r\n|"_qs, u"\"→"_qs, u"'|\n"_qs, u"✉"_qs};
    QCOMPARE(
        convertMessage(u"x a@b.com http://q.org/"_qs, u"odd"_qs, custom, LinkRules::WholeAddresses),
        u"x «\r\n|✉a@b.com\"→a@b.com'|\n «\r\n|http://q.org/\"→http://q.org/'|\n"_qs);
    custom[4] = {u""_qs, {}, {}, {}, {}};
    QCOMPARE(convertMessage(u"x www.q.org y"_qs, u""_qs, custom, LinkRules::WholeAddresses),
             u"x http://www.q.orgwww.q.org y"_qs);
}

void TestWholeLinks::classicRulesStayTheDefault_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("query") << u"go to http://x/y?id=5 today"_qs;
    QTest::newRow("www") << u"see www.x.y now"_qs;
    QTest::newRow("mail at the start") << u"a@b.com is mine, c@d.com too"_qs;
    QTest::newRow("line break") << u"one\r\nhttp://x/y\r\ntwo\r\n\r\n"_qs;
}

// The classic path is the converter itself, byte for byte.
void TestWholeLinks::classicRulesStayTheDefault() {
    QFETCH(QString, text);
    const TemplateSet templates = defaultTemplates();
    const QString classic = convertMessage(text, u"html"_qs, templates);
    QCOMPARE(convertMessage(text, u"html"_qs, templates, LinkRules::Classic), classic);
    QVERIFY(convertMessage(text, u"html"_qs, templates, LinkRules::WholeAddresses) != classic);
}

// Long runs that a careless scan would walk again and again still convert whole.
void TestWholeLinks::longTextsConvertCompletely() {
    const qsizetype n = 200000;
    const QString atSigns = QString(n, u'a') + QString(n, u'@');
    QCOMPARE(htmlLinks(atSigns), atSigns);
    const QString brackets = u"(http://x.org/"_qs + QString(n, u')');
    QCOMPARE(htmlLinks(brackets), u"("_qs + web(u"http://x.org/"_qs) + QString(n, u')'));
    QString many;
    for (int i = 0; i < 20000; ++i)
        many += u"a@b.com, www.x.org/"_qs + QString::number(i) + u". "_qs;
    const QString converted = htmlLinks(many);
    QCOMPARE(converted.count(u"</a>"_qs), 40000);
    QVERIFY(converted.endsWith(www(u"www.x.org/19999"_qs) + u". "_qs));
}

QTEST_GUILESS_MAIN(TestWholeLinks)
#include "tst_whole_links.moc"

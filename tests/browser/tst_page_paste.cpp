#include "browser/page_message.h"
#include "browser/page_paste.h"
#include "support/recording_browser_page.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::RecordingBrowserPage;

namespace {

// The values as the main window holds them: editor text, format and logins.
struct Harness {
    RecordingBrowserPage page;
    QString subject = u"Re: <b>http://example.org</b>"_s;
    QString userName = u"b\u00f6b"_s;
    QString password = u"s3cr|t \"'\\"_s;
    QString body = u"See http://example.org/a\r\nbye"_s;
    QString format = u"html"_s;
    TemplateSet templates = defaultTemplates();
    int conversions = 0;
    QStringList pastedMessages; // what the follow-up was told
    PagePaste paste{page,
                    {[this] { return subject; }, [this] { return userName; },
                     [this](PasswordReady ready) { ready(password); },
                     [this] {
                         ++conversions;
                         return pageMessage(body, format, templates);
                     },
                     [this](const QString& pasted) { pastedMessages.append(pasted); }}};
};

} // namespace

class TestPagePaste : public QObject {
    Q_OBJECT

private slots:
    void pastesTheValueOfEachButton_data();
    void pastesTheValueOfEachButton();
    void otherIndexesPasteNothing_data();
    void otherIndexesPasteNothing();
    void messageIsConvertedAtEachPress();
    void emptyMessagePastesTwoConvertedLineBreaks_data();
    void emptyMessagePastesTwoConvertedLineBreaks();
    void textReachesThePageUnchanged();
    void passwordIsPastedWhenItArrives();
};

void TestPagePaste::pastesTheValueOfEachButton_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value");

    QTest::newRow("subject, unconverted") << 0 << u"Re: <b>http://example.org</b>"_s;
    QTest::newRow("user name") << 1 << u"b\u00f6b"_s;
    QTest::newRow("password, unmasked") << 2 << u"s3cr|t \"'\\"_s;
    // The converter drops the CR that ends an address and keeps its LF.
    QTest::newRow("message, converted")
        << 3 << u"See <a href='http://example.org/a'>http://example.org/a</a>\nbye\r\n\r\n"_s;
}

void TestPagePaste::pastesTheValueOfEachButton() {
    QFETCH(int, index);
    QFETCH(QString, value);
    Harness h;
    h.paste.pasteIntoPage(index);
    QCOMPARE(h.page.pastes.size(), 1);
    QCOMPARE(h.page.pastes[0].text, value);
    QCOMPARE(h.conversions, index == 3 ? 1 : 0);
    // Only the message a page took is reported, to arm the follow-up as an insert does.
    QCOMPARE(h.pastedMessages, index == 3 ? QStringList{value} : QStringList());
    h.page.pasteAnswer = false;
    h.paste.pasteIntoPage(index);
    QCOMPARE(h.pastedMessages.size(), index == 3 ? 1 : 0);
}

void TestPagePaste::otherIndexesPasteNothing_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("4") << 4;
    QTest::newRow("-1") << -1;
    QTest::newRow("huge") << 32767;
}

void TestPagePaste::otherIndexesPasteNothing() {
    QFETCH(int, index);
    Harness h;
    h.paste.pasteIntoPage(index);
    QVERIFY(h.page.pastes.isEmpty());
    QCOMPARE(h.conversions, 0);
}

void TestPagePaste::messageIsConvertedAtEachPress() {
    Harness h;
    h.paste.pasteIntoPage(PagePaste::Message);
    h.format = u"ubb"_s;
    h.paste.pasteIntoPage(PagePaste::Message);
    QCOMPARE(h.page.pastes.size(), 2);
    QCOMPARE(h.page.pastes[1].text,
             u"See [url=http://example.org/a]http://example.org/a[/url]\nbye\r\n\r\n"_s);
}

void TestPagePaste::emptyMessagePastesTwoConvertedLineBreaks_data() {
    QTest::addColumn<QString>("format");
    QTest::newRow("text") << u"text"_s;
    QTest::newRow("html") << u"html"_s;
    QTest::newRow("ubb") << u"ubb"_s;
}

void TestPagePaste::emptyMessagePastesTwoConvertedLineBreaks() {
    QFETCH(QString, format);
    Harness h;
    h.body.clear();
    h.format = format;
    h.paste.pasteIntoPage(PagePaste::Message);
    QCOMPARE(h.page.pastes.size(), 1);
    QCOMPARE(h.page.pastes[0].text, u"\r\n\r\n"_s);
}

void TestPagePaste::textReachesThePageUnchanged() {
    Harness h;
    h.format = u"text"_s;
    h.body = u"\"quotes' \\back\\slash </script> ${x} `tick` \u2028\u2029 \r\n\u65e5\u672c "
             "\U0001F600 \0 end"_s;
    h.paste.pasteIntoPage(PagePaste::Message);
    QCOMPARE(h.page.pastes[0].text, h.body + u"\r\n\r\n"_s);
}

void TestPagePaste::passwordIsPastedWhenItArrives() {
    RecordingBrowserPage page;
    QList<PasswordReady> asked;
    PasteSources sources;
    sources.password = [&asked](PasswordReady ready) { asked.append(std::move(ready)); };
    auto paste = std::make_unique<PagePaste>(page, sources);
    paste->pasteIntoPage(PagePaste::Password);
    paste->pasteIntoPage(PagePaste::Password);
    QCOMPARE(asked.size(), 2);
    QVERIFY(page.pastes.isEmpty()); // still on its way

    asked[0](u"s3cr|t"_s);
    QCOMPARE(page.pastes.size(), 1);
    QCOMPARE(page.pastes[0].text, u"s3cr|t"_s);
    // A password that cannot be had pastes nothing, not even an empty text; nor does one that
    // arrives after the buttons are gone.
    asked[1](std::nullopt);
    paste->pasteIntoPage(PagePaste::Password);
    paste.reset();
    asked[2](u"late"_s);
    QCOMPARE(page.pastes.size(), 1);
}

QTEST_GUILESS_MAIN(TestPagePaste)
#include "tst_page_paste.moc"

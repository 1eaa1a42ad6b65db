#include "forum_pages.h"
#include "platform/qt/page_scripts.h"
#include "platform/qt/web_engine_page.h"
#include "support/page_server.h"
#include "web_view_harness.h"

#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

Q_DECLARE_METATYPE(quillbox::FieldTarget)
Q_DECLARE_METATYPE(quillbox::WrittenField)

namespace {

// Everything a message may hold that could break a script or turn into markup, with the line
// breaks the program's messages carry.
const QString nastyText =
    u"Marker-7f3 \"double\" 'single' `back` \\ \\n </script><script>window.pwned=1;"
    "</script> <b>not bold</b> &amp; ${x} \u2028after2028\u2029after2029\r\n"
    "Привет, 世界 \U0001F600 end\r\n\r\n"_s;

QString asTextAreaValue(QString text) {
    return text.replace(u"\r\n"_s, u"\n"_s);
}

// The lines of an editor's text: a paragraph or a line break ends one; an empty paragraph
// (holding only the break that gives it height) is an empty line.
const char editorLinesScript[] = R"js((function (host) {
    var lines = [], line = null;
    host.childNodes.forEach(function (n) {
        if (n.nodeType === Node.ELEMENT_NODE && /^(P|DIV)$/.test(n.nodeName)) {
            if (line !== null)
                lines.push(line);
            line = null;
            lines.push(n.textContent);
        } else if (n.nodeName === 'BR') {
            lines.push(line || '');
            line = null;
        } else {
            line = (line || '') + n.textContent;
        }
    });
    if (line !== null)
        lines.push(line);
    return lines.join('\n');
})(%1))js";

// Counts the fields holding the marker and the markup that came from the text, in the page and
// its frames of the same origin.
const char countScript[] = R"js((function () {
    var result = {fields: 0, markup: 0};
    (function visit(doc) {
        doc.querySelectorAll('textarea, input').forEach(function (el) {
            if (String(el.value).indexOf('Marker-') >= 0) ++result.fields;
        });
        doc.querySelectorAll('[contenteditable]').forEach(function (el) {
            var host = el.isContentEditable && !(el.parentElement && el.parentElement.isContentEditable);
            if (host && el.textContent.indexOf('Marker-') >= 0 && !(doc.designMode === 'on')) ++result.fields;
        });
        if (doc.designMode === 'on' && doc.body && doc.body.textContent.indexOf('Marker-') >= 0) ++result.fields;
        doc.querySelectorAll('script').forEach(function (el) {
            if (el.textContent.indexOf('pwned') >= 0) ++result.markup;
        });
        doc.querySelectorAll('b').forEach(function (el) {
            if (el.textContent === 'not bold') ++result.markup;
        });
        doc.querySelectorAll('iframe, frame').forEach(function (f) {
            var d = null;
            try { d = f.contentDocument; } catch (e) {}
            if (d) visit(d);
        });
    })(document);
    return result;
})())js";

} // namespace

class TestWebEnginePage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void scriptArgumentsCarryAnyText_data();
    void scriptArgumentsCarryAnyText();
    void writesWhereAPersonWouldType_data();
    void writesWhereAPersonWouldType();
    void writeFiresInputAndChangeEvents_data();
    void writeFiresInputAndChangeEvents();
    void insertsAtTheCaretOfTheFocusedField_data();
    void insertsAtTheCaretOfTheFocusedField();
    void readsTheBodyMarkup();
    void documentWithoutBodyReadsAsNothing();
    void newDocumentsRaiseTheGeneration_data();
    void newDocumentsRaiseTheGeneration();
    void answersForAPageThatWasLeftAreDropped_data();
    void answersForAPageThatWasLeftAreDropped();
    void writeScriptRefusesAnotherDocument();
    void clipboardIsNeverTouched();
    void typesIntoAFieldOfAForeignFrame();
    void fillsTheEmptySubjectOfTheSameForm_data();
    void fillsTheEmptySubjectOfTheSameForm();
    void focusedFieldWins_data();
    void focusedFieldWins();
    void pageConsoleGoesToTheBrowserLog_data();
    void pageConsoleGoesToTheBrowserLog();

private:
    void open(const QByteArray& path);
    WrittenField write(const FieldTarget& target, const QString& text, const QString& subject = {});
    bool insert(const QString& text);
    QVariant read(const QString& expression) {
        return evaluate(page->webPage(), expression, QWebEngineScript::UserWorld);
    }
    QVariant inPage(const QString& expression) { return evaluate(page->webPage(), expression); }

    std::unique_ptr<PageServer> server;
    std::unique_ptr<PageServer> foreign;
    std::unique_ptr<QWebEngineView> view;
    std::unique_ptr<WebEnginePage> page;
};

void TestWebEnginePage::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    server = std::make_unique<PageServer>();
    foreign = std::make_unique<PageServer>();
    QVERIFY(server->listenLocal());
    QVERIFY(foreign->listenLocal());
    foreign->addPage("/post.html", foreignPostingPage());
    for (const ForumPage& p : forumPages(foreign->url(QString()))) {
        server->addPage(p.path, p.html);
        // A page whose message box takes the focus as it loads.
        if (p.path == "/mybb.html")
            server->addPage("/autofocus.html",
                            QByteArray(p.html).replace("<textarea ", "<textarea autofocus "));
        for (const auto& [path, html] : p.more)
            server->addPage(path, html);
    }
    server->addPage("/focus.html", R"html(<html><body><form>
<input id="user" type="text" value="ab"><input id="pass" type="password" value="">
<input id="ro" readonly value="ro"><input id="box" type="checkbox">
<input id="mail" type="email" value="old@example.com"><input id="num" type="number" value="12">
<input id="short" maxlength="10" value="">
<textarea id="ta">line1
line2</textarea></form><div id="ed" contenteditable="true" style="width:300px;min-height:40px">start</div>
<iframe id="fr" src="/focus-frame.html" style="width:300px;height:100px"></iframe></body></html>)html");
    // A thread page with its quick reply, and the composer the user opened floating over it.
    server->addPage("/composer.html", R"html(<html><body>
<form action="/reply"><textarea id="quick" name="message" style="width:300px;height:80px"></textarea></form>
<div style="position:fixed;right:0;bottom:0"><textarea id="comp" style="width:300px;height:80px"></textarea>
<div id="ed" contenteditable="true" style="width:300px;min-height:40px"></div><input id="line"></div>
<iframe id="fr" src="/frame-area.html" style="width:300px;height:100px"></iframe></body></html>)html");
    server->addPage(
        "/frame-area.html",
        R"html(<html><body><textarea style="width:200px;height:50px"></textarea></body></html>)html");
    server->addPage("/focus-frame.html",
                    R"html(<html><body><input id="inner" value="xy"></body></html>)html");
    // A field in a frame of another origin, filling the frame, which tells the page what it holds.
    foreign->addPage("/field.html", R"html(<html><body style="margin:0">
<input id="inner" maxlength="20" style="position:absolute;left:0;top:0;width:100%;height:100%">
<script>document.getElementById('inner').addEventListener('input', function (e) {
  parent.postMessage(e.target.value, '*'); });</script></body></html>)html");
    server->addPage("/focus-foreign.html", QStringLiteral(R"html(<html><body style="margin:0">
<iframe id="fr" src="%1/field.html" style="position:absolute;left:0;top:0;width:400px;height:100px;border:0"></iframe>
<script>window.got = ''; addEventListener('message', function (e) { window.got = e.data; });</script>
</body></html>)html")
                                               .arg(foreign->url(QString()))
                                               .toUtf8());
    server->addPage(
        "/image.svg",
        R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"></svg>)svg",
        "image/svg+xml");

    view = std::make_unique<QWebEngineView>();
    view->resize(1000, 800);
    view->show();
    page = std::make_unique<WebEnginePage>(view.get());
}

void TestWebEnginePage::cleanupTestCase() {
    page.reset();
    view.reset();
}

void TestWebEnginePage::open(const QByteArray& path) {
    QSignalSpy finished(page->webPage(), &QWebEnginePage::loadFinished);
    page->navigate(server->url(QString::fromLatin1(path)));
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, webWait);
    QVERIFY(finished.last().value(0).toBool());
}

WrittenField TestWebEnginePage::write(const FieldTarget& target, const QString& text,
                                      const QString& subject) {
    std::optional<WrittenField> written;
    page->writeMessage(target, text, subject, [&](WrittenField w, bool) { written = w; });
    if (!QTest::qWaitFor([&] { return written.has_value(); }, webWait))
        return WrittenField::None;
    return *written;
}

bool TestWebEnginePage::insert(const QString& text) {
    std::optional<bool> inserted;
    page->insertAtFocus(text, [&](bool ok) { inserted = ok; });
    return QTest::qWaitFor([&] { return inserted.has_value(); }, webWait) && *inserted;
}

void TestWebEnginePage::scriptArgumentsCarryAnyText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("script end tag") << u"</script><script>alert(1)</script>"_s;
    QTest::newRow("comment opener") << u"<!-- -->"_s;
    QTest::newRow("quotes and backslashes") << u"\"'`\\\\\"\\"_s;
    QTest::newRow("template substitution") << u"${alert(1)}"_s;
    QTest::newRow("line separators") << u"a\u2028b\u2029c\r\nd\re\nf"_s;
    QTest::newRow("control characters") << u"\u0000\u0001\u001f\u007f"_s;
    QTest::newRow("non-Latin") << u"Привет, 世界 \U0001F600"_s;
    QTest::newRow("entities") << u"&amp; &lt; &#60;"_s;
}

void TestWebEnginePage::scriptArgumentsCarryAnyText() {
    QFETCH(QString, text);
    const QString literal = pagescripts::scriptArguments(QJsonObject{{u"text"_s, text}});
    for (const QChar c : {QChar(u'<'), QChar(u'>'), QChar(u'&'), QChar(0x2028), QChar(0x2029),
                          QChar(u'\n'), QChar(u'\r')})
        QVERIFY2(!literal.contains(c), qPrintable(literal));
    // The escapes are JSON's own, so the literal reads back as the text.
    const QJsonDocument back = QJsonDocument::fromJson(literal.toUtf8());
    QCOMPARE(back.object().value(u"text"_s).toString(), text);
}

void TestWebEnginePage::writesWhereAPersonWouldType_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<FieldTarget>("target");
    QTest::addColumn<WrittenField>("expected");
    QTest::addColumn<QString>("field");
    for (const ForumPage& p : forumPages(foreign->url(QString())))
        QTest::newRow(qPrintable(p.name)) << p.path << p.target << p.expected << p.field;
}

void TestWebEnginePage::writesWhereAPersonWouldType() {
    QFETCH(QByteArray, path);
    QFETCH(FieldTarget, target);
    QFETCH(WrittenField, expected);
    QFETCH(QString, field);
    open(path);

    QCOMPARE(write(target, nastyText), expected);

    const QVariantMap counts = read(QString::fromUtf8(countScript)).toMap();
    QCOMPARE(counts.value(u"markup"_s).toInt(), 0);
    QVERIFY(!inPage(u"window.pwned === undefined ? 'no' : 'yes'"_s).toString().startsWith(u'y'));
    if (expected == WrittenField::None) {
        QCOMPARE(counts.value(u"fields"_s).toInt(), 0);
        return;
    }
    QCOMPARE(counts.value(u"fields"_s).toInt(), 1);
    const QString shown =
        read(expected == WrittenField::RichEditor ? QString::fromUtf8(editorLinesScript).arg(field)
                                                  : field + u".value"_s)
            .toString();
    if (expected == WrittenField::RichEditor)
        QCOMPARE(QString(shown).replace(QChar(0x00A0), u' '), asTextAreaValue(nastyText));
    else
        QCOMPARE(shown, asTextAreaValue(nastyText));
}

void TestWebEnginePage::writeFiresInputAndChangeEvents_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<FieldTarget>("target");
    QTest::newRow("text area") << QByteArray("/phpbb3.html") << FieldTarget{1, 1};
    QTest::newRow("rich editor") << QByteArray("/vanilla.html") << FieldTarget{0, 2};
}

void TestWebEnginePage::writeFiresInputAndChangeEvents() {
    QFETCH(QByteArray, path);
    QFETCH(FieldTarget, target);
    open(path);
    // The page listens where a framework would: on the document, for bubbling events.
    inPage(u"window.seen = {input: 0, change: 0, text: ''};"
           "document.addEventListener('input', function (e) { ++seen.input;"
           "  seen.text = e.target.value !== undefined ? e.target.value : e.target.textContent; });"
           "document.addEventListener('change', function () { ++seen.change; }); true"_s);
    QVERIFY(write(target, u"Marker-events typed"_s) != WrittenField::None);
    const QVariantMap seen = inPage(u"window.seen"_s).toMap();
    QVERIFY(seen.value(u"input"_s).toInt() >= 1);
    QCOMPARE(seen.value(u"change"_s).toInt(), 1);
    // The page saw the text when the event came.
    QCOMPARE(seen.value(u"text"_s).toString(), u"Marker-events typed"_s);
}

void TestWebEnginePage::insertsAtTheCaretOfTheFocusedField_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inserted");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    const QString value = u"document.getElementById('%1').value"_s;
    QTest::newRow("text box at the caret")
        << u"var e = document.getElementById('user'); e.focus(); "
           "e.setSelectionRange(1, 1);"_s
        << u"X\"</script>"_s << true << value.arg(u"user") << u"aX\"</script>b"_s;
    QTest::newRow("selection in a text area replaced")
        << u"var e = document.getElementById('ta'); e.focus(); "
           "e.setSelectionRange(0, 5);"_s
        << u"first\r\nnew"_s << true << value.arg(u"ta") << u"first\nnew\nline2"_s;
    QTest::newRow("password box") << u"document.getElementById('pass').focus();"_s
                                  << u"s3cr\"et|\\"_s << true << value.arg(u"pass")
                                  << u"s3cr\"et|\\"_s;
    QTest::newRow("editable element")
        << u"var e = document.getElementById('ed'); e.focus(); "
           "getSelection().selectAllChildren(e); getSelection().collapseToEnd();"_s
        << u" more <i>x</i>"_s << true << u"document.getElementById('ed').textContent"_s
        << u"start more <i>x</i>"_s;
    QTest::newRow("text box in a frame")
        << u"var e = document.getElementById('fr').contentDocument"
           ".getElementById('inner'); e.focus(); e.setSelectionRange(2, 2);"_s
        << u"Z"_s << true
        << u"document.getElementById('fr').contentDocument"
           ".getElementById('inner').value"_s
        << u"xyZ"_s;
    QTest::newRow("selected e-mail address replaced")
        << u"var e = document.getElementById('mail'); e.focus(); e.select();"_s
        << u"new@example.org"_s << true << value.arg(u"mail") << u"new@example.org"_s;
    QTest::newRow("number field takes the number only")
        << u"var e = document.getElementById('num'); e.focus(); e.select();"_s << u"34 dollars"_s
        << true << value.arg(u"num") << u"34"_s;
    QTest::newRow("length limit kept") << u"document.getElementById('short').focus();"_s
                                       << u"0123456789 and another forty-two characters here!"_s
                                       << true << value.arg(u"short") << u"0123456789"_s;
    QTest::newRow("read-only box") << u"document.getElementById('ro').focus();"_s << u"X"_s << false
                                   << value.arg(u"ro") << u"ro"_s;
    QTest::newRow("check box") << u"document.getElementById('box').focus();"_s << u"X"_s << false
                               << u"document.getElementById('box').value"_s << u"on"_s;
    QTest::newRow("nothing focused")
        << u"document.activeElement.blur();"_s << u"X"_s << false << value.arg(u"user") << u"ab"_s;
}

void TestWebEnginePage::insertsAtTheCaretOfTheFocusedField() {
    QFETCH(QString, focus);
    QFETCH(QString, text);
    QFETCH(bool, inserted);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    open("/focus.html");
    inPage(focus + u" true"_s);
    QCOMPARE(insert(text), inserted);
    QCOMPARE(read(field).toString(), expected);
}

void TestWebEnginePage::readsTheBodyMarkup() {
    open("/phpbb3.html");
    std::optional<std::optional<BodyHtml>> answer;
    page->readBodyHtml([&](std::optional<BodyHtml> body) { answer = body; });
    QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), webWait);
    QVERIFY(answer->has_value());
    const BodyHtml body = **answer;
    QCOMPARE(body.inner, inPage(u"document.body.innerHTML"_s).toString());
    QCOMPARE(body.outer, inPage(u"document.body.outerHTML"_s).toString());
    QVERIFY(body.outer.startsWith(u"<body id=\"phpbb\""_s));
    QVERIFY(body.outer.contains(body.inner));
    QVERIFY(body.inner.contains(u"<textarea name=\"message\""_s));
}

void TestWebEnginePage::documentWithoutBodyReadsAsNothing() {
    open("/image.svg");
    std::optional<std::optional<BodyHtml>> answer;
    page->readBodyHtml([&](std::optional<BodyHtml> body) { answer = body; });
    QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), webWait);
    QVERIFY(!answer->has_value());
    QCOMPARE(write({-1, -1}, u"Marker"_s), WrittenField::None);
}

void TestWebEnginePage::newDocumentsRaiseTheGeneration_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("newDocument");
    QTest::newRow("page loads another page") << u"location.href = '/mybb.html'; true"_s << true;
    QTest::newRow("reload") << u"location.reload(); true"_s << true;
    QTest::newRow("move within the document") << u"location.hash = '#reply'; true"_s << false;
    QTest::newRow("history entry pushed")
        << u"history.pushState({}, '', '/pushed'); true"_s << false;
    QTest::newRow("address tidied after loading")
        << u"setTimeout(function () { history.replaceState(null, '', '#last'); }, 0); true"_s
        << false;
}

void TestWebEnginePage::newDocumentsRaiseTheGeneration() {
    QFETCH(QString, script);
    QFETCH(bool, newDocument);
    open("/mybb.html");
    // The document is known before it moves, as when a read began at load-finished.
    bool known = false;
    page->readBodyHtml([&](std::optional<BodyHtml>) { known = true; });
    QTRY_VERIFY_WITH_TIMEOUT(known, webWait);
    const quint64 before = page->pageGeneration();
    const QString address = page->currentUrl();
    inPage(script);
    if (newDocument) {
        QTRY_VERIFY_WITH_TIMEOUT(page->pageGeneration() > before, webWait);
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(page->currentUrl() != address, webWait);
    QCOMPARE(page->pageGeneration(), before);
    // Still the page the user chose: what is asked of it is done.
    QCOMPARE(write({0, 2}, u"Marker-moved"_s), WrittenField::ScannedTextArea);
    QCOMPARE(read(u"document.getElementById('message').value"_s).toString(), u"Marker-moved"_s);
}

void TestWebEnginePage::answersForAPageThatWasLeftAreDropped_data() {
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("documentKnown");
    QTest::newRow("read") << u"read"_s << false;
    QTest::newRow("write") << u"write"_s << false;
    QTest::newRow("write after a read") << u"write"_s << true;
    QTest::newRow("insert") << u"insert"_s << false;
    QTest::newRow("insert after a read") << u"insert"_s << true;
}

void TestWebEnginePage::answersForAPageThatWasLeftAreDropped() {
    QFETCH(QString, request);
    QFETCH(bool, documentKnown);
    open("/autofocus.html");
    if (documentKnown) {
        bool read = false;
        page->readBodyHtml([&](std::optional<BodyHtml>) { read = true; });
        QTRY_VERIFY_WITH_TIMEOUT(read, webWait);
    }

    bool answered = false;
    bool failed = false;
    if (request == u"read") {
        page->readBodyHtml([&](std::optional<BodyHtml> body) {
            answered = true;
            failed = !body;
        });
    } else if (request == u"write") {
        page->writeMessage({0, 2}, u"Marker-left"_s, {}, [&](WrittenField w, bool) {
            answered = true;
            failed = w == WrittenField::None;
        });
    } else {
        page->insertAtFocus(u"Marker-left"_s, [&](bool ok) {
            answered = true;
            failed = !ok;
        });
    }
    // The same page again: a new document the request was not meant for.
    QSignalSpy finished(page->webPage(), &QWebEnginePage::loadFinished);
    page->navigate(server->url(u"/autofocus.html"_s));
    QTRY_VERIFY_WITH_TIMEOUT(answered, webWait);
    QVERIFY(failed);
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, webWait);
    // The new page's message box has the focus: an insert that went astray would land there.
    QTRY_COMPARE_WITH_TIMEOUT(inPage(u"document.activeElement.id"_s).toString(), u"message"_s,
                              webWait);
    QCOMPARE(read(u"document.getElementById('message').value"_s).toString(), QString());
}

void TestWebEnginePage::writeScriptRefusesAnotherDocument() {
    open("/mybb.html");
    const QString token =
        evaluate(page->webPage(), pagescripts::documentToken(), QWebEngineScript::ApplicationWorld)
            .toMap()
            .value(u"token"_s)
            .toString();
    QVERIFY(!token.isEmpty());
    const QString write = pagescripts::writeMessage(token, 0, 2, u"Marker-late"_s);
    // The same address loaded again is another document: the old token does not fit it.
    open("/mybb.html");
    const QVariantMap answer =
        evaluate(page->webPage(), write, QWebEngineScript::ApplicationWorld).toMap();
    QVERIFY(answer.value(u"stale"_s).toBool());
    QCOMPARE(read(u"document.getElementById('message').value"_s).toString(), QString());
    // A page cannot read or forge the token from its own world.
    QCOMPARE(inPage(u"typeof window.__quillboxDocument"_s).toString(), u"undefined"_s);
}

void TestWebEnginePage::clipboardIsNeverTouched() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(u"the user's own clipboard"_s);
    open("/focus.html");
    inPage(u"document.getElementById('user').focus(); true"_s);
    QVERIFY(insert(u"pasted"_s));
    open("/mybb.html");
    QCOMPARE(write({0, 2}, u"Marker-clip"_s), WrittenField::ScannedTextArea);
    QCOMPARE(clipboard->text(), u"the user's own clipboard"_s);
}

void TestWebEnginePage::typesIntoAFieldOfAForeignFrame() {
    open("/focus-foreign.html");
    // The user clicks into the frame's field, as nothing else can focus it.
    view->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(200, 50));
            return inPage(u"document.activeElement.id"_s).toString() == u"fr";
        }(),
        webWait);
    QVERIFY(insert(u"Marker-foreign and more than twenty"_s));
    QTRY_COMPARE_WITH_TIMEOUT(inPage(u"window.got"_s).toString(), u"Marker-foreign and m"_s,
                              webWait);
}

void TestWebEnginePage::fillsTheEmptySubjectOfTheSameForm_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<FieldTarget>("target");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("expected"); // the value of #s afterwards
    const QString typed = u"Marker-subject & <more>"_s;
    const QByteArray area = R"(<textarea id="m" name="message" rows="5"></textarea>)";
    QTest::newRow("named subject")
        << "<form><input type=hidden name=t><input type=text id=s name=subject>" + area + "</form>"
        << FieldTarget{0, 2} << typed << typed;
    QTest::newRow("labelled title")
        << "<form><label for=s>Topic title</label><input id=s name=f1>" + area + "</form>"
        << FieldTarget{0, 1} << typed << typed;
    QTest::newRow("reply page's own subject kept")
        << "<form><input id=s name=subject value=\"RE: Hello\">" + area + "</form>"
        << FieldTarget{0, 1} << typed << u"RE: Hello"_s;
    QTest::newRow("no subject to give") << "<form><input id=s name=subject>" + area + "</form>"
                                        << FieldTarget{0, 1} << QString() << QString();
    QTest::newRow("subject after the message")
        << "<form>" + area + "<input id=s name=subject></form>" << FieldTarget{0, 0} << typed
        << QString();
    QTest::newRow("title field of another form")
        << "<form><input id=s name=title></form><form>" + area + "</form>" << FieldTarget{1, 0}
        << typed << QString();
    QTest::newRow("hidden field named subject")
        << "<form><input type=hidden id=s name=subject value=\"\">" + area + "</form>"
        << FieldTarget{0, 1} << typed << QString();
    QTest::newRow("search box") << "<form><input id=s name=q>" + area + "</form>"
                                << FieldTarget{0, 1} << typed << QString();
    QTest::newRow("rich editor of the form")
        << QByteArray("<form><input id=s name=subject><div contenteditable=true "
                      "style=\"width:300px;min-height:40px\"></div><textarea "
                      "style=\"display:none\"></textarea></form>")
        << FieldTarget{0, 1} << typed << typed;
    QTest::newRow("composer outside any form")
        << "<input id=s placeholder=\"Enter your topic title\">" + area << FieldTarget{-1, -1}
        << typed << QString();
}

void TestWebEnginePage::fillsTheEmptySubjectOfTheSameForm() {
    QFETCH(QByteArray, body);
    QFETCH(FieldTarget, target);
    QFETCH(QString, subject);
    QFETCH(QString, expected);
    const QByteArray path =
        "/subject-" + QByteArray::number(qHash(QByteArray(QTest::currentDataTag()))) + ".html";
    server->addPage(path, "<html><body>" + body + "</body></html>");
    open(path);
    inPage(u"window.seen = 0; document.addEventListener('change', function (e) {"
           "  if (e.target.id === 's') ++seen; }); true"_s);
    QVERIFY(write(target, u"Marker-message"_s, subject) != WrittenField::None);
    QCOMPARE(read(u"document.getElementById('s').value"_s).toString(), expected);
    // A subject written gets its change event, as one typed would; one left alone gets none.
    const bool filled = !subject.isEmpty() && expected == subject;
    QCOMPARE(inPage(u"window.seen"_s).toInt(), filled ? 1 : 0);
}

void TestWebEnginePage::focusedFieldWins_data() {
    QTest::addColumn<QString>("focus"); // the id of the element focused, "" for none
    QTest::addColumn<WrittenField>("expected");
    QTest::addColumn<QString>("field"); // where the message shows up
    const QString byId = u"document.getElementById('%1')"_s;
    QTest::newRow("reply composer over the page")
        << u"comp"_s << WrittenField::FocusedField << byId.arg(u"comp") + u".value"_s;
    QTest::newRow("rich editor") << u"ed"_s << WrittenField::FocusedField
                                 << byId.arg(u"ed") + u".textContent"_s;
    QTest::newRow("text area in a frame")
        << u"fr"_s << WrittenField::FocusedField
        << byId.arg(u"fr") + u".contentDocument.querySelector('textarea').value"_s;
    QTest::newRow("the quick reply itself")
        << u"quick"_s << WrittenField::ScannedTextArea << byId.arg(u"quick") + u".value"_s;
    QTest::newRow("one-line field")
        << u"line"_s << WrittenField::ScannedTextArea << byId.arg(u"quick") + u".value"_s;
    QTest::newRow("nothing focused")
        << QString() << WrittenField::ScannedTextArea << byId.arg(u"quick") + u".value"_s;
}

void TestWebEnginePage::focusedFieldWins() {
    QFETCH(QString, focus);
    QFETCH(WrittenField, expected);
    QFETCH(QString, field);
    open("/composer.html");
    if (focus == u"fr")
        inPage(u"document.getElementById('fr').contentDocument.querySelector('textarea').focus();"
               " true"_s);
    else if (!focus.isEmpty())
        inPage(u"document.getElementById('%1').focus(); true"_s.arg(focus));
    QCOMPARE(write({0, 0}, u"Marker-focus"_s), expected);
    QCOMPARE(read(field).toString(), u"Marker-focus"_s);
    QCOMPARE(read(QString::fromUtf8(countScript)).toMap().value(u"fields"_s).toInt(), 1);
}

namespace {

QList<QPair<QString, QString>> logged; // category, message
QtMessageHandler previousHandler = nullptr;

void recordLog(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (context.category && QByteArrayView(context.category).startsWith("quillbox"))
        logged.append({QString::fromLatin1(context.category), message});
    else if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void TestWebEnginePage::pageConsoleGoesToTheBrowserLog_data() {
    QTest::addColumn<QString>("rules");
    QTest::addColumn<bool>("shown");
    QTest::newRow("by default") << QString() << false;
    QTest::newRow("asked for") << u"quillbox.browser.info=true"_s << true;
}

void TestWebEnginePage::pageConsoleGoesToTheBrowserLog() {
    QFETCH(QString, rules);
    QFETCH(bool, shown);
    open("/mybb.html");
    QLoggingCategory::setFilterRules(rules);
    logged.clear();
    previousHandler = qInstallMessageHandler(recordLog);
    inPage(u"console.error('\\u001b]0;retitled\\u0007' + 'x'.repeat(2000000));"
           "console.log('Marker-last'); true"_s);
    // The last line comes after the long one; waiting for it bounds the wait when nothing shows.
    if (shown)
        QTRY_VERIFY_WITH_TIMEOUT(
            !logged.isEmpty() && logged.last().second.contains(u"Marker-last"_s), webWait);
    else
        QTest::qWait(500);
    qInstallMessageHandler(previousHandler);
    QLoggingCategory::setFilterRules(QString());
    if (!shown) {
        QVERIFY(logged.isEmpty());
        return;
    }
    QCOMPARE(logged.size(), 2);
    QCOMPARE(logged[0].first, u"quillbox.browser"_s);
    QVERIFY2(logged[0].second.contains(u"\\x1b]0;retitled\\x07x"_s),
             qPrintable(logged[0].second.left(300)));
    QVERIFY(!logged[0].second.contains(QChar(0x1b)));
    QVERIFY(logged[0].second.size() < 2500);
}

QTEST_MAIN(TestWebEnginePage)
#include "tst_web_engine_page.moc"

#include "browser/auto_insert.h"
#include "browser/insert_follow_up.h"
#include "support/recording_browser_page.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using quillbox::test::readBytes;
using quillbox::test::RecordingBrowserPage;
using quillbox::test::RecordingMessages;
using quillbox::test::TestFolders;

Q_DECLARE_METATYPE(quillbox::WrittenField)

namespace {

const QString postingForm = u"<form><input type=\"hidden\" name=\"t\"><input name=\"subject\">"
                            "<textarea name=\"message\"></textarea></form>"_s;
const QString noForm = u"<p>Log in to post.</p>"_s;

// One auto-insert with everything it talks to.
struct Harness {
    TestFolders folders;
    RecordingBrowserPage page;
    RecordingMessages messages;
    int watches = 0;
    InsertFollowUp followUp{page, [this](const QString&) { ++watches; }};
    QString message = u"Hello \"world\" \\ </script> ${x} \u2028 \u65e5\u672c\r\n\r\n"_s;
    AutoInsert insert{page, messages, followUp, folders.dataFolder(), [this] { return message; }};

    Harness() {
        insert.setSubjectSource([] { return u"Subject \u65e5 & <b>"_s; });
    }

    // Leaves the follow-up armed with older text and a count that is not the armed value.
    void armWithEarlierInsert() {
        followUp.recordInsert(u"earlier"_s);
        followUp.checkInsertedPost();
        followUp.checkInsertedPost();
    }
    bool showedErrorBox() const {
        return messages.entries.size() == 1 &&
               messages.entries[0].title == u"Auto-Insert Error"_s &&
               messages.entries[0].text ==
                   u"Could not auto-insert your message.  Try pasting instead."_s &&
               messages.entries[0].icon == MessageIcon::None;
    }
};

} // namespace

class TestAutoInsert : public QObject {
    Q_OBJECT

private slots:
    void insertsOrReportsAsThePageAllows_data();
    void insertsOrReportsAsThePageAllows();
    void writesScratchFileInDataFolder();
    void unwritableScratchFileShowsErrorBox();
    void pageLeftDuringReadGetsNothing();
    void secondPressWhileBusyIsIgnored();
    void writeAnsweredLaterArmsFollowUpAtOnce();
    void loadDuringTheWriteIsTheUserMovingOn_data();
    void loadDuringTheWriteIsTheUserMovingOn();
    void insertNeverSticks_data();
    void insertNeverSticks();
};

void TestAutoInsert::insertsOrReportsAsThePageAllows_data() {
    QTest::addColumn<bool>("hasBody");
    QTest::addColumn<QString>("markup");
    QTest::addColumn<WrittenField>("pageWrites");
    QTest::addColumn<int>("targetForm"); // of the one write asked for; -2: no write
    QTest::addColumn<int>("targetField");
    QTest::addColumn<bool>("errorBox");
    QTest::addColumn<bool>("followUpArmed");

    QTest::newRow("scanned field written")
        << true << postingForm << WrittenField::ScannedTextArea << 0 << 2 << false << true;
    QTest::newRow("page picks another text area of the form")
        << true << postingForm << WrittenField::FormTextArea << 0 << 2 << false << true;
    QTest::newRow("scanned field refused: box, still armed")
        << true << postingForm << WrittenField::None << 0 << 2 << true << true;
    QTest::newRow("nothing scanned, page finds a composer")
        << true << noForm << WrittenField::RichEditor << -1 << -1 << false << true;
    QTest::newRow("nothing scanned, page finds nothing: box, state kept")
        << true << noForm << WrittenField::None << -1 << -1 << true << false;
    QTest::newRow("form found but not its field: page is asked to look")
        << true << u"<form><formatted-text>x</formatted-text><textarea></textarea></form>"_s
        << WrittenField::FormTextArea << -1 << -1 << false << true;
    QTest::newRow("no body: box, state kept")
        << false << QString() << WrittenField::ScannedTextArea << -2 << -2 << true << false;
}

void TestAutoInsert::insertsOrReportsAsThePageAllows() {
    QFETCH(bool, hasBody);
    QFETCH(QString, markup);
    QFETCH(WrittenField, pageWrites);
    QFETCH(int, targetForm);
    QFETCH(int, targetField);
    QFETCH(bool, errorBox);
    QFETCH(bool, followUpArmed);

    Harness h;
    if (hasBody)
        h.page.setBodyMarkup(markup);
    h.page.writeAnswer = pageWrites;
    h.armWithEarlierInsert();
    QSignalSpy finished(&h.insert, &AutoInsert::finished);

    h.insert.insertMessage();

    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), !errorBox);
    QCOMPARE(h.showedErrorBox(), errorBox);
    if (!errorBox)
        QVERIFY(h.messages.entries.isEmpty());
    if (targetForm == -2) {
        QVERIFY(h.page.writes.isEmpty());
    } else {
        QCOMPARE(h.page.writes.size(), 1);
        QCOMPARE(h.page.writes[0].target.form, targetForm);
        QCOMPARE(h.page.writes[0].target.field, targetField);
        QCOMPARE(h.page.writes[0].text, h.message); // unchanged, every character
        QCOMPARE(h.page.writes[0].subject, u"Subject \u65e5 & <b>"_s);
    }
    QCOMPARE(h.followUp.lastInsertedText(), followUpArmed ? h.message : u"earlier"_s);
    QCOMPARE(h.followUp.insertWatchCount(), followUpArmed ? 4 : 2);
    QCOMPARE(h.watches, 0);
    QVERIFY(!h.insert.isBusy());
}

void TestAutoInsert::writesScratchFileInDataFolder() {
    Harness h;
    h.page.setBodyMarkup(u"<form><textarea></textarea></form>"_s);
    h.insert.insertMessage();
    QCOMPARE(
        readBytes(h.folders.path(u"htmltemp.txt"_s)),
        QByteArray("<body>\r\n<form\r\n>\r\n<textarea></textarea>\r\n</form>\r\n></body>\r\n"));
}

void TestAutoInsert::unwritableScratchFileShowsErrorBox() {
    TestFolders folders;
    RecordingBrowserPage page;
    RecordingMessages messages;
    InsertFollowUp followUp(page, [](const QString&) {});
    AutoInsert insert(page, messages, followUp, folders.path(u"no such folder"_s),
                      [] { return u"text"_s; });
    page.setBodyMarkup(postingForm);

    insert.insertMessage();

    QVERIFY(page.writes.isEmpty());
    QCOMPARE(messages.entries.size(), 1);
    QCOMPARE(messages.entries[0].title, u"Auto-Insert Error"_s);
    QVERIFY2(messages.entries[0].informativeText.contains(u"htmltemp.txt"_s),
             qPrintable(messages.entries[0].informativeText));
    QCOMPARE(followUp.insertWatchCount(), 0);
}

void TestAutoInsert::pageLeftDuringReadGetsNothing() {
    Harness h;
    h.page.holdAnswers = true;
    h.page.setBodyMarkup(postingForm);
    h.insert.insertMessage();
    QVERIFY(h.insert.isBusy());

    h.page.navigate(u"https://forum.example/elsewhere"_s);
    h.page.answerAll();

    QVERIFY(h.page.writes.isEmpty());
    QVERIFY(h.showedErrorBox());
    QVERIFY(!h.messages.entries[0].informativeText.isEmpty());
    QCOMPARE(h.followUp.insertWatchCount(), 0);
    QVERIFY(!h.insert.isBusy());
}

void TestAutoInsert::secondPressWhileBusyIsIgnored() {
    Harness h;
    h.page.holdAnswers = true;
    h.page.setBodyMarkup(postingForm);
    h.insert.insertMessage();
    h.insert.insertMessage();
    QCOMPARE(h.page.bodyReads, 1);

    h.page.answerAll();
    QCOMPARE(h.page.writes.size(), 1);
    QVERIFY(h.page.writes[0].applied);

    h.insert.insertMessage();
    QCOMPARE(h.page.bodyReads, 2);
}

void TestAutoInsert::writeAnsweredLaterArmsFollowUpAtOnce() {
    Harness h;
    h.page.holdAnswers = true;
    h.page.setBodyMarkup(postingForm);
    h.insert.insertMessage();
    QVERIFY(h.page.answerNext()); // the body: the write is now asked for
    QCOMPARE(h.page.writes.size(), 1);
    QCOMPARE(h.followUp.insertWatchCount(), 4);
    QVERIFY(h.insert.isBusy());

    // The page goes before the write is done: nothing is written, the box is shown.
    h.page.showNewPage(u"https://forum.example/thread"_s);
    h.page.answerAll();
    QVERIFY(!h.page.writes[0].applied);
    QVERIFY(h.showedErrorBox());
    QCOMPARE(h.followUp.lastInsertedText(), h.message);
}

void TestAutoInsert::loadDuringTheWriteIsTheUserMovingOn_data() {
    QTest::addColumn<QString>("markup");
    QTest::newRow("scanned field") << postingForm;
    // The page's own search for a field answers later than the scanned write does.
    QTest::newRow("field the page looks for") << noForm;
}

// Once the text has gone to the page, a load is the user submitting, quick as that may be: the
// insert ends without a box, and the follow-up is armed to find the post.
void TestAutoInsert::loadDuringTheWriteIsTheUserMovingOn() {
    QFETCH(QString, markup);
    Harness h;
    h.page.holdAnswers = true;
    h.page.setBodyMarkup(markup);
    QSignalSpy finished(&h.insert, &AutoInsert::finished);
    h.insert.insertMessage();
    QVERIFY(h.page.answerNext()); // the body: the write is now asked for
    h.page.beginDownload();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(!h.insert.isBusy());
    QVERIFY(!h.showedErrorBox());
    QCOMPARE(h.followUp.insertWatchCount(), 4);
    QCOMPARE(h.followUp.lastInsertedText(), h.message);
}

void TestAutoInsert::insertNeverSticks_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("bodyAnswered"); // the page hangs on the write instead of the read
    QTest::addColumn<QString>("detail");
    for (const bool written : {false, true}) {
        const char* stage = written ? "write" : "read";
        // During the write, a load is the user moving on (a quick submit): see
        // loadDuringTheWriteIsTheUserMovingOn.
        if (!written)
            QTest::addRow("load begins during the %s", stage)
                << u"load"_s << written << u"The page changed"_s;
        QTest::addRow("renderer ends during the %s", stage)
            << u"renderer"_s << written << u"stopped working"_s;
        QTest::addRow("page never answers the %s", stage)
            << u"silence"_s << written << u"did not answer within 0.02 seconds"_s;
    }
}

void TestAutoInsert::insertNeverSticks() {
    QFETCH(QString, end);
    QFETCH(bool, bodyAnswered);
    QFETCH(QString, detail);
    Harness h;
    h.insert.setAnswerTimeout(std::chrono::milliseconds(20));
    h.page.holdAnswers = true;
    h.page.setBodyMarkup(postingForm);
    QSignalSpy finished(&h.insert, &AutoInsert::finished);
    h.insert.insertMessage();
    if (bodyAnswered)
        QVERIFY(h.page.answerNext());

    if (end == u"load")
        h.page.beginDownload();
    else if (end == u"renderer")
        emit h.page.rendererEnded();
    QTRY_COMPARE(finished.size(), 1);
    QVERIFY(!h.insert.isBusy());
    QVERIFY(h.showedErrorBox());
    QVERIFY2(h.messages.entries[0].informativeText.contains(detail),
             qPrintable(h.messages.entries[0].informativeText));

    // An answer that comes after all is for an insert that has ended: no second box, no write.
    h.page.answerAll();
    QCOMPARE(h.page.writes.size(), bodyAnswered ? 1 : 0);
    QCOMPARE(h.messages.entries.size(), 1);
    QCOMPARE(finished.size(), 1);

    // The button works again.
    h.page.holdAnswers = false;
    h.insert.insertMessage();
    QCOMPARE(h.page.bodyReads, 2);
    QCOMPARE(finished.size(), 2);
    QVERIFY(finished[1][0].toBool());
}

QTEST_GUILESS_MAIN(TestAutoInsert)
#include "tst_auto_insert.moc"

// What the window asks of the program, without a window: each forum's format, removals and
// their Undo, forums added from the page shown, and the draft that Paste puts into the page.
#include "browser/page_message.h"
#include "browser/page_paste.h"
#include "shell/program.h"
#include "store/settings_store.h"
#include "support/program_fixture.h"
#include "support/program_probe.h"
#include "support/test_folders.h"
#include "watch/watch_lists.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

class TestProgramIntents : public QObject, ProgramFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void forumKeepsAFormatOfTheTemplates_data();
    void forumKeepsAFormatOfTheTemplates();
    void removalIsUndoneOnceUntilTheListsChange();
    void pageBecomesAForumOnce_data();
    void pageBecomesAForumOnce();
    void pasteTakesTheDraftAsItIsNow_data();
    void pasteTakesTheDraftAsItIsNow();
    void passwordForAnotherSitesPageIsAskedFor();

private:
    void start(const QByteArray& forums);
    Draft draft;
};

void TestProgramIntents::init() {
    renew();
    page.pastes.clear();
    page.url.clear();
    draft = {};
}

void TestProgramIntents::cleanup() {
    release();
}

void TestProgramIntents::start(const QByteArray& forums) {
    QVERIFY(writeBytes(folders->path(u"posts2.txt"_s), forums));
    makeProgram();
    program->startUp();
    program->setDraftSource([this] { return draft; });
}

void TestProgramIntents::forumKeepsAFormatOfTheTemplates_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("stored"); // what the forum had
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("shown"); // the format the forum selects afterwards
    QTest::newRow("a template's format") << 0 << QString() << u"ubb"_s << true << u"ubb"_s;
    QTest::newRow("changed") << 1 << u"html"_s << u"ezboard"_s << true << u"ezboard"_s;
    QTest::newRow("no template of that name") << 0 << u"html"_s << u"wiki"_s << false << u"html"_s;
    // A format whose template is gone since selects nothing: the box keeps what it shows.
    QTest::newRow("stored format gone") << 1 << u"wiki"_s << u"bbcode"_s << false << QString();
    QTest::newRow("no such forum") << 2 << QString() << u"ubb"_s << false << QString();
    QTest::newRow("no forum selected") << -1 << QString() << u"ubb"_s << false << QString();
}

void TestProgramIntents::forumKeepsAFormatOfTheTemplates() {
    QFETCH(int, row);
    QFETCH(QString, stored);
    QFETCH(QString, chosen);
    QFETCH(bool, kept);
    QFETCH(QString, shown);
    start("http://one/|ann|pw\r\n\r\nhttp://two/|bob|pw\r\n\r\n");
    if (!stored.isEmpty())
        probe(*program).lists().forumModel().setFormat(row, stored);
    QCOMPARE(program->setForumFormat(row, chosen), kept);
    QCOMPARE(program->forumFormat(row), shown);
    // The other forum keeps its own.
    QCOMPARE(program->forumFormat(row == 0 ? 1 : 0), QString());
}

void TestProgramIntents::removalIsUndoneOnceUntilTheListsChange() {
    start("http://one/|ann|pw\r\n\r\nhttp://two/|bob|pw\r\n\r\n");
    program->setForumFormat(0, u"html"_s);
    QSignalSpy removed(program.get(), &Program::rowRemoved);
    QSignalSpy undone(program.get(), &Program::removalUndone);
    QSignalSpy available(program.get(), &Program::undoAvailable);
    QVERIFY(!program->removeForum(5));
    QVERIFY(removed.isEmpty());

    QVERIFY(program->removeForum(0));
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.at(0).at(0).toString(), u"http://one/"_s);
    QCOMPARE(available.size(), 1);
    QVERIFY(program->undoRemoval());
    QCOMPARE(undone.size(), 1);
    QCOMPARE(undone.at(0).at(0).toString(), u"http://one/"_s);
    QCOMPARE(program->lists().forums().at(0), Forum({u"http://one/"_s, u"ann|pw"_s}));
    QCOMPARE(program->forumFormat(0), u"html"_s);
    QVERIFY(!program->undoRemoval());

    // A forum added from the page after a removal makes it final.
    QVERIFY(program->removeForum(1));
    page.url = u"http://three/"_s;
    QCOMPARE(program->addForumFromPage(page.url, u"Three"_s), 1);
    QCOMPARE(available.last().at(0).toBool(), false);
    QVERIFY(!program->undoRemoval());
    QCOMPARE(undone.size(), 1);
}

void TestProgramIntents::pageBecomesAForumOnce_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("told");
    QTest::newRow("new page") << u"http://two/board"_s << 1 << 0;
    QTest::newRow("listed already") << u"http://one/"_s << -1 << 0;
    QTest::newRow("not on the web") << u"about:blank"_s << -1 << 1;
    QTest::newRow("empty") << QString() << -1 << 1;
}

void TestProgramIntents::pageBecomesAForumOnce() {
    QFETCH(QString, address);
    QFETCH(int, row);
    QFETCH(int, told);
    start("http://one/|ann|pw\r\n\r\n");
    QCOMPARE(program->addForumFromPage(address, u"Board Two"_s), row);
    QCOMPARE(int(messages.entries.size()), told);
    QCOMPARE(program->lists().forumCount(), row < 0 ? 1 : 2);
    if (row >= 0) {
        QCOMPARE(program->lists().forumModel().name(row), u"Board Two"_s);
        // No login yet until the boxes give it one.
        QCOMPARE(program->lists().forums().at(row).login, QString());
        program->clearForumLogin(row);
        QCOMPARE(program->lists().forums().at(row).login, u"|"_s);
    }
}

void TestProgramIntents::pasteTakesTheDraftAsItIsNow_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("forum");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("subject") << int(PagePaste::Subject) << 0 << u"Seeds"_s;
    QTest::newRow("user name of the boxes") << int(PagePaste::UserName) << 0 << u"typed"_s;
    QTest::newRow("selected forum's password") << int(PagePaste::Password) << 0 << u"pw1"_s;
    QTest::newRow("typed password, no forum") << int(PagePaste::Password) << -1 << u"box"_s;
    // The message as the program's templates convert it (marked here, made below).
    QTest::newRow("message in the draft's format") << int(PagePaste::Message) << -1 << QString();
}

void TestProgramIntents::pasteTakesTheDraftAsItIsNow() {
    QFETCH(int, which);
    QFETCH(int, forum);
    QFETCH(QString, pasted);
    start("http://one/|ann|pw1\r\n\r\n");
    draft = {u"Seeds"_s, u"Hello\r\nsee http://x/"_s, u"html"_s, forum, u"typed"_s, u"box"_s};
    if (pasted.isEmpty()) {
        pasted = pageMessage(draft.message, u"html"_s, program->templates(), program->linkRules());
        QVERIFY(pasted.contains(u"<a href="_s));
    }
    program->paste(which);
    QTRY_COMPARE(page.pastes.size(), 1);
    QCOMPARE(page.pastes.at(0).text, pasted);
}

void TestProgramIntents::passwordForAnotherSitesPageIsAskedFor() {
    start("https://garden.example.org/forum/|ann|pw\r\n\r\n");
    draft.forum = 0;
    page.url = u"https://garden.example.org/forum/login.php"_s;
    QCOMPARE(program->pasteDecision(PagePaste::Password).answer, PasteDecision::Answer::Paste);
    page.url = u"https://evil.example.com/"_s;
    const PasteDecision decision = program->pasteDecision(PagePaste::Password);
    QCOMPARE(decision.answer, PasteDecision::Answer::Ask);
    QCOMPARE(decision.forumShown, u"garden.example.org"_s);
    // The user name goes anywhere; a password typed for no forum too.
    QCOMPARE(program->pasteDecision(PagePaste::UserName).answer, PasteDecision::Answer::Paste);
    draft.forum = -1;
    QCOMPARE(program->pasteDecision(PagePaste::Password).answer, PasteDecision::Answer::Paste);
}

QTEST_GUILESS_MAIN(TestProgramIntents)
#include "tst_program_intents.moc"

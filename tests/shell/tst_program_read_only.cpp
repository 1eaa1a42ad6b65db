// A run that must not write the lists (their folder could not be locked, so another copy may be
// writing them; or a list could not be read) writes none of them, nor the state kept beside them,
// and says so once.
#include "shell/lists_autosave.h"
#include "shell/program.h"
#include "store/settings_store.h"
#include "store/single_instance.h"
#include "support/program_fixture.h"
#include "support/program_probe.h"
#include "support/test_folders.h"
#include "watch/forum_model.h"
#include "watch/list_state.h"
#include "watch/watch_lists.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillbox;
using namespace quillbox::test;

namespace {

const QByteArray posts = "http://a/\r\n\r\n";
const QByteArray sizes = "100\r\n\r\n";
const QByteArray forums = "http://f/|me|pw\r\n\r\n";
const QByteArray state =
    R"({"version":1,"threads":[{"address":"http://a/","unread":true}],"forums":[]})";

} // namespace

class TestProgramReadOnly : public QObject, ProgramFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void folderThatCannotBeLockedKeepsEveryListUnwritten();
    void unreadableListKeepsTheStateUnwritten();

private:
    Program& start(SingleInstance* instance = nullptr);
    // Changes what the lists and the state hold, lets the autosave run, then closes.
    void changeAndClose();
    void verifyFilesUntouched();
};

void TestProgramReadOnly::init() {
    renew();
    QVERIFY(writeBytes(folders->path(u"posts.txt"_s), posts));
    QVERIFY(writeBytes(folders->path(u"sizes.txt"_s), sizes));
    QVERIFY(writeBytes(folders->path(u"posts2.txt"_s), forums));
    QVERIFY(writeBytes(folders->path(u"lists-state.json"_s), state));
}

void TestProgramReadOnly::cleanup() {
    release();
}

Program& TestProgramReadOnly::start(SingleInstance* instance) {
    makeProgram();
    if (instance)
        program->listen(*instance);
    program->startUp();
    return *program;
}

void TestProgramReadOnly::changeAndClose() {
    WatchLists& lists = probe(*program).lists();
    lists.forumModel().setFormat(0, u"ubb"_s);
    lists.setLists({{{u"http://b/"_s, 5}}, {{u"http://g/"_s, u"u|p"_s}}});
    probe(*program).autosave().flush();
    QVERIFY(program->shutDown({}));
}

void TestProgramReadOnly::verifyFilesUntouched() {
    QCOMPARE(readBytes(folders->path(u"sizes.txt"_s)), sizes);
    // Nor is it written as text beside the earlier file.
    QCOMPARE(readBytes(folders->path(u"lists-state.json"_s)), state);
    QVERIFY(!QFile::exists(folders->path(listStateFileName())));
}

void TestProgramReadOnly::folderThatCannotBeLockedKeepsEveryListUnwritten() {
    SingleInstance instance;
    // A lock that cannot be made, as on a full disk: its folder is not there.
    QCOMPARE(instance.tryLock(folders->path(u"missing"_s)), SingleInstance::Role::None);
    start(&instance);
    QCOMPARE(probe(*program).lists().postCount(), 1); // read as usual
    QCOMPARE(messages.entries.size(), 1);             // told once, at start-up
    QVERIFY2(messages.entries.first().text.contains(u"not saved"_s),
             qPrintable(messages.entries.first().text));
    changeAndClose();
    QCOMPARE(readBytes(folders->path(u"posts.txt"_s)), posts);
    QCOMPARE(readBytes(folders->path(u"posts2.txt"_s)), forums);
    verifyFilesUntouched();
    QCOMPARE(messages.entries.size(), 1);
}

void TestProgramReadOnly::unreadableListKeepsTheStateUnwritten() {
    // posts.txt cannot be read: the state of its threads is on disk only.
    QVERIFY(QFile::remove(folders->path(u"posts.txt"_s)));
    QVERIFY(QDir(folders->dataFolder()).mkdir(u"posts.txt"_s));
    start();
    QCOMPARE(probe(*program).lists().postCount(), 0);
    changeAndClose();
    verifyFilesUntouched();
    // The forums were read: their list is written as usual.
    QCOMPARE(readBytes(folders->path(u"posts2.txt"_s)), QByteArray("http://g/|u|p\r\n\r\n"));
}

QTEST_GUILESS_MAIN(TestProgramReadOnly)
#include "tst_program_read_only.moc"

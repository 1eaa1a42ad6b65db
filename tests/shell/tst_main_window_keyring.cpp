// The forum passwords kept in the keyring, as the main window shows them: the password box and
// Paste Password wait for the keyring, a keyring that cannot be read leaves a placeholder that is
// never stored, and the Tools menu's switch moves the passwords back into posts2.txt.
#include "store/app_settings.h"
#include "store/list_files.h"
#include "support/fake_password_store.h"
#include "support/main_window_fixture.h"
#include "support/program_probe.h"
#include "support/recording_browser_page.h"
#include "watch/forum_passwords.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

const QString forum = u"http://forum.example/board/"_s;

} // namespace

class TestMainWindowKeyring : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { MainWindowFixture::cleanup(); }
    void passwordBoxAndPasteWaitForTheKeyring();
    void unreadablePasswordIsAPlaceholderThatIsNeverStored();
    void switchMovesThePasswordsBackIntoTheFile();

private:
    void selectForum();
    QLineEdit* passwordBox() const { return control<QLineEdit>(window.get(), "txtPassword"); }
    QByteArray forumsFile() const { return readBytes(folders->path(u"posts2.txt"_s)); }
    FakePasswordStore store;
    RecordingBrowserPage* recorded = nullptr;
};

void TestMainWindowKeyring::init() {
    MainWindowFixture::init();
    store.entries = {{ForumPasswords::keyOf(forum), u"pw of ann"_s}};
    store.locked = false;
    store.held = true;
    store.writes = store.removes = 0;
    passwords = &store;
    AppSettings(*settings).set(keys::passwordsInKeyring, u"1"_s);
    QVERIFY(saveLists(folders->dataFolder(), {{}, {{forum, u"ann|"_s}}}).isEmpty());
    recorded = new RecordingBrowserPage;
    open(recorded);
    recorded->url = forum + u"post"_s; // the forum's own site: no question before pasting
}

void TestMainWindowKeyring::selectForum() {
    auto* list = control<QListView>(window.get(), "lstPosts2");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    QCOMPARE(probe(*program).lists().forumModel().rowCount(), 1);
}

void TestMainWindowKeyring::passwordBoxAndPasteWaitForTheKeyring() {
    selectForum();
    QCOMPARE(passwordBox()->text(), QString());
    QVERIFY(!passwordBox()->placeholderText().isEmpty());
    QTest::mouseClick(control<QPushButton>(window.get(), "cmdPaste2"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(recorded->pastes.isEmpty());

    store.release();
    QTRY_COMPARE(recorded->pastes.size(), 1);
    QCOMPARE(recorded->pastes[0].text, u"pw of ann"_s);
    QCOMPARE(passwordBox()->text(), u"pw of ann"_s);
    // Once the password is there, the box's hint is its usual one again.
    QCOMPARE(passwordBox()->placeholderText(), u"Enter Password"_s);
    window->close();
    QCOMPARE(forumsFile(), (forum + u"|ann|\r\n\r\n"_s).toUtf8());
    QCOMPARE(store.writes + store.removes, 0);
}

void TestMainWindowKeyring::unreadablePasswordIsAPlaceholderThatIsNeverStored() {
    store.locked = true;
    store.release();
    QTRY_COMPARE(messages.entries.size(), 1);
    QVERIFY(messages.entries[0].text.contains(u"keyring"_s));
    selectForum();
    QCOMPARE(passwordBox()->text(), QString());
    QVERIFY(passwordBox()->placeholderText().contains(u"could not be read"_s));
    control<QLineEdit>(window.get(), "txtUsername")->setText(u"ann2"_s);
    QTest::mouseClick(control<QPushButton>(window.get(), "cmdPaste2"), Qt::LeftButton);
    QTRY_VERIFY(window->panelText(1).contains(u"keyring"_s));
    QVERIFY(recorded->pastes.isEmpty());
    window->close();
    QCOMPARE(forumsFile(), (forum + u"|ann2|\r\n\r\n"_s).toUtf8());
    QCOMPARE(store.writes + store.removes, 0);
    QCOMPARE(store.entries.value(ForumPasswords::keyOf(forum)), u"pw of ann"_s);
    QCOMPARE(messages.entries.size(), 1);
}

void TestMainWindowKeyring::switchMovesThePasswordsBackIntoTheFile() {
    store.release();
    QAction* keyring = nullptr;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->property("switches") == u"keyring"_s)
            keyring = action;
    }
    QVERIFY(keyring);
    QVERIFY(keyring->isChecked());
    keyring->trigger();
    QTRY_VERIFY(!keyring->isChecked());
    QCOMPARE(forumsFile(), (forum + u"|ann|pw of ann\r\n\r\n"_s).toUtf8());
    QTRY_VERIFY(store.entries.isEmpty());
}

QTEST_MAIN(TestMainWindowKeyring)
#include "tst_main_window_keyring.moc"

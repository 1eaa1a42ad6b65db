#include "shell/main_window_host.h"
#include "shell/session.h"
#include "skin/skin_engine.h"
#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"

#include <QDir>
#include <QTest>

using namespace quillbox;
using namespace quillbox::test;

namespace {

// Records what start-up and shutdown do to the window, in order.
class RecordingHost : public MainWindowHost {
public:
    explicit RecordingHost(Session* session = nullptr) : session(session) {}
    void setCaption(const QString& c) override { calls << QStringLiteral("caption ") + c; }
    void setWebsiteButtonCaption(const QString& c) override {
        calls << QStringLiteral("website ") + c;
    }
    void navigateBrowser(const QString& a) override { calls << QStringLiteral("navigate ") + a; }
    void addStatusPanels() override { calls << QStringLiteral("panels"); }
    void setLists(const ListsData& l) override {
        calls << QStringLiteral("lists");
        data = l;
    }
    void setFormatNames(const QStringList& n) override {
        calls << QStringLiteral("formats ") + n.join(u',');
        formats = n;
        row = 0;
    }
    void setSubject(const QString& s) override {
        calls << QStringLiteral("subject ") + s;
        // The subject box stores every change, as the real one does.
        if (session && s != subject)
            session->subjectChanged(s);
        subject = s;
    }
    void setMessage(const QString& m) override {
        calls << QStringLiteral("message");
        messageText = m;
    }
    void skinWindow() override { calls << QStringLiteral("skin"); }
    void showHelpWindow() override { calls << QStringLiteral("help"); }
    int formatRowCount() const override { return int(formats.size()); }
    void selectFormatRow(int r) override {
        calls << QStringLiteral("row ") + QString::number(r);
        row = r;
    }
    ListsData lists() const override { return data; }
    QString message() const override { return messageText; }
    int selectedFormatRow() const override { return row; }
    void unloadSecondaryWindows() override { calls << QStringLiteral("unload"); }
    bool websiteWindowVisible() const override { return websiteOpen; }
    void endProcess() override { calls << QStringLiteral("end"); }

    Session* session;
    QStringList calls;
    ListsData data;
    QStringList formats;
    QString subject;
    QString messageText = QStringLiteral("design");
    int row = -1;
    bool websiteOpen = false;
};

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstStartRunsInOrderAndCreatesFiles();
    void storedStateIsRestored();
    void storedMessage_data();
    void storedMessage();
    void storedFormatRow_data();
    void storedFormatRow();
    void shutdownWritesListsAndSettingsInOrder();
    void shutdownWithBrowserWindowOpenKeepsRunning();
    void helpWindowOpensOnlyForExactlyOne_data();
    void helpWindowOpensOnlyForExactlyOne();
    void skinEngineShutsDownRightBeforeTheEnd();
    void unreadableListFileIsReportedAndStartUpCompletes();
    void failedListWriteOffersRetryCancelAndQuit_data();
    void failedListWriteOffersRetryCancelAndQuit();
    void damagedListFileIsReportedWithItsCopy();

private:
    QString setting(const QString& key, const QString& def = QStringLiteral("<none>")) {
        return settings->getSetting(settingsApplication(), dataSection(), key, def);
    }
    std::unique_ptr<TestFolders> folders;
    std::unique_ptr<SettingsStore> settings;
    RecordingMessages messages;
};

void TestSession::init() {
    folders = std::make_unique<TestFolders>();
    settings = std::make_unique<SettingsStore>(folders->settingsFolder());
    messages.entries.clear();
}

void TestSession::cleanup() {
    settings.reset();
    folders.reset();
}

void TestSession::firstStartRunsInOrderAndCreatesFiles() {
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    const Branding b = loadBranding();
    QCOMPARE(host.calls,
             QStringList({QStringLiteral("caption Quillbox by ") + b.companyName,
                          QStringLiteral("website Visit ") + b.websiteAddress,
                          QStringLiteral("navigate ") + b.websiteAddress, QStringLiteral("panels"),
                          QStringLiteral("lists"), QStringLiteral("formats text,html,ubb,ezboard"),
                          QStringLiteral("subject Type Subject Here"), QStringLiteral("row 0"),
                          QStringLiteral("skin"), QStringLiteral("help")}));
    for (const char* name :
         {"htmltemp.txt", "messages.txt", "posts.txt", "posts2.txt", "sizes.txt"})
        QCOMPARE(readBytes(folders->path(QString::fromLatin1(name))), QByteArray("\r\n"));
    QVERIFY(host.data.posts.isEmpty());
    QVERIFY(host.data.forums.isEmpty());
    QCOMPARE(host.messageText, QStringLiteral("design")); // the editor keeps its own text
    QCOMPARE(setting(QStringLiteral("lastSubject")), QStringLiteral("Type Subject Here"));
    QVERIFY(messages.entries.isEmpty());
}

void TestSession::storedStateIsRestored() {
    QVERIFY(writeBytes(folders->path(QStringLiteral("posts.txt")),
                       "http://a/\r\n\r\nhttp://b/\r\n\r\n"));
    QVERIFY(writeBytes(folders->path(QStringLiteral("sizes.txt")), "100\r\n\r\n"));
    QVERIFY(writeBytes(folders->path(QStringLiteral("posts2.txt")), "http://f/|me|pw\r\n\r\n"));
    settings->saveSetting(settingsApplication(), dataSection(), QStringLiteral("lastSubject"),
                          QString());
    settings->saveSetting(settingsApplication(), dataSection(), QStringLiteral("cust03Name"),
                          QStringLiteral("mine"));
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QCOMPARE(host.data.posts.size(), 2);
    QCOMPARE(host.data.posts[0].size, std::optional<qint64>(100));
    QCOMPARE(host.data.posts[1].size, std::nullopt);
    QCOMPARE(host.data.forums.size(), 1);
    QCOMPARE(host.data.forums[0].login, QStringLiteral("me|pw"));
    QCOMPARE(host.formats,
             QStringList({QStringLiteral("text"), QStringLiteral("html"), QStringLiteral("ubb"),
                          QStringLiteral("ezboard"), QStringLiteral("mine")}));
    // A cleared subject stays cleared.
    QVERIFY(host.calls.contains(QStringLiteral("subject ")));
}

void TestSession::storedMessage_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("replaces");
    QTest::newRow("text") << QStringLiteral("hello\r\nworld") << true;
    QTest::newRow("single space keeps the design text") << QStringLiteral(" ") << false;
    QTest::newRow("empty keeps the design text") << QString() << false;
    QTest::newRow("two spaces") << QStringLiteral("  ") << true;
}

void TestSession::storedMessage() {
    QFETCH(QString, stored);
    QFETCH(bool, replaces);
    settings->saveSetting(settingsApplication(), dataSection(), QStringLiteral("lastMessage"),
                          stored);
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QCOMPARE(host.messageText, replaces ? stored : QStringLiteral("design"));
    // The message is restored after the subject, before the format.
    if (replaces)
        QCOMPARE(host.calls.indexOf(QStringLiteral("message")),
                 host.calls.indexOf(QStringLiteral("subject Type Subject Here")) + 1);
}

void TestSession::storedFormatRow_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("row");
    QTest::newRow("valid") << QStringLiteral("2") << 2;
    QTest::newRow("last row") << QStringLiteral("3") << 3;
    QTest::newRow("past the end") << QStringLiteral("4") << 0;
    QTest::newRow("none selected") << QStringLiteral("-1") << 0;
    QTest::newRow("not a number") << QStringLiteral("ubb") << 0;
    QTest::newRow("too large for the list") << QStringLiteral("99999999999") << 0;
}

void TestSession::storedFormatRow() {
    QFETCH(QString, stored);
    settings->saveSetting(settingsApplication(), dataSection(), QStringLiteral("lastConvert"),
                          stored);
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QTEST(host.row, "row");
}

void TestSession::shutdownWritesListsAndSettingsInOrder() {
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    host.calls.clear();
    host.data.posts = {{QStringLiteral("http://x/"), 1234}, {QStringLiteral("http://y/"), {}}};
    host.data.forums = {{QStringLiteral("http://f/"), QStringLiteral("Enter Username|")}};
    host.messageText = QStringLiteral("body\r\nline");
    host.row = 2;
    session.shutDown(host);
    QCOMPARE(host.calls, QStringList({QStringLiteral("unload"), QStringLiteral("end")}));
    QCOMPARE(readBytes(folders->path(QStringLiteral("posts.txt"))),
             QByteArray("http://x/\r\n\r\nhttp://y/\r\n\r\n"));
    QCOMPARE(readBytes(folders->path(QStringLiteral("sizes.txt"))),
             QByteArray("1234\r\n\r\n-1\r\n\r\n"));
    QCOMPARE(readBytes(folders->path(QStringLiteral("posts2.txt"))),
             QByteArray("http://f/|Enter Username|\r\n\r\n"));
    QCOMPARE(setting(QStringLiteral("lastMessage")), QStringLiteral("body\r\nline"));
    QCOMPARE(setting(QStringLiteral("lastConvert")), QStringLiteral("2"));
    QVERIFY(!session.mainWindowClosed());

    // The next start finds everything again.
    Session again(folders->dataFolder(), *settings, messages);
    RecordingHost host2(&again);
    again.startUp(host2);
    QCOMPARE(host2.data, host.data);
    QCOMPARE(host2.messageText, QStringLiteral("body\r\nline"));
    QCOMPARE(host2.row, 2);
}

void TestSession::shutdownWithBrowserWindowOpenKeepsRunning() {
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    host.calls.clear();
    host.websiteOpen = true;
    host.row = -1;
    session.shutDown(host);
    QCOMPARE(host.calls, QStringList({QStringLiteral("unload")}));
    QVERIFY(session.mainWindowClosed());
    QCOMPARE(setting(QStringLiteral("lastConvert")), QStringLiteral("-1"));
}

void TestSession::helpWindowOpensOnlyForExactlyOne_data() {
    QTest::addColumn<QString>("stored"); // "<none>": nothing stored
    QTest::addColumn<bool>("opens");
    QTest::newRow("first start") << "<none>" << true;
    QTest::newRow("one") << "1" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("one among blanks") << " 1" << false;
    QTest::newRow("other number") << "2" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSession::helpWindowOpensOnlyForExactlyOne() {
    QFETCH(QString, stored);
    QFETCH(bool, opens);
    if (stored != QLatin1String("<none>"))
        settings->saveSetting(settingsApplication(), QStringLiteral("Settings"),
                              QStringLiteral("showHelp"), stored);
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QCOMPARE(host.calls.last() == QLatin1String("help"), opens);
    QVERIFY(host.calls.contains(QStringLiteral("skin")));
}

void TestSession::skinEngineShutsDownRightBeforeTheEnd() {
    SkinEngine& engine = SkinEngine::instance();
    engine.attach(gemBlue());
    engine.start();
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    host.websiteOpen = true;
    session.shutDown(host);
    QVERIFY(engine.running()); // the browser window still wears the skin
    host.calls.clear();
    session.websiteWindowClosed(host);
    QCOMPARE(host.calls, QStringList{QStringLiteral("end")});
    QCOMPARE(engine.state(), SkinEngine::State::ShutDown);

    engine.attach(gemBlue());
    engine.start();
    Session closing(folders->dataFolder(), *settings, messages);
    RecordingHost closingHost(&closing);
    closing.startUp(closingHost);
    closing.websiteWindowClosed(closingHost); // the main window is still open
    QVERIFY(engine.running());
    QVERIFY(!closingHost.calls.contains(QStringLiteral("end")));
    closing.shutDown(closingHost);
    QCOMPARE(engine.state(), SkinEngine::State::ShutDown);
    QCOMPARE(closingHost.calls.last(), QStringLiteral("end"));
}

void TestSession::unreadableListFileIsReportedAndStartUpCompletes() {
    // A folder where a list file should be cannot be read or replaced.
    QVERIFY(QDir(folders->dataFolder()).mkdir(QStringLiteral("posts.txt")));
    QVERIFY(writeBytes(folders->path(QStringLiteral("posts2.txt")), "http://f/|u|p\r\n\r\n"));
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QVERIFY(!messages.entries.isEmpty());
    QVERIFY(messages.entries.first().text.contains(QStringLiteral("posts.txt")));
    QCOMPARE(host.data.forums.size(), 1);
    QVERIFY(host.calls.contains(QStringLiteral("row 0")));
}

void TestSession::failedListWriteOffersRetryCancelAndQuit_data() {
    QTest::addColumn<QList<int>>("answers"); // 0 Retry, 1 Quit without saving, 2 Cancel
    QTest::addColumn<bool>("fixBeforeRetry");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QByteArray>("sizesFile");
    QTest::newRow("cancel keeps the program open") << QList<int>{2} << false << false << QByteArray();
    QTest::newRow("quit without saving ends it") << QList<int>{1} << false << true << QByteArray();
    QTest::newRow("retry after the fix saves and ends")
        << QList<int>{0} << true << true << QByteArray("5\r\n\r\n");
    QTest::newRow("retry still failing asks again")
        << QList<int>{0, 2} << false << false << QByteArray();
}

void TestSession::failedListWriteOffersRetryCancelAndQuit() {
    QFETCH(QList<int>, answers);
    QFETCH(bool, fixBeforeRetry);
    QFETCH(bool, ends);
    QFETCH(QByteArray, sizesFile);
    QVERIFY(writeBytes(folders->path(QStringLiteral("posts2.txt")), "http://f/|u|p\r\n\r\n"));
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    // sizes.txt turns into a folder behind the program's back: its write must fail loudly,
    // and the other files must still be written.
    const QString sizes = folders->path(QStringLiteral("sizes.txt"));
    QFile::remove(sizes);
    QVERIFY(QDir(folders->dataFolder()).mkdir(QStringLiteral("sizes.txt")));
    host.data.posts = {{QStringLiteral("http://new/"), 5}};
    messages.entries.clear();
    messages.answers = answers;
    if (fixBeforeRetry) {
        // The user frees the name while the question is open.
        messages.beforeAnswer = [&] {
            QDir(folders->dataFolder()).rmdir(QStringLiteral("sizes.txt"));
        };
    }

    QCOMPARE(session.shutDown(host), ends);
    QCOMPARE(messages.entries.size(), answers.size());
    QVERIFY(messages.entries.first().text.contains(QStringLiteral("sizes.txt")));
    QCOMPARE(messages.entries.first().buttons,
             QStringList({QStringLiteral("Retry"), QStringLiteral("Quit without saving"),
                          QStringLiteral("Cancel")}));
    QCOMPARE(readBytes(folders->path(QStringLiteral("posts.txt"))),
             QByteArray("http://new/\r\n\r\n"));
    QCOMPARE(readBytes(folders->path(QStringLiteral("posts2.txt"))),
             QByteArray("http://f/|u|p\r\n\r\n"));
    QCOMPARE(QFileInfo(sizes).isFile() ? readBytes(sizes) : QByteArray(), sizesFile);
    QCOMPARE(host.calls.contains(QStringLiteral("end")), ends);
    messages.beforeAnswer = nullptr;
}

void TestSession::damagedListFileIsReportedWithItsCopy() {
    QVERIFY(writeBytes(folders->path(QStringLiteral("posts.txt")), "http://caf\xe9/\r\n\r\n"));
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QCOMPARE(messages.entries.size(), 1);
    const QString copyPath = folders->path(QStringLiteral("posts.txt.damaged"));
    QVERIFY2(messages.entries.first().text.contains(QDir::toNativeSeparators(copyPath)),
             qPrintable(messages.entries.first().text));
    QCOMPARE(readBytes(copyPath), QByteArray("http://caf\xe9/\r\n\r\n"));
    QCOMPARE(host.data.posts.size(), 1);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"

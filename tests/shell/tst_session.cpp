#include "shell/main_window_host.h"
#include "shell/session.h"
#include "skin/skin_engine.h"
#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

// Records what start-up and shutdown do to the window, in order.
class RecordingHost : public MainWindowHost {
public:
    explicit RecordingHost(Session* session = nullptr) : session(session) {}
    void setCaption(const QString& c) override { calls << u"caption "_s + c; }
    void setWebsiteButtonCaption(const QString& c) override { calls << u"website "_s + c; }
    void navigateBrowser(const QString& a) override { calls << u"navigate "_s + a; }
    void addStatusPanels() override { calls << u"panels"_s; }
    void setLists(const ListsData& l) override {
        calls << u"lists"_s;
        data = l;
    }
    void setFormatNames(const QStringList& n) override {
        calls << u"formats "_s + n.join(u',');
        formats = n;
        row = 0;
    }
    void setSubject(const QString& s) override {
        calls << u"subject "_s + s;
        // The subject box stores every change, as the real one does.
        if (session && s != subject)
            session->subjectChanged(s);
        subject = s;
    }
    void setMessage(const QString& m) override {
        calls << u"message"_s;
        messageText = m;
    }
    void skinWindow() override { calls << u"skin"_s; }
    void showHelpWindow() override { calls << u"help"_s; }
    int formatRowCount() const override { return int(formats.size()); }
    void selectFormatRow(int r) override {
        calls << u"row "_s + QString::number(r);
        row = r;
    }
    ListsData lists() const override { return data; }
    QString message() const override { return messageText; }
    int selectedFormatRow() const override { return row; }
    void unloadSecondaryWindows() override { calls << u"unload"_s; }
    bool websiteWindowVisible() const override { return websiteOpen; }
    void endProcess() override { calls << u"end"_s; }

    Session* session;
    QStringList calls;
    ListsData data;
    QStringList formats;
    QString subject;
    QString messageText = u"design"_s;
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
    QString setting(const QString& key, const QString& def = u"<none>"_s) {
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
             QStringList({u"caption Quillbox by "_s + b.companyName,
                          u"website Visit "_s + b.websiteAddress, u"navigate "_s + b.websiteAddress,
                          u"panels"_s, u"lists"_s, u"formats text,html,ubb,ezboard"_s,
                          u"subject Type Subject Here"_s, u"row 0"_s, u"skin"_s, u"help"_s}));
    for (const char* name :
         {"htmltemp.txt", "messages.txt", "posts.txt", "posts2.txt", "sizes.txt"})
        QCOMPARE(readBytes(folders->path(QString::fromLatin1(name))), QByteArray("\r\n"));
    QVERIFY(host.data.posts.isEmpty());
    QVERIFY(host.data.forums.isEmpty());
    QCOMPARE(host.messageText, u"design"_s); // the editor keeps its own text
    QCOMPARE(setting(u"lastSubject"_s), u"Type Subject Here"_s);
    QVERIFY(messages.entries.isEmpty());
}

void TestSession::storedStateIsRestored() {
    QVERIFY(writeBytes(folders->path(u"posts.txt"_s), "http://a/\r\n\r\nhttp://b/\r\n\r\n"));
    QVERIFY(writeBytes(folders->path(u"sizes.txt"_s), "100\r\n\r\n"));
    QVERIFY(writeBytes(folders->path(u"posts2.txt"_s), "http://f/|me|pw\r\n\r\n"));
    settings->saveSetting(settingsApplication(), dataSection(), u"lastSubject"_s, QString());
    settings->saveSetting(settingsApplication(), dataSection(), u"cust03Name"_s, u"mine"_s);
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QCOMPARE(host.data.posts.size(), 2);
    QCOMPARE(host.data.posts[0].size, std::optional<qint64>(100));
    QCOMPARE(host.data.posts[1].size, std::nullopt);
    QCOMPARE(host.data.forums.size(), 1);
    QCOMPARE(host.data.forums[0].login, u"me|pw"_s);
    QCOMPARE(host.formats, QStringList({u"text"_s, u"html"_s, u"ubb"_s, u"ezboard"_s, u"mine"_s}));
    // A cleared subject stays cleared.
    QVERIFY(host.calls.contains(u"subject "_s));
}

void TestSession::storedMessage_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("replaces");
    QTest::newRow("text") << u"hello\r\nworld"_s << true;
    QTest::newRow("single space keeps the design text") << u" "_s << false;
    QTest::newRow("empty keeps the design text") << QString() << false;
    QTest::newRow("two spaces") << u"  "_s << true;
}

void TestSession::storedMessage() {
    QFETCH(QString, stored);
    QFETCH(bool, replaces);
    settings->saveSetting(settingsApplication(), dataSection(), u"lastMessage"_s, stored);
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QCOMPARE(host.messageText, replaces ? stored : u"design"_s);
    // The message is restored after the subject, before the format.
    if (replaces)
        QCOMPARE(host.calls.indexOf(u"message"_s),
                 host.calls.indexOf(u"subject Type Subject Here"_s) + 1);
}

void TestSession::storedFormatRow_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("row");
    QTest::newRow("valid") << u"2"_s << 2;
    QTest::newRow("last row") << u"3"_s << 3;
    QTest::newRow("past the end") << u"4"_s << 0;
    QTest::newRow("none selected") << u"-1"_s << 0;
    QTest::newRow("not a number") << u"ubb"_s << 0;
    QTest::newRow("too large for the list") << u"99999999999"_s << 0;
}

void TestSession::storedFormatRow() {
    QFETCH(QString, stored);
    settings->saveSetting(settingsApplication(), dataSection(), u"lastConvert"_s, stored);
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
    host.data.posts = {{u"http://x/"_s, 1234}, {u"http://y/"_s, {}}};
    host.data.forums = {{u"http://f/"_s, u"Enter Username|"_s}};
    host.messageText = u"body\r\nline"_s;
    host.row = 2;
    session.shutDown(host);
    QCOMPARE(host.calls, QStringList({u"unload"_s, u"end"_s}));
    QCOMPARE(readBytes(folders->path(u"posts.txt"_s)),
             QByteArray("http://x/\r\n\r\nhttp://y/\r\n\r\n"));
    QCOMPARE(readBytes(folders->path(u"sizes.txt"_s)), QByteArray("1234\r\n\r\n-1\r\n\r\n"));
    QCOMPARE(readBytes(folders->path(u"posts2.txt"_s)),
             QByteArray("http://f/|Enter Username|\r\n\r\n"));
    QCOMPARE(setting(u"lastMessage"_s), u"body\r\nline"_s);
    QCOMPARE(setting(u"lastConvert"_s), u"2"_s);
    QVERIFY(!session.mainWindowClosed());

    // The next start finds everything again.
    Session again(folders->dataFolder(), *settings, messages);
    RecordingHost host2(&again);
    again.startUp(host2);
    QCOMPARE(host2.data, host.data);
    QCOMPARE(host2.messageText, u"body\r\nline"_s);
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
    QCOMPARE(host.calls, QStringList({u"unload"_s}));
    QVERIFY(session.mainWindowClosed());
    QCOMPARE(setting(u"lastConvert"_s), u"-1"_s);
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
        settings->saveSetting(settingsApplication(), u"Settings"_s, u"showHelp"_s, stored);
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QCOMPARE(host.calls.last() == QLatin1String("help"), opens);
    QVERIFY(host.calls.contains(u"skin"_s));
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
    QCOMPARE(host.calls, QStringList{u"end"_s});
    QCOMPARE(engine.state(), SkinEngine::State::ShutDown);

    engine.attach(gemBlue());
    engine.start();
    Session closing(folders->dataFolder(), *settings, messages);
    RecordingHost closingHost(&closing);
    closing.startUp(closingHost);
    closing.websiteWindowClosed(closingHost); // the main window is still open
    QVERIFY(engine.running());
    QVERIFY(!closingHost.calls.contains(u"end"_s));
    closing.shutDown(closingHost);
    QCOMPARE(engine.state(), SkinEngine::State::ShutDown);
    QCOMPARE(closingHost.calls.last(), u"end"_s);
}

void TestSession::unreadableListFileIsReportedAndStartUpCompletes() {
    // A folder where a list file should be cannot be read or replaced.
    QVERIFY(QDir(folders->dataFolder()).mkdir(u"posts.txt"_s));
    QVERIFY(writeBytes(folders->path(u"posts2.txt"_s), "http://f/|u|p\r\n\r\n"));
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QVERIFY(!messages.entries.isEmpty());
    QVERIFY(messages.entries.first().text.contains(u"posts.txt"_s));
    QCOMPARE(host.data.forums.size(), 1);
    QVERIFY(host.calls.contains(u"row 0"_s));
}

void TestSession::failedListWriteOffersRetryCancelAndQuit_data() {
    QTest::addColumn<QList<int>>("answers"); // 0 Retry, 1 Quit without saving, 2 Cancel
    QTest::addColumn<bool>("fixBeforeRetry");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QByteArray>("sizesFile");
    QTest::newRow("cancel keeps the program open")
        << QList<int>{2} << false << false << QByteArray();
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
    QVERIFY(writeBytes(folders->path(u"posts2.txt"_s), "http://f/|u|p\r\n\r\n"));
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    // sizes.txt turns into a folder behind the program's back: its write must fail loudly,
    // and the other files must still be written.
    const QString sizes = folders->path(u"sizes.txt"_s);
    QFile::remove(sizes);
    QVERIFY(QDir(folders->dataFolder()).mkdir(u"sizes.txt"_s));
    host.data.posts = {{u"http://new/"_s, 5}};
    messages.entries.clear();
    messages.answers = answers;
    if (fixBeforeRetry) {
        // The user frees the name while the question is open.
        messages.beforeAnswer = [&] { QDir(folders->dataFolder()).rmdir(u"sizes.txt"_s); };
    }

    QCOMPARE(session.shutDown(host), ends);
    QCOMPARE(messages.entries.size(), answers.size());
    QVERIFY(messages.entries.first().text.contains(u"sizes.txt"_s));
    QCOMPARE(messages.entries.first().buttons,
             QStringList({u"Retry"_s, u"Quit without saving"_s, u"Cancel"_s}));
    QCOMPARE(readBytes(folders->path(u"posts.txt"_s)), QByteArray("http://new/\r\n\r\n"));
    QCOMPARE(readBytes(folders->path(u"posts2.txt"_s)), QByteArray("http://f/|u|p\r\n\r\n"));
    QCOMPARE(QFileInfo(sizes).isFile() ? readBytes(sizes) : QByteArray(), sizesFile);
    QCOMPARE(host.calls.contains(u"end"_s), ends);
    messages.beforeAnswer = nullptr;
}

void TestSession::damagedListFileIsReportedWithItsCopy() {
    QVERIFY(writeBytes(folders->path(u"posts.txt"_s), "http://caf\xe9/\r\n\r\n"));
    Session session(folders->dataFolder(), *settings, messages);
    RecordingHost host(&session);
    session.startUp(host);
    QCOMPARE(messages.entries.size(), 1);
    const QString copyPath = folders->path(u"posts.txt.damaged"_s);
    QVERIFY2(messages.entries.first().text.contains(QDir::toNativeSeparators(copyPath)),
             qPrintable(messages.entries.first().text));
    QCOMPARE(readBytes(copyPath), QByteArray("http://caf\xe9/\r\n\r\n"));
    QCOMPARE(host.data.posts.size(), 1);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"

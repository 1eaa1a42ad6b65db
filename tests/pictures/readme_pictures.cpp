// Makes the pictures of the README from the real windows: sample forums, threads and saved
// messages in a scratch data folder, forum pages served on 127.0.0.1 under the names of real
// sites (the browser is told where those names lead), each window shown and grabbed into
// <folder>/<name>.png. Run by scripts/pictures.sh on a virtual display:
//   readme_pictures <folder>              every picture of the window at work
//   readme_pictures <folder> first-start  the window as a first start opens it on this screen
//   readme_pictures <folder> german       the window in the language of LANGUAGE (German)
// Also writes <folder>/notification.txt, the text of the notification a background check sends
// to the desktop's notification service (how it looks is the desktop's business).

#include "app/translations.h"
#include "compose/saved_messages.h"
#include "platform/clock.h"
#include "platform/qt/desktop_notifier.h"
#include "platform/qt/qt_user_messages.h"
#include "shell/ui/main_window.h"
#include "store/data_folder.h"
#include "store/list_files.h"
#include "store/settings_store.h"
#include "support/main_window_fixture.h"
#include "support/page_server.h"
#include "support/recording_clipboard.h"
#include "support/test_folders.h"
#include "watch/background_check.h"
#include "watch/list_state.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using namespace quillbox;
using namespace quillbox::test;

namespace {

constexpr int kWait = 60000;

// The sample sites, as the pictures show them; the browser finds them on this machine.
const QString garden = u"garden.example.org"_s;
const QString boats = u"boats.example.net"_s;
QString at(const QString& site, const QString& path) {
    return u"http://"_s + site + path;
}

const QByteArray replyPage = R"(<html><head><title>Post a reply - Garden Forum</title>
<style>body{font-family:sans-serif;margin:12px}textarea{width:95%}</style></head><body>
<h3>Garden Forum &rsaquo; Tomatoes &rsaquo; Post a reply</h3>
<form action="/thread" method="get" name="postform">
<p>Subject<br><input type="text" name="subject" id="subject" size="50"></p>
<p>Message<br><textarea name="message" id="message" rows="12"></textarea></p>
<p><input type="submit" name="post" value="Submit reply"></p>
</form></body></html>)";

QString outFolder;
bool failed = false;

void fail(const QString& what) {
    std::fprintf(stderr, "readme_pictures: %s\n", qPrintable(what));
    failed = true;
}

void save(QWidget* widget, const QString& name) {
    const QString file = QDir(outFolder).filePath(name + u".png"_s);
    if (!widget->grab().save(file, "PNG"))
        fail(u"cannot write "_s + file);
    else
        std::printf("%s\n", qPrintable(file));
}

QAction* menuItem(QWidget* window, const QString& caption) {
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == caption)
            return action;
    }
    qFatal("no menu item %s", qPrintable(caption));
}

// Runs what opens a modal box, grabs the box and closes it.
void grabModal(const std::function<void()>& open, const QString& name) {
    QTimer::singleShot(0, [name] {
        if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, kWait)) {
            fail(u"no box for "_s + name);
            return;
        }
        QWidget* box = QApplication::activeModalWidget();
        QTest::qWait(200); // the box's first paint
        save(box, name);
        box->close();
    });
    open();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString mode = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (argc < 2 || argc > 3 ||
        !(mode.isEmpty() || mode == u"first-start"_s || mode == u"german"_s)) {
        std::fputs("usage: readme_pictures <folder> [first-start|german]\n", stderr);
        return 2;
    }
    outFolder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outFolder);
    if (mode == u"german"_s && installTranslations(app).isEmpty())
        qFatal("no translation for the languages of LANGUAGE");

    PageServer server;
    if (!server.listenLocal())
        qFatal("cannot serve the sample pages");
    // Before the browser starts: the sample sites' names lead to the server.
    const QString port = QString::number(QUrl(server.url()).port());
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --host-resolver-rules=\"MAP " +
                garden.toLatin1() + " 127.0.0.1:" + port.toLatin1() + ", MAP " + boats.toLatin1() +
                " 127.0.0.1:" + port.toLatin1() + "\"");
    server.addPage("/reply", replyPage);
    server.setScript("/tomatoes", ScriptedHttpServer::whole(ScriptedHttpServer::reply(9000)));
    server.setScript("/roses", ScriptedHttpServer::whole(ScriptedHttpServer::reply(4200)));
    server.setScript("/compost", ScriptedHttpServer::whole(ScriptedHttpServer::reply(2000)));

    TestFolders folders;
    ListsData data;
    data.forums = {{at(garden, u"/"_s), u"ann|secret"_s}, {at(boats, u"/"_s), u"ann|"_s}};
    data.posts = {{at(garden, u"/tomatoes"_s), 6000},
                  {at(garden, u"/roses"_s), 1000},
                  {at(boats, u"/moorings"_s), 2000}};
    if (!saveLists(folders.dataFolder(), data).isEmpty())
        qFatal("cannot write the sample lists");
    // The forums' names and posting pages, and two threads with unread replies, as a check
    // left them: the pictures need no fetch.
    ListState state;
    state.forums = {{at(garden, u"/"_s), u"html"_s, at(garden, u"/reply"_s), u"Garden Friends"_s},
                    {at(boats, u"/"_s), u"ubb"_s, QString(), u"Small Boats Club"_s}};
    const QDateTime checked = QDateTime::currentDateTimeUtc().addSecs(-600);
    state.threads = {{at(garden, u"/tomatoes"_s),
                      PostCheck{checked, CheckOutcome::NewReplies, 9000, QString(), 6000}, true},
                     {at(garden, u"/roses"_s),
                      PostCheck{checked, CheckOutcome::NewReplies, 4200, QString(), 1000}, true},
                     {at(boats, u"/moorings"_s),
                      PostCheck{checked, CheckOutcome::Unchanged, 2000, QString(), 2000}, false}};
    if (!saveListState(folders.dataFolder(), state).ok)
        qFatal("cannot write the sample list state");
    SavedMessages saved(dataFilePath(folders.dataFolder(), u"messages.txt"_s));
    saved.save(u"Seedlings for swap: tomatoes, basil and chillies.\r\nPhotos at "
               "https://photos.example/seedlings"_s,
               u"Seedling swap"_s);
    saved.save(u"Thanks all - the compost tip worked."_s, u"Compost update"_s);
    saved.save(u"Anyone growing roses on clay? Mine sulk every spring."_s, u"Roses on clay"_s);

    SettingsStore settings(folders.settingsFolder());
    QtUserMessages messages;
    RecordingClipboard clipboard;
    // A new user's settings (whole-address links, hourly checks), without the help on top.
    AppSettings choices(settings);
    choices.startNewFile();
    choices.set(keys::showHelp, u"0"_s);
    SystemClock clock;
    auto* view = new QWebEngineView; // the window takes it
    WebEnginePage page(view);
    Program program({folders.dataFolder(), settings, messages, clock, page});
    MainWindow window(program, page, view, clipboard);
    messages.setParent(&window);
    window.load();
    window.show();
    // A first start opens as it would on this screen; the other pictures at one size.
    if (mode != u"first-start"_s)
        window.resize(1100, 760);
    const QString complete = QCoreApplication::translate("quillbox::BrowserPane", "Complete");
    if (!QTest::qWaitFor([&] { return window.panelText(1) == complete; }, kWait))
        fail(u"the start page did not load"_s);
    if (mode == u"first-start"_s) {
        QTest::qWait(500);
        save(&window, u"first-start"_s);
        return failed ? 1 : 0;
    }

    control<QLineEdit>(&window, "txtSubject")->setText(u"Seedling swap this Saturday"_s);
    // The subject reads from its start, as a typed one would after Home.
    control<QLineEdit>(&window, "txtSubject")->home(false);
    control<QPlainTextEdit>(&window, "txtMessage")
        ->setPlainText(u"Hello all,\n\nI have spare tomato and basil seedlings. Photos at "
                       "https://photos.example/seedlings - write to ann@mail.example.\n\nAnn"_s);
    auto* formats = control<QComboBox>(&window, "cmbConvert");
    formats->setCurrentIndex(formats->findText(u"ubb"_s));
    if (mode == u"german"_s) {
        QTest::qWait(300);
        save(&window, u"main-window-de"_s);
        return failed ? 1 : 0;
    }
    save(&window, u"main-window"_s);
    grabModal([&] { menuItem(&window, u"&Preview"_s)->trigger(); }, u"preview"_s);

    menuItem(&window, u"&Templates"_s)->trigger();
    if (QWidget* editor = window.findChild<QWidget*>(u"frmCustom"_s)) {
        QTest::qWait(200);
        save(editor, u"template-editor"_s);
        editor->close();
    } else {
        fail(u"no template editor"_s);
    }

    menuItem(&window, u"&Saved Messages"_s)->trigger();
    if (QWidget* savedWindow = window.findChild<QWidget*>(u"Form3"_s)) {
        QTest::qWait(200);
        save(savedWindow, u"saved-messages"_s);
        savedWindow->close();
    } else {
        fail(u"no saved-messages window"_s);
    }

    // The posting form after Auto-Insert.
    QSignalSpy loaded(&window.browserPage(), &BrowserPage::downloadCompleted);
    window.browserPage().navigate(at(garden, u"/reply"_s));
    const bool formShown = QTest::qWaitFor(
        [&] {
            return window.browserPage().currentUrl() == at(garden, u"/reply"_s) &&
                   !loaded.isEmpty();
        },
        kWait);
    if (!formShown)
        fail(u"the posting form did not load"_s);
    formats->setCurrentIndex(formats->findText(u"html"_s));
    QTest::mouseClick(control<QPushButton>(&window, "cmdMessage"), Qt::LeftButton);
    auto inserted = std::make_shared<bool>(false);
    const bool filled = QTest::qWaitFor(
        [&] {
            page.webPage()->runJavaScript(
                u"document.getElementById('message').value.length > 0"_s,
                [inserted](const QVariant& v) { *inserted = v.toBool(); });
            return *inserted;
        },
        kWait);
    if (!filled)
        fail(u"Auto-Insert left the message field empty"_s);
    QTest::qWait(300); // the page's repaint after the insert
    save(&window, u"auto-insert"_s);

    // The new replies a check found, unread since.
    menuItem(&window, u"&Replies"_s)->trigger();
    control<QTabBar>(&window, "TabStrip2")->setCurrentIndex(1);
    auto* replies = control<QListView>(&window, "lstNew");
    if (replies->model()->rowCount() < 2)
        fail(u"the new replies were not listed"_s);
    QTest::qWait(300);
    save(&window, u"new-replies"_s);

    // A larger window: the editor and the lists grow, the browser takes the rest.
    window.resize(1400, 1000);
    QTest::qWait(500);
    save(&window, u"grown-window"_s);

    // The system's colours on a dark desktop.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x22));
    dark.setColor(QPalette::AlternateBase, QColor(0x26, 0x26, 0x2b));
    dark.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Button, QColor(0x36, 0x36, 0x3c));
    dark.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x6d, 0xb5));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(0x36, 0x36, 0x3c));
    dark.setColor(QPalette::ToolTipText, QColor(0xe8, 0xe8, 0xe8));
    QApplication::setPalette(dark);
    menuItem(&window, u"Use the system's colours"_s)->trigger();
    window.resize(1100, 760);
    QTest::qWait(500);
    save(&window, u"system-colours-dark"_s);

    const Notice notice = newRepliesNotice({at(garden, u"/tomatoes"_s), at(garden, u"/roses"_s)},
                                           {u"Garden Friends"_s, u"Garden Friends"_s});
    QFile text(QDir(outFolder).filePath(u"notification.txt"_s));
    if (!text.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        text.write((notice.title + u"\n\n"_s + notice.body + u'\n').toUtf8()) < 0)
        fail(u"cannot write notification.txt"_s);
    text.close();

    // Where the desktop runs a notification service, the program's own notifier sends the
    // notice there, and the corner of the screen where it shows becomes a picture.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.interface() &&
        bus.interface()->isServiceRegistered(u"org.freedesktop.Notifications"_s).value()) {
        DesktopNotifier notifier(u"quillbox"_s);
        notifier.notify(notice.title, notice.body);
        QTest::qWait(2000); // the service draws its window in its own time
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect all = screen->geometry();
        const QPixmap corner = screen->grabWindow(0, all.width() - 480, 0, 480, 240);
        if (!corner.save(QDir(outFolder).filePath(u"notification.png"_s)))
            fail(u"cannot write notification.png"_s);
    }

    window.hide();
    return failed ? 1 : 0;
}

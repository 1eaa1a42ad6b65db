#include "browser/ui/browser_pane.h"
#include "browser/ui/website_window.h"
#include "browser/website_layout.h"
#include "platform/qt/web_engine_page.h"
#include "support/page_server.h"
#include "web_view_harness.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

const char pageWithLinks[] = R"html(<html><head><title>Links</title></head><body style="margin:0">
<a id="hover" href="/second.html" style="display:block;width:400px;height:100px">second</a>
<a id="blank" href="/popup.html" target="_blank">popup</a></body></html>)html";

QList<WebsiteWindow*> popupWindows(const WebsiteWindow* except) {
    QList<WebsiteWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<WebsiteWindow*>(w); window && window != except)
            found << window;
    }
    return found;
}

} // namespace

class TestBrowserWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void goAndEnterNavigateToTheTypedAddress_data();
    void goAndEnterNavigateToTheTypedAddress();
    void badAddressesLeaveThePaneWorking();
    void loadStatesGoToPanelOneBeforeTheFollowUp();
    void addressBoxShowsTheFinalAddressAfterARedirect();
    void backAndForwardWithoutHistoryDoNothing();
    void backAndForwardStepThroughHistory();
    void hoveredLinkGoesToTheStatusPanel_data();
    void hoveredLinkGoesToTheStatusPanel();
    void popupsFollowTheSwitch_data();
    void popupsFollowTheSwitch();
    void paneTakesTheLayoutSizes();
    void websiteWindowOpensTheWebsite();
    void websiteWindowFollowsItsSize();
    void websiteWindowSaysWhenItCloses();

private:
    template <typename T> T* paneChild(const char* name) {
        return pane->findChild<T*>(QString::fromLatin1(name));
    }
    void loadInPane(const QString& address);

    std::unique_ptr<PageServer> server;
    std::unique_ptr<QWidget> host;
    std::unique_ptr<WebEnginePage> panePage;
    BrowserPane* pane = nullptr;
    std::unique_ptr<WebsiteWindow> website;
};

void TestBrowserWindows::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    server = std::make_unique<PageServer>();
    QVERIFY(server->listenLocal());
    server->addPage("/first.html", "<html><head><title>First</title></head><body>1</body></html>");
    server->addPage("/second.html",
                    "<html><head><title>Second</title></head><body>2</body></html>");
    server->addPage("/popup.html", "<html><head><title>Popup</title></head><body>p</body></html>");
    server->addPage("/links.html", pageWithLinks);
    server->addRedirect("/moved", server->url(u"/second.html"_s));

    host = std::make_unique<QWidget>();
    host->resize(toPixels(host.get(), 11145), toPixels(host.get(), 8985));
    auto* view = new QWebEngineView;
    panePage = std::make_unique<WebEnginePage>(view);
    panePage->setPopupOpener(&WebsiteWindow::openPopupWindow);
    pane = new BrowserPane(*panePage, view, host.get());
    host->show();
    website = std::make_unique<WebsiteWindow>(server->url(u"/links.html"_s));
}

void TestBrowserWindows::cleanupTestCase() {
    for (WebsiteWindow* w : popupWindows(website.get()))
        delete w;
    website.reset();
    host.reset();
    panePage.reset();
}

void TestBrowserWindows::init() {
    paneChild<QCheckBox>("Check1")->setChecked(true);
}

void TestBrowserWindows::loadInPane(const QString& address) {
    QSignalSpy completed(pane, &BrowserPane::downloadCompleted);
    pane->page().navigate(address);
    QTRY_VERIFY_WITH_TIMEOUT(completed.count() > 0, webWait);
}

void TestBrowserWindows::goAndEnterNavigateToTheTypedAddress_data() {
    QTest::addColumn<bool>("enter");
    QTest::newRow("Go") << false;
    QTest::newRow("Enter in the address box") << true;
}

void TestBrowserWindows::goAndEnterNavigateToTheTypedAddress() {
    QFETCH(bool, enter);
    loadInPane(server->url(u"/first.html"_s));
    auto* address = paneChild<QLineEdit>("Text5");
    // Typed without a scheme, as people do.
    address->setText(server->url(u"/second.html"_s).mid(7));
    QSignalSpy completed(pane, &BrowserPane::downloadCompleted);
    if (enter)
        QTest::keyClick(address, Qt::Key_Return);
    else
        paneChild<QToolButton>("Command3")->click();
    QTRY_VERIFY_WITH_TIMEOUT(completed.count() > 0, webWait);
    QCOMPARE(pane->page().currentUrl(), server->url(u"/second.html"_s));
    QCOMPARE(pane->page().title(), u"Second"_s);
}

void TestBrowserWindows::badAddressesLeaveThePaneWorking() {
    auto* address = paneChild<QLineEdit>("Text5");
    for (const QString& typed : {QString(), u"http://"_s, u"::: ?"_s, u"http://127.0.0.1:1/"_s}) {
        address->setText(typed);
        QTest::keyClick(address, Qt::Key_Return);
    }
    // A refused address may still be finishing: wait for the page rather than a load.
    pane->page().navigate(server->url(u"/first.html"_s));
    QTRY_COMPARE_WITH_TIMEOUT(pane->page().title(), u"First"_s, webWait);
    QTRY_COMPARE_WITH_TIMEOUT(address->text(), server->url(u"/first.html"_s), webWait);
}

void TestBrowserWindows::loadStatesGoToPanelOneBeforeTheFollowUp() {
    // Let any load of an earlier test end before recording.
    loadInPane(server->url(u"/second.html"_s));
    QStringList events;
    auto* address = paneChild<QLineEdit>("Text5");
    const auto c1 = connect(pane, &BrowserPane::panelText, this, [&](int panel, const QString& t) {
        if (panel == 1)
            events << t;
    });
    const auto c2 = connect(pane, &BrowserPane::downloadCompleted, this,
                            [&] { events << u"follow-up at "_s + address->text(); });
    const QString followUp = u"follow-up at "_s + server->url(u"/first.html"_s);
    pane->page().navigate(server->url(u"/first.html"_s));
    QTRY_VERIFY_WITH_TIMEOUT(events.contains(followUp), webWait);
    disconnect(c1);
    disconnect(c2);
    QCOMPARE(events, QStringList({u"Connecting"_s, u"Complete"_s,
                                  u"follow-up at "_s + server->url(u"/first.html"_s)}));
}

void TestBrowserWindows::addressBoxShowsTheFinalAddressAfterARedirect() {
    auto* address = paneChild<QLineEdit>("Text5");
    address->setText(server->url(u"/moved"_s));
    QSignalSpy completed(pane, &BrowserPane::downloadCompleted);
    paneChild<QToolButton>("Command3")->click();
    QTRY_VERIFY_WITH_TIMEOUT(completed.count() > 0, webWait);
    QCOMPARE(address->text(), server->url(u"/second.html"_s));
}

void TestBrowserWindows::backAndForwardWithoutHistoryDoNothing() {
    // A browser of its own, with nothing loaded yet.
    QWidget other;
    auto* freshView = new QWebEngineView;
    WebEnginePage freshPage(freshView);
    auto* fresh = new BrowserPane(freshPage, freshView, &other);
    other.show();
    const quint64 generation = fresh->page().pageGeneration();
    QSignalSpy began(&fresh->page(), &BrowserPage::downloadBegan);
    fresh->findChild<QToolButton*>(u"Command4"_s)->click();
    fresh->findChild<QToolButton*>(u"Command5"_s)->click();
    QVERIFY(!fresh->page().goBack());
    QVERIFY(!fresh->page().goForward());
    QCOMPARE(fresh->page().pageGeneration(), generation);
    QCOMPARE(fresh->page().currentUrl(), QString());
    QCOMPARE(began.count(), 0);
}

void TestBrowserWindows::backAndForwardStepThroughHistory() {
    loadInPane(server->url(u"/first.html"_s));
    loadInPane(server->url(u"/second.html"_s));
    QSignalSpy completed(pane, &BrowserPane::downloadCompleted);
    paneChild<QToolButton>("Command4")->click();
    QTRY_COMPARE_WITH_TIMEOUT(pane->page().currentUrl(), server->url(u"/first.html"_s), webWait);
    QTRY_VERIFY_WITH_TIMEOUT(completed.count() > 0, webWait);
    paneChild<QToolButton>("Command5")->click();
    QTRY_COMPARE_WITH_TIMEOUT(pane->page().currentUrl(), server->url(u"/second.html"_s), webWait);
    // The end of the history: nothing further.
    QVERIFY(!pane->page().goForward());
}

void TestBrowserWindows::hoveredLinkGoesToTheStatusPanel_data() {
    QTest::addColumn<bool>("inWebsiteWindow");
    QTest::newRow("main window's pane: panel 2") << false;
    QTest::newRow("website window: panel 1") << true;
}

void TestBrowserWindows::hoveredLinkGoesToTheStatusPanel() {
    QFETCH(bool, inWebsiteWindow);
    const QString link = server->url(u"/second.html"_s);
    QWebEngineView* view = nullptr;
    std::function<QString()> shown;
    QString paneText;
    const auto c = connect(pane, &BrowserPane::panelText, this, [&](int panel, const QString& t) {
        if (panel == 2)
            paneText = t;
    });
    if (inWebsiteWindow) {
        // The mouse goes to the window on top where it points.
        host->hide();
        website->show();
        QSignalSpy finished(website->webPage().webPage(), &QWebEnginePage::loadFinished);
        website->page().navigate(server->url(u"/links.html"_s));
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, webWait);
        view = website->webPage().view();
        auto* panel = website->findChild<QLabel*>(u"StatusPanel1"_s);
        shown = [panel] { return panel->text(); };
    } else {
        loadInPane(server->url(u"/links.html"_s));
        view = (*panePage).view();
        shown = [&paneText] { return paneText; };
    }
    view->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view->window()));

    QWidget* surface = view->focusProxy() ? view->focusProxy() : view;
    // Move in steps, as a mouse does, until the page reports the link.
    for (int x = 20; x < 200; x += 20) {
        QTest::mouseMove(surface, QPoint(x, 50));
        if (QTest::qWaitFor([&] { return shown() == link; }, 500))
            break;
    }
    disconnect(c);
    website->hide();
    host->show();
    QCOMPARE(shown(), link);
}

void TestBrowserWindows::popupsFollowTheSwitch_data() {
    QTest::addColumn<bool>("blocked");
    QTest::addColumn<QString>("script");
    const QString open = u"window.open('/popup.html'); true"_s;
    const QString link = u"document.getElementById('blank').click(); true"_s;
    QTest::newRow("window.open, blocked") << true << open;
    QTest::newRow("link to a new window, blocked") << true << link;
    QTest::newRow("window.open, allowed") << false << open;
    QTest::newRow("link to a new window, allowed") << false << link;
}

void TestBrowserWindows::popupsFollowTheSwitch() {
    QFETCH(bool, blocked);
    QFETCH(QString, script);
    loadInPane(server->url(u"/links.html"_s));
    paneChild<QCheckBox>("Check1")->setChecked(blocked);
    QCOMPARE(pane->page().popupsBlocked(), blocked);
    QSignalSpy requested(&pane->page(), &BrowserPage::newWindowRequested);
    const QList<WebsiteWindow*> before = popupWindows(website.get());

    evaluate((*panePage).webPage(), script);
    QTRY_COMPARE_WITH_TIMEOUT(requested.count(), 1, webWait);
    QCOMPARE(requested.first().value(0).toBool(), blocked);
    const QList<WebsiteWindow*> after = popupWindows(website.get());
    if (blocked) {
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(after.size(), before.size() + 1);
    QPointer<WebsiteWindow> popup = after.last();
    QVERIFY(popup->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(popup->windowTitle(), u"Popup"_s, webWait);
    QCOMPARE(popup->findChild<QLineEdit*>(u"Text1"_s)->text(), server->url(u"/popup.html"_s));
    // The pane's page stays where it was.
    QCOMPARE(pane->page().currentUrl(), server->url(u"/links.html"_s));
    // The page that was opened may close its window again; the window goes with it.
    evaluate(popup->webPage().webPage(), u"window.close(); true"_s);
    QTRY_VERIFY_WITH_TIMEOUT(!popup, webWait);
}

void TestBrowserWindows::paneTakesTheLayoutSizes() {
    const BrowserPaneLayout l{7000, 8000, 5000, 6000, 6500, 6000};
    pane->applyLayout(l);
    QCOMPARE(pane->size(), QSize(toPixels(pane, 7000), toPixels(pane, 8000)));
    QCOMPARE(paneChild<QLineEdit>("Text5")->width(), toPixels(pane, 5000));
    QCOMPARE(paneChild<QToolButton>("Command3")->x(), toPixels(pane, 6000));
    QCOMPARE(paneChild<QWebEngineView>("WebBrowser1")->size(),
             QSize(toPixels(pane, 6500), toPixels(pane, 6000)));
}

void TestBrowserWindows::websiteWindowOpensTheWebsite() {
    WebsiteWindow window(server->url(u"/first.html"_s));
    QSignalSpy began(&window.page(), &BrowserPage::downloadBegan);
    window.openWebsite();
    QCOMPARE(window.windowTitle(), server->url(u"/first.html"_s));
    QVERIFY(window.isVisible());
    QVERIFY(window.isMaximized());
    QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
    // When the page is in, the caption is its title and the address box its address.
    QTRY_COMPARE_WITH_TIMEOUT(window.windowTitle(), u"First"_s, webWait);
    QCOMPARE(window.findChild<QLineEdit*>(u"Text1"_s)->text(), server->url(u"/first.html"_s));
    QVERIFY(began.count() > 0);
    // Its pages may open windows.
    QVERIFY(!window.page().popupsBlocked());
}

void TestBrowserWindows::websiteWindowFollowsItsSize() {
    website->showNormal();
    for (const QSize size : {QSize(900, 700), QSize(3, 2)}) {
        website->resize(size);
        const QRect frame = website->frameGeometry();
        const WebsiteLayout l =
            layoutBrowserWindow({float(toTwips(website.get(), frame.width())),
                                 float(toTwips(website.get(), frame.height())),
                                 float(toTwips(website.get(), website->statusBar()->height()))});
        auto* browserFrame = website->findChild<QWidget*>(u"frmBrowser"_s);
        QCOMPARE(browserFrame->width(), toPixels(website.get(), l.frameWidth));
        QCOMPARE(browserFrame->height(), toPixels(website.get(), l.frameHeight));
        QCOMPARE(website->findChild<QWidget*>(u"Text1"_s)->width(),
                 toPixels(website.get(), l.addressBoxWidth));
        QCOMPARE(website->findChild<QWidget*>(u"Command3"_s)->x(),
                 toPixels(website.get(), l.goLeft));
        QCOMPARE(
            website->findChild<QWidget*>(u"WebBrowser1"_s)->size(),
            QSize(toPixels(website.get(), l.viewWidth), toPixels(website.get(), l.viewHeight)));
    }
}

void TestBrowserWindows::websiteWindowSaysWhenItCloses() {
    WebsiteWindow window;
    window.show();
    QSignalSpy closed(&window, &WebsiteWindow::closed);
    window.close();
    QCOMPARE(closed.count(), 1);
}

QTEST_MAIN(TestBrowserWindows)
#include "tst_browser_windows.moc"

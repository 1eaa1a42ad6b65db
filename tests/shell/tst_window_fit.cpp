// The main window on real screen sizes and in both languages: a first start uses the screen it
// opens on, a kept place comes back onto a smaller screen whole, and every caption of the window
// can be read whole, in English and in German, at the designed size and on a large screen.
#include "support/main_window_fixture.h"
#include "widgets/fit_captions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

// The two screens the test runs on, side by side: a small laptop's and a large desktop's.
const QSize smallScreen(1366, 768);
const QSize largeScreen(1600, 1000);

QScreen* screenOfSize(const QSize& size) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().size() == size)
            return screen;
    }
    qFatal("no screen of %dx%d", size.width(), size.height());
    return nullptr;
}

// Why a control's caption cannot be read whole, or "" when it can: it is narrower than its
// text, or a control after it in its row lies over its text, or its container ends before it.
QString cutCaption(const QWidget* w) {
    const QString name =
        w->objectName() + u" ("_s + QString::fromLatin1(w->metaObject()->className()) + u')';
    QString text;
    int needed = 0;
    if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
        // Tabs narrower than their texts show them elided.
        if (tabs->sizeHint().width() > tabs->width())
            return name + u": tabs elided, " + QString::number(tabs->sizeHint().width()) +
                   u" for " + QString::number(tabs->width());
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabRect(i).right() >= tabs->width())
                return name + u": tab \"" + tabs->tabText(i) + u"\" cut";
        }
        return {};
    }
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->wordWrap() || label->text().isEmpty())
            return {};
        text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (button->text().isEmpty())
            return {};
        text = button->text();
    } else {
        return {};
    }
    needed = captionWidth(w);
    if (needed > w->width())
        return name + u": \"" + text + u"\" needs " + QString::number(needed) + u" of " +
               QString::number(w->width());
    const QRect shown(w->pos(), QSize(needed, w->height()));
    if (shown.right() >= w->parentWidget()->width())
        return name + u": \"" + text + u"\" runs past its frame";
    for (const QObject* other : w->parentWidget()->children()) {
        const auto* s = qobject_cast<const QWidget*>(other);
        if (!s || s == w || !s->isVisible() || s->x() <= w->x())
            continue;
        const QRect over = s->geometry().intersected(shown);
        // Rows that only touch are no cover.
        if (over.width() > 0 && over.height() > std::min(s->height(), w->height()) / 3)
            return name + u": \"" + text + u"\" under " + s->objectName();
    }
    return {};
}

QStringList cutCaptions(const QWidget* window) {
    QStringList out;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        // The status bar's panels show texts of any length and tell them in their tooltips.
        if (!w->isVisible() || w->window() != window || qobject_cast<QStatusBar*>(w->parent()))
            continue;
        const QString cut = cutCaption(w);
        if (!cut.isEmpty())
            out << cut;
    }
    return out;
}

} // namespace

class TestWindowFit : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstStartUsesTheScreen_data();
    void firstStartUsesTheScreen();
    void keptPlaceComesBackOntoASmallerScreen();
    void everyCaptionIsWhole_data();
    void everyCaptionIsWhole();

private:
    // Opens the window on a screen, as a start on it does.
    MainWindow* openOn(QScreen* screen);
    QTranslator german;
};

void TestWindowFit::init() {
    MainWindowFixture::init();
    atDesignedSize = false;
}

void TestWindowFit::cleanup() {
    MainWindowFixture::cleanup();
    QCoreApplication::removeTranslator(&german);
}

MainWindow* TestWindowFit::openOn(QScreen* screen) {
    MainWindow* w = open(nullptr, nullptr, false);
    w->setScreen(screen);
    w->load();
    w->show();
    return w;
}

void TestWindowFit::firstStartUsesTheScreen_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1366x768") << smallScreen;
    QTest::newRow("1600x1000") << largeScreen;
}

void TestWindowFit::firstStartUsesTheScreen() {
    QFETCH(QSize, screen);
    QScreen* on = screenOfSize(screen);
    MainWindow* w = openOn(on);
    const QRect frame = w->frameGeometry();
    const QRect available = on->availableGeometry();
    QVERIFY2(
        available.contains(frame),
        qPrintable(
            u"%1,%2 %3x%4"_s.arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
    // Well over the designed size, most of the screen, and in its middle.
    QVERIFY(w->width() > designedSize.width() && w->height() > designedSize.height());
    QVERIFY(frame.width() >= available.width() * 8 / 10);
    QVERIFY(frame.height() >= available.height() * 8 / 10);
    QVERIFY((frame.center() - available.center()).manhattanLength() <= 2);
}

void TestWindowFit::keptPlaceComesBackOntoASmallerScreen() {
    // Grown to 1500x950, as on a large screen, and closed there: the place is kept.
    QScreen* small = screenOfSize(smallScreen);
    const QRect available = small->availableGeometry();
    MainWindow* w = openOn(small);
    w->setGeometry(available.x() + 40, available.y() + 30, 1500, 950);
    QCOMPARE(w->size(), QSize(1500, 950));
    QVERIFY(w->close());
    QVERIFY(setting(u"Window"_s, u"mainGeometry"_s) != u"<none>"_s);

    // Started again on the small screen: all of it is there, no larger than the screen.
    w = openOn(small);
    QVERIFY(available.contains(w->frameGeometry()));
    // The status bar and the browser's Go button are on the screen.
    const QRect bar(w->statusBar()->mapToGlobal(QPoint(0, 0)), w->statusBar()->size());
    QVERIFY(available.contains(bar));
    const QWidget* go = control<QWidget>(w, "Command3");
    QVERIFY(available.contains(QRect(go->mapToGlobal(QPoint(0, 0)), go->size())));
}

void TestWindowFit::everyCaptionIsWhole_data() {
    QTest::addColumn<bool>("inGerman");
    QTest::addColumn<QSize>("size"); // empty: the designed size
    QTest::newRow("English, designed size") << false << QSize();
    QTest::newRow("English, 1400x900") << false << QSize(1400, 900);
    QTest::newRow("German, designed size") << true << QSize();
    QTest::newRow("German, 1400x900") << true << QSize(1400, 900);
}

void TestWindowFit::everyCaptionIsWhole() {
    QFETCH(bool, inGerman);
    QFETCH(QSize, size);
    if (inGerman) {
        QVERIFY(german.load(QLocale(QLocale::German), u"quillbox"_s, u"_"_s, u":/i18n"_s));
        QVERIFY(QCoreApplication::installTranslator(&german));
    }
    MainWindow* w = openOn(screenOfSize(largeScreen));
    w->resize(size.isEmpty() ? designedSize : size);
    QTest::qWait(0);
    // The language asked for is the one shown.
    QCOMPARE(control<QAbstractButton>(w, "cmdPaste0")->text(),
             inGerman ? u"Einfügen"_s : u"Paste"_s);
    // Both tab pages of the lists are looked at.
    for (int tab : {0, 1}) {
        control<QTabBar>(w, "TabStrip2")->setCurrentIndex(tab);
        const QStringList cut = cutCaptions(w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u"\n"_s)));
    }
}

int main(int argc, char** argv) {
    // Two screens, as the offscreen platform takes them from a file.
    QTemporaryDir folder;
    const QString config = folder.filePath(u"screens.json"_s);
    QFile file(config);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly))
        return 1;
    file.write(QStringLiteral(R"({"windowFrameMargins": true, "screens": [
        {"name": "large", "x": 0, "y": 0, "width": %1, "height": %2, "logicalDpi": 96},
        {"name": "small", "x": %1, "y": 0, "width": %3, "height": %4, "logicalDpi": 96}]})")
                   .arg(largeScreen.width())
                   .arg(largeScreen.height())
                   .arg(smallScreen.width())
                   .arg(smallScreen.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestWindowFit t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_window_fit.moc"

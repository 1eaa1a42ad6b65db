#include "shell/main_layout.h"
#include "shell/window_place.h"

#include <QTest>
#include <cmath>

using namespace quillbox;

class TestMainLayout : public QObject {
    Q_OBJECT
private slots:
    void minimizedWindowIsLeftAlone();
    void sizes_data();
    void sizes();
    void tooSmallWindowSnapsToMinimum_data();
    void tooSmallWindowSnapsToMinimum();
    void repeatedRunsGiveTheSameResult();
    void largerWindowGrowsBrowserAndLists();
    void columnBorderMovesTheBrowser_data();
    void columnBorderMovesTheBrowser();
    void firstPlaceUsesTheScreen_data();
    void firstPlaceUsesTheScreen();
    void keptPlaceIsBroughtOntoTheScreen_data();
    void keptPlaceIsBroughtOntoTheScreen();
};

void TestMainLayout::minimizedWindowIsLeftAlone() {
    MainLayoutInput in;
    in.minimized = true;
    in.windowWidth = 100;
    in.windowHeight = 100;
    QVERIFY(!layoutControls(in).has_value());
}

// Expected figures worked out by hand from the window's resize rules.
void TestMainLayout::sizes_data() {
    QTest::addColumn<float>("w");
    QTest::addColumn<float>("h");
    QTest::addColumn<QList<float>>("expected");
    // frame3, lstPosts, lstPosts2, frame2H, frame2W, webW, webH, p1, p2, p3, text5, cmd3Left,
    // cmd1W, tab2H
    QTest::newRow("12000x9000") << 12000.f << 9000.f
                                << QList<float>{2535, 835,  955,  7530, 7920, 7680, 5390,
                                                3735, 5065, 3200, 6385, 7025, 3110, 9000};
    // At the minimum height the lower panel's arithmetic goes negative; the absolute values
    // keep every size positive.
    QTest::newRow("minimum") << 7000.f << 5000.f
                             << QList<float>{1465, 235, 115,  6460, 2920, 2680, 4320,
                                             3735, 65,  3200, 1385, 2025, 1290, 5000};
    QTest::newRow("wide") << 20000.f << 12000.f
                          << QList<float>{4535, 2835,  2955, 10530, 15920, 15680, 8390,
                                          3735, 13065, 3200, 14385, 15025, 3110,  12000};
}

void TestMainLayout::sizes() {
    QFETCH(float, w);
    QFETCH(float, h);
    QFETCH(QList<float>, expected);
    MainLayoutInput in;
    in.windowWidth = w;
    in.windowHeight = h;
    in.statusBarHeight = 315;
    const auto l = layoutControls(in);
    QVERIFY(l);
    const QList<float> got{l->frame3Height,     l->lstPostsHeight, l->lstPosts2Height,
                           l->frame2Height,     l->frame2Width,    l->webBrowserWidth,
                           l->webBrowserHeight, l->panel1Width,    l->panel2Width,
                           l->panel3Width,      l->text5Width,     l->command3Left,
                           l->command1Width,    l->tabStrip2Height};
    QCOMPARE(got, expected);
    QCOMPARE(l->frame4Height, l->frame3Height);
    QCOMPARE(l->lstNewHeight, l->lstPostsHeight);
}

void TestMainLayout::tooSmallWindowSnapsToMinimum_data() {
    QTest::addColumn<float>("w");
    QTest::addColumn<float>("h");
    QTest::addColumn<float>("expectedW");
    QTest::addColumn<float>("expectedH");
    QTest::newRow("narrow") << 3000.f << 9000.f << 7000.f << 9000.f;
    QTest::newRow("low") << 9000.f << 1000.f << 9000.f << 5000.f;
    QTest::newRow("both") << 0.f << 0.f << 7000.f << 5000.f;
    QTest::newRow("exactly minimum") << 7000.f << 5000.f << 7000.f << 5000.f;
}

void TestMainLayout::tooSmallWindowSnapsToMinimum() {
    QFETCH(float, w);
    QFETCH(float, h);
    MainLayoutInput in;
    in.windowWidth = w;
    in.windowHeight = h;
    const auto l = layoutControls(in);
    QVERIFY(l);
    QTEST(l->windowWidth, "expectedW");
    QTEST(l->windowHeight, "expectedH");
}

void TestMainLayout::repeatedRunsGiveTheSameResult() {
    MainLayoutInput in;
    in.windowWidth = 4000;
    in.windowHeight = 3000;
    const auto first = layoutControls(in);
    in.windowWidth = first->windowWidth;
    in.windowHeight = first->windowHeight;
    const auto second = layoutControls(in);
    QCOMPARE(second->windowWidth, first->windowWidth);
    QCOMPARE(second->frame3Height, first->frame3Height);
    QCOMPARE(second->webBrowserHeight, first->webBrowserHeight);
    QCOMPARE(second->panel3Width, first->panel3Width);
}

void TestMainLayout::largerWindowGrowsBrowserAndLists() {
    MainLayoutInput small;
    small.windowWidth = 11265;
    small.windowHeight = 9705;
    MainLayoutInput large = small;
    large.windowWidth += 3000;
    large.windowHeight += 2000;
    const auto a = layoutControls(small);
    const auto b = layoutControls(large);
    QCOMPARE(b->frame2Width - a->frame2Width, 3000.f);
    QCOMPARE(b->webBrowserWidth - a->webBrowserWidth, 3000.f);
    QCOMPARE(b->webBrowserHeight - a->webBrowserHeight, 2000.f);
    // The editor and the lists share the added height; the designed size grows neither.
    QCOMPARE(a->editorExtraHeight, 0.f);
    QCOMPARE(b->editorExtraHeight, std::floor((large.windowHeight - mainGrowFromHeight) / 2));
    QCOMPARE(b->lstPostsHeight - a->lstPostsHeight + b->editorExtraHeight, 2000.f);
    QCOMPARE(b->lstPosts2Height - a->lstPosts2Height + b->editorExtraHeight, 2000.f);
    QVERIFY(b->lstPostsHeight > a->lstPostsHeight);
    QCOMPARE(b->panel1Width, a->panel1Width); // the column widens only when the user asks
    QCOMPARE(b->frame2Left, a->frame2Left);
    // Visit no longer stretches across the top.
    QCOMPARE(b->command1Width, mainGrowFromWidth - design::command1Left - 250);
}

// The user's border: the column takes what the browser gives up, and the browser never gets
// narrower than its minimum, however far the border was dragged or however small the window.
void TestMainLayout::columnBorderMovesTheBrowser_data() {
    QTest::addColumn<float>("w");
    QTest::addColumn<float>("asked");
    QTest::addColumn<float>("got");
    QTest::newRow("none") << 11265.f << 0.f << 0.f;
    QTest::newRow("some") << 21000.f << 4000.f << 4000.f;
    QTest::newRow("left of the design") << 21000.f << -900.f << 0.f;
    QTest::newRow("too far") << 21000.f << 40000.f << 21000.f - 3840 - 240 - 3000;
    QTest::newRow("window too small for any") << 7000.f << 2000.f << 0.f;
}

void TestMainLayout::columnBorderMovesTheBrowser() {
    QFETCH(float, w);
    QFETCH(float, asked);
    QFETCH(float, got);
    MainLayoutInput in;
    in.windowWidth = w;
    in.windowHeight = 9705;
    const auto plain = layoutControls(in);
    in.columnExtra = asked;
    const auto l = layoutControls(in);
    QCOMPARE(l->columnExtra, got);
    QCOMPARE(l->frame2Left, design::frame2Left + got);
    QCOMPARE(l->frame2Width, plain->frame2Width - got);
    QVERIFY(l->frame2Width >= std::min(plain->frame2Width, mainBrowserMinimumWidth));
    QCOMPARE(l->frame2Height, plain->frame2Height);
}

void TestMainLayout::firstPlaceUsesTheScreen_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");
    const QSize designed(760, 660);
    // The height stays at the designed height where 85 % of it would be less.
    QTest::newRow("laptop") << QRect(0, 0, 1366, 740) << QRect(102, 40, 1161, 660);
    QTest::newRow("desktop, second screen")
        << QRect(1366, 30, 1600, 970) << QRect(1486, 102, 1360, 825);
    // 85 % would be below the designed size: the designed size, centred.
    QTest::newRow("small screen") << QRect(0, 0, 800, 700) << QRect(20, 20, 760, 660);
    // Smaller than the design: the whole screen.
    QTest::newRow("tiny screen") << QRect(0, 0, 640, 480) << QRect(0, 0, 640, 480);
    QTest::newRow("no screen") << QRect() << QRect(QPoint(0, 0), designed);
}

void TestMainLayout::firstPlaceUsesTheScreen() {
    QFETCH(QRect, available);
    QFETCH(QRect, expected);
    QCOMPARE(firstWindowPlace(available, QSize(760, 660)), expected);
}

void TestMainLayout::keptPlaceIsBroughtOntoTheScreen_data() {
    QTest::addColumn<QRect>("kept");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("fits: kept as it is") << QRect(100, 50, 800, 600) << QRect(100, 50, 800, 600);
    QTest::newRow("grown on a larger screen") << QRect(40, 30, 1500, 950) << QRect(0, 0, 1366, 740);
    QTest::newRow("off the right and bottom")
        << QRect(1000, 500, 800, 600) << QRect(566, 140, 800, 600);
    QTest::newRow("title bar above the screen")
        << QRect(-200, -80, 800, 600) << QRect(0, 0, 800, 600);
    QTest::newRow("on a screen that is gone")
        << QRect(3000, 200, 900, 700) << QRect(466, 40, 900, 700);
}

void TestMainLayout::keptPlaceIsBroughtOntoTheScreen() {
    QFETCH(QRect, kept);
    QFETCH(QRect, expected);
    QCOMPARE(placeOnScreen(kept, QRect(0, 0, 1366, 740)), expected);
}

QTEST_GUILESS_MAIN(TestMainLayout)
#include "tst_main_layout.moc"

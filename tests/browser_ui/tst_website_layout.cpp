#include "browser/website_layout.h"

#include <QTest>

using namespace quillbox;

class TestWebsiteLayout : public QObject {
    Q_OBJECT
private slots:
    void followsTheWindowSize();
    void tinyWindowsGetNoNegativeSize_data();
    void tinyWindowsGetNoNegativeSize();
};

void TestWebsiteLayout::followsTheWindowSize() {
    const WebsiteLayout l = layoutBrowserWindow({12000, 9000, 315});
    QCOMPARE(l.panel1Width, 6000.f);
    QCOMPARE(l.panel2Width, 6000.f);
    QCOMPARE(l.frameHeight, 8685.f);
    QCOMPARE(l.frameWidth, 11700.f);
    QCOMPARE(l.addressBoxWidth, 11700.f - 540 - 300 - 795);
    QCOMPARE(l.goLeft, l.addressBoxWidth + 540 + 100);
    QCOMPARE(l.viewWidth, 11700.f - 120 - 100);
    // No grey band under the page: it ends where the frame's inner edge is.
    QCOMPARE(l.viewHeight, 8685.f - 1140 - 100);
}

void TestWebsiteLayout::tinyWindowsGetNoNegativeSize_data() {
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<float>("statusBar");
    QTest::newRow("nothing") << 0.f << 0.f << 0.f;
    QTest::newRow("status bar only") << 0.f << 0.f << 315.f;
    QTest::newRow("a few pixels") << 45.f << 30.f << 315.f;
    QTest::newRow("narrow and tall") << 200.f << 9000.f << 315.f;
    QTest::newRow("wide and flat") << 20000.f << 1200.f << 315.f;
}

void TestWebsiteLayout::tinyWindowsGetNoNegativeSize() {
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(float, statusBar);
    const WebsiteLayout l = layoutBrowserWindow({width, height, statusBar});
    for (float size : {l.panel1Width, l.panel2Width, l.frameWidth, l.frameHeight, l.addressBoxWidth,
                       l.goLeft, l.viewWidth, l.viewHeight})
        QVERIFY(size >= 0);
    // The Go button stays right of the address box.
    QCOMPARE(l.goLeft, l.addressBoxWidth + 540 + 100);
}

QTEST_APPLESS_MAIN(TestWebsiteLayout)
#include "tst_website_layout.moc"

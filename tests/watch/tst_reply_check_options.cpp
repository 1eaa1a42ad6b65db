#include "watch/ui/reply_check_options.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>

using namespace Qt::StringLiterals;

using quillbox::ReplyCheckOptions;
namespace {

template <typename T> T* control(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

} // namespace

class TestReplyCheckOptions : public QObject {
    Q_OBJECT
private slots:
    void offersFromAQuarterOfAnHourToADay();
    void intervalComesBackAsItWasGiven_data();
    void intervalComesBackAsItWasGiven();
};

void TestReplyCheckOptions::offersFromAQuarterOfAnHourToADay() {
    ReplyCheckOptions dialog;
    auto* interval = control<QComboBox>(&dialog, "cmbInterval");
    QCOMPARE(interval->itemText(0), u"15 minutes"_s);
    QCOMPARE(interval->itemText(3), u"1 hour"_s);
    QCOMPARE(interval->itemText(interval->count() - 1), u"24 hours"_s);
    QCOMPARE(dialog.intervalMinutes(), 0);
    QVERIFY(!interval->isEnabled());
    control<QCheckBox>(&dialog, "chkSchedule")->setChecked(true);
    QVERIFY(interval->isEnabled());
    interval->setCurrentIndex(0);
    QCOMPARE(dialog.intervalMinutes(), 15);
}

void TestReplyCheckOptions::intervalComesBackAsItWasGiven_data() {
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("off") << 0 << 0 << QString();
    QTest::newRow("a quarter of an hour") << 15 << 15 << u"15 minutes"_s;
    QTest::newRow("hours stored before") << 5 * 60 << 5 * 60 << u"5 hours"_s;
    QTest::newRow("none of the choices") << 90 << 90 << u"90 minutes"_s;
    QTest::newRow("too short") << 5 << 15 << u"15 minutes"_s;
}

void TestReplyCheckOptions::intervalComesBackAsItWasGiven() {
    QFETCH(int, given);
    QFETCH(int, expected);
    QFETCH(QString, shown);
    ReplyCheckOptions dialog;
    dialog.setIntervalMinutes(given);
    QCOMPARE(dialog.intervalMinutes(), expected);
    auto* interval = control<QComboBox>(&dialog, "cmbInterval");
    if (!shown.isEmpty())
        QCOMPARE(interval->currentText(), shown);
    // The choices stay in order, whatever was added.
    for (int i = 1; i < interval->count(); ++i)
        QVERIFY(interval->itemData(i - 1).toInt() < interval->itemData(i).toInt());
}

QTEST_MAIN(TestReplyCheckOptions)
#include "tst_reply_check_options.moc"

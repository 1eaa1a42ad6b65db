// Message boxes as the user sees them: text never rendered as markup, long texts within reach.
#include "platform/qt/qt_user_messages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;

using namespace quillbox;

class TestQtUserMessages : public QObject {
    Q_OBJECT
private slots:
    void messageFitsTheScreen_data();
    void messageFitsTheScreen();
    void markupAndDetailStayPlainText();
    void questionAnswersTheChosenButton_data();
    void questionAnswersTheChosenButton();

private:
    // Runs inspect on the modal box once it is open, then closes it.
    void whenOpen(const std::function<void(QWidget*)>& inspect) {
        QTimer::singleShot(0, this, [this, inspect] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) {
                whenOpen(inspect);
                return;
            }
            inspect(box);
            box->close();
        });
    }
};

void TestQtUserMessages::messageFitsTheScreen_data() {
    QTest::addColumn<int>("lines");
    QTest::newRow("short") << 3;
    QTest::newRow("longer than the screen") << 400;
}

void TestQtUserMessages::messageFitsTheScreen() {
    QFETCH(int, lines);
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << u"line %1 of the message"_s.arg(i);
    QtUserMessages box;
    UserMessages& messages = box;
    QRect shown;
    QString inside;
    whenOpen([&](QWidget* box) {
        shown = box->frameGeometry();
        if (auto* view = box->findChild<QPlainTextEdit*>())
            inside = view->toPlainText();
        else if (auto* message = qobject_cast<QMessageBox*>(box))
            inside = message->text();
    });
    messages.showMessage(u"message preview"_s, text.join(u'\n'));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(shown), qPrintable(u"box %1x%2 on a %3x%4 screen"_s.arg(shown.width())
                                                    .arg(shown.height())
                                                    .arg(screen.width())
                                                    .arg(screen.height())));
    QCOMPARE(inside, text.join(u'\n'));
}

void TestQtUserMessages::markupAndDetailStayPlainText() {
    QtUserMessages box;
    UserMessages& messages = box;
    QList<Qt::TextFormat> formats;
    QStringList texts;
    whenOpen([&](QWidget* box) {
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->pixmap().isNull() == false)
                continue;
            formats << label->textFormat();
            texts << label->text();
        }
    });
    messages.showMessage(u"Error"_s, u"<b>bold</b>"_s, MessageIcon::Exclamation,
                         u"http://x/<i>y</i>"_s);
    QVERIFY(texts.contains(u"<b>bold</b>"_s));
    QVERIFY(texts.contains(u"http://x/<i>y</i>"_s));
    for (Qt::TextFormat f : formats)
        QCOMPARE(f, Qt::PlainText);
}

void TestQtUserMessages::questionAnswersTheChosenButton_data() {
    QTest::addColumn<int>("click"); // -1: close the box without choosing
    QTest::addColumn<int>("answer");
    QTest::newRow("first") << 0 << 0;
    QTest::newRow("second") << 1 << 1;
    QTest::newRow("closed") << -1 << 2;
}

void TestQtUserMessages::questionAnswersTheChosenButton() {
    QFETCH(int, click);
    QFETCH(int, answer);
    const QStringList buttons{u"Retry"_s, u"Quit without saving"_s, u"Cancel"_s};
    QtUserMessages box;
    UserMessages& messages = box;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (click < 0) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == buttons[click])
                b->click();
        }
    });
    QCOMPARE(messages.askChoice(u"Quillbox"_s, u"?"_s, buttons), answer);
}

QTEST_MAIN(TestQtUserMessages)
#include "tst_qt_user_messages.moc"

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
#include <QTextOption>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;

using namespace quillbox;

class TestQtUserMessages : public QObject {
    Q_OBJECT
private slots:
    void messageFitsTheScreen_data();
    void messageFitsTheScreen();
    void longTextScrollsWholeAndAsGiven_data();
    void longTextScrollsWholeAndAsGiven();
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

// One line with nowhere to break: letters and digits.
static QString unbroken(qsizetype size) {
    QString line(size, u'x');
    for (qsizetype i = 0; i < size; ++i)
        line[i] = QLatin1Char("abcdefghij0123456789"[i % 20]);
    return line;
}

static QString words(qsizetype size, const QString& separator) {
    QString text;
    while (text.size() < size)
        text += u"forum reply, über"_s + separator;
    text.truncate(size);
    return text;
}

// Texts too long for a box (a preview of a huge template value) go, unmeasured, into the
// scrolling view, which shows every character: no line is cut off at the view's edge and none
// is changed to make it wrap. Only a line that word wrap could not break quickly is broken
// anywhere.
void TestQtUserMessages::longTextScrollsWholeAndAsGiven_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wrap");
    QTest::newRow("one line of 1,000,000 with nowhere to break")
        << unbroken(1000000) << int(QTextOption::WrapAnywhere);
    QTest::newRow("a megabyte of words over many lines")
        << words(1024 * 1024, u"\n"_s) << int(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTest::newRow("one line of 300,000 words")
        << words(300000, u" "_s) << int(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTest::newRow("an address of 20,000 among words")
        << words(2000, u" "_s) + u"http://x.example/"_s + unbroken(20000) + words(2000, u" "_s)
        << int(QTextOption::WrapAnywhere);
    // Chinese breaks between any two characters.
    QTest::newRow("one line of 30,000 Chinese characters")
        << QString(30000, QChar(0x56de)) << int(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTest::newRow("just over a box's length, markup kept")
        << u"<b>"_s + words(10000, u" "_s) << int(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void TestQtUserMessages::longTextScrollsWholeAndAsGiven() {
    QFETCH(QString, text);
    QFETCH(int, wrap);
    QtUserMessages box;
    UserMessages& messages = box;
    QString dialog;
    QString inside;
    int lineWrap = -1;
    int wordWrap = -1;
    QRect shown;
    whenOpen([&](QWidget* box) {
        dialog = box->objectName();
        shown = box->frameGeometry();
        if (auto* view = box->findChild<QPlainTextEdit*>(u"messageText"_s)) {
            inside = view->toPlainText();
            lineWrap = view->lineWrapMode();
            wordWrap = view->wordWrapMode();
        }
    });
    messages.showMessage(u"message preview"_s, text, MessageIcon::None, u"detail"_s);
    QCOMPARE(dialog, u"scrollingMessageBox"_s);
    QVERIFY(inside == text); // no QCOMPARE: it would print a megabyte on failure
    QCOMPARE(lineWrap, int(QPlainTextEdit::WidgetWidth));
    QCOMPARE(wordWrap, wrap);
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(shown));
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

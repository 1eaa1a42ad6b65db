#include "compose/editor_text.h"
#include "compose/saved_messages.h"
#include "compose/ui/saved_messages_window.h"
#include "compose/ui/template_editor.h"
#include "shell/ui/main_window.h"
#include "store/app_settings.h"
#include "store/settings_store.h"
#include "support/main_window_fixture.h"
#include "support/recording_browser_page.h"
#include "support/recording_clipboard.h"
#include "support/recording_messages.h"
#include "support/test_folders.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextOption>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;

using namespace quillbox;
using namespace quillbox::test;

namespace {

// The window's owner removes the line from the file.
SavedMessagesWindow::Remove removeFrom(SavedMessages& store) {
    return [&store](const QByteArray& line) { return store.remove(line); };
}

// And reads the file into the store's list, which the filter narrows, as the program does.
void openWith(SavedMessagesWindow& form, SavedMessages& store) {
    QObject::connect(&form, &SavedMessagesWindow::filterChanged, &store, &SavedMessages::setFilter);
    form.showRead(store.readIntoList());
}

void clickRow(QListView* list, int row) {
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void doubleClickRow(QListView* list, int row) {
    clickRow(list, row);
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

QStringList rowTexts(QListView* list) {
    QStringList texts;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        texts << list->model()->index(row, 0).data().toString();
    return texts;
}

QStringList comboRows(QComboBox* box) {
    QStringList rows;
    for (int i = 0; i < box->count(); ++i)
        rows << box->itemText(i);
    return rows;
}

QLineEdit* gridBox(QWidget* editor, const char* array, int row) {
    const QByteArray name = QByteArray(array) + QByteArray::number(row);
    return control<QLineEdit>(editor, name.constData());
}

constexpr const char* gridArrays[] = {"txtName", "txtLinkOpen01", "txtLinkOpen02", "txtLinkClose",
                                      "txtMailCall"};

// Which boxes and "del" buttons of the grid can be used, row by row, as "NLLLLD" letters
// (upper case: enabled; lower case: disabled).
QStringList gridState(QWidget* editor) {
    QStringList rows;
    for (int r = 0; r < templateCount; ++r) {
        QString row;
        for (int f = 0; f < 5; ++f)
            row += gridBox(editor, gridArrays[f], r)->isEnabled() ? u'E' : u'd';
        const QByteArray del = "cmdDel" + QByteArray::number(r);
        row += control<QPushButton>(editor, del.constData())->isEnabled() ? u'E' : u'd';
        rows << row;
    }
    return rows;
}

// One line with nowhere to break: letters and digits.
QString unbroken(qsizetype size) {
    QString line(size, u'x');
    for (qsizetype i = 0; i < size; ++i)
        line[i] = QLatin1Char("abcdefghij0123456789"[i % 20]);
    return line;
}

QString words(qsizetype size, const QString& separator = u" "_s) {
    QString text;
    while (text.size() < size)
        text += u"forum reply, über"_s + separator;
    text.truncate(size);
    return text;
}

// Word wrap as the views are made with; a stretch it could not break quickly is broken anywhere.
constexpr int wordWrap = QTextOption::WrapAtWordBoundaryOrAnywhere;
constexpr int anywhere = QTextOption::WrapAnywhere;

} // namespace

class TestComposeWindows : public QObject, MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedMessagesWindowShowsAndHandsOver();
    void savedMessagesWindowDeletesFiltersAndFollowsTheFile();
    void missingFileIsReportedAndTheListWaitsForASave();
    void templateEditorGridAndEnabling();
    void templateEditorSavesOrDiscards();
    void mainWindowSavesAndLoadsMessages();
    void templatesStoredAndUsedAfterRestart();
    void longLinesShownAsGiven_data();
    void longLinesShownAsGiven();
    void pastedLongLineWrapsAnywhereUntilTakenBack();

private:
    QString messagesPath() const { return folders->path(messagesFileName()); }
};

void TestComposeWindows::init() {
    MainWindowFixture::init();
}

void TestComposeWindows::cleanup() {
    MainWindowFixture::cleanup();
}

void TestComposeWindows::savedMessagesWindowShowsAndHandsOver() {
    QVERIFY(writeBytes(messagesPath(),
                       "\r\na[br]b[br]c|S\r\n[BR]x|only[br]|t|u\r\nno bar\r\n|blank\r\n"));
    SavedMessages store(messagesPath());
    SavedMessagesWindow form(store, removeFrom(store), messages, u"Quillbox"_s);
    openWith(form, store);
    form.show();
    QCOMPARE(form.objectName(), u"Form3"_s);
    QCOMPARE(form.windowTitle(), u"load a saved message"_s);
    const QList<std::pair<const char*, QString>> labels = {
        {"Label2", u"Saved Messages"_s},
        {"Label10", u"double-click the message you wish to load:"_s},
        {"Label12", u"click once to view the entire message"_s},
        {"Label3", u"Subject:"_s}};
    for (const auto& [name, text] : labels)
        QCOMPARE(control<QLabel>(&form, name)->text(), text);
    QCOMPARE(control<QPushButton>(&form, "Command1")->text(), u"delete message"_s);

    auto* list = control<QListView>(&form, "List1");
    QCOMPARE(rowTexts(list), QStringList({u"(empty line)"_s, u"S — a b c"_s, u"only[br] — x"_s,
                                          u"(no subject) — no bar"_s, u"blank — (no text)"_s}));
    auto* body = control<QPlainTextEdit>(&form, "Text1");
    auto* subject = control<QLineEdit>(&form, "txtSubject");
    clickRow(list, 1);
    QCOMPARE(body->toPlainText(), u"a\nb\nc"_s);
    QCOMPARE(subject->text(), u"S"_s);
    clickRow(list, 0); // an empty entry shows nothing
    QCOMPARE(body->toPlainText(), u"a\nb\nc"_s);
    clickRow(list, 3); // no "|": the subject box keeps what it showed
    QCOMPARE(body->toPlainText(), u"no bar"_s);
    QCOMPARE(subject->text(), u"S"_s);

    QSignalSpy chosen(&form, &SavedMessagesWindow::messageChosen);
    doubleClickRow(list, 2);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0][0].toString(), u"\r\nx"_s);
    QCOMPARE(chosen[0][1].toString(), u"only[br]"_s); // cut at the next "|", taken as typed
    QCOMPARE(chosen[0][2].toBool(), true);
    for (int row : {4, 0}) {
        doubleClickRow(list, row);
        QCOMPARE(messages.entries.size(), 1);
        QCOMPARE(messages.entries.takeFirst().text, u"cannot insert a blank message"_s);
    }
    QCOMPARE(chosen.size(), 1);
    QVERIFY(form.isVisible());
}

void TestComposeWindows::savedMessagesWindowDeletesFiltersAndFollowsTheFile() {
    const QByteArray file = "first|Alpha\r\n\xff bytes|Beta\r\nthird[br]Gamma text|Gamma\r\n"
                            "first|Alpha\r\n";
    QVERIFY(writeBytes(messagesPath(), file));
    SavedMessages store(messagesPath());
    SavedMessagesWindow form(store, removeFrom(store), messages, u"Quillbox"_s);
    openWith(form, store);
    form.show();
    auto* list = control<QListView>(&form, "List1");
    auto* filter = control<QLineEdit>(&form, "txtFilter");
    QCOMPARE(list->model()->rowCount(), 4);

    QTest::keyClicks(filter, u"GAM"_s);
    QCOMPARE(rowTexts(list), QStringList{u"Gamma — third Gamma text"_s});
    QTest::keyClick(filter, Qt::Key_Backspace);
    QTest::keyClick(filter, Qt::Key_Backspace);
    QTest::keyClick(filter, Qt::Key_Backspace);
    QCOMPARE(list->model()->rowCount(), 4);

    // Deleting the selected entry: every copy of its line goes, every other line stays as it
    // was, and the list is filled again.
    clickRow(list, 3);
    QTest::mouseClick(control<QPushButton>(&form, "Command1"), Qt::LeftButton);
    QCOMPARE(readBytes(messagesPath()),
             QByteArray("\xff bytes|Beta\r\nthird[br]Gamma text|Gamma\r\n\r\n"));
    QCOMPARE(list->model()->rowCount(), 3);

    // A message saved elsewhere shows at once, and the filter applies to it.
    QTest::keyClicks(filter, u"delta"_s);
    QCOMPARE(list->model()->rowCount(), 0);
    QVERIFY(store.save(u"new one"_s, u"Delta"_s).ok);
    QCOMPARE(rowTexts(list), QStringList{u"Delta — new one"_s});
    clickRow(list, 0);
    QTest::mouseClick(control<QPushButton>(&form, "Command1"), Qt::LeftButton);
    QCOMPARE(readBytes(messagesPath()),
             QByteArray("\xff bytes|Beta\r\nthird[br]Gamma text|Gamma\r\n\r\n"));
    QVERIFY(messages.entries.isEmpty());
}

void TestComposeWindows::missingFileIsReportedAndTheListWaitsForASave() {
    SavedMessages store(messagesPath());
    QPointer<SavedMessagesWindow> form =
        new SavedMessagesWindow(store, removeFrom(store), messages, u"Quillbox"_s);
    form->show();
    openWith(*form, store);
    QCOMPARE(messages.texts(),
             QStringList{u"you must first save a message before you can load one"_s});
    QCOMPARE(messages.entries[0].title, u"Quillbox"_s);
    QVERIFY(!form->isVisible());
    QCOMPARE(control<QListView>(form.data(), "List1")->model()->rowCount(), 0);
    QVERIFY(store.save(u"m"_s, u"s"_s).ok);
    QCOMPARE(control<QListView>(form.data(), "List1")->model()->rowCount(), 1);
    form->show();
    QVERIFY(form->close()); // the close box unloads the window
    QTRY_VERIFY(form.isNull());
}

void TestComposeWindows::templateEditorGridAndEnabling() {
    TemplateEditor editor(defaultTemplates(), LinkRules::Classic);
    editor.show();
    QCOMPARE(editor.objectName(), u"frmCustom"_s);
    QCOMPARE(editor.windowTitle(), u"Custom Message Templates"_s);
    const QStringList headings{u"Name"_s, u"Link Open"_s, u"Link Middle"_s, u"Link End"_s,
                               u"Email"_s};
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "Label" + QByteArray::number(i + 1);
        QCOMPARE(control<QLabel>(&editor, name.constData())->text(), headings[i]);
    }
    for (int r = 0; r < templateCount; ++r) {
        const QByteArray name = "Label" + QByteArray::number(r + 7);
        QCOMPARE(control<QLabel>(&editor, name.constData())->text(), QString::number(r + 1));
    }
    QCOMPARE(control<QLabel>(&editor, "Label6")->text(),
             u"You may use this form to create custom templates for message insertion.  Just "
             "enter the name, and the required parameters.  Your template will then be "
             "displayed in the drop down box on the main form.  We don't recommend changing "
             "the default templates, but if they become outdated you may wish to update them."_s);
    QCOMPARE(control<QPushButton>(&editor, "cmdDel5")->text(), u"del"_s);
    QCOMPARE(control<QPushButton>(&editor, "Command1")->text(), u"Save and Close"_s);
    auto* enable = control<QCheckBox>(&editor, "Check1");
    QCOMPARE(enable->text(), u"Enable changing of default templates"_s);
    QVERIFY(!enable->isChecked());
    QVERIFY(!control<QCheckBox>(&editor, "chkWholeLinks")->isChecked());
    QCOMPARE(gridBox(&editor, "txtLinkOpen01", 1)->text(), u"[url="_s);
    QCOMPARE(gridBox(&editor, "txtName", 2)->text(), u"ezboard"_s);
    QCOMPARE(gridBox(&editor, "txtMailCall", 0)->text(), u"mailto:"_s);

    const QStringList closed{u"dddddd"_s, u"dddddd"_s, u"dddddd"_s, u"EEEEEE"_s,
                             u"EEEEEE"_s, u"EEEEEE"_s, u"EEEEEE"_s, u"EEEEEE"_s};
    QCOMPARE(gridState(&editor), closed);
    QTest::mouseClick(enable, Qt::LeftButton, {}, QPoint(4, enable->height() / 2));
    QVERIFY(enable->isChecked());
    QStringList open = closed;
    for (int r = 0; r < 3; ++r)
        open[r] = u"dEEEEE"_s; // the built-in names stay closed
    QCOMPARE(gridState(&editor), open);
    QTest::mouseClick(enable, Qt::LeftButton, {}, QPoint(4, enable->height() / 2));
    QCOMPARE(gridState(&editor), closed);
}

void TestComposeWindows::templateEditorSavesOrDiscards() {
    TemplateSet start = defaultTemplates();
    start[4] = {u"multi"_s, u"<<\r\n"_s, u"|\"'"_s, u"»😀"_s, u"mail\tto:"_s};
    QPointer<TemplateEditor> editor = new TemplateEditor(start, LinkRules::WholeAddresses);
    editor->show();
    QVERIFY(control<QCheckBox>(editor.data(), "chkWholeLinks")->isChecked());
    QSignalSpy saved(editor.data(), &TemplateEditor::saveRequested);

    // "del" on a built-in row, once it may be changed, empties the name as well.
    QTest::mouseClick(control<QCheckBox>(editor.data(), "Check1"), Qt::LeftButton, {},
                      QPoint(4, 4));
    QTest::mouseClick(control<QPushButton>(editor.data(), "cmdDel1"), Qt::LeftButton);
    QTest::keyClicks(gridBox(editor.data(), "txtName", 3), u"html"_s); // a duplicate name
    QTest::keyClicks(gridBox(editor.data(), "txtLinkOpen01", 3), u" [x="_s);
    QTest::mouseClick(control<QCheckBox>(editor.data(), "chkWholeLinks"), Qt::LeftButton, {},
                      QPoint(4, 4));
    QTest::mouseClick(control<QPushButton>(editor.data(), "Command1"), Qt::LeftButton);
    QCOMPARE(saved.size(), 1);
    TemplateSet expected = start;
    expected[1] = {};
    expected[3] = {u"html"_s, u" [x="_s, {}, {}, {}};
    QCOMPARE(saved[0][0].value<TemplateSet>(), expected);
    QCOMPARE(saved[0][1].value<LinkRules>(), LinkRules::Classic);
    QVERIFY(!editor.isNull());
    QVERIFY(!editor->isVisible());

    // Opened again it shows what was stored and its tick; the close box then throws away
    // what was typed since.
    editor->show();
    QVERIFY(control<QCheckBox>(editor.data(), "Check1")->isChecked());
    QCOMPARE(gridBox(editor.data(), "txtName", 1)->text(), QString());
    QTest::keyClicks(gridBox(editor.data(), "txtName", 7), u"lost"_s);
    QVERIFY(editor->close());
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(saved.size(), 1);
}

void TestComposeWindows::mainWindowSavesAndLoadsMessages() {
    open();
    QCOMPARE(readBytes(messagesPath()), QByteArray("\r\n")); // made at start-up
    auto* subject = control<QLineEdit>(window.get(), "txtSubject");
    auto* message = control<QPlainTextEdit>(window.get(), "txtMessage");
    const auto save = [&](const QString& s, const QString& m, const std::function<void()>& how) {
        subject->setText(s);
        message->setPlainText(m);
        window->setPanelText(1, QString());
        how();
        return window->panelText(1);
    };
    QCOMPARE(save(u"First"_s, u"a\nb\n\nc"_s,
                  [&] {
                      QTest::mouseClick(control<QToolButton>(window.get(), "cmdSave"),
                                        Qt::LeftButton);
                  }),
             u"MESSAGE SAVED"_s);
    QCOMPARE(save(u"Second"_s, u"two"_s,
                  [&] { control<QAction>(window.get(), "fileMenuItem1")->trigger(); }),
             u"MESSAGE SAVED"_s);
    QCOMPARE(readBytes(messagesPath()), QByteArray("a[br]b[br][br]c|First\r\ntwo|Second\r\n"));

    // The button and both menu items show the one window; a save while it is open is listed.
    for (const char* action : {"fileMenuItem2", "viewMenuItem0"}) {
        control<QAction>(window.get(), action)->trigger();
        control<SavedMessagesWindow>(window.get(), "Form3")->hide();
    }
    QTest::mouseClick(control<QToolButton>(window.get(), "cmdLoad"), Qt::LeftButton);
    auto* form = control<SavedMessagesWindow>(window.get(), "Form3");
    QVERIFY(form->isVisible());
    QCOMPARE(window->findChildren<SavedMessagesWindow*>().size(), 1);
    save(u"Third"_s, u"three"_s,
         [&] { control<QAction>(window.get(), "fileMenuItem1")->trigger(); });
    auto* list = control<QListView>(form, "List1");
    QCOMPARE(list->model()->rowCount(), 3);

    // A double-click loads into the editor as one edit that Ctrl+Z takes back, as it does
    // "&New Message"; the subject is stored as typed.
    doubleClickRow(list, 0);
    QCOMPARE(window->messageText(), u"a\r\nb\r\n\r\nc"_s);
    QCOMPARE(subject->text(), u"First"_s);
    QCOMPARE(settings->getSetting(settingsApplication(), dataSection(), u"lastSubject"_s, {}),
             u"First"_s);
    QVERIFY(form->isVisible());
    QTest::keyClick(message, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->messageText(), u"three"_s);
    // "&New Message" on a message that was never saved asks first; Discard empties it.
    messages.answers = {0};
    control<QAction>(window.get(), "fileMenuItem0")->trigger();
    QCOMPARE(messages.texts(), QStringList{u"Discard the message?"_s});
    messages.entries.clear();
    QCOMPARE(message->toPlainText(), QString());
    QCOMPARE(subject->text(), QString());
    QCOMPARE(settings->getSetting(settingsApplication(), dataSection(), u"lastSubject"_s, {}),
             QString());
    QTest::keyClick(message, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(subject, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->messageText(), u"three"_s);
    QCOMPARE(subject->text(), u"First"_s);

    // A file that cannot be written is reported, and the message is not called saved.
    QVERIFY(QFile::remove(messagesPath()));
    QVERIFY(QDir(folders->dataFolder()).mkdir(messagesFileName()));
    QCOMPARE(save(u"s"_s, u"m"_s,
                  [&] {
                      QTest::mouseClick(control<QToolButton>(window.get(), "cmdSave"),
                                        Qt::LeftButton);
                  }),
             QString());
    QCOMPARE(messages.entries.size(), 1);
    QCOMPARE(messages.entries[0].text, u"Your message could not be saved."_s);
    QVERIFY(messages.entries[0].informativeText.contains(messagesFileName()));
}

void TestComposeWindows::templatesStoredAndUsedAfterRestart() {
    open();
    auto* format = control<QComboBox>(window.get(), "cmbConvert");
    format->setCurrentIndex(2);
    control<QAction>(window.get(), "viewMenuItem3")->trigger(); // "&Templates"
    auto* editor = control<TemplateEditor>(window.get(), "frmCustom");
    QVERIFY(editor->isVisible());
    editor->hide();
    control<QAction>(window.get(), "toolsMenuItem3")->trigger(); // "&Options"
    QVERIFY(editor->isVisible());
    editor->hide();
    QTest::mouseClick(control<QToolButton>(window.get(), "cmdOptions"), Qt::LeftButton);
    QVERIFY(editor->isVisible());

    QTest::mouseClick(control<QCheckBox>(editor, "Check1"), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(control<QPushButton>(editor, "cmdDel2"), Qt::LeftButton); // ezboard
    const QString odd = u"[u|rl=\"\r\n✓"_s;
    gridBox(editor, "txtName", 5)->setText(u"ubb"_s);
    gridBox(editor, "txtName", 6)->setText(u"mine"_s);
    gridBox(editor, "txtLinkOpen01", 6)->setText(odd);
    gridBox(editor, "txtLinkOpen02", 6)->setText(u"]"_s);
    gridBox(editor, "txtLinkClose", 6)->setText(u"[/u]"_s);
    gridBox(editor, "txtLinkOpen01", 7)->setText(u"nameless"_s);
    // A new user links whole addresses already; the box shows it and stays ticked.
    QVERIFY(control<QCheckBox>(editor, "chkWholeLinks")->isChecked());
    QTest::mouseClick(control<QPushButton>(editor, "Command1"), Qt::LeftButton);
    QVERIFY(!editor->isVisible());
    QVERIFY(messages.entries.isEmpty());

    const QStringList rows{u"text"_s, u"html"_s, u"ubb"_s, u"ubb"_s, u"mine"_s};
    QCOMPARE(comboRows(format), rows);
    // The chosen format ("ubb") still exists: it stays chosen.
    QCOMPARE(format->currentIndex(), 2);

    // The new rules and templates drive the output at once.
    control<QPlainTextEdit>(window.get(), "txtMessage")->setPlainText(u"see www.x.org/?a=1."_s);
    format->setCurrentIndex(4);
    QTest::mouseClick(control<QToolButton>(window.get(), "cmdCopy"), Qt::LeftButton);
    QCOMPARE(clipboard.texts.last(),
             u"see "_s + odd + u"http://www.x.org/?a=1]www.x.org/?a=1[/u].\r\n\r\n"_s);
    format->setCurrentIndex(3); // the second "ubb" converts with the first
    QTest::mouseClick(control<QToolButton>(window.get(), "cmdCopy"), Qt::LeftButton);
    QCOMPARE(clipboard.texts.last(),
             u"see [url=http://www.x.org/?a=1]www.x.org/?a=1[/url].\r\n\r\n"_s);

    // All 40 keys are stored and read back after a restart, with the rules.
    TemplateSet expected = defaultTemplates();
    expected[2] = {};
    expected[5].Name = u"ubb"_s;
    expected[6] = {u"mine"_s, odd, u"]"_s, u"[/u]"_s, {}};
    expected[7].LinkOpen01 = u"nameless"_s;
    close();
    settings = std::make_unique<SettingsStore>(folders->settingsFolder());
    QCOMPARE(loadTemplates(*settings), expected);
    QVERIFY(AppSettings(*settings).get(keys::linkWholeAddresses));
    for (const QString& key : {u"ezName"_s, u"cust05LinkOpen01"_s, u"cust04MailCall01"_s})
        QVERIFY2(settings->getSetting(settingsApplication(), dataSection(), key, u"<none>"_s) !=
                     u"<none>"_s,
                 qPrintable(key));
    open();
    QCOMPARE(comboRows(control<QComboBox>(window.get(), "cmbConvert")), rows);
    control<QAction>(window.get(), "toolsMenuItem3")->trigger();
    auto* reopened = control<TemplateEditor>(window.get(), "frmCustom");
    QCOMPARE(reopened->templates(), expected);
    QVERIFY(control<QCheckBox>(reopened, "chkWholeLinks")->isChecked());
    QVERIFY(!control<QCheckBox>(reopened, "Check1")->isChecked());
}

// A kept or saved message of one enormous line: the editor, the saved-messages viewer and the
// next start hold every character as it was, whatever the views do to show it quickly.
void TestComposeWindows::longLinesShownAsGiven_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wrap");
    QTest::newRow("one line of 1,000,000 with nowhere to break") << unbroken(1000000) << anywhere;
    QTest::newRow("an address of 6,000 among words")
        << words(500) + u" http://x.example/"_s + unbroken(6000) + u" "_s + words(500) << anywhere;
    QTest::newRow("a stretch of 4,000 keeps word wrap")
        << words(500) + u" "_s + unbroken(4000) + u" "_s + words(500) << wordWrap;
    QTest::newRow("one line of 300,000 words") << words(300000) << wordWrap;
    QTest::newRow("one line of 30,000 Chinese characters")
        << QString(30000, QChar(0x56de)) << wordWrap;
    QTest::newRow("many lines, the last one long")
        << words(200000, u"\r\n"_s) + u"\r\n"_s + unbroken(100000) << anywhere;
}

void TestComposeWindows::longLinesShownAsGiven() {
    QFETCH(QString, text);
    QFETCH(int, wrap);
    QVERIFY(settings->saveSetting(settingsApplication(), dataSection(), u"lastMessage"_s, text));
    QVERIFY(writeBytes(messagesPath(), messageRecord(u"short"_s, u"S"_s) + "\r\n" +
                                           messageRecord(text, u"L"_s) + "\r\nafter|A\r\n"));
    open(new RecordingBrowserPage);
    auto* editor = control<QPlainTextEdit>(window.get(), "txtMessage");
    // No QCOMPARE of the texts: a failure would print megabytes.
    QVERIFY(window->messageText() == text);
    QCOMPARE(int(editor->wordWrapMode()), wrap);
    QCOMPARE(editor->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(editor->textCursor().position(), 0);
    QVERIFY(!editor->document()->isUndoAvailable()); // no undo back to the design-time text

    control<QAction>(window.get(), "fileMenuItem2")->trigger(); // "&Load Message"
    auto* form = control<SavedMessagesWindow>(window.get(), "Form3");
    auto* list = control<QListView>(form, "List1");
    auto* body = control<QPlainTextEdit>(form, "Text1");
    clickRow(list, 1);
    QVERIFY(body->toPlainText() == messageToEditor(text));
    QCOMPARE(int(body->wordWrapMode()), wrap);
    // Each message shows from its start, wherever the last one was scrolled to.
    body->moveCursor(QTextCursor::End);
    clickRow(list, 0);
    QCOMPARE(body->toPlainText(), u"short"_s);
    QCOMPARE(int(body->wordWrapMode()), wordWrap);
    QCOMPARE(body->textCursor().position(), 0);
    clickRow(list, 1);
    body->moveCursor(QTextCursor::End);
    QVERIFY(body->verticalScrollBar()->value() > 0);
    clickRow(list, 2);
    QCOMPARE(body->toPlainText(), u"after"_s);
    clickRow(list, 1);
    QCOMPARE(body->textCursor().position(), 0);
    QCOMPARE(body->verticalScrollBar()->value(), 0);
    doubleClickRow(list, 0);
    QCOMPARE(int(editor->wordWrapMode()), wordWrap);
    doubleClickRow(list, 1);
    QVERIFY(window->messageText() == text);
    QCOMPARE(int(editor->wordWrapMode()), wrap);

    QVERIFY(window->close());
    QVERIFY(setting(dataSection(), u"lastMessage"_s) == text);
    QVERIFY(messages.entries.isEmpty());
}

// Typing and pasting follow the same rule: a pasted stretch that word wrap could not break
// quickly turns it off only for as long as it is there.
void TestComposeWindows::pastedLongLineWrapsAnywhereUntilTakenBack() {
    open(new RecordingBrowserPage);
    auto* editor = control<QPlainTextEdit>(window.get(), "txtMessage");
    editor->setPlainText(u"Dear all,\n"_s);
    editor->moveCursor(QTextCursor::End);
    QCOMPARE(int(editor->wordWrapMode()), wordWrap);
    const QString pasted = unbroken(200000);
    QGuiApplication::clipboard()->setText(pasted);
    editor->paste();
    QCOMPARE(int(editor->wordWrapMode()), anywhere);
    QVERIFY(window->messageText() == u"Dear all,\r\n"_s + pasted);

    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->messageText(), u"Dear all,\r\n"_s);
    QCOMPARE(int(editor->wordWrapMode()), wordWrap);
    editor->redo();
    QCOMPARE(int(editor->wordWrapMode()), anywhere);

    // A blank typed into the middle leaves two stretches that are still too long.
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(int(u"Dear all,\n"_s.size()) + 100000);
    editor->setTextCursor(cursor);
    QTest::keyClick(editor, Qt::Key_Space);
    QCOMPARE(int(editor->wordWrapMode()), anywhere);
    editor->selectAll();
    QTest::keyClicks(editor, u"new text"_s);
    QCOMPARE(window->messageText(), u"new text"_s);
    QCOMPARE(int(editor->wordWrapMode()), wordWrap);
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestComposeWindows t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_compose_windows.moc"

// The message editor's own actions (New, Save, Load), the saved-messages window and the
// template editor.
#include "compose/editor_text.h"
#include "compose/saved_messages.h"
#include "compose/ui/saved_messages_window.h"
#include "compose/ui/template_editor.h"
#include "platform/user_messages.h"
#include "shell/program.h"
#include "shell/ui/main_window.h"
#include "skin/ui/apply_skin.h"
#include "store/data_folder.h"
#include "widgets/on_top.h"
#include "widgets/undoable_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QToolButton>

namespace quillbox {

void MainWindow::connectCompose() {
    connect(saveButton, &QToolButton::clicked, this, &MainWindow::saveMessage);
    connect(loadButton, &QToolButton::clicked, this, &MainWindow::loadMessage);
    connect(optionsButton, &QToolButton::clicked, this, &MainWindow::openTemplateEditor);
}

void MainWindow::newMessage() {
    // A message the user wrote and never saved is not emptied without asking; the opening
    // text, an empty editor and the message last saved or loaded are no loss.
    const QString text = messageText();
    const bool kept = text.trimmed().isEmpty() || text == designTimeMessage() ||
                      (text == m_keptMessage.first && subjectBox->text() == m_keptMessage.second);
    if (!kept &&
        m_program.messages().askChoice(m_program.branding().productName, tr("Discard the message?"),
                                       // Closing the box keeps the message: Keep comes last.
                                       {tr("Discard"), tr("Keep")}, MessageIcon::Exclamation) != 0)
        return;
    replaceText(messageBox, QString());
    replaceText(subjectBox, QString());
}

void MainWindow::saveMessage() {
    const FileResult saved = m_program.saveMessage(messageText(), subjectBox->text());
    if (!saved.ok) {
        m_program.messages().showMessage(m_program.branding().productName,
                                         tr("Your message could not be saved."),
                                         MessageIcon::Exclamation, saved.message);
        return;
    }
    m_keptMessage = {messageText(), subjectBox->text()};
    setPanelText(1, tr("MESSAGE SAVED"));
}

void MainWindow::loadMessage() {
    if (!m_savedMessagesWindow) {
        m_savedMessagesWindow = new SavedMessagesWindow(
            m_program.savedMessages(),
            [this](const QByteArray& line) { return m_program.removeSavedMessage(line); },
            m_program.messages(), m_program.branding().productName, this);
        connect(m_savedMessagesWindow, &SavedMessagesWindow::messageChosen, this,
                &MainWindow::insertSavedMessage);
        connect(m_savedMessagesWindow, &SavedMessagesWindow::filterChanged, &m_program,
                &Program::filterSavedMessages);
        m_savedMessagesWindow->showRead(m_program.openSavedMessages());
        // Like every window of the program, it wears the skin from its first showing.
        applySkin(m_savedMessagesWindow);
    }
    // Shown even when the file was missing: the list then waits, empty, for a first save.
    showAtFront(m_savedMessagesWindow);
}

void MainWindow::insertSavedMessage(const QString& body, const QString& subject, bool hasSubject) {
    replaceText(messageBox, messageToEditor(body));
    if (hasSubject)
        replaceText(subjectBox, subject);
    m_keptMessage = {messageText(), subjectBox->text()};
}

void MainWindow::openTemplateEditor() {
    if (!m_templateEditor) {
        m_templateEditor = new TemplateEditor(m_program.templates(), m_program.linkRules(), this);
        // The format box follows the program's templates.
        connect(m_templateEditor, &TemplateEditor::saveRequested, &m_program,
                &Program::storeTemplates);
        applySkin(m_templateEditor);
    }
    showAtFront(m_templateEditor);
}
} // namespace quillbox

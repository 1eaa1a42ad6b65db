// Auto-insert, the Paste buttons and the page that selects its forum: the window hands the
// program what it shows and forwards the buttons; the program puts the text into the page.
#include "browser/page_paste.h"
#include "browser/paste_rule.h"
#include "browser/ui/browser_pane.h"
#include "platform/browser_page.h"
#include "platform/user_messages.h"
#include "shell/program.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace quillbox {

void MainWindow::connectBrowser() {
    m_program.setDraftSource([this] {
        Draft draft;
        draft.subject = subjectBox->text();
        draft.message = messageText();
        draft.format = formatBox->currentText();
        draft.forum = listsPane->selectedForum();
        draft.userName = listsPane->userName();
        draft.password = listsPane->password();
        return draft;
    });
    // The pane shows the new address and "Complete" first; then the page is searched.
    connect(browserPane, &BrowserPane::downloadCompleted, &m_program, &Program::pageShown);
    connect(autoInsertButton, &QPushButton::clicked, &m_program, &Program::autoInsert);
    for (int i = 0; i < int(pasteButtons.size()); ++i)
        connect(pasteButtons[i], &QPushButton::clicked, this, [this, i] { paste(i); });
    // A page of a forum's site selects that forum, as a password manager picks the login that
    // matches the page; the forum's format comes with it.
    connect(browserPane, &BrowserPane::downloadCompleted, this,
            [this] { listsPane->selectForum(m_program.forumOfPage(m_browserPage.currentUrl())); });
    connect(listsPane, &ListsPane::forumSelected, this, [this](int row) {
        const int format = formatBox->findText(m_program.forumFormat(row), Qt::MatchExactly);
        if (format >= 0)
            formatBox->setCurrentIndex(format);
    });
    // Choosing a format while a forum is selected keeps it for that forum.
    connect(formatBox, &QComboBox::activated, this, [this](int index) {
        m_program.setForumFormat(listsPane->selectedForum(), formatBox->itemText(index));
    });
    // A run over many forums shows each forum's format as it inserts in it.
    connect(&m_program, &Program::formatRequested, this, [this](const QString& format) {
        const int row = formatBox->findText(format, Qt::MatchExactly);
        if (row >= 0)
            formatBox->setCurrentIndex(row);
    });
}

void MainWindow::paste(int which) {
    const PasteDecision decision = m_program.pasteDecision(which);
    if (decision.answer == PasteDecision::Answer::Ask) {
        const int answer = m_program.messages().askChoice(
            m_program.branding().productName,
            tr("The page shown is not on the site of the selected forum (%1). "
               "Paste its password into this page anyway?")
                .arg(decision.forumShown),
            {tr("Paste"), tr("Cancel")});
        if (answer != 0)
            return;
    }
    m_program.paste(which);
}

void MainWindow::autoInsert() {
    m_program.autoInsert();
}

void MainWindow::pasteSubject() {
    paste(PagePaste::Subject);
}

void MainWindow::pasteUserName() {
    paste(PagePaste::UserName);
}

void MainWindow::pastePassword() {
    paste(PagePaste::Password);
}

void MainWindow::pasteMessage() {
    paste(PagePaste::Message);
}

} // namespace quillbox

// Auto-insert, the Paste buttons and the follow-up that watches the thread an inserted message
// shows up in.
#include "browser/auto_insert.h"
#include "browser/insert_follow_up.h"
#include "browser/page_paste.h"
#include "browser/ui/browser_pane.h"
#include "compose/editor_text.h"
#include "platform/browser_page.h"
#include "shell/program.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"

#include <QLineEdit>
#include <QPushButton>

namespace quillbox {

void MainWindow::connectBrowser() {
    BrowserPage& page = m_browserPage;
    m_autoInsert =
        std::make_unique<AutoInsert>(page, m_program.messages(), m_program.followUp(),
                                     m_program.dataFolder(), [this] { return convertedMessage(); });
    // The follow-up also looks for the message as the forum shows it, from its text before
    // conversion; the posting form's subject field gets the subject.
    m_autoInsert->setPlainMessageSource([this] { return messageText(); });
    m_autoInsert->setSubjectSource([this] { return subjectBox->text(); });
    connect(&m_program.followUp(), &InsertFollowUp::nowWatching, this,
            [this](const QString& title) { setPanelText(1, nowWatchingStatus(title)); });
    connect(&m_program.followUp(), &InsertFollowUp::threadNotFound, this,
            [this] { setPanelText(1, threadNotFoundStatus()); });
    PasteSources sources;
    sources.subject = [this] { return subjectBox->text(); };
    sources.userName = [this] { return listsPane->userName(); };
    sources.password = [this] { return listsPane->password(); };
    sources.convertedMessage = [this] { return convertedMessage(); };
    m_paste = std::make_unique<PagePaste>(page, std::move(sources));

    // The pane shows the new address and "Complete" first; then the page is searched.
    connect(browserPane, &BrowserPane::downloadCompleted, &m_program.followUp(),
            &InsertFollowUp::checkInsertedPost);
    connect(autoInsertButton, &QPushButton::clicked, this, &MainWindow::autoInsert);
    for (int i = 0; i < int(pasteButtons.size()); ++i)
        connect(pasteButtons[i], &QPushButton::clicked, this,
                [this, i] { m_paste->pasteIntoPage(i); });
}

void MainWindow::autoInsert() {
    m_autoInsert->insertMessage();
}

void MainWindow::pasteSubject() {
    m_paste->pasteIntoPage(PagePaste::Subject);
}

void MainWindow::pasteUserName() {
    m_paste->pasteIntoPage(PagePaste::UserName);
}

void MainWindow::pastePassword() {
    m_paste->pasteIntoPage(PagePaste::Password);
}

void MainWindow::pasteMessage() {
    m_paste->pasteIntoPage(PagePaste::Message);
}

} // namespace quillbox

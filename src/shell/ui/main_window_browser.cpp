// Auto-insert, the Paste buttons and the follow-up that watches the thread an inserted message
// shows up in.
#include "browser/auto_insert.h"
#include "browser/insert_follow_up.h"
#include "browser/page_paste.h"
#include "browser/ui/browser_pane.h"
#include "compose/editor_text.h"
#include "platform/browser_page.h"
#include "platform/user_messages.h"
#include "shell/program.h"
#include "shell/ui/lists_pane.h"
#include "shell/ui/main_window.h"
#include "watch/forum_match.h"
#include "watch/forum_passwords.h"
#include "watch/shown_address.h"
#include "watch/watch_lists.h"

#include <QComboBox>
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
    // The selected forum's password may still be on its way from the keyring.
    sources.password = [this](PasswordReady ready) {
        const int forum = listsPane->selectedForum();
        if (forum < 0)
            ready(listsPane->password());
        else
            m_program.passwords().passwordFor(forum, std::move(ready));
    };
    sources.convertedMessage = [this] { return convertedMessage(); };
    // A message pasted where the forum's composer has the focus is followed as an insert is.
    sources.messagePasted = [this](const QString& pasted) {
        m_program.followUp().recordInsert(pasted, messageText());
    };
    m_paste = std::make_unique<PagePaste>(page, std::move(sources));

    // The pane shows the new address and "Complete" first; then the page is searched.
    connect(browserPane, &BrowserPane::downloadCompleted, &m_program.followUp(),
            &InsertFollowUp::checkInsertedPost);
    connect(autoInsertButton, &QPushButton::clicked, this, &MainWindow::autoInsert);
    for (int i = 0; i < int(pasteButtons.size()); ++i)
        connect(pasteButtons[i], &QPushButton::clicked, this, [this, i] { paste(i); });
    // A page of a forum's site selects that forum, as a password manager picks the login that
    // matches the page; the forum's format comes with it.
    connect(browserPane, &BrowserPane::downloadCompleted, this,
            [this] { listsPane->followPage(m_browserPage.currentUrl()); });
    connect(listsPane, &ListsPane::forumSelected, this, [this](int row) {
        const int format =
            formatBox->findText(m_program.lists().forumModel().format(row), Qt::MatchExactly);
        if (format >= 0)
            formatBox->setCurrentIndex(format);
    });
    // Choosing a format while a forum is selected keeps it for that forum.
    connect(formatBox, &QComboBox::activated, this, [this](int index) {
        const int forum = listsPane->selectedForum();
        if (forum >= 0)
            m_program.lists().forumModel().setFormat(forum, formatBox->itemText(index));
    });
}

void MainWindow::paste(int which) {
    // The password goes into another site's page only when the user says so.
    const int forum = listsPane->selectedForum();
    const QString page = m_browserPage.currentUrl();
    if (which == PagePaste::Password && forum >= 0) {
        const QString address = m_program.lists().forums().at(forum).address;
        // The page's own forum decides: two forums may share a host, apart by port or path.
        if (forumForPage(m_program.lists().forums(), page) != forum) {
            const int answer = m_program.messages().askChoice(
                m_program.branding().productName,
                tr("The page shown is not on the site of the selected forum (%1). "
                   "Paste its password into this page anyway?")
                    .arg(siteHost(address).isEmpty() ? shownAddress(address) : siteHost(address)),
                {tr("Paste"), tr("Cancel")});
            if (answer != 0)
                return;
        }
    }
    m_paste->pasteIntoPage(which);
}

void MainWindow::autoInsert() {
    m_autoInsert->insertMessage();
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

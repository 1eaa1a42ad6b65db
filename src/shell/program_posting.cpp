// The posting side of the program: Auto-Insert and the Paste buttons into the page shown, the
// follow-up that finds the thread a message went to, the run over many forums, and the post log.
#include "browser/auto_insert.h"
#include "browser/insert_follow_up.h"
#include "browser/page_message.h"
#include "browser/page_paste.h"
#include "browser/post_again.h"
#include "browser/post_history.h"
#include "browser/post_log.h"
#include "browser/post_queue.h"
#include "compose/saved_messages.h"
#include "platform/browser_page.h"
#include "platform/user_messages.h"
#include "shell/program.h"
#include "store/data_folder.h"
#include "watch/forum_match.h"
#include "watch/forum_passwords.h"
#include "watch/page_reading.h"
#include "watch/post_measurer.h"
#include "watch/shown_address.h"
#include "watch/watch_lists.h"

namespace quillbox {

void Program::makePosting(const ProgramSeams& seams) {
    // The page where an inserted message shows up is put on watch.
    BrowserPage& page = seams.page;
    m_followUp = std::make_unique<InsertFollowUp>(page, [this](const QString& thread) {
        applyPendingState();
        m_measurer->watchPost(thread);
    });

    // Posting to many forums: the queue asks for the pages, the window puts the text in, the
    // follow-up tells where the post was found, and every outcome goes to the post log.
    m_queue = std::make_unique<PostQueue>(seams.clock);
    connect(m_queue.get(), &PostQueue::navigateRequested, &page, &BrowserPage::navigate);
    connect(&page, &BrowserPage::downloadCompleted, m_queue.get(), &PostQueue::pageLoaded);
    connect(m_queue.get(), &PostQueue::recorded, this, &Program::logPost);
    // The same post to the same forum again is the user's choice.
    m_queue->setRepeatCheck(
        [this](const QueueForum& forum, const QString& subject, const QString& message) {
            return askToPostAgain(m_messages, m_branding.productName,
                                  readPostLog(m_dataFolder).records, forum, subject, message);
        });
    connect(m_followUp.get(), &InsertFollowUp::postFound, this,
            [this](const QString& thread, const QString& title) {
                if (m_queue->isRunning()) {
                    m_queue->threadFound(thread, title);
                } else if (m_pendingInsert) {
                    m_pendingInsert->thread = thread;
                    m_pendingInsert->threadTitle = threadTitleFromPageTitle(
                        title,
                        m_lists->forumModel().name(m_lists->forumIndex(m_pendingInsert->forum)));
                    m_pendingInsert->result = postResult::watched();
                    logPost(*std::exchange(m_pendingInsert, nullptr));
                }
            });
    connect(m_followUp.get(), &InsertFollowUp::threadNotFound, this, [this] {
        if (!m_queue->isRunning() && m_pendingInsert) {
            m_pendingInsert->result = postResult::notFound();
            logPost(*std::exchange(m_pendingInsert, nullptr));
        }
    });

    // Auto-Insert and the Paste buttons put the draft into the page: the message converted into
    // the chosen format, as pageMessage builds it.
    const auto converted = [this] {
        const Draft now = draft();
        return pageMessage(now.message, now.format, m_templates, m_linkRules);
    };
    m_autoInsert =
        std::make_unique<AutoInsert>(page, m_messages, *m_followUp, m_dataFolder, converted);
    // The follow-up also looks for the message as the forum shows it, from its text before
    // conversion; the posting form's subject field gets the subject.
    m_autoInsert->setPlainMessageSource([this] { return draft().message; });
    m_autoInsert->setSubjectSource([this] { return draft().subject; });
    connect(m_followUp.get(), &InsertFollowUp::nowWatching, this,
            [this](const QString& title) { emit panelText(1, nowWatchingStatus(title)); });
    connect(m_followUp.get(), &InsertFollowUp::threadNotFound, this,
            [this] { emit panelText(1, threadNotFoundStatus()); });
    // The queue's insert goes through Auto-Insert, in the forum's format.
    connect(m_queue.get(), &PostQueue::insertRequested, this,
            [this](const QString&, const QString&, const QString& format) {
                emit formatRequested(format);
                m_autoInsert->insertMessage();
            });
    // A single Auto-Insert is logged once the follow-up knows where it went.
    connect(m_autoInsert.get(), &AutoInsert::finished, this, [this](bool inserted) {
        if (inserted) {
            const Draft now = draft();
            singleInsertMade(m_page.currentUrl(), now.subject, now.format,
                             m_autoInsert->subjectInserted());
        }
        // A queue's insert went through the same button: its log says whether the subject did.
        m_queue->insertMade(inserted && m_autoInsert->subjectInserted());
    });

    PasteSources sources;
    sources.subject = [this] { return draft().subject; };
    sources.userName = [this] { return draft().userName; };
    // The selected forum's password may still be on its way from the keyring.
    sources.password = [this](PasswordReady ready) {
        const Draft now = draft();
        if (now.forum < 0 || now.forum >= m_lists->forumCount())
            ready(now.password);
        else
            m_passwords->passwordFor(now.forum, std::move(ready));
    };
    sources.convertedMessage = converted;
    // A message pasted where the forum's composer has the focus is followed as an insert is.
    sources.messagePasted = [this](const QString& pasted) {
        m_followUp->recordInsert(pasted, draft().message);
    };
    m_paste = std::make_unique<PagePaste>(page, std::move(sources));
    m_savedMessages =
        std::make_unique<SavedMessages>(dataFilePath(m_dataFolder, messagesFileName()));
    m_postHistory = std::make_unique<PostHistory>();
}

FileResult Program::saveMessage(const QString& body, const QString& subject) {
    return m_savedMessages->save(body, subject);
}

FileResult Program::removeSavedMessage(const QByteArray& line) {
    return m_savedMessages->remove(line);
}

MessagesFile Program::openSavedMessages() {
    m_savedMessages->setFilter({});
    return m_savedMessages->readIntoList();
}

void Program::filterSavedMessages(const QString& text) {
    m_savedMessages->setFilter(text);
}

Draft Program::draft() const {
    return m_draft ? m_draft() : Draft{};
}

void Program::setDraftSource(std::function<Draft()> source) {
    m_draft = std::move(source);
}

void Program::autoInsert() {
    m_autoInsert->insertMessage();
}

PasteDecision Program::pasteDecision(int which) const {
    return decidePaste(m_lists->forums(), draft().forum, which, m_page.currentUrl());
}

void Program::paste(int which) {
    m_paste->pasteIntoPage(which);
}

void Program::pageShown() {
    m_followUp->checkInsertedPost();
}

void Program::singleInsertMade(const QString& postingPage, const QString& subject,
                               const QString& format, bool subjectInserted) {
    if (m_queue->isRunning())
        return;
    const int forum = forumForPage(m_lists->forums(), postingPage);
    m_pendingInsert = std::make_unique<PostRecord>();
    m_pendingInsert->forum = forum >= 0 ? m_lists->forums().at(forum).address : QString();
    m_pendingInsert->postingPage = postingPage;
    m_pendingInsert->subject = subjectInserted ? subject : QString();
    if (!subjectInserted && !subject.isEmpty())
        m_pendingInsert->note = PostQueue::noSubjectFieldNote();
    m_pendingInsert->format = format;
}

bool Program::retrySkipped(const QStringList& forums, const QString& subject,
                           const QString& message) {
    applyPendingState();
    QList<int> rows;
    for (const QString& address : forums)
        if (const int row = m_lists->forumIndex(address); row >= 0 && !rows.contains(row))
            rows.append(row);
    return postToForums(rows, subject, message);
}

bool Program::postToForums(const QList<int>& forumRows, const QString& subject,
                           const QString& message) {
    applyPendingState();
    QList<QueueForum> forums;
    for (int row : forumRows) {
        if (row < 0 || row >= m_lists->forumCount())
            continue;
        const QString address = m_lists->forums().at(row).address;
        // The name the queue shows: the forum's own, else its site's; an address that is no web
        // page's keeps its password masked.
        const QString host = siteHost(address);
        const QString name = m_lists->forumModel().name(row);
        forums.append({address,
                       !name.isEmpty()  ? name
                       : host.isEmpty() ? shownAddress(address)
                                        : host,
                       m_lists->forumModel().format(row), m_lists->forumModel().postingPage(row)});
    }
    return m_queue->start(forums, subject, message);
}

void Program::logPost(const PostRecord& posted) {
    PostRecord record = posted;
    if (!record.time.isValid())
        record.time = QDateTime::currentDateTime();
    const FileResult written = appendPostRecord(m_dataFolder, record);
    if (!written.ok && !m_logFailureShown) {
        m_logFailureShown = true;
        m_messages.showMessage(m_branding.productName,
                               tr("A post could not be added to the post log."),
                               MessageIcon::Exclamation, written.message);
    }
    m_postHistory->addRecord(record);
    emit postLogged(record);
}

bool Program::postToForums(const QList<int>& forumRows) {
    const Draft now = draft();
    return postToForums(forumRows, now.subject, now.message);
}

void Program::nextForum() {
    m_queue->nextForum();
}

void Program::skipForum() {
    m_queue->skip();
}

void Program::stopRun() {
    m_queue->stop();
}

bool Program::retrySkippedFromLog(const QStringList& forums, const QString& subject) {
    const Draft now = draft();
    return retrySkipped(forums, subject.isEmpty() ? now.subject : subject, now.message);
}

bool Program::retrySkippedOfRun() {
    QStringList forums;
    for (const QueueForum& forum : m_queue->skippedForums())
        forums.append(forum.address);
    return retrySkipped(forums, m_queue->subject(), m_queue->message());
}

} // namespace quillbox

#include "browser/post_queue.h"

#include "platform/clock.h"
#include "platform/logging.h"
#include "watch/page_reading.h"
#include "watch/shown_address.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace quillbox {

namespace {

// A forum in the log: its place in the run and its address, password masked. Never the
// subject or the message.
QString loggedForum(int position, int count, const QueueForum& forum) {
    return QStringLiteral("forum %1 of %2 (%3)")
        .arg(position)
        .arg(count)
        .arg(shownAddress(forum.address));
}

} // namespace

PostQueue::PostQueue(const Clock& clock, QObject* parent) : QObject(parent), m_clock(clock) {}

QString PostQueue::stateName(State state) {
    switch (state) {
    case State::Idle:
        return {};
    case State::Loading:
        return QCoreApplication::translate("quillbox::PostQueue", "loading");
    case State::WaitingForSubmit:
        return QCoreApplication::translate("quillbox::PostQueue", "waiting for you to submit");
    case State::Watching:
        return QCoreApplication::translate("quillbox::PostQueue", "watching");
    case State::Skipped:
        return QCoreApplication::translate("quillbox::PostQueue", "skipped");
    }
    return {};
}

QString PostQueue::noPostingPageReason() {
    return QCoreApplication::translate("quillbox::PostQueue", "no posting page");
}

QString PostQueue::noSubjectFieldNote() {
    return QCoreApplication::translate("quillbox::PostQueue", "no subject field");
}

QString PostQueue::alreadyPostedReason() {
    return QCoreApplication::translate("quillbox::PostQueue", "already posted");
}

QString PostQueue::summaryText() const {
    if (isRunning() || m_records.isEmpty())
        return {};
    const auto count = [this](const QString& result) {
        return int(std::count_if(m_records.cbegin(), m_records.cend(),
                                 [&](const PostRecord& r) { return r.result == result; }));
    };
    QStringList parts;
    if (const int n = count(postResult::notFound()))
        parts.append(tr("%1 not found").arg(n));
    if (const int n = count(postResult::skipped())) {
        QStringList reasons;
        for (const PostRecord& r : m_records)
            if (r.result == postResult::skipped() && !r.note.isEmpty() && !reasons.contains(r.note))
                reasons.append(r.note);
        parts.append(reasons.isEmpty()
                         ? tr("%1 skipped").arg(n)
                         : tr("%1 skipped (%2)")
                               .arg(QString::number(n), reasons.join(QStringLiteral(", "))));
    }
    if (const int n = count(postResult::stopped()))
        parts.append(tr("%1 stopped").arg(n));
    const QString posted = QString::number(count(postResult::watched()));
    const QString total = QString::number(m_records.size());
    if (m_records.size() == 1)
        return parts.isEmpty() ? tr("Posted to %1 of 1 forum.").arg(posted)
                               : tr("Posted to %1 of 1 forum: %2.")
                                     .arg(posted, parts.join(QStringLiteral(", ")));
    return parts.isEmpty() ? tr("Posted to %1 of %2 forums.").arg(posted, total)
                           : tr("Posted to %1 of %2 forums: %3.")
                                 .arg(posted, total, parts.join(QStringLiteral(", ")));
}

QList<QueueForum> PostQueue::skippedForums() const {
    QList<QueueForum> skipped;
    if (isRunning())
        return skipped;
    for (qsizetype i = 0; i < m_records.size() && i < m_forums.size(); ++i)
        if (m_records[i].result == postResult::skipped())
            skipped.append(m_forums[i]);
    return skipped;
}

void PostQueue::insertMade(bool subjectInserted) {
    if (isRunning() && !m_settled)
        m_subjectInserted = subjectInserted;
}

bool PostQueue::start(const QList<QueueForum>& forums, const QString& subject,
                      const QString& message) {
    if (isRunning() || forums.isEmpty()) {
        qCInfo(logQueue) << "run not started:" << (isRunning() ? "a run is going on" : "no forums");
        return false;
    }
    qCInfo(logQueue) << "run started:" << forums.size() << "forums";
    m_forums = forums;
    m_subject = subject;
    m_message = message;
    m_runId = newQueueRunId();
    m_records.clear();
    m_skipNote.clear();
    m_current = -1;
    advance();
    return true;
}

QueueForum PostQueue::currentForum() const {
    return isRunning() ? m_forums.at(m_current) : QueueForum();
}

QString PostQueue::progressText() const {
    if (isRunning()) {
        const QueueForum& forum = m_forums.at(m_current);
        return QCoreApplication::translate("quillbox::PostQueue", "%1 of %2: %3")
            .arg(position())
            .arg(count())
            .arg(forum.name.isEmpty() ? forum.address : forum.name);
    }
    if (m_records.isEmpty())
        return {};
    QStringList parts;
    for (const QString& result : {postResult::watched(), postResult::notFound(),
                                  postResult::skipped(), postResult::stopped()}) {
        const auto n = std::count_if(m_records.cbegin(), m_records.cend(),
                                     [&](const PostRecord& r) { return r.result == result; });
        if (n > 0)
            parts.append(QStringLiteral("%1 %2").arg(n).arg(result));
    }
    //: The queue strip after a run: %1 counts each outcome, as in "3 watched, 1 skipped".
    return QCoreApplication::translate("quillbox::PostQueue", "Done: %1")
        .arg(parts.join(QStringLiteral(", ")));
}

QString PostQueue::stateText() const {
    return stateName(m_state);
}

void PostQueue::pageLoaded() {
    if (!isRunning())
        return;
    switch (m_state) {
    case State::Loading: {
        qCDebug(logQueue).noquote() << loggedForum(position(), count(), currentForum())
                                    << "posting page loaded: the message goes in";
        m_state = State::WaitingForSubmit;
        const int at = m_current;
        emit changed();
        if (m_current == at && m_state == State::WaitingForSubmit)
            emit insertRequested(m_subject, m_message, m_forums.at(at).format);
        break;
    }
    case State::WaitingForSubmit:
        // The user submitted, previewed or followed a link: the follow-up looks at what loads.
        qCDebug(logQueue).noquote() << loggedForum(position(), count(), currentForum())
                                    << "a page loaded after the insert: looking for the post";
        m_state = State::Watching;
        emit changed();
        break;
    default:
        break;
    }
}

void PostQueue::threadFound(const QString& address, const QString& pageTitle) {
    // Before the insert the follow-up can only be reporting on an earlier post.
    if (!isRunning() || m_settled ||
        (m_state != State::WaitingForSubmit && m_state != State::Watching))
        return;
    record(postResult::watched(), address, {},
           threadTitleFromPageTitle(pageTitle, m_forums.at(m_current).name));
    advance();
}

void PostQueue::nextForum() {
    if (!isRunning() || m_settled)
        return;
    record(postResult::notFound());
    advance();
}

void PostQueue::skip() {
    if (!isRunning() || m_settled)
        return;
    record(postResult::skipped());
    advance();
}

void PostQueue::stop() {
    if (!isRunning())
        return;
    // A forum whose outcome is already recorded (a slot of recorded() stopping the run) keeps it.
    if (!m_settled)
        record(postResult::stopped());
    finish(State::Idle);
}

void PostQueue::record(const QString& result, const std::optional<QString>& thread,
                       const QString& note, const QString& threadTitle) {
    const QueueForum& forum = m_forums.at(m_current);
    PostRecord entry;
    entry.time = m_clock.now();
    entry.forum = forum.address;
    entry.postingPage = forum.postingPage;
    entry.thread = thread;
    entry.threadTitle = threadTitle;
    // Only a subject that went into the form is the post's; a reply form may have no field.
    const bool noSubjectField = m_subjectInserted == false && !m_subject.isEmpty();
    entry.subject = noSubjectField ? QString() : m_subject;
    entry.format = forum.format;
    entry.result = result;
    entry.queueRun = m_runId;
    entry.note = note.isEmpty() && noSubjectField ? noSubjectFieldNote() : note;
    entry.message = postedMessageDigest(m_message);
    m_records.append(entry);
    m_settled = true;
    qCInfo(logQueue).noquote() << loggedForum(position(), count(), forum) << result
                               << (entry.note.isEmpty() ? QString() : u'(' + entry.note + u')')
                               << (thread ? shownAddress(*thread) : QString());
    emit recorded(entry);
}

void PostQueue::advance() {
    // The state is settled before anything is emitted, so a slot that acts on a signal (even
    // one that stops the run) meets a queue that is whole.
    while (++m_current < m_forums.size()) {
        m_settled = false;
        m_subjectInserted.reset();
        const QueueForum forum = m_forums.at(m_current);
        QString passedOver = noPostingPageReason();
        if (!forum.postingPage.trimmed().isEmpty() && m_repeatCheck) {
            // The question may wait for the user; nothing may settle this forum meanwhile, and
            // a Stop in between ends the run.
            const int at = m_current;
            const QString runId = m_runId;
            m_settled = true;
            const bool again = m_repeatCheck(forum, m_subject, m_message);
            if (!isRunning() || m_current != at || m_runId != runId)
                return;
            m_settled = false;
            if (!again)
                passedOver = alreadyPostedReason();
        }
        if (passedOver == noPostingPageReason() && !forum.postingPage.trimmed().isEmpty()) {
            qCInfo(logQueue).noquote()
                << loggedForum(position(), count(), forum) << "loading its posting page"
                << shownAddress(forum.postingPage.trimmed());
            m_state = State::Loading;
            const int at = m_current;
            emit changed();
            if (m_current == at && m_state == State::Loading)
                emit navigateRequested(forum.postingPage.trimmed());
            return;
        }
        m_state = State::Skipped;
        m_skipNote = QStringLiteral("%1: %2").arg(forum.name.isEmpty() ? forum.address : forum.name,
                                                  passedOver);
        record(postResult::skipped(), std::nullopt, passedOver);
        if (!isRunning())
            return; // stopped by a slot of recorded()
    }
    finish(m_state == State::Skipped ? State::Skipped : State::Idle);
}

void PostQueue::finish(State endState) {
    qCInfo(logQueue) << "run ended:" << m_records.size() << "of" << m_forums.size()
                     << "forums recorded";
    m_current = -1;
    m_state = endState;
    emit changed();
    emit finished();
}

} // namespace quillbox

// What the user does with the lists: forums added, named, given logins and formats, removed and
// put back; threads put on watch, checked, read and opened.
#include "browser/insert_follow_up.h"
#include "platform/logging.h"
#include "shell/program.h"
#include "watch/background_check.h"
#include "watch/fetch_messages.h"
#include "watch/forum_cookie_jar.h"
#include "watch/forum_match.h"
#include "watch/forum_passwords.h"
#include "watch/post_measurer.h"
#include "watch/reply_check.h"
#include "watch/shown_address.h"
#include "watch/watch_lists.h"

namespace quillbox {

void Program::connectLists() {
    connect(m_lists.get(), &WatchLists::undoAvailableChanged, this, &Program::undoAvailable);
    // The window's check waits while the background check runs; the background check waits
    // for the window's (BackgroundCheck::poll).
    connect(m_background.get(), &BackgroundCheck::runningChanged, this,
            &Program::backgroundCheckRunning);
}

void Program::abandonChecks() {
    m_background->abandon();
}

void Program::browserCookieAdded(const QNetworkCookie& cookie) {
    m_cookies->add(cookie);
}

void Program::browserCookieRemoved(const QNetworkCookie& cookie) {
    m_cookies->remove(cookie);
}

QAbstractItemModel* Program::forumsModel() const {
    return &m_lists->forumModel();
}

QAbstractItemModel* Program::threadsModel() const {
    return &m_lists->threadModel();
}

QAbstractItemModel* Program::newRepliesModel() const {
    return &m_lists->newRepliesModel();
}

int Program::addForumFromPage(const QString& address, const QString& title) {
    if (m_lists->forumIndex(address) >= 0 || !acceptWebAddress(address, m_messages))
        return -1;
    // No login yet: the boxes of the row keep their text until it gets one.
    const int row = m_lists->appendForum(address, QString());
    // Named after its page, as the browser's title shows it; renamed at will.
    m_lists->forumModel().setName(row, title);
    return row;
}

void Program::clearForumLogin(int row) {
    m_lists->setForumLogin(row, QStringLiteral("|"));
}

void Program::storeLogin(int row, const QString& userName, const QString& password) {
    m_passwords->storeLogin(row, userName, password);
}

void Program::setPasswordsInKeyring(bool on) {
    m_passwords->setInKeyring(on);
}

bool Program::usePageAsPostingPage(int row, const QString& page) {
    applyPendingState();
    if (row < 0 || row >= m_lists->forumCount() || !acceptWebAddress(page, m_messages))
        return false;
    m_lists->forumModel().setPostingPage(row, page);
    return true;
}

int Program::forumOfPage(const QString& address) const {
    return forumForPage(m_lists->forums(), address);
}

QString Program::forumFormat(int row) const {
    if (row < 0 || row >= m_lists->forumCount())
        return {};
    const QString format = m_lists->forumModel().format(row);
    return formatNames(m_templates).contains(format) ? format : QString();
}

bool Program::setForumFormat(int row, const QString& format) {
    applyPendingState();
    if (row < 0 || row >= m_lists->forumCount() || !formatNames(m_templates).contains(format))
        return false;
    m_lists->forumModel().setFormat(row, format);
    return true;
}

bool Program::removeForum(int row) {
    applyPendingState();
    return toldRemoved(m_lists->removeForumUndoably(row));
}

bool Program::removeThread(int row) {
    applyPendingState();
    return toldRemoved(m_lists->removePostUndoably(row));
}

bool Program::toldRemoved(const QString& address) {
    if (address.isEmpty())
        return false;
    emit rowRemoved(address);
    return true;
}

bool Program::undoRemoval() {
    applyPendingState();
    const QString address = m_lists->undoRemoval();
    if (address.isEmpty())
        return false;
    emit removalUndone(address);
    return true;
}

void Program::watchPage(const QString& address) {
    applyPendingState();
    m_measurer->watchPost(address);
}

void Program::startCheck() {
    applyPendingState();
    m_replyCheck->start();
}

bool Program::markRead(int newReplyRow) {
    applyPendingState();
    return m_lists->markAsRead(newReplyRow);
}

void Program::markThreadRead(ThreadModel::PostId id) {
    applyPendingState();
    m_lists->markAsRead(m_lists->newReplyRow(id));
}

void Program::markAllRead() {
    applyPendingState();
    for (int row = int(m_lists->newReplies().size()) - 1; row >= 0; --row)
        m_lists->markAsRead(row);
}

void Program::openingThread(int newReplyRow) {
    applyPendingState();
    if (newReplyRow >= 0)
        m_lists->markAsRead(newReplyRow);
    // The page may show the message just posted: look for it in the next pages loaded.
    m_followUp->armFollowUp();
}

void Program::watchMovedThread(ThreadModel::PostId id) {
    applyPendingState();
    const int row = m_lists->rowOfPost(id);
    const std::optional<PostCheck> check = m_lists->lastCheck(row);
    if (row < 0 || !check || check->movedTo.isEmpty())
        return;
    const QString movedTo = check->movedTo;
    qCInfo(logWatch).noquote() << "watching the new address of"
                               << shownAddress(m_lists->post(row).address) << "at"
                               << shownAddress(movedTo);
    // The old address fails on every check from now on: the new one takes its place.
    m_lists->removePost(row);
    m_measurer->watchPost(movedTo);
}

} // namespace quillbox

#include "browser/insert_follow_up.h"

#include "browser/shown_text.h"
#include "platform/logging.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>

namespace quillbox {

QString followUpSearchText(QStringView insertedText) {
    qsizetype length = insertedText.size();
    // Positions here are 0-based, so "stands at the very start" is position 0.
    const auto cutAt = [&](QStringView delimiter) {
        const qsizetype pos = insertedText.indexOf(delimiter);
        if (pos > 0)
            length = std::min(length, pos);
    };
    cutAt(u"\r\n");
    cutAt(u"\r");
    cutAt(u"\n");
    cutAt(u"<");
    return insertedText.first(length).toString();
}

bool pageShowsText(const BodyHtml& body, QStringView searchText) {
    if (searchText.isEmpty())
        return true;
    const QString pageText = body.outer + QStringLiteral("\r\n") + body.inner;
    return pageText.contains(searchText, Qt::CaseInsensitive);
}

QString nowWatchingStatus(const QString& pageTitle) {
    //: The status bar once a posted message is found: %1 is the title of its thread's page.
    return QCoreApplication::translate("quillbox::InsertFollowUp", "Now watching: %1")
        .arg(pageTitle);
}

QString threadNotFoundStatus() {
    return QCoreApplication::translate(
        "quillbox::InsertFollowUp", "The posted thread was not found; use Watch This Post on it");
}

InsertFollowUp::InsertFollowUp(BrowserPage& page, WatchAction watchThisPost, QObject* parent)
    : QObject(parent), m_page(page), m_watchThisPost(std::move(watchThisPost)) {}

void InsertFollowUp::recordInsert(const QString& text, const QString& plainText) {
    m_lastInsertedText = text;
    m_lastPlainText = plainText;
    arm();
}

void InsertFollowUp::armFollowUp() {
    arm();
}

void InsertFollowUp::arm() {
    m_count = armedDownloads;
    m_armedAt = m_downloads;
    m_missReported = false;
}

void InsertFollowUp::lowerCount() {
    m_count = std::max(lowestCount, m_count - 1);
}

void InsertFollowUp::checkInsertedPost() {
    const quint64 download = ++m_downloads;
    const bool armed = m_count >= 1 && m_count <= armedDownloads;
    // The download is counted now, whatever the read finds later.
    lowerCount();
    if (!armed)
        return;
    const quint64 generation = m_page.pageGeneration();
    QPointer<InsertFollowUp> self(this);
    m_page.readBodyWithText([self, generation, download](std::optional<BodyHtml> body) {
        if (self)
            self->onPageRead(body, generation, download);
    });
}

bool InsertFollowUp::showsInsertedText(const BodyHtml& body) const {
    return pageShowsText(body, followUpSearchText(m_lastInsertedText)) ||
           shownTextContains(body.text, plainFirstLine(m_lastPlainText));
}

void InsertFollowUp::onPageRead(const std::optional<BodyHtml>& body, quint64 generation,
                                quint64 download) {
    if (download < m_searchFloor)
        return;
    if (generation != m_page.pageGeneration() || !body || !showsInsertedText(*body)) {
        // Reads answer in the order asked, so the last download of this watch ends it.
        if (download == m_armedAt + armedDownloads && !m_missReported) {
            m_missReported = true;
            qCInfo(logBrowser) << "the posted thread was not found in the pages that followed";
            emit threadNotFound();
        }
        return;
    }
    if (m_armedAt >= download) {
        // Armed again since this download: that watch goes on, only older reads are dropped.
        m_searchFloor = std::max(m_searchFloor, m_armedAt + 1);
    } else {
        // The hit ends the watch; the downloads reported since would each have lowered it.
        m_count = m_downloads == download ? 0 : lowestCount;
        m_searchFloor = m_downloads + 1;
        m_missReported = true;
    }
    if (m_watchThisPost)
        m_watchThisPost();
    qCInfo(logBrowser) << "the posted thread was found; watching it";
    emit postFound();
    emit nowWatching(m_page.title());
}

} // namespace quillbox

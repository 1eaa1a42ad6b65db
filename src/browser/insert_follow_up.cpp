#include "browser/insert_follow_up.h"

#include "browser/shown_text.h"
#include "platform/logging.h"
#include "watch/shown_address.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <utility>

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
    : QObject(parent), m_page(page), m_watchThisPost(std::move(watchThisPost)) {
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(defaultQuietTime);
    connect(&m_quiet, &QTimer::timeout, this, [this] {
        qCInfo(logInsert) << "no post was seen before the user fell quiet";
        reportMiss();
    });
    connect(&m_page, &BrowserPage::userActed, this, [this] {
        if (m_quiet.isActive())
            m_quiet.start();
    });
    connect(&m_page, &BrowserPage::documentChanged, this, &InsertFollowUp::checkDocument);
}

void InsertFollowUp::recordInsert(const QString& text, const QString& plainText) {
    m_lastInsertedText = text;
    m_lastPlainText = plainText;
    m_postingPage = m_page.currentUrl();
    m_armGeneration = m_page.pageGeneration();
    qCInfo(logInsert).noquote() << "following the insert made on" << shownAddress(m_postingPage);
    arm();
    // What the open document shows now is not the post: a reply page may list the user's
    // earlier copy of it. Later looks count only posts beyond these.
    m_page.locateText(search(), true, [](const std::optional<TextPlacement>&) {});
    m_watchingDocument = true;
    m_page.setDocumentWatched(true);
    m_quiet.start();
}

void InsertFollowUp::armFollowUp() {
    arm();
}

void InsertFollowUp::arm() {
    ++m_arming;
    m_count = armedDownloads;
    m_armedAt = m_downloads;
    m_lastDownload = m_armedAt + armedDownloads;
    m_missReported = false;
}

void InsertFollowUp::lowerCount() {
    m_count = std::max(lowestCount, m_count - 1);
}

TextSearch InsertFollowUp::search() const {
    return TextSearch{followUpSearchText(m_lastInsertedText).toLower(),
                      normalisedShownText(plainFirstLine(m_lastPlainText))};
}

ThreadVerdict InsertFollowUp::verdict(const TextPlacement& placement, quint64 generation) const {
    // The posting page loaded again (a reply page listing the thread's latest posts) is where
    // the message is written, not where it was posted.
    if (generation != m_armGeneration && samePageAddress(m_page.currentUrl(), m_postingPage))
        return ThreadVerdict::NotThread;
    return judgeThreadPage(placement);
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
    m_page.locateText(search(), false,
                      [self, generation, download](std::optional<TextPlacement> placement) {
                          if (self)
                              self->onPlacement(placement, generation, download);
                      });
}

void InsertFollowUp::onPlacement(const std::optional<TextPlacement>& placement, quint64 generation,
                                 quint64 download) {
    if (download < m_searchFloor)
        return;
    const ThreadVerdict judged = generation == m_page.pageGeneration() && placement
                                     ? verdict(*placement, generation)
                                     : ThreadVerdict::NotThread;
    if (judged == ThreadVerdict::Composing && download > m_armedAt && !m_missReported) {
        // A preview or a form sent back: the post is still to be sent, and this page does not
        // use up the watch.
        qCDebug(logInsert) << "a page still composing the post: the watch goes on";
        m_count = std::min(armedDownloads, m_count + 1);
        ++m_lastDownload;
        return;
    }
    if (judged != ThreadVerdict::Thread) {
        qCDebug(logInsert) << "a page loaded that is not the posted thread";
        // Reads answer in the order asked, so the last download of this watch ends it.
        if (download == m_lastDownload && !m_missReported) {
            qCInfo(logInsert) << "the posted thread was not found in the pages that followed";
            reportMiss();
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
        endWatch();
    }
    found(*placement);
}

void InsertFollowUp::checkDocument() {
    if (!m_watchingDocument)
        return;
    if (m_documentCheckBusy) {
        m_documentCheckAgain = true;
        return;
    }
    m_documentCheckBusy = true;
    const quint64 generation = m_page.pageGeneration();
    QPointer<InsertFollowUp> self(this);
    m_page.locateText(
        search(), false,
        [self, generation, arming = m_arming](std::optional<TextPlacement> placement) {
            if (self)
                self->onDocumentPlacement(placement, generation, arming);
        });
}

void InsertFollowUp::onDocumentPlacement(const std::optional<TextPlacement>& placement,
                                         quint64 generation, quint64 arming) {
    m_documentCheckBusy = false;
    if (arming == m_arming && m_watchingDocument && placement &&
        generation == m_page.pageGeneration() &&
        verdict(*placement, generation) == ThreadVerdict::Thread) {
        m_count = 0;
        m_searchFloor = m_downloads + 1;
        m_missReported = true;
        endWatch();
        found(*placement);
        return;
    }
    if (std::exchange(m_documentCheckAgain, false))
        checkDocument();
}

void InsertFollowUp::found(const TextPlacement& placement) {
    const QString thread = threadAddress(m_page.currentUrl(), placement.canonical);
    if (m_watchThisPost)
        m_watchThisPost(thread);
    qCInfo(logInsert).noquote() << "the posted thread was found; watching" << shownAddress(thread);
    const QString title = m_page.title();
    emit postFound(thread, title);
    emit nowWatching(title);
}

void InsertFollowUp::endWatch() {
    ++m_arming;
    m_quiet.stop();
    if (std::exchange(m_watchingDocument, false))
        m_page.setDocumentWatched(false);
}

void InsertFollowUp::reportMiss() {
    endWatch();
    if (m_missReported)
        return;
    m_missReported = true;
    m_count = std::min(m_count, 0);
    m_searchFloor = m_downloads + 1;
    emit threadNotFound();
}

} // namespace quillbox

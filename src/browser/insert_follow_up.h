#pragma once

#include "browser/thread_page.h"
#include "platform/browser_page.h"

#include <QObject>
#include <QString>
#include <QStringView>
#include <QTimer>
#include <chrono>
#include <functional>

namespace quillbox {

// The part of an inserted text looked for in the pages loaded afterwards: its first line, cut
// before its first tag. CR LF, CR, LF and "<" each end it at their first occurrence, except
// one that stands at the very start, which is ignored (so a text starting with "<" runs to its
// first line break).
QString followUpSearchText(QStringView insertedText);

// Whether the body's outer markup, CR LF, and its inner markup hold the search text, compared
// without regard to case. An empty search text is in every page.
bool pageShowsText(const BodyHtml& body, QStringView searchText);

// What the status bar says when the follow-up has put a thread on watch, and when its countdown
// ran out without finding one.
QString nowWatchingStatus(const QString& pageTitle);
QString threadNotFoundStatus();

// After an auto-insert (or a paste of the message), the next few completed downloads of the
// browser pane are searched for the inserted text; the page where it shows up as a post (the
// thread, once the post is submitted; see thread_page.h for when a page counts) is handed to
// "Watch This Post". The text is looked for as the converted message's first line in the page's
// markup (followUpSearchText), and as the first line of the message as the user wrote it in the
// page's text: a board that turns BBCode into links or escapes "&" shows the post, not the text
// that was inserted.
//
// insertWatchCount counts the downloads still to be searched: 1 to 4 is armed, 0 or less idle.
// Every completed download lowers it by one (never below -1); a hit ends the watch at once. A
// page that still holds the text in a form or editor (a preview, a form sent back with an
// error) gives its download back. The page is read asynchronously, so the count is lowered
// when the download is reported, and a hit is acted upon only if its page is still the one
// shown. After a hit, the reads still in flight for the same watch are dropped.
//
// A forum that posts from its own scripts loads no page: after an insert or a paste the open
// document is watched too (changes to it, moves of its address), and it counts as the thread
// once it shows the text in more posts than when the watch began. The watch ends, with the
// same "not found", when the downloads are used up or when the user has done nothing in the
// page for quietTime.
class InsertFollowUp final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InsertFollowUp)

public:
    // Runs "Watch This Post" for the thread at this address.
    using WatchAction = std::function<void(const QString& thread)>;

    static constexpr int armedDownloads = 4;
    static constexpr int lowestCount = -1;
    static constexpr std::chrono::milliseconds defaultQuietTime{60'000};

    InsertFollowUp(BrowserPage& page, WatchAction watchThisPost, QObject* parent = nullptr);

    int insertWatchCount() const { return m_count; }
    const QString& lastInsertedText() const { return m_lastInsertedText; }
    bool watchesDocument() const { return m_watchingDocument; }
    // The page the text was put into; it never counts as the thread once reloaded.
    const QString& postingPage() const { return m_postingPage; }
    void setQuietTime(std::chrono::milliseconds quiet) { m_quiet.setInterval(quiet); }

    // An auto-insert or a paste put this text into the page shown: remember it, arm the watch
    // and watch the document. plainText is the message before conversion, as the user wrote it
    // ("" looks for the inserted text alone).
    void recordInsert(const QString& text, const QString& plainText = {});
    // Arms the watch of downloads without changing the remembered text (a double-click in the
    // post lists).
    void armFollowUp();
    // Run on every completed download of the browser pane.
    void checkInsertedPost();

signals:
    // The inserted text was found and the thread handed to "Watch This Post"; pageTitle is the
    // title of its page as the browser shows it.
    void postFound(const QString& thread, const QString& pageTitle);
    // Right after postFound: the title of the page put on watch (see nowWatchingStatus).
    void nowWatching(const QString& pageTitle);
    // The watch ended and nothing was found; once per arming.
    void threadNotFound();

private:
    void arm();
    void lowerCount();
    TextSearch search() const;
    ThreadVerdict verdict(const TextPlacement& placement, quint64 generation) const;
    void onPlacement(const std::optional<TextPlacement>& placement, quint64 generation,
                     quint64 download);
    void checkDocument();
    void onDocumentPlacement(const std::optional<TextPlacement>& placement, quint64 generation,
                             quint64 arming);
    void found(const TextPlacement& placement);
    void endWatch();
    void reportMiss();

    BrowserPage& m_page;
    WatchAction m_watchThisPost;
    int m_count = 0;
    QString m_lastInsertedText;
    QString m_lastPlainText;
    QString m_postingPage;
    quint64 m_armGeneration = 0;
    quint64 m_arming = 0;       // raised by every arming and every end of a watch
    quint64 m_downloads = 0;    // completed downloads reported so far
    quint64 m_armedAt = 0;      // m_downloads when the watch was last armed
    quint64 m_lastDownload = 0; // the download whose miss ends the watch
    quint64 m_searchFloor = 0;  // reads for earlier downloads are dropped (a hit ended them)
    bool m_missReported = true; // this watch has ended in a find or said that it found nothing
    bool m_watchingDocument = false;
    bool m_documentCheckBusy = false;
    bool m_documentCheckAgain = false;
    QTimer m_quiet;
};

} // namespace quillbox

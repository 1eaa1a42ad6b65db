#pragma once

#include "platform/browser_page.h"

#include <QObject>
#include <QString>
#include <QStringView>
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

// After an auto-insert, the next few completed downloads of the browser pane are searched for
// the inserted text; the page where it shows up (the thread, once the post is submitted) is
// handed to "Watch This Post". A page shows it when its markup holds the search text of the
// converted message (followUpSearchText, as pageShowsText looks), or when its rendered text
// holds the first line of the message as the user wrote it (shownTextContains): a board that
// turns BBCode into links or escapes "&" shows the post, not the text that was inserted.
//
// insertWatchCount counts the downloads still to be searched: 1 to 4 is armed, 0 or less idle.
// Every completed download lowers it by one (never below -1); a hit ends the watch at once.
// The page is read asynchronously, so the count is lowered when the download is reported, and
// a hit is acted upon only if its page is still the one shown. After a hit, the reads still in
// flight for the same watch are dropped, and the count ends where it would have ended had each
// page been searched the moment its download completed.
class InsertFollowUp final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InsertFollowUp)

public:
    using WatchAction = std::function<void()>;

    static constexpr int armedDownloads = 4;
    static constexpr int lowestCount = -1;

    // watchThisPost runs "Watch This Post" on the page now shown.
    InsertFollowUp(BrowserPage& page, WatchAction watchThisPost, QObject* parent = nullptr);

    int insertWatchCount() const { return m_count; }
    const QString& lastInsertedText() const { return m_lastInsertedText; }

    // An auto-insert reached the writing step with this text: remember it and arm the watch.
    // plainText is the message before conversion, as the user wrote it ("" looks for the
    // inserted text alone).
    void recordInsert(const QString& text, const QString& plainText = {});
    // Arms the watch without changing the remembered text (a double-click in the post lists).
    void armFollowUp();
    // Run on every completed download of the browser pane.
    void checkInsertedPost();

signals:
    // The inserted text was found and the page handed to "Watch This Post".
    void postFound();
    // Right after postFound: the title of the page put on watch (see nowWatchingStatus).
    void nowWatching(const QString& pageTitle);
    // The last download of an armed watch was searched and nothing was found; once per arming.
    void threadNotFound();

private:
    void arm();
    void lowerCount();
    void onPageRead(const std::optional<BodyHtml>& body, quint64 generation, quint64 download);
    bool showsInsertedText(const BodyHtml& body) const;

    BrowserPage& m_page;
    WatchAction m_watchThisPost;
    int m_count = 0;
    QString m_lastInsertedText;
    QString m_lastPlainText;
    quint64 m_downloads = 0;    // completed downloads reported so far
    quint64 m_armedAt = 0;      // m_downloads when the watch was last armed
    quint64 m_searchFloor = 0;  // reads for earlier downloads are dropped (a hit ended them)
    bool m_missReported = true; // this watch has ended in a find or said that it found nothing
};

} // namespace quillbox

#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QUrl>

// What the reply check reads from a thread's page: its posts, where the thread goes on, and its
// title. Pure functions over the page's bytes (UTF-8 or any ASCII-compatible encoding), one pass
// each, no tree; markup inside comments and inside script, style, textarea and title elements is
// never read as tags.
namespace quillbox {

// The posts a page marks with numbered identifiers.
//
// The rule (page script mirrors it; keep both the same):
//  1. Every start tag is read in document order. Its markings:
//     - an `id` whose value is a prefix followed by 1 to 18 ASCII digits at its very end, the
//       prefix being one or more of the characters A-Z a-z _ - (nothing else): the marking is
//       "id:" + the prefix in lower case, the number its digits ("post_123" -> "id:post_", 123;
//       "js-post-9" -> "id:js-post-", 9);
//     - an attribute `data-pid`, `data-post-id` or `data-postid` whose value is 1 to 18 ASCII
//       digits: the marking is the attribute's name in lower case, the number its value.
//  2. An id marking counts only when its prefix reads as a post: split the prefix into words at
//     every character that is not a letter; no word may be one of
//       thread topic forum forums category cat board node user member profile author avatar
//       poll like likes vote sig signature attachment attach edit edited quote menu
//     and the last word must be one of
//       post p pid postid msg message reply comment entry.
//     The data attributes always count.
//  3. Each marking collects its numbers in document order. The same number written again right
//     after itself is one post (an engine repeating the attribute inside the post). A number
//     lower than the one before, or repeated later, means the marking does not number posts in
//     order: the marking is dropped.
//  4. A marking is read when it is kept and holds at least two numbers, or one number when its
//     last word is post, p, pid, postid or msg, or it is a data attribute (a thread of a single
//     post on an unambiguous marking).
//  5. Of the markings read, the one with the most numbers wins; on a tie, the one that appears
//     first in the page. (Engines marking each post several ways, such as "post_5" beside
//     "pid_5" or "post_message_5", thus always give the same one.)
//  No marking read: an empty identity. Thread lists ("thread_12", "topic-55", "t12",
//  "forum_3"), forum indexes, error and login pages therefore give none.
struct PostIdentity {
    QString key;       // which marking was read, e.g. "id:post_" or "data-pid"; empty when none
    QList<qint64> ids; // the post numbers, in document order
    bool isValid() const { return !ids.isEmpty(); }
    qint64 highest() const;                // -1 when none
    int countAbove(qint64 recorded) const; // how many ids are higher than recorded
};
PostIdentity readPostIdentity(QByteArrayView html);

// Where a thread goes on after this page: the address of its last page when the page list shows
// one later than this page, else empty (this is the last page, or a thread of one page).
//
// Addresses: every href is decoded (character references such as "&amp;") and resolved against
// the page's first <base href> (itself resolved against pageUrl), or pageUrl; the fragment is
// dropped from the answer.
//
// A thread page's place: an address is split into
//  - its site: scheme, host and port;
//  - its path; a first query item without "=" goes on with the path ("showthread.php?5-slug/
//    page2" is read as the path "showthread.php/5-slug/page2");
//  - its thread: the query items named t, tid, topic, topicid, topic_id, thread, threadid,
//    thread_id, showtopic, discussion, discussionid, id (items are separated by "&" or ";");
//    a value "N.M" (topic=5.20) is thread N at offset M, and "N.anything else" (topic=5.msg7)
//    thread N;
//  - its page, the first that applies: a query item page, pg, pagenum, paged (a page number)
//    or start, st, offset, from (an offset); a query item p (a page number, but "weak", below);
//    a last path segment page-N, page_N, pageN or pN, or the two last segments page/N; a last
//    segment NAME-page-N (with an optional .htm/.html, kept in the base); a last segment
//    NAME,ID.M (optional .htm/.html) as thread NAME,ID at offset M; these path parts are removed
//    to give the path's base. A trailing "/" is ignored throughout.
//  - A last segment of digits alone, N, is a "weak" page N of the path before it.
// A link is another page of this thread when it is on the same site; carries exactly the
// thread items of this page's address (none when the address has none); has the same path
// base (a weak /N: its path without /N is this page's path, or both paths differ only in a
// last all-digit segment, this page's being its current number; a rel link may also have the
// base of this page's path without its last all-digit segment, "/t/slug/5?page=2" from
// "/t/slug/5/12"); carries no query item beyond
// its thread and page items other than those this page's address carries with the same value,
// and sid, s, f, fid, forum, highlight, hilit, pp, perpage, sort, order, view_mode; has no
// query value reply, newreply, post, posting, quote, edit, lastpost, newpost, getnewpost,
// getlastpost, and no last path segment starting with "posting", "newreply", "reply" or
// "post."; has no fragment of the form letters, "_" or "-" then digits (#p123, #post-5: a
// post's permalink); and names a page. A weak page counts only in <link> or rel-marked links,
// or when the link's text is exactly its number.
//
// The current page: the number in pageUrl; else the one in the page's <link rel="canonical">
// when that is a page of this thread (whose thread items also complete an address that has
// none, as "showthread.php?p=5" does; a canonical without a page part says this is the first
// page); else, when no rel="prev" link and no last all-digit segment tell, the page list: an
// <a> linking this very address (fragment aside) with a number as its text names it; otherwise
// it is the single number missing between two listed pages of this thread (a link to the
// thread without a page part and with the text "1" lists page 1; a longer run missing is the
// list's "..."), or one past the highest listed; with no list, 1 (or offset 0). It is raised to
// one past a rel="prev" link's page. Only pages of the same kind (number or offset) as the
// current one with a higher number count as later.
//
// The answer, in this order:
//  1. a <link rel="last">, else an <a rel="last">, that is a later page of this thread;
//  2. when the page has a rel="prev" but no rel="next" link to a later page: none (this is the
//     last page; the page list is not consulted);
//  3. the later page of this thread with the highest number among all <a href> links (a page
//     list's last entry), when it is not below a rel="next" page;
//  4. a <link rel="next">, else an <a rel="next">, that is a later page of this thread (the
//     caller fetches it and reads again, a few hops at most);
//  5. none.
QUrl readLaterPage(QByteArrayView html, const QUrl& pageUrl);

// The page's first <title> before <body>, references decoded, white space collapsed, and trimmed
// of the forum's name where it can be told apart: the name is taken from
// <meta property="og:site_name">, else <meta name="application-name">, else forumName; when the
// title starts or ends with that name (compared without regard to case) joined by one of " - ",
// " | ", " :: ", " – ", " — ", " • ", " · ", " » ", " › ", ": ", the name and its separator are
// removed. Then a leading or trailing part "Page N" (or "Page N of M") joined the same way is
// removed, so every page of a thread has one title: "Brakes squeal - Page 2 - Example Forums" ->
// "Brakes squeal". Nothing is removed where nothing would remain. No title: an empty text.
QString readThreadTitle(QByteArrayView html, const QString& forumName = {});

} // namespace quillbox

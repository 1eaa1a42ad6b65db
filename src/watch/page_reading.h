#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QUrl>

// What the reply check reads from a thread's page: its posts, where the thread goes on, and its
// title. Pure functions over the page's bytes (UTF-8 or any ASCII-compatible encoding), one pass
// each, no tree. Tags inside comments, and inside script, style, textarea and title elements,
// are never read; noscript content is (JavaScript forums serve their posts there). A tag cut
// off by the end of the page is not read. Attribute names are compared without regard to case.
namespace quillbox {

// The posts a page marks with numbered identifiers.
//
// The rule (page script mirrors it; keep both the same):
//  1. Every start tag is read in document order. Its markings (attribute names in any letter
//     case; values as written, character references not decoded):
//     - an `id` whose value is a prefix followed by 1 to 18 ASCII digits at its very end, the
//       prefix being one or more of the characters A-Z a-z _ - (nothing else): the marking is
//       "id:" + the prefix in lower case, the number its digits ("post_123" -> "id:post_", 123;
//       "js-post-9" -> "id:js-post-", 9);
//     - an attribute `data-pid`, `data-post-id` or `data-postid` whose value is 1 to 18 ASCII
//       digits: the marking is the attribute's name in lower case, the number its value.
//  2. An id marking counts only when its prefix reads as a post: split the prefix into words at
//     every character that is not a letter, and compare them in lower case; no word may be
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
//  - its path, without trailing "/"; a first query item without "=" goes on with the path
//    ("showthread.php?5-slug/page2" is read as the path "showthread.php/5-slug/page2");
//  - its thread: the query items (separated by "&" or ";", names in any letter case) named t,
//    tid, topic, topicid, topic_id, thread, threadid, thread_id, showtopic, discussion,
//    discussionid or id; a value "N.rest" with N all digits is thread N ("topic=5.msg7"), and
//    when rest is all digits too, the address is at offset rest ("topic=5.20");
//  - its page, the first of: a query item page, pg, pagenum or paged with a number (a page
//    number); start, st, offset or from with a number (an offset); the offset of a thread item
//    "N.M"; a query item p with a number (a "weak" page number in a link; in this page's own
//    address it names no page, as "?t=5&p=123" is mostly a post); and only when the query
//    gives none, from the path's last segment: page-N, page_N, pageN or pN (any letter case),
//    or "page" followed by a segment N; NAME-page-N with an optional .htm or .html; NAME,ID.M
//    with an optional .htm or .html (offset M). Its base is the path without that page part
//    (NAME-page-N.html gives NAME.html, NAME,ID.M.html gives NAME,ID.html).
//  - A last segment of digits alone, N, names no page by itself (see weak /N below).
// A link is a page of this thread when, resolved, it is on the same site; has the same thread
// items as this page (none when this page has none); has no query item besides its thread and
// page items but those this page's address carries with the same value and sid, s, f, fid,
// forum, highlight, hilit, pp, perpage, sort, order, view_mode; has no query value (any letter
// case) reply, newreply, post, posting, quote, edit, lastpost, newpost, getnewpost,
// getlastpost, and no last path segment starting with "posting", "newreply", "reply" or
// "post."; has no fragment made of letters, "_" or "-" followed by digits (a post's permalink,
// #p123); and either names a page with the same base as this page's, or, when this page's
// address names none, ends in a weak /N: its path without /N is this page's path, or (when
// this page's path ends in a digits-only segment M, and the page links the path without /M
// with the text "1") both paths differ only in that last segment. A rel="next"/"last" link may
// also name a page whose base is this page's path without a last digits-only segment
// ("/t/slug/5?page=2" from "/t/slug/5/12"). A weak page counts only in <link>, in a link whose
// rel holds next, last or prev, or when the link's text is exactly its number.
//
// The current page: the page this page's address names; else the page its
// <link rel="canonical"> names when that is on the same site with the same base and thread
// items (whose thread items also complete an address that has none, as "showthread.php?p=5"
// does; a canonical naming no page says this is the first page; when this page's path is the
// canonical's base followed by a post's segment, N or post-N, post_N, postN, the canonical's
// base becomes this page's); else, when no rel="prev"
// link and no digits-only last segment tell, the page list: an <a> linking this very address
// (fragment aside) with a number as its text names it; otherwise, of the page numbers linked
// (a link to the thread naming no page, with the text "1", lists page 1), the first single number
// missing between two listed ones (a longer run missing is the list's "..."), else one past
// the highest when page 1 is listed; else 1 (offset 0). A rel="prev" page of this thread
// raises it to one past that page (a rel="prev" link to the thread naming no page: to page 2,
// or an offset above 0). Later pages: when this page's address or canonical names
// a page, pages of the same kind (number or offset) with a higher number; otherwise page
// numbers above the current page and offsets above the current offset; for a weak /N beside
// this page's /M, numbers above M.
//
// The answer, in this order:
//  1. a <link rel="last">, else an <a rel="last">, that is a later page of this thread;
//  2. when the page has a rel="prev" link to this thread (with a page or without) but no
//     rel="next" link to a later page: none (this is the last page; the page list is not
//     consulted);
//  3. the later page of this thread with the highest number among all <a href> and
//     <area href> links (a page list's last entry), unless a rel="next" page of the same kind
//     lies beyond it;
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

// A title as a browser shows it (references already decoded), with white space collapsed and
// trimmed as readThreadTitle trims one, by forumName alone.
QString threadTitleFromPageTitle(const QString& pageTitle, const QString& forumName = {});

} // namespace quillbox

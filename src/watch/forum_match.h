#pragma once

#include "store/records.h"

#include <QList>
#include <QString>

namespace quillbox {

// The host of a web address, as the browser shows it: lower case, without "www.", port or
// credentials; "" for an address that is not on the web.
QString siteHost(const QString& address);

// How closely a page's address falls under a forum's: 0 when it does not. A forum is named by
// its whole address: scheme, host, port, then path, compared on segment boundaries (a forum at
// example.org/forumA owns example.org/forumA/viewtopic.php, not example.org/forumAB). A last
// segment naming a file (index.php) stands for its folder. http and https of one host on their
// usual ports are one site, the page's own scheme matching closer. A page on a subdomain of
// the forum's host (forum.example.org under example.org) falls under it only as a subdomain,
// which ranks below every forum of the page's own host.
struct ForumMatch {
    bool matches = false;
    bool sameHost = false;   // the page's own host, not a subdomain of the forum's
    int pathSegments = 0;    // how many segments of the forum's path the page shares
    bool sameScheme = false; // not only the other of http and https
    int hostLength = 0;      // for subdomains: the longer forum host is the closer
};
ForumMatch matchForum(const QString& page, const QString& forum);

// Whether a page falls under a forum's address at all (see matchForum).
bool pageOfForum(const QString& page, const QString& forum);

// The forum a page belongs to, or -1: the one whose address is the longest prefix of the
// page's. Forums of the page's own host come before any whose host the page's is a subdomain
// of; then the longer shared path, then the same scheme; among equals the first in the list.
int forumForPage(const QList<Forum>& forums, const QString& page);

} // namespace quillbox

#pragma once

#include "store/records.h"

#include <QList>
#include <QString>

namespace quillbox {

// The host of a web address, as the browser shows it: lower case, without "www.", port or
// credentials; "" for an address that is not on the web.
QString siteHost(const QString& address);

// Whether a page belongs to a forum's site: the same host, or a subdomain of it (a forum at
// example.org owns forum.example.org; one at forum.example.org does not own example.org).
bool pageOfForum(const QString& page, const QString& forum);

// The forum whose site the page belongs to, or -1. Where several match, the most specific (the
// longest host) wins, then the first in the list.
int forumForPage(const QList<Forum>& forums, const QString& page);

} // namespace quillbox

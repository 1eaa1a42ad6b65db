#include "watch/forum_match.h"

#include <QStringList>
#include <QUrl>
#include <optional>
#include <tuple>

namespace quillbox {

namespace {

struct Place {
    QString scheme;
    QString host;
    int port = -1;
    bool defaultPort = true;
    QStringList segments;
};

std::optional<Place> placeOf(const QString& address, bool isForum) {
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return std::nullopt;
    Place place;
    place.scheme = scheme;
    // QUrl lowers the case of the host and decodes percent-encoding in it, as the browser does.
    place.host = url.host(QUrl::FullyDecoded);
    if (place.host.startsWith(QLatin1String("www.")))
        place.host = place.host.mid(4);
    if (place.host.isEmpty())
        return std::nullopt;
    const int usual = scheme == QLatin1String("https") ? 443 : 80;
    place.port = url.port(usual);
    place.defaultPort = place.port == usual;
    place.segments = url.path(QUrl::FullyDecoded).split(u'/', Qt::SkipEmptyParts);
    // A forum named by its index page (example.org/forum/index.php) is its folder.
    if (isForum && !place.segments.isEmpty() && place.segments.last().contains(u'.'))
        place.segments.removeLast();
    return place;
}

} // namespace

QString siteHost(const QString& address) {
    const std::optional<Place> place = placeOf(address, false);
    return place ? place->host : QString();
}

ForumMatch matchForum(const QString& page, const QString& forum) {
    const std::optional<Place> p = placeOf(page, false);
    const std::optional<Place> f = placeOf(forum, true);
    ForumMatch match;
    if (!p || !f)
        return match;
    match.sameScheme = p->scheme == f->scheme;
    // One site on one port; http and https on their usual ports are the same site.
    const bool samePort = match.sameScheme ? p->port == f->port : p->defaultPort && f->defaultPort;
    if (!samePort)
        return match;
    match.sameHost = p->host == f->host;
    if (!match.sameHost && !p->host.endsWith(u'.' + f->host))
        return match;
    if (f->segments.size() > p->segments.size())
        return match;
    for (qsizetype i = 0; i < f->segments.size(); ++i)
        if (f->segments[i] != p->segments[i])
            return match;
    match.matches = true;
    match.pathSegments = int(f->segments.size());
    match.hostLength = int(f->host.size());
    return match;
}

bool pageOfForum(const QString& page, const QString& forum) {
    return matchForum(page, forum).matches;
}

int forumForPage(const QList<Forum>& forums, const QString& page) {
    int best = -1;
    std::tuple<bool, int, int, bool> bestRank;
    for (qsizetype row = 0; row < forums.size(); ++row) {
        const ForumMatch match = matchForum(page, forums[row].address);
        if (!match.matches)
            continue;
        // A subdomain rule counts only where no forum of the page's own host matches.
        const std::tuple<bool, int, int, bool> rank{match.sameHost, match.hostLength,
                                                    match.pathSegments, match.sameScheme};
        if (best < 0 || rank > bestRank) {
            best = int(row);
            bestRank = rank;
        }
    }
    return best;
}

} // namespace quillbox

#include "watch/same_site.h"

namespace quillbox {

bool isSameSite(const QUrl& from, const QUrl& to) {
    const QString fromScheme = from.scheme().toLower();
    const QString toScheme = to.scheme().toLower();
    if (from.host().compare(to.host(), Qt::CaseInsensitive) != 0 || to.host().isEmpty())
        return false;
    const auto defaultPort = [](const QString& scheme) { return scheme == u"https" ? 443 : 80; };
    const int fromPort = from.port(defaultPort(fromScheme));
    const int toPort = to.port(defaultPort(toScheme));
    if (fromScheme == toScheme)
        return fromPort == toPort;
    // Moving up to TLS on the same host keeps the site, whatever port it listens on; moving
    // down never does.
    return fromScheme == u"http" && toScheme == u"https";
}

} // namespace quillbox

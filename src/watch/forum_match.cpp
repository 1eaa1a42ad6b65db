#include "watch/forum_match.h"

#include <QUrl>

namespace quillbox {

QString siteHost(const QString& address) {
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    // QUrl lowers the case of the host and decodes percent-encoding in it, as the browser does.
    QString host = url.host(QUrl::FullyDecoded);
    if (host.startsWith(QLatin1String("www.")))
        host = host.mid(4);
    return host;
}

bool pageOfForum(const QString& page, const QString& forum) {
    const QString pageHost = siteHost(page);
    const QString forumHost = siteHost(forum);
    if (pageHost.isEmpty() || forumHost.isEmpty())
        return false;
    return pageHost == forumHost || pageHost.endsWith(u'.' + forumHost);
}

int forumForPage(const QList<Forum>& forums, const QString& page) {
    int best = -1;
    qsizetype bestLength = -1;
    for (qsizetype row = 0; row < forums.size(); ++row) {
        if (!pageOfForum(page, forums[row].address))
            continue;
        const qsizetype length = siteHost(forums[row].address).size();
        if (length > bestLength) {
            best = int(row);
            bestLength = length;
        }
    }
    return best;
}

} // namespace quillbox

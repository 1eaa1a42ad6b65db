#include "browser/thread_page.h"

#include <QUrl>

namespace quillbox {

namespace {

// The spots that show a post: inside marked posts where the page marks them, else all but
// those inside lists of threads.
int postSpots(int inPost, int elsewhere, bool postsMarked) {
    return postsMarked ? inPost : inPost + elsewhere;
}

bool webAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

int portOf(const QUrl& url) {
    return url.port(url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443
                                                                                           : 80);
}

} // namespace

ThreadVerdict judgeThreadPage(const TextPlacement& placement) {
    if (placement.editable > 0)
        return ThreadVerdict::Composing;
    const int shown = postSpots(placement.inPost, placement.elsewhere, placement.postsMarked);
    if (shown <= 0)
        return ThreadVerdict::NotThread;
    if (placement.baseline) {
        // Counted as the page counts now, so posts marked since do not hide the new one.
        const ShownSpots& then = *placement.baseline;
        const int before = postSpots(then.inPost, then.elsewhere, placement.postsMarked);
        if (shown <= before)
            return ThreadVerdict::NotThread;
    }
    return ThreadVerdict::Thread;
}

QString threadAddress(const QString& shownAddress, const QString& canonical) {
    if (canonical.isEmpty())
        return shownAddress;
    const QUrl shown(shownAddress);
    const QUrl named(canonical);
    if (!webAddress(shown) || !webAddress(named) ||
        shown.scheme().compare(named.scheme(), Qt::CaseInsensitive) != 0 ||
        shown.host() != named.host() || portOf(shown) != portOf(named))
        return shownAddress;
    return named.toString();
}

bool samePageAddress(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    return QUrl(a).adjusted(QUrl::RemoveFragment) == QUrl(b).adjusted(QUrl::RemoveFragment);
}

} // namespace quillbox

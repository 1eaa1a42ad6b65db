#include "watch/page_markup.h"
#include "watch/page_place.h"
#include "watch/page_reading.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillbox {

namespace {

using namespace page_place;

struct LaterPage {
    Kind kind = Kind::None;
    qint64 number = -1;
    QUrl url;
};

// This page's place, and the first page of each kind that is later than it.
class ThreadPages {
public:
    explicit ThreadPages(const QUrl& pageUrl) : page(placeOf(pageUrl)) {
        if (page.weak) { // "?t=5&p=123" names a post far more often than a page
            page.others.append({u"p"_s, QString::number(page.number)});
            page.kind = Kind::None;
            page.weak = false;
        }
        if (page.kind == Kind::Number)
            firstNumber = page.number + 1;
        if (page.kind == Kind::Offset)
            firstOffset = page.number + 1;
    }

    // Takes the thread items and page number of a canonical address of this page.
    void adoptCanonical(const QUrl& url) {
        const Place canonical = placeOf(url);
        if (canonical.site != page.site)
            return;
        if (canonical.base != page.base && isPostPlaceOf(canonical.base)) {
            page.base = canonical.base; // "/threads/slug.5/post-12" is on a page of its thread
            page.bare = -1;
        }
        if (canonical.base != page.base)
            return;
        if (page.thread.isEmpty())
            page.thread = canonical.thread;
        else if (canonical.thread != page.thread)
            return;
        if (canonical.kind == Kind::None && canonical.bare < 0)
            canonicalIsFirst = page.kind == Kind::None; // the first page is its own canonical
        if (page.kind == Kind::None && canonical.kind != Kind::None &&
            !(canonical.weak && canonical.thread.isEmpty())) {
            page.kind = canonical.kind;
            page.number = canonical.number;
            (page.kind == Kind::Number ? firstNumber : firstOffset) = page.number + 1;
        }
    }

    // A rel="prev" page of this thread: the current page is past it.
    void adoptPrevious(const QUrl& url) {
        if (const auto found = pageOf(url, true)) {
            seenPrevious = true;
            qint64& first = found->kind == Kind::Number ? firstNumber : firstOffset;
            first = qMax(first, found->number + 2);
        } else if (isThreadStart(url)) { // the previous page is the first: this is page 2 or on
            seenPrevious = true;
            firstNumber = qMax<qint64>(firstNumber, 3);
            firstOffset = qMax<qint64>(firstOffset, 2);
        }
    }

    // The page of this thread url is, with its number, whether later or not.
    std::optional<LaterPage> pageOf(const QUrl& url, bool relMarked,
                                    const QString& linkText = {}) const {
        if (url.fragment().size() > 0 && isPostAnchor(url.fragment()))
            return std::nullopt;
        const Place link = placeOf(url);
        if (link.site != page.site || link.thread != page.thread || isAction(link))
            return std::nullopt;
        for (const Item& item : link.others) {
            if (!kHarmlessNames.contains(item.first) && !page.others.contains(item))
                return std::nullopt;
        }
        LaterPage found{link.kind, link.number, url.adjusted(QUrl::RemoveFragment)};
        bool weak = link.weak;
        if (link.kind != Kind::None) {
            // A rel link from "/t/slug/5/12" (a post's place) may name "/t/slug/5?page=2".
            const bool fromPostPlace = relMarked && page.kind == Kind::None && page.bare >= 0 &&
                                       link.base == page.bareParent;
            if (link.base != page.base && !fromPostPlace)
                return std::nullopt;
        } else if (link.bare >= 0 && page.kind == Kind::None &&
                   (link.bareParent == page.path ||
                    (numberedSiblings && link.bareParent == page.bareParent))) {
            found.kind = Kind::Number;
            found.number = link.bare;
            weak = true;
        } else {
            return std::nullopt;
        }
        if (weak && !relMarked && linkText != QString::number(found.number))
            return std::nullopt;
        return found;
    }

    std::optional<LaterPage> laterPage(const QUrl& url, bool relMarked,
                                       const QString& linkText = {}) const {
        auto found = pageOf(url, relMarked, linkText);
        if (!found || !isLater(*found, url))
            return std::nullopt;
        return found;
    }

    bool hasPrevious() const { return seenPrevious; }

    // Whether this page's address is a post's own address below base: base + "/N" or
    // base + "/post-N" (also "post_N", "postN").
    bool isPostPlaceOf(const QString& base) const {
        static const QRegularExpression postSegment(u"^(post[-_]?)?\\d{1,18}$"_s,
                                                    QRegularExpression::CaseInsensitiveOption);
        return page.kind == Kind::None && page.path.startsWith(base + u'/') &&
               postSegment.match(page.path.sliced(base.size() + 1)).hasMatch();
    }

    // From "/t/slug/5/2", "/t/slug/5/3" is page 3 only where the page list shows "/t/slug/5"
    // as page 1; otherwise "/t/slug/6" could as well be the next thread.
    void noteFirstPageOfParent(const QUrl& url, const QString& linkText) {
        if (page.bare < 0 || linkText != u"1"_s || isPostAnchor(url.fragment()))
            return;
        const Place link = placeOf(url);
        if (link.site == page.site && link.path == page.bareParent && link.thread == page.thread)
            numberedSiblings = true;
    }
    bool knowsCurrent() const {
        return page.kind != Kind::None || seenPrevious || canonicalIsFirst || page.bare >= 0;
    }

    // A link to this thread's first page written without a page part, such as a page list's "1".
    bool isFirstPage(const QUrl& url, const QString& linkText) const {
        return linkText == u"1"_s && isThreadStart(url);
    }

    // A link to this thread naming no page.
    bool isThreadStart(const QUrl& url) const {
        if (isPostAnchor(url.fragment()))
            return false;
        const Place link = placeOf(url);
        if (link.site != page.site || link.thread != page.thread || link.base != page.base ||
            link.kind != Kind::None)
            return false;
        return std::all_of(link.others.cbegin(), link.others.cend(), [&](const Item& item) {
            return kHarmlessNames.contains(item.first) || page.others.contains(item);
        });
    }

    // Where neither the address nor the page says which page this is, the page list does: it
    // links every page but this one, so this is the single page missing between two listed
    // ones (a longer run missing is a list's "..."), or the one after the last listed.
    void adoptListedPages(QList<qint64> numbers) {
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        if (numbers.isEmpty())
            return;
        firstNumber = currentListed(numbers) + 1;
    }

    void setCurrentNumber(qint64 current) { firstNumber = current + 1; }

private:
    static qint64 currentListed(const QList<qint64>& numbers) {
        qint64 current = numbers.first() == 1 ? numbers.last() + 1 : 1;
        qint64 expected = 1;
        for (const qint64 number : std::as_const(numbers)) {
            if (number == expected + 1) {
                current = expected;
                break;
            }
            expected = number + 1;
        }
        return current;
    }

public:
private:
    bool isLater(const LaterPage& found, const QUrl& url) const {
        if (page.kind != Kind::None && found.kind != page.kind)
            return false;
        // A weak /N beside this page's own /M counts from M.
        const Place link = placeOf(url);
        if (link.kind == Kind::None && page.bare >= 0 && link.bareParent == page.bareParent)
            return found.number > qMax(page.bare, firstNumber - 1);
        return found.number >= (found.kind == Kind::Number ? firstNumber : firstOffset);
    }

    Place page;
    qint64 firstNumber = 2;
    qint64 firstOffset = 1;
    bool seenPrevious = false;
    bool canonicalIsFirst = false;
    bool numberedSiblings = false;
};

struct Anchor {
    QByteArrayView href;
    QStringList rel;
    qsizetype textStart = 0;
};

QStringList relTokens(QByteArrayView rel) {
    return QString::fromLatin1(rel).toLower().simplified().split(u' ', Qt::SkipEmptyParts);
}

bool isRelPage(const QStringList& rel) {
    return rel.contains(u"next"_s) || rel.contains(u"prev"_s) || rel.contains(u"previous"_s) ||
           rel.contains(u"last"_s);
}

} // namespace

QUrl readLaterPage(QByteArrayView html, const QUrl& pageUrl) {
    QByteArrayView baseHref;
    QByteArrayView linkLast, linkNext, linkPrev, canonical;
    std::vector<Anchor> anchors;
    markup::Tag tag;
    qsizetype pos = 0;
    while (markup::nextTag(html, pos, tag)) {
        const QByteArrayView href = tag.attribute("href");
        if (href.isNull())
            continue;
        if (tag.is("base")) {
            if (baseHref.isNull())
                baseHref = href;
        } else if (tag.is("link")) {
            const QStringList rel = relTokens(tag.attribute("rel"));
            QByteArrayView* slot = rel.contains(u"last"_s)   ? &linkLast
                                   : rel.contains(u"next"_s) ? &linkNext
                                   : rel.contains(u"prev"_s) || rel.contains(u"previous"_s)
                                       ? &linkPrev
                                   : rel.contains(u"canonical"_s) ? &canonical
                                                                  : nullptr;
            if (slot && slot->isNull())
                *slot = href;
        } else if (tag.is("a") || tag.is("area")) {
            anchors.push_back({href, relTokens(tag.attribute("rel")), tag.end});
        }
    }

    QUrl base = pageUrl;
    if (!baseHref.isNull())
        base = pageUrl.resolved(QUrl(markup::decodeEntities(baseHref).trimmed()));
    const auto resolve = [&](QByteArrayView href) {
        return base.resolved(QUrl(markup::decodeEntities(href).trimmed()));
    };

    ThreadPages pages(pageUrl);
    if (!canonical.isNull())
        pages.adoptCanonical(resolve(canonical));
    if (!linkPrev.isNull())
        pages.adoptPrevious(resolve(linkPrev));
    for (const Anchor& anchor : anchors) {
        if (anchor.rel.contains(u"prev"_s) || anchor.rel.contains(u"previous"_s))
            pages.adoptPrevious(resolve(anchor.href));
    }

    for (const Anchor& anchor : anchors) {
        pages.noteFirstPageOfParent(resolve(anchor.href),
                                    markup::textUntil(html, anchor.textStart, "a", 8));
    }
    if (!pages.knowsCurrent()) {
        const QUrl self = pageUrl.adjusted(QUrl::RemoveFragment);
        QList<qint64> listed;
        std::optional<qint64> linkedSelf;
        for (const Anchor& anchor : anchors) {
            const QUrl url = resolve(anchor.href);
            const QString text = markup::textUntil(html, anchor.textStart, "a", 200);
            if (url.adjusted(QUrl::RemoveFragment) == self) { // a page list's current entry
                bool number = false;
                const qint64 value = text.toLongLong(&number);
                if (number && value > 0 && !linkedSelf)
                    linkedSelf = value;
                continue;
            }
            if (pages.isFirstPage(url, text))
                listed.append(1);
            const auto found = pages.pageOf(url, isRelPage(anchor.rel), text);
            if (found && found->kind == Kind::Number)
                listed.append(found->number);
        }
        if (linkedSelf)
            pages.setCurrentNumber(*linkedSelf);
        else
            pages.adoptListedPages(listed);
    }

    std::optional<LaterPage> last, next, highest;
    if (!linkLast.isNull())
        last = pages.laterPage(resolve(linkLast), true);
    if (!linkNext.isNull())
        next = pages.laterPage(resolve(linkNext), true);
    for (const Anchor& anchor : anchors) {
        const QUrl url = resolve(anchor.href);
        const bool relLast = anchor.rel.contains(u"last"_s);
        const bool relNext = anchor.rel.contains(u"next"_s);
        if (relLast && !last)
            last = pages.laterPage(url, true);
        if (relNext && !next)
            next = pages.laterPage(url, true);
        const QString text = markup::textUntil(html, anchor.textStart, "a", 200);
        const auto found = pages.laterPage(url, relLast || relNext, text);
        if (found && (!highest || found->number > highest->number))
            highest = found;
    }

    if (last)
        return last->url;
    if (pages.hasPrevious() && !next)
        return {};
    if (highest && !(next && next->kind == highest->kind && next->number > highest->number))
        return highest->url;
    if (next)
        return next->url;
    return {};
}

} // namespace quillbox

#include "watch/page_place.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace quillbox::page_place {

const QStringList kHarmlessNames{u"sid"_s,     u"s"_s,         u"f"_s,     u"fid"_s,
                                 u"forum"_s,   u"highlight"_s, u"hilit"_s, u"pp"_s,
                                 u"perpage"_s, u"sort"_s,      u"order"_s, u"view_mode"_s};

namespace {

const QStringList kThreadNames{u"t"_s,         u"tid"_s,        u"topic"_s,        u"topicid"_s,
                               u"topic_id"_s,  u"thread"_s,     u"threadid"_s,     u"thread_id"_s,
                               u"showtopic"_s, u"discussion"_s, u"discussionid"_s, u"id"_s};
const QStringList kPageNames{u"page"_s, u"pg"_s, u"pagenum"_s, u"paged"_s};
const QStringList kOffsetNames{u"start"_s, u"st"_s, u"offset"_s, u"from"_s};
const QStringList kActionValues{u"reply"_s,      u"newreply"_s,   u"post"_s,     u"posting"_s,
                                u"quote"_s,      u"edit"_s,       u"lastpost"_s, u"newpost"_s,
                                u"getnewpost"_s, u"getlastpost"_s};

bool isNumber(QStringView text) {
    return !text.isEmpty() && text.size() <= 18 &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

Place placeOf(const QUrl& url) {
    Place place;
    const QString scheme = url.scheme().toLower();
    place.site = scheme + u"://"_s + url.host().toLower() + u':' +
                 QString::number(url.port(scheme == u"https"_s ? 443 : 80));
    place.path = url.path(QUrl::FullyEncoded);
    QString query = url.query(QUrl::FullyEncoded);
    // "showthread.php?5-slug/page2", "index.php?/topic/5-slug/": the query goes on with the path.
    static const QRegularExpression separators(u"[&;]"_s);
    const qsizetype firstEnd = query.indexOf(separators);
    const QString firstItem = firstEnd < 0 ? query : query.first(firstEnd);
    if (!firstItem.isEmpty() && !firstItem.contains(u'=')) {
        while (place.path.endsWith(u'/'))
            place.path.chop(1);
        place.path += u'/' + (firstItem.startsWith(u'/') ? firstItem.sliced(1) : firstItem);
        query = firstEnd < 0 ? QString() : query.sliced(firstEnd + 1);
    }
    while (place.path.endsWith(u'/'))
        place.path.chop(1);
    place.base = place.path;

    std::optional<qint64> page, offset, threadOffset, weakPage;
    for (const QString& item : query.split(separators, Qt::SkipEmptyParts)) {
        const QStringView part = item;
        const qsizetype equals = part.indexOf(u'=');
        const QString name =
            QUrl::fromPercentEncoding(part.first(equals < 0 ? part.size() : equals).toUtf8())
                .toLower();
        const QString value =
            equals < 0 ? QString() : QUrl::fromPercentEncoding(part.sliced(equals + 1).toUtf8());
        if (kThreadNames.contains(name)) {
            // "topic=5.20" is at offset 20; "topic=5.msg105" and "topic=5.new" name a post.
            const qsizetype dot = value.indexOf(u'.');
            if (dot > 0 && isNumber(QStringView(value).first(dot))) {
                if (isNumber(QStringView(value).sliced(dot + 1)))
                    threadOffset = value.sliced(dot + 1).toLongLong();
                place.thread.append({name, value.first(dot)});
            } else {
                place.thread.append({name, value});
            }
        } else if (kPageNames.contains(name) && isNumber(value) && !page) {
            page = value.toLongLong();
        } else if (kOffsetNames.contains(name) && isNumber(value) && !offset) {
            offset = value.toLongLong();
        } else if (name == u"p"_s && isNumber(value) && !weakPage) {
            weakPage = value.toLongLong();
        } else {
            place.others.append({name, value});
        }
    }
    std::sort(place.thread.begin(), place.thread.end());
    if (page || offset || threadOffset) {
        place.kind = page ? Kind::Number : Kind::Offset;
        place.number = page ? *page : offset ? *offset : *threadOffset;
        if (weakPage)
            place.others.append({u"p"_s, QString::number(*weakPage)});
        return place;
    }
    if (weakPage) {
        place.kind = Kind::Number;
        place.number = *weakPage;
        place.weak = true;
        return place;
    }

    const qsizetype slash = place.path.lastIndexOf(u'/');
    const QString parent = place.path.first(qMax<qsizetype>(slash, 0));
    const QString last = place.path.sliced(slash + 1);
    static const QRegularExpression pageSegment(u"^(?:page[-_]?|p)(\\d{1,18})$"_s,
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression namedPage(u"^(.+)-page-(\\d{1,18})(\\.html?)?$"_s,
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression offsetSegment(u"^(.*,\\d+)\\.(\\d{1,18})(\\.html?)?$"_s,
                                                  QRegularExpression::CaseInsensitiveOption);
    if (const auto m = pageSegment.match(last); m.hasMatch()) {
        place.kind = Kind::Number;
        place.number = m.captured(1).toLongLong();
        place.base = parent;
    } else if (isNumber(last) && parent.endsWith(u"/page"_s, Qt::CaseInsensitive)) {
        place.kind = Kind::Number;
        place.number = last.toLongLong();
        place.base = parent.first(parent.size() - 5);
    } else if (const auto n = namedPage.match(last); n.hasMatch()) {
        place.kind = Kind::Number;
        place.number = n.captured(2).toLongLong();
        place.base = parent + u'/' + n.captured(1) + n.captured(3);
    } else if (const auto o = offsetSegment.match(last); o.hasMatch()) {
        place.kind = Kind::Offset;
        place.number = o.captured(2).toLongLong();
        place.base = parent + u'/' + o.captured(1) + o.captured(3);
    } else if (isNumber(last)) {
        place.bare = last.toLongLong();
        place.bareParent = parent;
    }
    return place;
}

bool isPostAnchor(const QString& fragment) {
    static const QRegularExpression anchor(u"^[A-Za-z_-]+\\d+$"_s);
    return anchor.match(fragment).hasMatch();
}

bool isAction(const Place& place) {
    const QString last = place.path.sliced(place.path.lastIndexOf(u'/') + 1).toLower();
    if (last.startsWith(u"posting"_s) || last.startsWith(u"newreply"_s) ||
        last.startsWith(u"reply"_s) || last.startsWith(u"post."_s))
        return true;
    return std::any_of(place.others.cbegin(), place.others.cend(), [](const Item& item) {
        return kActionValues.contains(item.second.toLower());
    });
}

} // namespace quillbox::page_place

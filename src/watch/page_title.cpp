#include "watch/page_markup.h"
#include "watch/page_reading.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace quillbox {

namespace {

const QStringView kSeparators[] = {u" - ",      u" | ",      u" :: ",     u" \u2013 ", u" \u2014 ",
                                   u" \u2022 ", u" \u00b7 ", u" \u00bb ", u" \u203a ", u": "};

bool sameLetters(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The title without a leading or trailing part equal to part (as decided by matches), joined by
// one of the separators; the title itself when there is no such part or nothing would remain.
template <typename Matches> QString withoutPart(const QString& title, Matches matches) {
    for (const QStringView separator : kSeparators) {
        const qsizetype last = title.lastIndexOf(separator);
        if (last > 0 && matches(QStringView(title).sliced(last + separator.size())))
            return title.first(last).trimmed();
        const qsizetype first = title.indexOf(separator);
        if (first > 0 && first + separator.size() < title.size() &&
            matches(QStringView(title).first(first)))
            return title.sliced(first + separator.size()).trimmed();
    }
    return title;
}

bool isPagePart(QStringView part) {
    static const QRegularExpression page(u"^page \\d+( of \\d+)?$"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    return page.match(part.toString()).hasMatch();
}

// The title (white space collapsed) without the site's name and the page's number.
QString withoutSiteAndPage(const QString& title, const QString& name) {
    const QString trimmed = name.isEmpty() ? title : withoutPart(title, [&](QStringView part) {
        return sameLetters(part, name);
    });
    return withoutPart(trimmed, isPagePart);
}

} // namespace

QString readThreadTitle(QByteArrayView html, const QString& forumName) {
    QString title;
    QString siteName;
    QString applicationName;
    markup::Tag tag;
    qsizetype pos = 0;
    bool inBody = false;
    while (!inBody && markup::nextTag(html, pos, tag)) {
        if (tag.is("title") && title.isNull()) {
            const QByteArrayView raw = html.sliced(tag.end, tag.contentEnd - tag.end);
            title = markup::collapseSpace(markup::decodeEntities(raw));
        } else if (tag.is("meta")) {
            const QByteArrayView content = tag.attribute("content");
            if (markup::equalsLower(tag.attribute("property"), "og:site_name"))
                siteName = markup::collapseSpace(markup::decodeEntities(content));
            else if (markup::equalsLower(tag.attribute("name"), "application-name"))
                applicationName = markup::collapseSpace(markup::decodeEntities(content));
        } else if (tag.is("body")) {
            inBody = true; // an svg's <title> in the body is no page title
        }
    }
    if (title.isEmpty())
        return {};
    return withoutSiteAndPage(title, !siteName.isEmpty() ? siteName
                                     : !applicationName.isEmpty()
                                         ? applicationName
                                         : markup::collapseSpace(forumName));
}

QString threadTitleFromPageTitle(const QString& pageTitle, const QString& forumName) {
    return withoutSiteAndPage(markup::collapseSpace(pageTitle), markup::collapseSpace(forumName));
}

} // namespace quillbox

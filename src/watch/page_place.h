#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <utility>

// Where an address sits in a forum thread: which thread, and which page of it. The page
// readers compare a page's links with the page's own address through this.
namespace quillbox::page_place {

using Item = std::pair<QString, QString>;

enum class Kind { None, Number, Offset };

// Query items that mean no other page or thread when a link carries them.
extern const QStringList kHarmlessNames;

struct Place {
    QString site;
    QString path; // without a trailing "/"
    QString base; // the path without its page part
    QList<Item> thread;
    QList<Item> others;
    Kind kind = Kind::None;
    qint64 number = -1;
    bool weak = false;
    // A last segment of digits alone: a weak page of the path before it.
    qint64 bare = -1;
    QString bareParent;
};

Place placeOf(const QUrl& url);

// Whether a fragment names a post ("p123", "post-5"): its link is a permalink, not a page.
bool isPostAnchor(const QString& fragment);

// Whether the address asks for a reply, a quote, an edit or the like.
bool isAction(const Place& place);

} // namespace quillbox::page_place

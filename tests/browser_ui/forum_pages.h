#pragma once

#include "platform/browser_page.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace quillbox::test {

// A posting page shaped like what a forum engine prints, with what auto-insert should do on it.
struct ForumPage {
    QString name;
    QByteArray path;
    QByteArray html;
    QList<QPair<QByteArray, QByteArray>> more; // frames the page loads: path, markup
    FieldTarget target;                        // what the page scan gives, worked out by hand
    WrittenField expected = WrittenField::None;
    // An expression for the field a person would type the message into (a text area or an
    // editor's editable element), run in a world of its own, since the page's scripts may have
    // replaced DOM functions in theirs; empty where no such field exists.
    QString field;
};

// The pages; otherOrigin is the address of a server on another port, for a foreign frame.
QList<ForumPage> forumPages(const QString& otherOrigin);

// What a foreign server shows in a frame: a posting form the program cannot reach.
QByteArray foreignPostingPage();

} // namespace quillbox::test

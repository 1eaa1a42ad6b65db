#pragma once

#include <QJsonObject>
#include <QString>

namespace quillbox::pagescripts {

// The scripts the program runs in a page, each a complete program that ends in an object
// literal for runJavaScript to hand back. Their text lives in resources/scripts/ and is read
// once; each call adds its arguments as JSON. They run in a world of their own, apart from the
// page's scripts, and share the document with them.
//
// Every script knows the document it runs in by a token it keeps in its world: the first of
// our scripts to run in a document draws it, and a page's own scripts can neither read nor
// forge it. A script that changes the document refuses to run when the token it was given is
// not the document's, so it never writes into a page that replaced the one it was meant for;
// it then answers {stale: true, token} with the token of the document it found.

// Answers {token}.
QString documentToken();
// Answers {token, outer, inner}, or {token} when the document has no body; withText adds the
// body's rendered text, {text}.
QString bodyHtml(bool withText = false);
// Answers {written: "focused" | "scanned" | "form" | "rich" | "loose" | "none", subject: bool},
// or a stale answer.
QString writeMessage(const QString& token, int form, int field, const QString& text,
                     const QString& subject = {});
// Answers {inserted: bool}, or a stale answer.
QString insertAtFocus(const QString& token, const QString& text);

// Answers {token, editable, inPost, inList, elsewhere, postsMarked, canonical, baseline} (see
// TextPlacement); remember keeps the counts as the document's baseline.
QString locateText(const QString& markup, const QString& shown, bool remember);
// Answers {token, changed, acted, address}: whether the document changed, moved its address or
// had the user's input since the last call; the first call in a document starts watching it,
// stop ends the watch.
QString watchDocument(bool stop = false);

// The arguments as a JavaScript expression: JSON, with "<", ">", "&", U+2028 and U+2029
// written as escapes, so no text can end the script, start markup or break a line.
QString scriptArguments(const QJsonObject& arguments);

} // namespace quillbox::pagescripts

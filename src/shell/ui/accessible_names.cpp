#include "shell/ui/accessible_names.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QWidget>

namespace quillbox {

namespace {

// A description only where the caption does not say it all: a picture, a caption that other
// controls share, or a control without a tooltip that says what it does.
struct AccessibleName {
    const char* objectName;
    const char* name;
    const char* description;
};

#define N(text) QT_TRANSLATE_NOOP("quillbox::AccessibleNames", text)

// In tab order.
constexpr AccessibleName names[] = {
    {"txtSubject", N("Subject"), nullptr},
    {"txtMessage", N("Message"), N("The message to post; Tab moves on to the format")},
    {"cmbConvert", N("Format"),
     N("The format the message is converted to when it is inserted, copied or previewed")},
    {"TabStrip2", N("Lists"), N("Switches between your forums and your watched posts")},
    {"lstPosts2", N("Your forums"), N("Choosing a forum opens its page")},
    {"cmdAdd2", N("Add Current URL"), N("Adds the page shown to your forums")},
    {"cmdDel2", N("Remove URL"), N("Removes the selected forum")},
    {"Text5", N("Address"), N("The address of the page shown; Enter opens the address typed")},
    {"Command3", N("Go"), N("Opens the address typed")},
    {"WebBrowser1", N("Page"), N("The forum's page")},
    {"cmdMessage", N("Auto-Insert"), nullptr},
    {"cmdQueue", N("Post to Selected Forums"),
     N("Posts the message to each forum selected in Your Forums, one after the other")},
    {"cmdNextForum", N("Next Forum"), N("Goes on to the next forum of the queue")},
    {"cmdSkipForum", N("Skip Forum"), N("Passes over the forum at hand")},
    {"cmdStopQueue", N("Stop Posting"), N("Ends the queue of forums")},
    {"cmdPaste0", N("Paste Subject"),
     N("Pastes the subject into the field of the page that has the focus")},
    {"cmdPaste3", N("Paste Message"),
     N("Pastes the message, in the chosen format, into the field of the page that has the focus")},
    {"txtUsername", N("Username"), N("Your user name on the selected forum")},
    {"cmdPaste1", N("Paste Username"),
     N("Pastes the user name into the field of the page that has the focus")},
    {"txtPassword", N("Password"), N("Your password on the selected forum")},
    {"cmdPaste2", N("Paste Password"),
     N("Pastes the password into the field of the page that has the focus")},
    {"cmdAdd", N("Watch This Post"), N("Watches the thread of the page shown for replies")},
    {"cmdDel", N("Remove Watch"), N("Stops watching the selected post")},
    {"TabStrip1", N("Posts shown"), N("Switches between all watched posts and new replies")},
    {"cmdReplies", N("Check for new replies"), N("Checks every watched thread for new replies")},
    {"lstPosts", N("Watched posts"), N("Choosing a post opens its page")},
    {"lstNew", N("New replies"), N("Choosing a reply opens its page")},
    {"cmdPreview", N("Preview"), nullptr},
    {"cmdCopy", N("Copy"), nullptr},
    {"cmdSave", N("Save"), nullptr},
    {"cmdLoad", N("Load"), nullptr},
    {"cmdOptions", N("Options"), N("Opens the templates of the formats")},
    {"Command1", N("Visit website"), nullptr},
    {"Command4", N("Back"), N("Goes back to the page before")},
    {"Command5", N("Forward"), N("Goes forward to the next page")},
    {"Command6", N("Stop"), N("Stops loading the page")},
    {"Command7", N("Refresh"), N("Loads the page again")},
    {"Check1", N("No Popups"), N("Keeps pages from opening windows of their own")},
};

#undef N

QString translated(const char* text) {
    return QCoreApplication::translate("quillbox::AccessibleNames", text);
}

} // namespace

QStringList mainTabOrder() {
    QStringList out;
    for (const AccessibleName& n : names)
        out << QString::fromLatin1(n.objectName);
    return out;
}

void applyAccessibleNames(QWidget* window) {
    QWidget* previous = nullptr;
    for (const AccessibleName& n : names) {
        auto* w = window->findChild<QWidget*>(QString::fromLatin1(n.objectName));
        if (!w)
            continue;
        w->setAccessibleName(translated(n.name));
        if (n.description)
            w->setAccessibleDescription(translated(n.description));
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    // Tab leaves the message for the next control, so the whole way can be gone by keyboard;
    // a tab in a forum post is rare, and most forms drop it anyway.
    if (auto* message = window->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage")))
        message->setTabChangesFocus(true);
}

} // namespace quillbox

#pragma once

#include "platform/browser_page.h"

#include <QObject>
#include <QString>
#include <functional>

namespace quillbox {

class InsertFollowUp;
class UserMessages;

// The box shown whenever the message could not be put into the page.
QString autoInsertErrorTitle();
QString autoInsertErrorText();

// Puts the converted message into the message field of the posting form of the page shown in
// the browser pane. The page's body markup is scanned (the scratch file htmltemp.txt in the data
// folder holds the prepared markup) for the first form holding a text area and the text area's
// position in it, and the message is written there. When the scan finds nothing, the page is
// still asked to put the message where a person would type it.
//
// Reading and writing the page are asynchronous. While one insert is under way a second request
// is ignored. A page left while it was being read gets nothing: the new page is not the one the
// user chose, so the error box asks for another try.
class AutoInsert : public QObject {
    Q_OBJECT

public:
    // Yields the message as it goes into the page: the converted body of the message editor
    // followed by the conversion of two line breaks.
    using MessageSource = std::function<QString()>;

    AutoInsert(BrowserPage& page, UserMessages& messages, InsertFollowUp& followUp,
               QString dataFolder, MessageSource convertedMessage, QObject* parent = nullptr);

    // The Auto-Insert button.
    void insertMessage();
    // True from a press until the page has answered.
    bool isBusy() const { return m_busy; }

signals:
    // An insert has ended; inserted tells whether the message reached a field of the page.
    void finished(bool inserted);

private:
    void onBodyRead(const std::optional<BodyHtml>& body, quint64 generation);
    void writeToScannedField(const FieldTarget& target);
    void writeWherePersonWouldType();
    void fail(const QString& detail = {});
    void finish(bool inserted);

    BrowserPage& m_page;
    UserMessages& m_messages;
    InsertFollowUp& m_followUp;
    QString m_dataFolder;
    MessageSource m_convertedMessage;
    bool m_busy = false;
};

} // namespace quillbox

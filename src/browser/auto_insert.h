#pragma once

#include "platform/browser_page.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <utility>

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
// user chose, so the error box asks for another try. An insert never outlives its page: it ends
// with the error box when a load begins, when the page's renderer ends, or when the page has not
// answered within answerTimeout (a page whose scripts never yield answers nothing at all).
class AutoInsert final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AutoInsert)

public:
    // Yields the message as it goes into the page: the converted body of the message editor
    // followed by the conversion of two line breaks.
    using MessageSource = std::function<QString()>;

    static constexpr std::chrono::milliseconds defaultAnswerTimeout{5000};

    AutoInsert(BrowserPage& page, UserMessages& messages, InsertFollowUp& followUp,
               QString dataFolder, MessageSource convertedMessage, QObject* parent = nullptr);

    // The message before conversion, as the user wrote it: the follow-up looks for its first
    // line in the page's rendered text as well (see InsertFollowUp).
    void setPlainMessageSource(MessageSource plainMessage) {
        m_plainMessage = std::move(plainMessage);
    }
    // The subject box: an empty subject field of the posting form gets it (see
    // BrowserPage::writeMessage).
    void setSubjectSource(MessageSource subject) { m_subject = std::move(subject); }
    // How long the page may take to answer one insert, reading and writing together.
    void setAnswerTimeout(std::chrono::milliseconds timeout) { m_timeout.setInterval(timeout); }

    // The Auto-Insert button.
    void insertMessage();
    // True from a press until the page has answered.
    bool isBusy() const { return m_busy; }
    // Whether the last insert put the subject into a subject field of the page (false when the
    // form had none, or the page was left before it answered).
    bool subjectInserted() const { return m_subjectInserted; }

signals:
    // An insert has ended; inserted tells whether the message reached a field of the page.
    void finished(bool inserted);

private:
    // Whether an answer belongs to the insert under way (not one that has already ended).
    bool current(quint64 attempt) const { return m_busy && attempt == m_attempt; }
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
    MessageSource m_plainMessage;
    MessageSource m_subject;
    bool m_busy = false;
    bool m_writing = false; // the text has been sent to the page
    bool m_subjectInserted = false;
    // What the follow-up is to look for once a write the page still has to confirm goes through;
    // a load before the page answers counts as that.
    std::optional<std::pair<QString, QString>> m_unconfirmedInsert;
    quint64 m_attempt = 0; // counts presses that started an insert
    QTimer m_timeout;
};

} // namespace quillbox

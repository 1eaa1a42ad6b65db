#pragma once

#include "store/file_result.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAbstractItemModel;

namespace quillbox {

class SavedMessageList;

// messages.txt holds one saved message a line: the body, "|", the subject. In the body a line
// break is written as "[br]", in the subject as "[nl]" (a subject has always been read without
// "[br]", so a "[br]" typed there stays text); in both a "|" is written as "[bar]", and a "["
// that would start one of these as "[lb]". So a record holds exactly one "|", and a program that
// knows only "[br]" shows the rest as the text it is. A line is read as it always was: the body
// ends at the first "|", the subject at the second.

QString messagesFileName();

// The body as stored: every line break (CR LF, or a lone CR or LF) as "[br]", "|" as "[bar]",
// and a "[" that would be read as one of these as "[lb]".
QString encodeMessageBody(QStringView body);
// The body as the editor gets it back: "[br]", in any letter case, as CR LF, "[bar]" as "|" and
// "[lb]" as "["; any other "[" is itself.
QString decodeMessageBody(QStringView stored);
// The same for the subject, with "[nl]" for a line break and "[br]" left as text.
QString encodeMessageSubject(QStringView subject);
QString decodeMessageSubject(QStringView stored);

// A line of messages.txt as the saved-messages window reads it.
struct SavedMessageParts {
    QString body;            // the text before the first "|", decoded
    QString subject;         // the text between the first and the second "|", decoded
    bool hasSubject = false; // the line holds a "|" at all
};
SavedMessageParts splitSavedMessage(QStringView line);

// The line saving appends, without its line end: the encoded body, "|", the encoded subject.
QByteArray messageRecord(const QString& body, const QString& subject);

// The file's lines as bytes, without their line ends. A line ends at CR LF, a lone CR or a lone
// LF (a file edited on another system); bytes after the last line end are a last line. The
// bytes of a line are never touched, so a line that is not UTF-8 is written back as it was.
QList<QByteArray> splitMessageLines(const QByteArray& file);

// The file after saving: its lines that are neither empty nor a single space, each ended by
// CR LF, then the record; any doubled CR LF collapsed into one; then a closing CR LF.
QByteArray fileWithMessageAppended(const QByteArray& file, const QByteArray& record);
// The file after deleting: every line that differs from `line`, each ended by CR LF, then one
// more CR LF (so the file ends with an empty line).
QByteArray fileWithoutMessage(const QByteArray& file, const QByteArray& line);

// messages.txt as read from disk.
struct MessagesFile {
    bool exists = false;     // as the file-existence test sees it
    QList<QByteArray> lines; // in file order, empty lines included
    FileResult status;       // a file that is there but cannot be read
};

// The saved messages on disk. Every save and delete reads the file afresh and rewrites it
// whole through a temporary file, so a failed write leaves the old file intact; a file that
// exists but cannot be read is never overwritten. changed() follows every rewrite. Once the file
// is read into the list (readIntoList), the list follows every rewrite, so an open window shows
// it at once.
class SavedMessages final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SavedMessages)

public:
    explicit SavedMessages(QString path, QObject* parent = nullptr);
    ~SavedMessages() override;

    QString path() const { return m_path; }
    MessagesFile read() const;
    // Reads the file into the list, and keeps the list following it from now on; what was read,
    // for the window to tell a missing or unreadable file.
    MessagesFile readIntoList();
    // Narrows the list to the messages holding the text (see SavedMessageList).
    void setFilter(const QString& text);
    const SavedMessageList& list() const { return *m_list; }
    // The list for a view to show.
    QAbstractItemModel* listModel() const;
    // Appends the message; body and subject as the editor holds them (line breaks as CR LF).
    FileResult save(const QString& body, const QString& subject);
    // Removes every line equal to `line` byte for byte.
    FileResult remove(const QByteArray& line);

signals:
    void changed();

private:
    FileResult rewrite(const std::function<QByteArray(const QByteArray&)>& change);

    QString m_path;
    SavedMessageList* m_list = nullptr;
    bool m_listFollows = false;
};

} // namespace quillbox

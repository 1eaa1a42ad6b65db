#pragma once

#include "store/file_result.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QListView;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;

namespace quillbox {

class SavedMessages;
struct MessagesFile;
class UserMessages;

// The saved-messages window: shows the store's list of messages.txt, shows a clicked entry, hands
// a double-clicked one to the editor and asks for the selected one to be deleted. A filter box
// narrows the list as the user types (its owner hands the text to the store). The list follows
// the file: a message saved or deleted while the window is open shows at once. Closing the window
// with its close box unloads it.
class SavedMessagesWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SavedMessagesWindow)

public:
    // Removes a saved message's line from the file (see SavedMessages::remove).
    using Remove = std::function<FileResult(const QByteArray& line)>;

    // The window shows the store and asks its owner to remove a message; messageTitle captions
    // the message boxes.
    SavedMessagesWindow(const SavedMessages& store, Remove remove, UserMessages& messages,
                        QString messageTitle, QWidget* parent = nullptr);
    ~SavedMessagesWindow() override;

    // Tells what reading messages.txt into the list found: when the file is missing, says so and
    // hides the window (the list waits, empty, for a first save); an unreadable one is told.
    void showRead(const MessagesFile& file);

signals:
    // The filter box's text, for the store's list.
    void filterChanged(const QString& text);
    // A double-clicked entry for the editor: its body (line breaks as CR LF) and, when the line
    // holds a "|", its subject.
    void messageChosen(const QString& body, const QString& subject, bool hasSubject);

private:
    void showEntry(const QModelIndex& index);
    void chooseEntry(const QModelIndex& index);
    void deleteMessage();

    const SavedMessages& m_store;
    Remove m_remove;
    UserMessages& m_messages;
    QString m_messageTitle;

    QLineEdit* filterBox = nullptr;
    QListView* messageList = nullptr;
    QLineEdit* subjectView = nullptr;
    QPlainTextEdit* bodyView = nullptr;
    QPushButton* deleteButton = nullptr;
};

} // namespace quillbox

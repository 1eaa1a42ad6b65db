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

class SavedMessageList;
class SavedMessages;
class UserMessages;

// The saved-messages window: lists messages.txt, shows a clicked entry, hands a double-clicked
// one to the editor and deletes the selected one. A filter box narrows the list as the user
// types. The list follows the file: a message saved or deleted while the window is open shows
// at once. Closing the window with its close box unloads it.
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

    // Fills the list from messages.txt. When the file is missing, says so, hides the window
    // and leaves the list empty.
    void fillMessageList();

signals:
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
    SavedMessageList* m_list = nullptr;

    QLineEdit* filterBox = nullptr;
    QListView* messageList = nullptr;
    QLineEdit* subjectView = nullptr;
    QPlainTextEdit* bodyView = nullptr;
    QPushButton* deleteButton = nullptr;
};

} // namespace quillbox

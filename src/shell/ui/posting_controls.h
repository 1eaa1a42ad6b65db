#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QWidget;

namespace quillbox {

class AutoInsert;
class BrowserPage;
class BrowserPane;
class Clipboard;
class ListsPane;
class PostHistoryWindow;
class Program;
class QueueStrip;

// What the main window shows of posting to many forums and of the post log: the "Post to
// Selected Forums" button, the queue's strip over the browser pane, the insert in each forum's
// format through Auto-Insert, the log of a single Auto-Insert, the Post History window, and the
// status bar's Undo of a removed forum or thread.
class PostingControls final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostingControls)

public:
    struct Parts {
        Program& program;
        BrowserPage& page;
        Clipboard& clipboard;
        ListsPane& lists;
        AutoInsert& autoInsert;
        QComboBox& formatBox;
        QLineEdit& subjectBox;
        std::function<QString()> message; // the editor's message, as the program sees it
        QWidget* central;                 // the window's client area, where the controls go
        QStatusBar* statusBar;
    };
    explicit PostingControls(const Parts& parts, QObject* parent = nullptr);
    ~PostingControls() override;

    // The strip takes the top of the browser pane's place while a queue runs.
    void placeStrip(BrowserPane& pane, int top);
    void postToSelectedForums();
    void showPostHistory();
    void closeWindows();

signals:
    void panelText(int panel, const QString& text);
    void layoutNeeded();

private:
    void connectUndo();

    Parts m_parts;
    QPushButton* m_queueButton = nullptr;
    QueueStrip* m_strip = nullptr;
    QPointer<PostHistoryWindow> m_history;
    QPushButton* m_undoButton = nullptr;
};

} // namespace quillbox

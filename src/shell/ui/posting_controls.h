#pragma once

#include "browser/ui/queue_strip.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace quillbox {

class BrowserPage;
class BrowserPane;
class Clipboard;
class ListsPane;
class PostHistoryWindow;
class Program;

// What the main window shows of posting to many forums and of the post log: the "Post to
// Selected Forums" button (this widget, laid out on its own), the queue's strip over the browser
// pane and the status bar's Undo of a removed forum or thread (widgets of its own the window
// places), and the Post History window. It forwards what the user does to the program and shows
// what the program signals.
class PostingControls final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostingControls)

public:
    PostingControls(Program& program, BrowserPage& page, Clipboard& clipboard, ListsPane& lists,
                    QWidget* parent = nullptr);
    ~PostingControls() override;

    // The strip over the browser pane while a queue runs, and the Undo button: the window puts
    // them in its client area and its status bar.
    QueueStrip* strip() const { return m_strip; }
    QPushButton* undoButton() const { return m_undoButton; }
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

    Program& m_program;
    BrowserPage& m_page;
    Clipboard& m_clipboard;
    ListsPane& m_lists;
    QPushButton* m_queueButton = nullptr;
    QPointer<QueueStrip> m_strip;
    QPointer<PostHistoryWindow> m_history;
    QPointer<QPushButton> m_undoButton;
};

} // namespace quillbox

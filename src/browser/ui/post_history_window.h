#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace quillbox {

class PostHistory;

// "Post History": the post log, newest first, with the posts of one queue run under a row for
// the run, narrowed by a filter box as the user types. A double-click (or Enter) asks for the
// thread, or the posting page of a post that was not found, to be opened in the browser pane;
// the buttons and the context menu copy a thread's address and put a thread on watch again.
// The window shows the post history it is given and only asks: the filter's text goes to the
// history's owner, and the main window carries each request out.
class PostHistoryWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostHistoryWindow)

public:
    explicit PostHistoryWindow(const PostHistory& history, QWidget* parent = nullptr);
    ~PostHistoryWindow() override;

    // The columns' widths as the user left them, to keep; restoring empty or unreadable widths
    // sizes the columns to their content instead, as the log fills them.
    QByteArray columnWidths() const;
    void restoreColumnWidths(const QByteArray& state);

signals:
    // The filter box's text, for the history to be read again for it.
    void filterChanged(const QString& text);
    void openRequested(const QString& address);
    void copyAddressRequested(const QString& address);
    void watchAgainRequested(const QString& threadAddress);
    // "Retry Skipped" on a queue run: post again to the forums it passed over.
    void retrySkippedRequested(const QStringList& forums, const QString& subject);
    // The window was closed after the user dragged a column's border: the widths are to keep.
    void columnsResized();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void showNewest();
    void logRead(int damagedLines, const QString& failure);
    void openEntry(const QModelIndex& index);
    void updateButtons();
    QString currentThread() const;
    void showContextMenu(const QPoint& position);
    void fitColumns();

    const PostHistory& m_history;
    QLineEdit* filterBox = nullptr;
    QTreeView* postList = nullptr;
    QLabel* noticeLabel = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* watchButton = nullptr;
    QPushButton* retryButton = nullptr;
    bool m_columnsKept = false;   // the user's widths hold: no sizing to content
    bool m_sizingColumns = false; // the window sizes them, not the user
    bool m_columnsMoved = false;  // by the user, since the widths were last kept
};

} // namespace quillbox

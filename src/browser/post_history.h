#pragma once

#include "browser/post_log.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QAbstractItemModel;
class QModelIndex;

namespace quillbox {

class PostLogLoader;
class PostLogModel;

// What "Retry Skipped" on a queue run posts again: the forums it passed over, each once in the
// order the run reached them, and the run's subject (the first one a skipped post has).
struct SkippedRetry {
    QStringList forums;
    QString subject;
};
SkippedRetry skippedRetry(const QList<PostRecord>& skipped);

// The post log as Post History shows it: the model, and the reader that fills it from
// post-log.jsonl off the window's thread, as far as the list is scrolled. The log is read at the
// first open, and read again for each filter, so a filter finds what was never read into the list.
// Posts logged meanwhile join the list at the top.
class PostHistory final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostHistory)

public:
    explicit PostHistory(QObject* parent = nullptr);
    ~PostHistory() override;

    // Starts reading the log in the folder, the first time only: later opens show what is held.
    void open(const QString& folder);
    bool isOpen() const { return !m_folder.isEmpty(); }
    bool isLoading() const;
    void setFilter(const QString& text);
    void addRecord(const PostRecord& record);
    void setForumNames(const QHash<QString, QString>& names);

    const PostLogModel& model() const { return *m_model; }
    // The model for a view to show; views change nothing in it but what they fetch.
    QAbstractItemModel* itemModel() const;
    SkippedRetry skippedRetryAt(const QModelIndex& index) const;

signals:
    // The newest records are in: a view shows the top of the list.
    void newestRead();
    // Damaged lines skipped so far, and why the log could not be read ("" when it could).
    void readNotice(int damagedLines, const QString& failure);

private:
    void startReading(const QString& filter);

    PostLogModel* m_model = nullptr;
    PostLogLoader* m_loader = nullptr;
    QString m_folder; // "" until opened
};

} // namespace quillbox

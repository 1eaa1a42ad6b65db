#include "browser/post_history.h"

#include "browser/post_log_loader.h"
#include "browser/post_log_model.h"

namespace quillbox {

SkippedRetry skippedRetry(const QList<PostRecord>& skipped) {
    SkippedRetry retry;
    for (const PostRecord& record : skipped) {
        if (!retry.forums.contains(record.forum))
            retry.forums.append(record.forum);
        if (retry.subject.isEmpty())
            retry.subject = record.subject;
    }
    return retry;
}

PostHistory::PostHistory(QObject* parent)
    : QObject(parent), m_model(new PostLogModel(this)), m_loader(new PostLogLoader(this)) {
    connect(m_model, &PostLogModel::moreWanted, m_loader, &PostLogLoader::readMore);
    connect(m_model, &QAbstractItemModel::modelReset, this, &PostHistory::newestRead);
    connect(m_loader, &PostLogLoader::recordsRead, this, [this](const QList<PostRecord>& records) {
        const bool first = m_model->rowCount() == 0;
        m_model->addOlderRecords(records);
        if (first)
            emit newestRead();
    });
    connect(m_loader, &PostLogLoader::damagedLinesRead, this,
            [this](int damaged) { emit readNotice(damaged, {}); });
    connect(m_loader, &PostLogLoader::finished, this,
            [this](int damaged, const FileResult& status) {
                m_model->setMoreToCome(false);
                emit readNotice(damaged, status.ok ? QString() : status.message);
            });
}

PostHistory::~PostHistory() = default;

void PostHistory::open(const QString& folder) {
    if (isOpen() || folder.isEmpty())
        return;
    m_folder = folder;
    startReading(m_model->filter());
}

bool PostHistory::isLoading() const {
    return m_loader->isLoading();
}

void PostHistory::setFilter(const QString& text) {
    if (isOpen())
        startReading(text);
    else
        m_model->setFilter(text);
}

void PostHistory::startReading(const QString& filter) {
    // Emptied first: the model's own filter then has nothing to go through.
    m_model->clear();
    m_model->setFilter(filter);
    m_model->setMoreToCome(true);
    emit readNotice(0, {});
    m_loader->start(m_folder, filter);
}

void PostHistory::addRecord(const PostRecord& record) {
    // Before the first open the log holds it, and is read whole then.
    if (isOpen())
        m_model->appendRecord(record);
}

void PostHistory::setForumNames(const QHash<QString, QString>& names) {
    m_model->setForumNames(names);
}

QAbstractItemModel* PostHistory::itemModel() const {
    return m_model;
}

SkippedRetry PostHistory::skippedRetryAt(const QModelIndex& index) const {
    return skippedRetry(m_model->skippedInRun(index));
}

} // namespace quillbox

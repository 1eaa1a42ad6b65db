#include "browser/post_log_loader.h"

#include "browser/post_log_model.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace quillbox {

namespace {

constexpr qint64 blockBytes = 64 * 1024;
// The first batch is small, so the newest records show at once; later ones larger, so a long
// log costs the window few turns. Each batch makes a view lay out all of its rows again, so they
// grow with what was sent, up to what the window adds in a few milliseconds.
constexpr qsizetype firstBatch = 200;
constexpr qsizetype laterBatch = 2000;
constexpr qsizetype largestBatch = 20000;
// A batch goes out after this long even when it is not full (a log of long damaged lines).
constexpr int batchWaitMs = 50;
// How often a reader waiting for the window looks whether it was stopped.
constexpr int stopCheckMs = 50;

} // namespace

BackwardLineReader::BackwardLineReader(QIODevice& file, qint64 end, qsizetype maxLine)
    : m_file(file), m_position(end), m_maxLine(maxLine) {}

bool BackwardLineReader::readBlock() {
    const qint64 size = std::min(blockBytes, m_position);
    m_position -= size;
    if (!m_file.seek(m_position))
        return false;
    QByteArray bytes = m_file.read(size);
    if (bytes.size() != size)
        return false;
    // The LF that ends the file's last line starts no line after it.
    if (std::exchange(m_first, false) && bytes.endsWith('\n'))
        bytes.chop(1);
    m_block.prepend(bytes);
    return true;
}

BackwardLineReader::Step BackwardLineReader::previous(QByteArray* line) {
    // The block holds the start of the file's lines still to come: the line to give ends at the
    // block's end, its LF already taken off.
    for (;;) {
        if (m_done)
            return Step::Start;
        // Passing over a line of many megabytes takes a while; a load that was dropped meanwhile
        // must not hold up the window waiting for it.
        if (m_stopped && m_stopped->load(std::memory_order_relaxed))
            return Step::Stopped;
        const qsizetype lf = m_block.lastIndexOf('\n');
        if (lf >= 0 || m_position == 0) {
            const bool tooLong =
                std::exchange(m_skipping, false) || m_block.size() - (lf + 1) > m_maxLine;
            if (!tooLong) {
                *line = m_block.sliced(lf + 1);
                if (line->endsWith('\r'))
                    line->chop(1);
            }
            m_block.truncate(std::max<qsizetype>(lf, 0));
            m_done = lf < 0;
            return tooLong ? Step::TooLong : Step::Line;
        }
        // No line start in what is held: past the bound the line is dropped as it is read.
        if (m_block.size() > m_maxLine) {
            m_skipping = true;
            m_block.clear();
        }
        if (!readBlock())
            return Step::Failed;
    }
}

struct PostLogLoader::Run {
    std::atomic<bool> stopped = false;
    // One batch at a time waits for the window, so a fast reader never floods its events.
    QSemaphore room{1};
    // How many records the window wants so far; the reader waits once it has sent them.
    std::mutex mutex;
    std::condition_variable wanted;
    qint64 goal = pageRecords;

    qint64 currentGoal() {
        const std::lock_guard lock(mutex);
        return goal;
    }
    // Waits until more than `sent` records are wanted; false when stopped meanwhile.
    bool waitForGoal(qint64 sent) {
        std::unique_lock lock(mutex);
        while (goal <= sent) {
            if (stopped)
                return false;
            wanted.wait_for(lock, std::chrono::milliseconds(stopCheckMs));
        }
        return !stopped;
    }
};

PostLogLoader::PostLogLoader(QObject* parent) : QObject(parent) {}

PostLogLoader::~PostLogLoader() {
    stop();
}

void PostLogLoader::stop() {
    if (m_run) {
        // Woken at once from any wait, so the join below is short.
        {
            const std::lock_guard lock(m_run->mutex);
            m_run->stopped = true;
        }
        m_run->wanted.notify_all();
        m_run->room.release();
    }
    if (m_thread.joinable())
        m_thread.join();
    m_run.reset();
    m_loading = false;
}

void PostLogLoader::start(const QString& folder, const QString& filter) {
    stop();
    m_run = std::make_shared<Run>();
    m_sent = 0;
    m_loading = true;
    m_atEnd = false;
    const QString path = QDir(folder).filePath(postLogFileName());
    m_thread = std::thread(&PostLogLoader::read, m_run, path, filter.trimmed(), this);
}

void PostLogLoader::readMore() {
    if (!m_run || m_atEnd)
        return;
    {
        const std::lock_guard lock(m_run->mutex);
        // A page ahead, and more as the list grows: each batch makes the view lay out all of
        // its rows again.
        const qint64 ahead = std::clamp<qint64>(m_sent / 8, pageRecords, largestBatch);
        if (m_run->goal >= m_sent + ahead)
            return; // asked for already
        m_run->goal = m_sent + ahead;
    }
    m_run->wanted.notify_one();
    m_loading = true;
}

void PostLogLoader::read(const std::shared_ptr<Run>& run, const QString& path,
                         const QString& filter, PostLogLoader* loader) {
    // Handed to the window's thread; dropped there when this load was stopped meanwhile.
    const auto deliver = [&run, loader](auto call) {
        QMetaObject::invokeMethod(
            loader,
            [run, loader, call] {
                if (loader->m_run == run && !run->stopped)
                    call();
            },
            Qt::QueuedConnection);
    };
    const auto finish = [&](int damaged, const FileResult& status) {
        deliver([loader, damaged, status] {
            loader->m_loading = false;
            loader->m_atEnd = true;
            emit loader->finished(damaged, status);
        });
    };

    QFile file(path);
    if (!QFileInfo::exists(path)) {
        finish(0, FileResult::success());
        return;
    }
    if (!file.open(QIODevice::ReadOnly) || QFileInfo(path).isDir()) {
        finish(0, FileResult::failure(
                      QCoreApplication::translate("quillbox::TextFile", "Could not read \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString())));
        return;
    }
    BackwardLineReader reader(file, file.size(), maxLineBytes);
    reader.setStopFlag(&run->stopped);
    QList<PostRecord> batch;
    qsizetype batchSize = firstBatch;
    QDeadlineTimer due(batchWaitMs);
    int damaged = 0;
    int damagedSent = 0;
    qint64 sent = 0;
    QString lastRun;
    const auto send = [&] {
        while (!run->room.tryAcquire(1, stopCheckMs)) {
            if (run->stopped)
                return false;
        }
        sent += batch.size();
        const int newlyDamaged = std::exchange(damagedSent, damaged) != damaged ? damaged : -1;
        deliver([run, loader, newlyDamaged, records = std::exchange(batch, {})] {
            if (newlyDamaged >= 0)
                emit loader->damagedLinesRead(newlyDamaged);
            loader->m_sent += records.size();
            if (!records.isEmpty())
                emit loader->recordsRead(records);
            run->room.release();
        });
        batchSize = std::clamp<qsizetype>(sent / 8, laterBatch, largestBatch);
        due.setRemainingTime(batchWaitMs);
        return true;
    };
    // Once the records wanted are sent, the reader waits before the next one, but never in
    // the middle of a queue run: a run's row counts all of its posts.
    const auto waitBefore = [&](const PostRecord& next) {
        if (sent + batch.size() < run->currentGoal() ||
            (!next.queueRun.isEmpty() && next.queueRun == lastRun))
            return true;
        if (!send())
            return false;
        // Unless the window asked for more in the meantime.
        deliver([run, loader] {
            if (run->currentGoal() <= loader->m_sent)
                loader->m_loading = false;
        });
        return run->waitForGoal(sent);
    };
    for (;;) {
        if (run->stopped)
            return;
        QByteArray line;
        const BackwardLineReader::Step step = reader.previous(&line);
        if (step == BackwardLineReader::Step::Stopped)
            return;
        if (step == BackwardLineReader::Step::Start)
            break;
        if (step == BackwardLineReader::Step::Failed) {
            if (!batch.isEmpty() && !send())
                return;
            finish(damaged, FileResult::failure(
                                QCoreApplication::translate("quillbox::TextFile",
                                                            "Could not read \"%1\": %2")
                                    .arg(QDir::toNativeSeparators(path), file.errorString())));
            return;
        }
        if (step == BackwardLineReader::Step::TooLong) {
            ++damaged;
        } else if (!line.trimmed().isEmpty()) {
            std::optional<PostRecord> record = parsePostRecord(line);
            if (!record) {
                ++damaged;
            } else if (postRecordMatches(*record, filter)) {
                if (!waitBefore(*record))
                    return;
                // A full batch goes before the record, unless the record carries on a queue
                // run: a run cut between two batches has its row told of each post added to it,
                // and a view looks for that row through all of its rows each time.
                const bool sameRun = !record->queueRun.isEmpty() && record->queueRun == lastRun;
                if (!sameRun && batch.size() >= batchSize && !send())
                    return;
                lastRun = record->queueRun;
                batch.append(std::move(*record));
            }
        }
        if (due.hasExpired() && !batch.isEmpty() && !send())
            return;
    }
    if ((!batch.isEmpty() || damaged != damagedSent) && !send())
        return;
    finish(damaged, FileResult::success());
}

} // namespace quillbox

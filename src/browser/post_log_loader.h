#pragma once

#include "browser/post_log.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QObject>
#include <QSemaphore>
#include <atomic>
#include <memory>
#include <thread>

namespace quillbox {

// Reads a file's lines from its end back to its start, holding one block of the file and at most
// one line of up to `maxLine` bytes: a longer line is passed over as it is found, never held.
// A line ends at LF; a CR before it is dropped.
class BackwardLineReader {
public:
    enum class Step { Line, TooLong, Start, Failed, Stopped };

    BackwardLineReader(QIODevice& file, qint64 end, qsizetype maxLine);
    // The line before the last one returned (from the end of the file first): Line with it,
    // TooLong for a line over the bound (its bytes not given), Start once the start of the file
    // is reached, Failed when the file could not be read, Stopped once the stop flag is set
    // (looked at between blocks, so a long line being passed over ends early too).
    Step previous(QByteArray* line);
    void setStopFlag(const std::atomic<bool>* stopped) { m_stopped = stopped; }

private:
    bool readBlock();

    QIODevice& m_file;
    qint64 m_position; // where the bytes still to be read end
    qsizetype m_maxLine;
    QByteArray m_block;      // read but not yet given out: the start of the file's lines
    bool m_skipping = false; // inside a line already known to be too long
    bool m_first = true;     // no block read yet
    bool m_done = false;
    const std::atomic<bool>* m_stopped = nullptr;
};

// Loads the post log for the history window on a thread of its own, newest records first, in
// batches the window takes one at a time: a log of a million records, or one with a line of
// 50 MB, never holds up the window, and what the log holds is shown as it is read. It reads as
// far as it is asked to (readMore, as the list is scrolled down), so the records held grow with
// what is shown, not with the log. A filter keeps only the records that hold its text (see
// postRecordMatches). A line over maxLineBytes is counted as damaged without being held whole.
class PostLogLoader final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostLogLoader)

public:
    static constexpr qsizetype maxLineBytes = 64 * 1024;
    // Records read at the start, and at least as many more each time more are asked for.
    static constexpr qsizetype pageRecords = 2000;

    explicit PostLogLoader(QObject* parent = nullptr);
    ~PostLogLoader() override;

    // Starts reading post-log.jsonl in the folder, dropping a load under way.
    void start(const QString& folder, const QString& filter = {});
    // Reads on, at least a page of records past those sent so far.
    void readMore();
    void stop();
    // Reading towards what was asked for; false once that is sent, or the whole log.
    bool isLoading() const { return m_loading; }
    // The whole log has been read.
    bool atEnd() const { return m_atEnd; }

signals:
    // The next records back in time, newest first.
    void recordsRead(const QList<quillbox::PostRecord>& newestFirst);
    // Lines skipped as damaged so far, whenever that number grows.
    void damagedLinesRead(int count);
    // The whole log is read: lines skipped as damaged, and a failure to read it (a missing log
    // is an empty one).
    void finished(int damagedLines, const quillbox::FileResult& status);

private:
    struct Run;
    static void read(const std::shared_ptr<Run>& run, const QString& path, const QString& filter,
                     PostLogLoader* loader);

    std::shared_ptr<Run> m_run;
    std::thread m_thread;
    qint64 m_sent = 0; // records handed on
    bool m_loading = false;
    bool m_atEnd = false;
};

} // namespace quillbox

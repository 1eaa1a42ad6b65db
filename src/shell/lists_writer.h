#pragma once

#include "store/list_files.h"
#include "watch/list_state.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace quillbox {

// Writes the list files and the state beside them on a thread of its own, so that a change to
// lists of many thousand threads (a thread marked read rewrites sizes.txt and lists-state.txt)
// never holds up the window. Writes go one at a time, in the order handed; a write still waiting
// when a newer one comes is replaced by it, since the newer one holds all of it.
class ListsWriter {
public:
    struct Job {
        std::optional<ListsData> lists; // none: the list files stay as they are
        QStringList readOnly;           // list files never written (see saveLists)
        std::optional<ListState> state; // none: lists-state.txt stays as it is
    };

    // `written` is called on the writing thread after each write: the caller takes the problems
    // with takeResults() on its own thread.
    ListsWriter(QString folder, std::function<void()> written);
    // Writes what is waiting, then ends.
    ~ListsWriter();
    ListsWriter(const ListsWriter&) = delete;
    ListsWriter& operator=(const ListsWriter&) = delete;

    void write(Job job);
    // Returns once nothing is waiting or being written.
    void wait();
    // Something is waiting or being written.
    bool isBusy() const;
    // The problems of each write finished since the last call, in order (an empty list for a
    // write that saved everything).
    QList<QStringList> takeResults();

private:
    void run();

    const QString m_folder;
    const std::function<void()> m_written;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Job> m_waiting;
    bool m_writing = false;
    bool m_stopping = false;
    QList<QStringList> m_results;
    std::thread m_thread; // last: starts once the rest is made
};

} // namespace quillbox

#include "shell/lists_writer.h"

namespace quillbox {

ListsWriter::ListsWriter(QString folder, std::function<void()> written)
    : m_folder(std::move(folder)), m_written(std::move(written)), m_thread([this] { run(); }) {}

ListsWriter::~ListsWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void ListsWriter::write(Job job) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_waiting) {
            // The newer job holds everything of the older one that it holds at all.
            if (!job.lists) {
                job.lists = std::move(m_waiting->lists);
                job.readOnly = m_waiting->readOnly;
            }
            if (!job.state)
                job.state = std::move(m_waiting->state);
        }
        m_waiting = std::move(job);
    }
    m_wake.notify_all();
}

void ListsWriter::wait() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_waiting && !m_writing; });
}

bool ListsWriter::isBusy() const {
    const std::lock_guard lock(m_mutex);
    return m_waiting || m_writing;
}

QList<QStringList> ListsWriter::takeResults() {
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_results, {});
}

void ListsWriter::run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_waiting || m_stopping; });
            if (!m_waiting)
                return; // stopping, with nothing left to write
            job = std::move(*m_waiting);
            m_waiting.reset();
            m_writing = true;
        }
        QStringList problems;
        if (job.lists)
            problems = saveLists(m_folder, *job.lists, job.readOnly);
        if (job.state) {
            const FileResult state = saveListState(m_folder, *job.state);
            if (!state.ok)
                problems << state.message;
        }
        {
            const std::lock_guard lock(m_mutex);
            m_results.append(problems);
            m_writing = false;
        }
        m_idle.notify_all();
        if (m_written)
            m_written();
    }
}

} // namespace quillbox

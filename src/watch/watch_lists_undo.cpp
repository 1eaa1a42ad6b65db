// Taking back the removal of a forum or a thread.
#include "watch/watch_lists.h"

namespace quillbox {

QString WatchLists::removeForumUndoably(int row) {
    if (row < 0 || row >= forumCount())
        return {};
    const Forum& forum = forums().at(row);
    Removed removed{true,
                    row,
                    forum.address,
                    forum.login,
                    m_forums.format(row),
                    m_forums.postingPage(row),
                    m_forums.name(row),
                    {}};
    // The removal itself ends the Undo of an earlier one; this one can be undone from now on.
    m_forums.remove(row);
    m_removed = std::move(removed);
    emit undoAvailableChanged(true);
    return m_removed->address;
}

QString WatchLists::removePostUndoably(int row) {
    if (row < 0 || row >= postCount())
        return {};
    const ThreadRecord thread = m_threads.record(row);
    Removed removed{false, row, thread.post.address, {}, {}, {}, {}, thread};
    m_threads.remove(row);
    m_removed = std::move(removed);
    emit undoAvailableChanged(true);
    return m_removed->address;
}

QString WatchLists::undoRemoval() {
    if (!m_removed)
        return {};
    const Removed r = *std::exchange(m_removed, std::nullopt);
    emit undoAvailableChanged(false);
    if (r.forum ? forumIndex(r.address) >= 0 : watchedIndex(r.address) >= 0)
        return {};
    if (r.forum)
        m_forums.insert(std::min(r.row, forumCount()), {r.address, r.login}, r.format,
                        r.postingPage, r.name);
    else
        m_threads.insert(std::min(r.row, postCount()), r.thread);
    return r.address;
}

void WatchLists::endUndo() {
    if (m_removed) {
        m_removed.reset();
        emit undoAvailableChanged(false);
    }
}

} // namespace quillbox

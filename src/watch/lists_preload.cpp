#include "watch/lists_preload.h"

#include "store/data_files.h"
#include "store/data_folder.h"

#include <QFileInfo>
#include <chrono>

namespace quillbox {

namespace {

QList<ListsPreload::Stamp> listStamps(const QString& folder) {
    QList<ListsPreload::Stamp> stamps;
    for (const QString& name : {dataFile::posts(), dataFile::forums(), dataFile::sizes()}) {
        const QFileInfo info(dataFilePath(folder, name));
        ListsPreload::Stamp stamp;
        stamp.exists = info.exists();
        if (stamp.exists) {
            stamp.size = info.size();
            stamp.modified = info.lastModified();
            stamp.changed = info.metadataChangeTime();
        }
        stamps.append(stamp);
    }
    return stamps;
}

} // namespace

ListsPreload::ListsPreload(QString folder, std::function<void()> beforeState)
    : m_folder(std::move(folder)) {
    std::promise<ListsRead> lists;
    std::promise<ListStateRead> state;
    auto listsRead = lists.get_future();
    auto stateRead = state.get_future();
    try {
        m_thread = std::thread([folder = m_folder, beforeState = std::move(beforeState),
                                lists = std::move(lists), state = std::move(state)]() mutable {
            // Stamped before they are read: a write while they are read shows at the take.
            ListsRead read{listStamps(folder), {}};
            read.lists = loadLists(folder, DamagedCopies::KeepBeforeRewrite);
            lists.set_value(std::move(read));
            if (beforeState)
                beforeState();
            state.set_value(readListState(folder));
        });
    } catch (const std::system_error&) {
        // No thread to be had: the takes read them then.
        return;
    }
    m_lists = std::move(listsRead);
    m_state = std::move(stateRead);
}

ListsPreload::~ListsPreload() {
    if (m_thread.joinable())
        m_thread.join();
}

LoadListsResult ListsPreload::takeLists() {
    if (!m_lists.valid())
        return loadLists(m_folder);
    ListsRead read = m_lists.get();
    if (read.lists.damaged.isEmpty() && read.stamps == listStamps(m_folder))
        return std::move(read.lists);
    return loadLists(m_folder);
}

bool ListsPreload::stateReady() const {
    return !m_state.valid() ||
           m_state.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

LoadListStateResult ListsPreload::takeState() {
    if (!m_state.valid())
        return loadListState(m_folder);
    const ListStateRead read = m_state.get();
    return finishLoading(isCurrent(read, m_folder) ? read : readListState(m_folder));
}

} // namespace quillbox

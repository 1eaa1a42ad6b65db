#include "watch/list_state_preload.h"

namespace quillbox {

ListStatePreload::ListStatePreload(QString folder) : m_folder(std::move(folder)) {
    try {
        m_read =
            std::async(std::launch::async, [folder = m_folder] { return readListState(folder); });
    } catch (const std::system_error&) {
        // No thread to be had: take() reads it then.
        m_read.reset();
    }
}

ListStatePreload::~ListStatePreload() {
    if (m_read && m_read->valid())
        m_read->wait();
}

LoadListStateResult ListStatePreload::take() {
    if (!m_read || !m_read->valid())
        return loadListState(m_folder);
    const ListStateRead read = m_read->get();
    m_read.reset();
    return finishLoading(isCurrent(read, m_folder) ? read : readListState(m_folder));
}

} // namespace quillbox

#include "watch/lists_preload.h"

#include "store/data_files.h"
#include "store/data_folder.h"

#include <QFileInfo>

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

ListsPreload::ListsPreload(QString folder) : m_folder(std::move(folder)) {
    try {
        m_read = std::async(std::launch::async, [folder = m_folder] { return read(folder); });
    } catch (const std::system_error&) {
        // No thread to be had: take() reads them then.
        m_read.reset();
    }
}

ListsPreload::~ListsPreload() {
    if (m_read && m_read->valid())
        m_read->wait();
}

ListsPreload::Read ListsPreload::read(const QString& folder) {
    Read read;
    // Stamped before they are read: a write while they are read shows at the take.
    read.listStamps = listStamps(folder);
    read.lists = loadLists(folder, DamagedCopies::KeepBeforeRewrite);
    read.state = readListState(folder);
    return read;
}

ListsTaken ListsPreload::take() {
    if (!m_read || !m_read->valid())
        return {loadLists(m_folder), loadListState(m_folder)};
    Read read = m_read->get();
    m_read.reset();
    ListsTaken taken;
    // A damaged list is read again here, where its original is kept at once (a rare start).
    if (read.lists.damaged.isEmpty() && read.listStamps == listStamps(m_folder))
        taken.lists = std::move(read.lists);
    else
        taken.lists = loadLists(m_folder);
    taken.state =
        finishLoading(isCurrent(read.state, m_folder) ? read.state : readListState(m_folder));
    return taken;
}

} // namespace quillbox

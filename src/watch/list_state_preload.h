#pragma once

#include "watch/list_state.h"

#include <QString>
#include <future>
#include <optional>

namespace quillbox {

// Reads the state beside the lists on a thread of its own from the moment it is made, so that a
// start with many thousand threads need not wait for it: while the program makes its window and
// reads the lists, the state is read beside them, and is there when the lists are. Made once the
// data folder is the program's (no other copy of the program writes it then).
class ListStatePreload {
public:
    explicit ListStatePreload(QString folder);
    // Waits for the read: the thread never outlives what it reads for.
    ~ListStatePreload();
    ListStatePreload(const ListStatePreload&) = delete;
    ListStatePreload& operator=(const ListStatePreload&) = delete;

    // What loadListState gives now, once the read is over: the read made ahead when the file is
    // still the one it read, otherwise a new one (something wrote it in between). A damaged file's
    // original is kept here, on the calling thread. Each call after the first reads again.
    LoadListStateResult take();

private:
    QString m_folder;
    std::optional<std::future<ListStateRead>> m_read;
};

} // namespace quillbox

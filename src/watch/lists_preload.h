#pragma once

#include "store/list_files.h"
#include "watch/list_state.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <future>
#include <thread>

namespace quillbox {

// Reads the list files, then the state beside them, on a thread of its own from the moment it is
// made, so that a start with many thousand threads need not wait for them: while the program shows
// its splash window and makes the main window, the files are read and parsed, and are there when
// the window asks for the lists. Made once the data folder is the program's (no other copy of the
// program writes it then).
class ListsPreload {
public:
    // `beforeState` runs on the reading thread between the lists and the state (tests hold the
    // state back with it).
    explicit ListsPreload(QString folder, std::function<void()> beforeState = {});
    // Waits for the read: the thread never outlives what it reads for.
    ~ListsPreload();
    ListsPreload(const ListsPreload&) = delete;
    ListsPreload& operator=(const ListsPreload&) = delete;

    // What loadLists gives now, once the lists are read: the read made ahead when the files are
    // still the ones it read, otherwise a new one (something wrote or made one in between). A
    // damaged file is read again here, where its original is kept, never by the read ahead. Each
    // call after the first reads again.
    LoadListsResult takeLists();
    // Whether the state is read, so that takeState() returns at once.
    bool stateReady() const;
    // What loadListState gives now, as takeLists() does for the lists.
    LoadListStateResult takeState();

    // How a file looked when it was read: one that looks otherwise now is read again.
    struct Stamp {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        QDateTime changed;
        bool operator==(const Stamp&) const = default;
    };

private:
    struct ListsRead {
        QList<Stamp> stamps;
        LoadListsResult lists;
    };

    QString m_folder;
    std::future<ListsRead> m_lists;
    std::future<ListStateRead> m_state;
    std::thread m_thread;
};

} // namespace quillbox

#pragma once

#include "store/list_files.h"
#include "watch/list_state.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <future>
#include <optional>

namespace quillbox {

// The lists and the state beside them, as a start reads them.
struct ListsTaken {
    LoadListsResult lists;
    LoadListStateResult state;
};

// Reads the list files and the state beside them on a thread of its own from the moment it is
// made, so that a start with many thousand threads need not wait for them: while the program
// shows its splash window and makes the main window, the files are read and parsed, and are there
// when the window asks for the lists. Made once the data folder is the program's (no other copy of
// the program writes it then).
class ListsPreload {
public:
    explicit ListsPreload(QString folder);
    // Waits for the read: the thread never outlives what it reads for.
    ~ListsPreload();
    ListsPreload(const ListsPreload&) = delete;
    ListsPreload& operator=(const ListsPreload&) = delete;

    // What loadLists and loadListState give now, once the read is over: the read made ahead for
    // each file that is still the one it read, otherwise a new one (something wrote it in between,
    // or made it). A damaged file's original is kept here, on the calling thread, never by the
    // read ahead. Each call after the first reads again.
    ListsTaken take();

    // How a file looked when it was read: one that looks otherwise now is read again.
    struct Stamp {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        QDateTime changed;
        bool operator==(const Stamp&) const = default;
    };

private:
    struct Read {
        QList<Stamp> listStamps;
        LoadListsResult lists;
        ListStateRead state;
    };
    static Read read(const QString& folder);

    QString m_folder;
    std::optional<std::future<Read>> m_read;
};

} // namespace quillbox

#pragma once

#include "shell/lists_writer.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace quillbox {

class UserMessages;
class WatchLists;

// Writes the three list files whenever the lists change (a post or forum added or removed, a
// size measured, a login changed), and the state beside them (lists-state.txt) when what it
// keeps changes (a check's result, a thread read, a forum's format or posting page), so a crash or
// power cut loses nothing and the command-line check sees current sizes. Changes made in one pass
// of the event loop are written once, on a thread of its own (see ListsWriter). A failed write is
// reported once, and again only after a write has succeeded in between.
class ListsAutosave final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListsAutosave)

public:
    ListsAutosave(WatchLists& lists, QString dataFolder, UserMessages& messages,
                  QObject* parent = nullptr);

    // Writes now when a change is waiting, and waits for the writes under way. True when nothing
    // is waiting afterwards.
    bool flush();
    // Whether the last write saved everything it had to; true before any write.
    bool lastWriteSucceeded() const { return m_lastWriteOk; }
    // Drops a waiting write and waits for the one under way (shutdown writes the lists itself,
    // after it).
    void cancel();
    // A change waits to be written, or is being written.
    bool isPending() const { return m_timer.isActive() || m_writer.isBusy(); }
    // The state beside the lists (lists-state.txt) is not written while it is kept unwritten.
    void keepStateUnwritten(bool keep) { m_stateUnwritten = keep; }
    // While the state beside the lists is held (it is still being read at start-up), a change to
    // it waits, and is written once it is let go.
    void holdState(bool hold);
    // Runs `change`, which puts back onto the lists what their files hold: none of it is written.
    // Changes waiting before it still are.
    void withoutWriting(const std::function<void()>& change);
    // List files that could not be read are never written (see saveLists).
    void keepListsUnwritten(const QStringList& files) { m_readOnly = files; }

private:
    void listsChanged();
    void stateChanged();
    void write();
    // Takes what the writes finished since say, and tells a failure (see the class comment).
    void reportWrites();
    void tellWrite(const QStringList& problems);

    WatchLists& m_lists;
    QString m_dataFolder;
    UserMessages& m_messages;
    QTimer m_timer;
    bool m_failureShown = false;
    bool m_lastWriteOk = true;
    bool m_listsDirty = false;
    bool m_stateDirty = false;
    bool m_stateUnwritten = false;
    bool m_stateHeld = false;
    QStringList m_readOnly;
    ListsWriter m_writer; // last: its thread may tell this object of a write until it ends
};

} // namespace quillbox

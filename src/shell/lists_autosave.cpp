#include "shell/lists_autosave.h"

#include "platform/user_messages.h"
#include "store/app_settings.h"
#include "store/list_files.h"
#include "watch/watch_lists.h"

namespace quillbox {

ListsAutosave::ListsAutosave(WatchLists& lists, QString dataFolder, UserMessages& messages,
                             QObject* parent)
    : QObject(parent), m_lists(lists), m_dataFolder(std::move(dataFolder)), m_messages(messages) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ListsAutosave::write);
    // Loading the lists at start-up resets them: that is no change worth a write.
    for (auto signal :
         {&WatchLists::postAppended, &WatchLists::postRemoved, &WatchLists::postSizeChanged,
          &WatchLists::forumAppended, &WatchLists::forumRemoved, &WatchLists::forumLoginChanged})
        connect(&m_lists, signal, this, &ListsAutosave::changed);
}

bool ListsAutosave::flush() {
    if (m_timer.isActive()) {
        m_timer.stop();
        write();
    }
    return !m_timer.isActive();
}

void ListsAutosave::write() {
    const QStringList problems = saveLists(m_dataFolder, m_lists.lists());
    if (problems.isEmpty()) {
        m_failureShown = false;
        return;
    }
    if (m_failureShown)
        return;
    m_failureShown = true;
    m_messages.showMessage(settingsApplication(),
                           QStringLiteral("Your lists could not be saved:\r\n\r\n") +
                               problems.join(QStringLiteral("\r\n")) +
                               QStringLiteral("\r\n\r\nThey are kept in the window and written "
                                              "again at the next change and when you close it."),
                           MessageIcon::Exclamation);
}

} // namespace quillbox

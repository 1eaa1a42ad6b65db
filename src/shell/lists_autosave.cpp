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
    // Loading the lists at start-up resets the models: that is no change worth a write. Nor is
    // a check's result: only what the list files hold counts.
    for (QAbstractItemModel* model :
         std::initializer_list<QAbstractItemModel*>{&lists.threadModel(), &lists.forumModel()}) {
        connect(model, &QAbstractItemModel::rowsInserted, this, &ListsAutosave::changed);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ListsAutosave::changed);
    }
    connect(&lists.threadModel(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(ThreadModel::RecordedSizeRole))
                    changed();
            });
    connect(&lists.forumModel(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(ForumModel::LoginRole))
                    changed();
            });
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

// The window's title and the tray's text: the program, its maker, and the threads with unread
// replies.
#include "platform/notifier.h"
#include "shell/program.h"
#include "store/app_settings.h"
#include "watch/new_replies_model.h"
#include "watch/watch_lists.h"

#include <QCoreApplication>

namespace quillbox {

QString withUnreadCount(const QString& name, int unread) {
    if (unread <= 0)
        return name;
    //: A window's title or the tray's: %1 is the name, %2 the number of threads with unread
    //: replies.
    return QCoreApplication::translate("quillbox::Program", "%1 (%2)").arg(name).arg(unread);
}

QString Program::windowTitle() const {
    return withUnreadCount(m_caption, m_unread);
}

int Program::unreadCount() const {
    return m_unread;
}

// The threads of the New Replies list are those with replies not yet read: marking one read
// takes it off.
void Program::followUnreadCount() {
    const auto recount = [this] {
        const int count = m_lists->newRepliesModel().rowCount();
        if (count == m_unread)
            return;
        m_unread = count;
        if (m_notifier)
            m_notifier->showUnread(withUnreadCount(settingsApplication(), count));
        emit unreadCountChanged(count);
    };
    const NewRepliesModel& model = m_lists->newRepliesModel();
    connect(&model, &QAbstractItemModel::rowsInserted, this, recount);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, recount);
    connect(&model, &QAbstractItemModel::modelReset, this, recount);
}

} // namespace quillbox

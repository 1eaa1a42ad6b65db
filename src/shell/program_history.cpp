// Post History: the post log read for the window that shows it, with the forums' names as the
// lists have them.
#include "browser/post_history.h"
#include "shell/program.h"
#include "watch/forum_model.h"
#include "watch/watch_lists.h"

#include <QHash>

namespace quillbox {

const PostHistory& Program::postHistory() const {
    return *m_postHistory;
}

void Program::openPostHistory() {
    if (m_postHistory->isOpen())
        return;
    // The names follow the list from the first open on: before it, no list change pays for them.
    const ForumModel& forums = m_lists->forumModel();
    const auto names = [this, &forums] {
        QHash<QString, QString> out;
        for (int row = 0; row < forums.rowCount(); ++row) {
            if (!forums.name(row).isEmpty())
                out.insert(forums.forums().at(row).address, forums.name(row));
        }
        m_postHistory->setForumNames(out);
    };
    names();
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&forums, signal, m_postHistory.get(), names);
    connect(&forums, &QAbstractItemModel::dataChanged, m_postHistory.get(), names);
    connect(&forums, &QAbstractItemModel::modelReset, m_postHistory.get(), names);
    m_postHistory->open(m_dataFolder);
}

void Program::filterPostHistory(const QString& text) {
    m_postHistory->setFilter(text);
}

} // namespace quillbox

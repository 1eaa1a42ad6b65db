#include "shell/lists_autosave.h"

#include "platform/logging.h"
#include "platform/user_messages.h"
#include "store/app_settings.h"
#include "store/list_files.h"
#include "watch/list_state.h"
#include "watch/watch_lists.h"

namespace quillbox {

ListsAutosave::ListsAutosave(WatchLists& lists, QString dataFolder, UserMessages& messages,
                             QObject* parent)
    : QObject(parent), m_lists(lists), m_dataFolder(std::move(dataFolder)), m_messages(messages),
      m_writer(m_dataFolder, [this] {
          QMetaObject::invokeMethod(this, &ListsAutosave::reportWrites, Qt::QueuedConnection);
      }) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ListsAutosave::write);
    // Loading the lists at start-up resets the models: that is no change worth a write.
    for (QAbstractItemModel* model :
         std::initializer_list<QAbstractItemModel*>{&lists.threadModel(), &lists.forumModel()}) {
        for (auto rows : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
            connect(model, rows, this, [this] {
                listsChanged();
                stateChanged();
            });
        }
    }
    connect(&lists.threadModel(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(ThreadModel::RecordedSizeRole))
                    listsChanged();
                if (roles.contains(ThreadModel::LastResultRole) ||
                    roles.contains(ThreadModel::UnreadRole))
                    stateChanged();
            });
    connect(&lists.forumModel(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(ForumModel::LoginRole))
                    listsChanged();
                if (roles.contains(ForumModel::FormatRole) ||
                    roles.contains(ForumModel::PostingPageRole) ||
                    roles.contains(ForumModel::NameRole))
                    stateChanged();
            });
}

bool ListsAutosave::flush() {
    if (m_timer.isActive()) {
        m_timer.stop();
        write();
    }
    m_writer.wait();
    reportWrites();
    return !m_timer.isActive();
}

void ListsAutosave::cancel() {
    m_timer.stop();
    m_writer.wait();
    reportWrites();
}

void ListsAutosave::listsChanged() {
    m_listsDirty = true;
    m_timer.start();
}

void ListsAutosave::stateChanged() {
    m_stateDirty = true;
    m_timer.start();
}

void ListsAutosave::holdState(bool hold) {
    m_stateHeld = hold;
    if (!hold && m_stateDirty && !m_timer.isActive())
        m_timer.start();
}

void ListsAutosave::withoutWriting(const std::function<void()>& change) {
    const bool lists = m_listsDirty;
    const bool state = m_stateDirty;
    const bool waiting = m_timer.isActive();
    change();
    m_listsDirty = lists;
    m_stateDirty = state;
    if (!waiting)
        m_timer.stop();
}

void ListsAutosave::write() {
    ListsWriter::Job job;
    if (m_listsDirty) {
        job.lists = m_lists.lists();
        job.readOnly = m_readOnly;
    }
    const bool stateWaits = m_stateDirty && m_stateHeld;
    if (m_stateDirty && !m_stateUnwritten && !m_stateHeld)
        job.state = collectListState(m_lists);
    else if (stateWaits)
        qCDebug(logLists) << "the lists' state is written once it is read";
    else if (m_stateDirty)
        qCDebug(logLists) << "the lists' state is not written: the lists were not all read";
    m_listsDirty = false;
    m_stateDirty = stateWaits;
    if (job.lists || job.state)
        m_writer.write(std::move(job));
}

void ListsAutosave::reportWrites() {
    for (const QStringList& problems : m_writer.takeResults())
        tellWrite(problems);
}

void ListsAutosave::tellWrite(const QStringList& problems) {
    m_lastWriteOk = problems.isEmpty();
    if (m_lastWriteOk) {
        m_failureShown = false;
        return;
    }
    if (m_failureShown) {
        qCInfo(logLists).noquote()
            << "not saved again, told already:" << problems.join(QStringLiteral("; "));
        return;
    }
    qCInfo(logLists).noquote() << "not saved, telling the user:"
                               << problems.join(QStringLiteral("; "));
    m_failureShown = true;
    //: %1 lists the files that could not be written and why, one a line.
    const QString text = tr("Your lists could not be saved:\r\n\r\n%1\r\n\r\nThey are kept "
                            "in the window and written again at the next change and when you "
                            "close it.")
                             .arg(problems.join(QStringLiteral("\r\n")));
    // The box waits for the user: a caller of flush() (a second program waiting for its answer)
    // must not wait with it.
    QTimer::singleShot(0, this, [this, text] {
        m_messages.showMessage(settingsApplication(), text, MessageIcon::Exclamation);
    });
}

} // namespace quillbox

#include "watch/forum_passwords.h"

#include "platform/logging.h"
#include "platform/user_messages.h"
#include "store/app_settings.h"
#include "store/records.h"
#include "watch/forum_model.h"
#include "watch/shown_address.h"

#include <QTimer>

namespace quillbox {

ForumPasswords::ForumPasswords(ForumModel& forums, AppSettings& settings, UserMessages& messages,
                               PasswordStore* store, QObject* parent)
    : QObject(parent), m_forums(forums), m_settings(settings), m_messages(messages),
      m_store(store) {
    connect(&forums, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { rowsRemoving(first, last); });
    connect(&forums, &QAbstractItemModel::rowsRemoved, this, &ForumPasswords::rowsRemoved);
    connect(&forums, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rowsInserted(first, last); });
}

ForumPasswords::~ForumPasswords() {
    *m_alive = false;
}

QString ForumPasswords::keyOf(const QString& address) {
    return maskedAddress(address);
}

int ForumPasswords::rowCount() const {
    return int(m_forums.forums().size());
}

QString ForumPasswords::addressOf(int row) const {
    return m_forums.forums().at(row).address;
}

QString ForumPasswords::userNameOf(int row) const {
    return splitLogin(m_forums.forums().at(row).login).userName;
}

QString ForumPasswords::filePasswordOf(int row) const {
    return splitLogin(m_forums.forums().at(row).login).password;
}

void ForumPasswords::setFilePassword(int row, const QString& password) {
    m_forums.setLogin(row, joinLogin(userNameOf(row), password));
}

QList<int> ForumPasswords::rowsOf(const QString& key) const {
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        if (keyOf(addressOf(row)) == key)
            rows.append(row);
    }
    return rows;
}

ForumPasswords::Entry& ForumPasswords::entry(const QString& key) {
    auto it = m_entries.find(key);
    if (it == m_entries.end())
        it = m_entries.insert(key, Entry{}); // nothing read: a forum with no password yet
    return *it;
}

bool ForumPasswords::inKeyring() const {
    return m_settings.get(keys::passwordsInKeyring) == QLatin1String("1");
}

void ForumPasswords::call(const std::function<void(PasswordStore&, PasswordCallback)>& operation,
                          std::function<void(const PasswordAnswer&)> done) {
    const std::weak_ptr<bool> alive = m_alive;
    PasswordCallback guarded = [alive, done = std::move(done)](const PasswordAnswer& answer) {
        if (const auto living = alive.lock(); living && *living)
            done(answer);
    };
    if (m_store) {
        operation(*m_store, std::move(guarded));
        return;
    }
    QTimer::singleShot(0, this, [guarded] {
        guarded({PasswordAnswer::Status::Unavailable, {}, tr("No keyring is available.")});
    });
}

void ForumPasswords::tell(const QString& text, const QString& detail) {
    QTimer::singleShot(0, this, [this, text, detail] {
        m_messages.showMessage(settingsApplication(), text, MessageIcon::Exclamation, detail);
    });
}

void ForumPasswords::tellUnavailable(const QString& reason) {
    qCWarning(logStore).noquote() << "the keyring could not be used:" << reason;
    if (m_unavailableTold)
        return;
    m_unavailableTold = true;
    tell(tr("The desktop keyring could not be reached, so the forum passwords kept in it cannot "
            "be shown, pasted or changed there for now. Nothing has been changed: the passwords "
            "in the keyring stay there, and a password you type stays in posts2.txt until the "
            "keyring takes it.\r\n\r\nUnlock the keyring (or start it), then press Paste "
            "Password, or start the program again."),
         reason);
}

void ForumPasswords::readAll() {
    for (int row = 0; row < rowCount(); ++row) {
        const QString key = keyOf(addressOf(row));
        if (filePasswordOf(row).isEmpty() && !m_entries.contains(key))
            read(key);
    }
}

void ForumPasswords::read(const QString& key) {
    entry(key).state = State::Reading;
    call([key](PasswordStore& store, PasswordCallback done) { store.read(key, std::move(done)); },
         [this, key](const PasswordAnswer& answer) { readDone(key, answer); });
}

void ForumPasswords::readDone(const QString& key, const PasswordAnswer& answer) {
    const auto it = m_entries.find(key);
    // A password typed while the keyring was being read is the one that holds.
    if (it == m_entries.end() || it->state != State::Reading)
        return;
    switch (answer.status) {
    case PasswordAnswer::Status::Done:
        it->state = State::Known;
        it->password = answer.password;
        break;
    case PasswordAnswer::Status::NotFound:
        it->state = State::Known;
        it->password.clear();
        break;
    case PasswordAnswer::Status::Unavailable:
        it->state = State::Unreadable;
        tellUnavailable(answer.error);
        break;
    }
    const QList<std::function<void()>> waiting = std::exchange(it->waiting, {});
    for (int row : rowsOf(key))
        emit passwordShown(row);
    for (const auto& done : waiting)
        done();
}

void ForumPasswords::whenSettled(const QString& key, std::function<void()> done) {
    Entry& e = entry(key);
    if (e.state == State::Known) {
        done();
        return;
    }
    e.waiting.append(std::move(done));
    // The keyring may have been unlocked since: it is asked again.
    if (e.state == State::Unreadable)
        read(key);
}

void ForumPasswords::put(const QString& key, const QString& password) {
    m_unconfirmed.insert(key, password);
    call([key, password](PasswordStore& store,
                         PasswordCallback done) { store.write(key, password, std::move(done)); },
         [this, key, password](const PasswordAnswer& answer) {
             if (m_unconfirmed.value(key) == password)
                 m_unconfirmed.remove(key);
             const bool stored = answer.status != PasswordAnswer::Status::Unavailable;
             if (!inKeyring()) {
                 // Turned off meanwhile: posts2.txt holds the password again.
                 if (stored)
                     erase(key);
                 return;
             }
             if (stored) {
                 // Confirmed: posts2.txt no longer needs it.
                 for (int row : rowsOf(key)) {
                     if (filePasswordOf(row) == password)
                         setFilePassword(row, {});
                 }
                 return;
             }
             // Not lost: the password the user has now stays in posts2.txt, and is moved at the
             // next start.
             const Entry& e = entry(key);
             for (int row : rowsOf(key)) {
                 if (filePasswordOf(row).isEmpty() && e.state == State::Known)
                     setFilePassword(row, e.password);
             }
             tellUnavailable(answer.error);
         });
}

void ForumPasswords::erase(const QString& key) {
    m_unconfirmed.remove(key);
    call([key](PasswordStore& store, PasswordCallback done) { store.remove(key, std::move(done)); },
         [this](const PasswordAnswer& answer) {
             if (answer.status == PasswordAnswer::Status::Unavailable)
                 tellUnavailable(answer.error);
         });
}

ForumPasswords::Shown ForumPasswords::shown(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    const QString inFile = filePasswordOf(row);
    if (!inKeyring() || !inFile.isEmpty())
        return {inFile, {}};
    const auto it = m_entries.constFind(keyOf(addressOf(row)));
    if (it == m_entries.cend())
        return {};
    switch (it->state) {
    case State::Known:
        return {it->password, {}};
    case State::Reading:
        return {{}, tr("Reading it from the keyring...")};
    case State::Unreadable:
        break;
    }
    return {{}, tr("In the keyring, which could not be read")};
}

void ForumPasswords::storeLogin(int row, const QString& userName, const QString& password) {
    if (row < 0 || row >= rowCount())
        return;
    if (!inKeyring()) {
        m_forums.setLogin(row, joinLogin(userName, password));
        return;
    }
    const QString key = keyOf(addressOf(row));
    const QString inFile = filePasswordOf(row);
    if (!inFile.isEmpty()) {
        // A password still waiting to move stays in posts2.txt until the keyring has it.
        m_forums.setLogin(row, joinLogin(userName, password));
        if (password != inFile)
            replace(key, password);
        return;
    }
    m_forums.setLogin(row, joinLogin(userName, {}));
    const Entry& e = entry(key);
    // An empty box over a password that is not known is no new password: what could not be
    // read is never written over.
    if (e.state == State::Known ? e.password == password : password.isEmpty())
        return;
    replace(key, password);
}

void ForumPasswords::replace(const QString& key, const QString& password) {
    Entry& e = entry(key);
    e.state = State::Known;
    e.password = password;
    const QList<std::function<void()>> waiting = std::exchange(e.waiting, {});
    password.isEmpty() ? erase(key) : put(key, password);
    for (const auto& done : waiting)
        done();
}

void ForumPasswords::passwordFor(int row,
                                 std::function<void(const std::optional<QString>&)> answer) {
    if (row < 0 || row >= rowCount()) {
        answer(QString());
        return;
    }
    const QString inFile = filePasswordOf(row);
    if (!inKeyring() || !inFile.isEmpty()) {
        answer(inFile);
        return;
    }
    const QString key = keyOf(addressOf(row));
    whenSettled(key, [this, key, answer = std::move(answer)] {
        const Entry& e = entry(key);
        if (e.state == State::Known) {
            answer(e.password);
            return;
        }
        emit panelText(1, tr("The password could not be read from the keyring."));
        answer(std::nullopt);
    });
}

void ForumPasswords::keepUnconfirmed() {
    for (auto it = m_unconfirmed.cbegin(); it != m_unconfirmed.cend(); ++it) {
        for (int row : rowsOf(it.key())) {
            if (filePasswordOf(row).isEmpty())
                setFilePassword(row, it.value());
        }
    }
}

void ForumPasswords::rowsRemoving(int first, int last) {
    m_removing.clear();
    for (int row = first; row <= last && row < rowCount(); ++row)
        m_removing.append(keyOf(addressOf(row)));
}

void ForumPasswords::rowsRemoved() {
    const QStringList removed = std::exchange(m_removing, {});
    if (!inKeyring())
        return;
    for (const QString& key : removed) {
        const auto it = m_entries.constFind(key);
        // Kept here, so an undone removal puts it back; a password that could not be read is
        // left where it is.
        if (it != m_entries.cend() && it->state == State::Known && !it->password.isEmpty() &&
            rowsOf(key).isEmpty())
            erase(key);
    }
}

void ForumPasswords::rowsInserted(int first, int last) {
    if (!inKeyring())
        return;
    for (int row = first; row <= last && row < rowCount(); ++row) {
        const QString key = keyOf(addressOf(row));
        const QString inFile = filePasswordOf(row);
        if (!inFile.isEmpty()) {
            Entry& e = entry(key);
            e.state = State::Known;
            e.password = inFile;
            put(key, inFile);
        } else if (const auto it = m_entries.constFind(key);
                   it != m_entries.cend() && it->state == State::Known && !it->password.isEmpty()) {
            put(key, it->password);
        }
    }
}

} // namespace quillbox

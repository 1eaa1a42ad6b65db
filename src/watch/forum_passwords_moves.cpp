// The setting "Keep forum passwords in the desktop keyring": choosing it on the first start, and
// moving the passwords into the keyring and back into posts2.txt.
#include "platform/user_messages.h"
#include "store/app_settings.h"
#include "store/records.h"
#include "watch/forum_model.h"
#include "watch/forum_passwords.h"

#include <QSet>
#include <QTimer>

namespace quillbox {

namespace {

const QString on = QStringLiteral("1");
const QString off = QStringLiteral("0");

} // namespace

bool ForumPasswords::chooseSetting(const QString& value) {
    const bool written = m_settings.set(keys::passwordsInKeyring, value);
    emit settingWritten(written);
    emit inKeyringChanged();
    return written;
}

void ForumPasswords::start(bool writable) {
    m_writable = writable;
    const QString chosen = m_settings.get(keys::passwordsInKeyring);
    if (chosen == on) {
        readAll();
        moveFilePasswords();
    } else if (chosen != off) {
        decideOnFirstStart();
    }
}

void ForumPasswords::decideOnFirstStart() {
    // A folder whose posts2.txt could not be read has nothing to decide on.
    if (!m_writable || !m_store)
        return;
    call([](PasswordStore& store, PasswordCallback done) { store.read({}, std::move(done)); },
         [this](const PasswordAnswer& answer) {
             // Without a keyring nothing is chosen: a later start with one decides.
             if (answer.status == PasswordAnswer::Status::Unavailable ||
                 !m_settings.get(keys::passwordsInKeyring).isEmpty())
                 return;
             bool anyPassword = false;
             for (int row = 0; row < rowCount() && !anyPassword; ++row)
                 anyPassword = !filePasswordOf(row).isEmpty();
             if (!anyPassword) {
                 chooseSetting(on);
                 return;
             }
             QTimer::singleShot(0, this, [this] {
                 const int answer = m_messages.askChoice(
                     settingsApplication(),
                     tr("Your forum passwords are kept in posts2.txt as plain text. Move them "
                        "into the desktop keyring, where your browser and password manager keep "
                        "theirs?\r\n\r\nYou can change this later: Tools, Keep forum passwords "
                        "in the desktop keyring."),
                     {tr("Move to the Keyring"), tr("Keep in posts2.txt")},
                     MessageIcon::Information);
                 if (!m_settings.get(keys::passwordsInKeyring).isEmpty())
                     return;
                 if (answer == 0 && chooseSetting(on))
                     moveFilePasswords();
                 else if (answer != 0)
                     chooseSetting(off);
             });
         });
}

void ForumPasswords::setInKeyring(bool wanted) {
    if (m_moving || wanted == inKeyring())
        return;
    if (!m_writable) {
        tell(tr("posts2.txt could not be read when the program started, so the forum passwords "
                "are not moved until the program is started again."));
        return;
    }
    wanted ? turnOn() : turnOff();
}

void ForumPasswords::turnOn() {
    m_moving = true;
    call([](PasswordStore& store, PasswordCallback done) { store.read({}, std::move(done)); },
         [this](const PasswordAnswer& answer) {
             m_moving = false;
             if (answer.status == PasswordAnswer::Status::Unavailable) {
                 tell(tr("The desktop keyring could not be reached, so the forum passwords stay "
                         "in posts2.txt."),
                      answer.error);
                 return;
             }
             m_entries.clear();
             if (chooseSetting(on))
                 moveFilePasswords();
         });
}

void ForumPasswords::turnOff() {
    m_moving = true;
    QStringList keys;
    for (int row = 0; row < rowCount(); ++row) {
        const QString key = keyOf(addressOf(row));
        if (filePasswordOf(row).isEmpty() && !keys.contains(key))
            keys.append(key);
    }
    // Every password must be known before any is moved: one that cannot be read stays in the
    // keyring with all the others, and the setting stays on.
    auto remaining = std::make_shared<qsizetype>(keys.size() + 1);
    const auto settled = [this, keys, remaining] {
        if (--*remaining == 0)
            finishTurningOff(keys);
    };
    for (const QString& key : keys)
        whenSettled(key, settled);
    settled();
}

void ForumPasswords::finishTurningOff(const QStringList& keys) {
    m_moving = false;
    for (const QString& key : keys) {
        if (entry(key).state != State::Known) {
            tell(tr("Some forum passwords could not be read from the desktop keyring, so all of "
                    "them stay there, and the setting stays on. Unlock the keyring and try "
                    "again."));
            return;
        }
    }
    if (!chooseSetting(off))
        return;
    QSet<QString> moved;
    for (int row = 0; row < rowCount(); ++row) {
        const QString key = keyOf(addressOf(row));
        const QString password = entry(key).password;
        if (filePasswordOf(row).isEmpty() && !password.isEmpty()) {
            setFilePassword(row, password);
            moved.insert(key);
        }
    }
    // Out of the keyring only once posts2.txt holds them.
    if (m_saveNow && m_saveNow()) {
        for (const QString& key : moved)
            erase(key);
    }
    m_entries.clear();
    m_unconfirmed.clear();
}

void ForumPasswords::moveFilePasswords() {
    if (!m_writable)
        return;
    for (int row = 0; row < rowCount(); ++row) {
        const QString password = filePasswordOf(row);
        if (password.isEmpty())
            continue;
        const QString key = keyOf(addressOf(row));
        Entry& e = entry(key);
        e.state = State::Known;
        e.password = password;
        put(key, password);
    }
}

} // namespace quillbox

#pragma once

#include "platform/password_store.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace quillbox {

class AppSettings;
class ForumModel;
class PasswordStore;
class UserMessages;

// Where the forum passwords are kept: in posts2.txt, or, with the setting "Keep forum passwords
// in the desktop keyring" on, in the keyring under the forum's address (with any password
// written into the address itself masked, since the keyring shows its keys to anyone who asks).
//
// With the setting on, the forum model, and so posts2.txt, holds each login with an empty
// password field, and the passwords are here, read from the keyring at start-up. A password
// leaves the model only once the keyring has confirmed it holds it, so a locked keyring, a
// refused write or an end of the program in between leaves it in posts2.txt, from where it is
// moved at the next start. A password that could not be read is never written over with an
// empty one, in the keyring or in the file.
class ForumPasswords final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ForumPasswords)

public:
    // Without a store there is no keyring: the passwords stay in posts2.txt.
    ForumPasswords(ForumModel& forums, AppSettings& settings, UserMessages& messages,
                   PasswordStore* store, QObject* parent = nullptr);
    ~ForumPasswords() override;

    // Writes the lists now; true when posts2.txt was written. Moving passwords back out of the
    // keyring removes them there only after that.
    void setSaveNow(std::function<bool()> saveNow) { m_saveNow = std::move(saveNow); }

    // Start-up, once the lists are loaded; writable says posts2.txt was read, so it may be
    // rewritten. The first start on which a keyring answers chooses the setting: on when
    // posts2.txt holds no password yet, otherwise the user is offered the move, once.
    void start(bool writable);

    // The setting is on.
    bool inKeyring() const;
    // Turning the setting on moves the passwords into the keyring, turning it off moves them back
    // into posts2.txt; the setting changes once that can be done, which may be later. What
    // cannot be done is told, and nothing moves.
    void setInKeyring(bool on);
    bool isMoving() const { return m_moving; }

    // What the password box shows for the row: the password, or, when there is none to show
    // yet, why (as a placeholder, never as text that could be stored).
    struct Shown {
        QString password;
        QString placeholder;
    };
    Shown shown(int row) const;
    // The login boxes of the row as the user left them.
    void storeLogin(int row, const QString& userName, const QString& password);
    // Answers with the row's password once it is known: at once, or when the keyring has
    // answered; none when the keyring could not be read (a read that failed is tried again).
    void passwordFor(int row, std::function<void(const std::optional<QString>&)> answer);
    // Shutdown: a password the keyring has not yet confirmed goes back into the model, so the
    // lists written now keep it.
    void keepUnconfirmed();

    // The keyring's key for a forum's address.
    static QString keyOf(const QString& address);

signals:
    // The row's password arrived, or could not be read: its box shows it anew.
    void passwordShown(int row);
    void panelText(int panel, const QString& text);
    // A change of the setting was written, or could not be (false).
    void settingWritten(bool written);
    void inKeyringChanged();

private:
    enum class State { Reading, Known, Unreadable };
    struct Entry {
        State state = State::Known;
        QString password;
        QList<std::function<void()>> waiting; // called when a read has answered
    };

    int rowCount() const;
    QString addressOf(int row) const;
    QString userNameOf(int row) const;
    QString filePasswordOf(int row) const; // the password the model, and posts2.txt, hold
    void setFilePassword(int row, const QString& password);
    QList<int> rowsOf(const QString& key) const;
    Entry& entry(const QString& key);

    bool chooseSetting(const QString& value);
    void decideOnFirstStart();
    void turnOn();
    void turnOff();
    void finishTurningOff(const QStringList& keys);
    void readAll();
    void read(const QString& key);
    void readDone(const QString& key, const PasswordAnswer& answer);
    // Calls done once the key's password is known or could not be read; retries a failed read.
    void whenSettled(const QString& key, std::function<void()> done);
    void moveFilePasswords();
    // The user's new password for the key: known from now on, and written (or removed when
    // empty); whoever waited for the key's password gets it.
    void replace(const QString& key, const QString& password);
    void put(const QString& key, const QString& password);
    void erase(const QString& key);
    // Runs the operation on the store, or answers Unavailable without one; answers are dropped
    // once this object is gone.
    void call(const std::function<void(PasswordStore&, PasswordCallback)>& operation,
              std::function<void(const PasswordAnswer&)> done);
    // Messages wait for the event loop: a box opened inside a keyring's answer would let the next
    // answers run in the middle of this one.
    void tell(const QString& text, const QString& detail = {});
    void tellUnavailable(const QString& reason);
    void rowsRemoving(int first, int last);
    void rowsRemoved();
    void rowsInserted(int first, int last);

    ForumModel& m_forums;
    AppSettings& m_settings;
    UserMessages& m_messages;
    PasswordStore* m_store;
    std::function<bool()> m_saveNow;
    QHash<QString, Entry> m_entries;
    QHash<QString, QString> m_unconfirmed; // key: the password written last, not yet confirmed
    QStringList m_removing;
    bool m_writable = false;
    bool m_moving = false;
    bool m_unavailableTold = false;
    // Answers are dropped once this object is gone.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace quillbox

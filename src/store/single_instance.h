#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace quillbox {

// One running program per data folder. The first program to start on a folder holds a lock file
// in it and listens on a local socket named after the folder, in a folder only the user can enter
// (see channelPlace); a later start finds the lock held, and may send the first one a line of text
// (such as a request to come to the front) and read its one-line answer. Each end talks only to a
// program of the same user. A lock left by a program that crashed is taken over.
class SingleInstance final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    enum class Role {
        None,      // tryLock has not been called, or failed
        Primary,   // this program holds the folder
        Secondary, // another running program holds it
    };

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the folder for this program, or learns that another running program has it. None
    // when the lock could not be made at all (the folder missing or not writable); error() then
    // says why. Calling it again on the same folder repeats the answer, and a secondary asks again.
    Role tryLock(const QString& dataFolder);
    Role role() const { return m_role; }
    // Why the lock could not be made, or (in a primary) why a later start cannot reach this one.
    QString error() const { return m_error; }

    // The lock file's name inside the data folder.
    static QString lockFileName();

    // From a secondary, after tryLock: sends one line to the primary and returns its answer, or
    // nullopt when none came within `timeoutMs` (a primary still starting is waited for until
    // then). Blocks; meant for start-up, before the event loop runs. Nothing is sent to a
    // program that cannot be verified as the user's own: untrusted() then tells so.
    std::optional<QString> sendMessage(const QString& message, int timeoutMs = 5000);
    // After sendMessage: the channel was not safe (no private place for it, or another user's
    // program at its end), so nothing was sent; untrustedReason() says why.
    bool untrusted() const { return !m_untrusted.isEmpty(); }
    QString untrustedReason() const { return m_untrusted; }

    // Inside a slot connected directly to messageReceived: the line sent back for that message
    // ("" when no slot answers).
    void answer(const QString& line) { m_answer = line; }

signals:
    // In the primary: a secondary sent this line.
    void messageReceived(const QString& message);

public:
    // Connections served at once; the rest wait their turn in the server's queue.
    static constexpr int maxServed = 4;
    int servedCount() const { return int(m_served.size()); }

private:
    struct Served {
        QLocalSocket* socket;
        QElapsedTimer since;
    };

    void listen();
    void takeConnections();
    void serve(QLocalSocket* socket);
    void finished(QLocalSocket* socket);
    void dropIdle();

    QString m_folder;
    QString m_serverName;
    QString m_channelError;
    Role m_role = Role::None;
    QString m_error;
    QString m_untrusted;
    QString m_answer;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    QList<Served> m_served;
    QTimer m_idleTimer; // one for every connection served
};

} // namespace quillbox

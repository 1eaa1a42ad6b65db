#pragma once

#include "platform/password_store.h"

#include <QObject>

namespace QKeychain {
class Job;
}

namespace quillbox {

// The desktop keyring through the Secret Service (qtkeychain), each password under the program's
// name as the service and the key as the account. Nothing falls back to a plain-text file: with
// no keyring every call answers Unavailable.
class KeychainPasswordStore final : public QObject, public PasswordStore {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeychainPasswordStore)

public:
    explicit KeychainPasswordStore(QString service, QObject* parent = nullptr);
    ~KeychainPasswordStore() override;

    void read(const QString& key, PasswordCallback done) override;
    void write(const QString& key, const QString& password, PasswordCallback done) override;
    void remove(const QString& key, PasswordCallback done) override;

private:
    // Starts the job and answers through done when it finishes; missing is what a job that
    // found no entry means to its caller.
    void run(QKeychain::Job* job, PasswordCallback done, PasswordAnswer::Status missing);

    QString m_service;
};

} // namespace quillbox

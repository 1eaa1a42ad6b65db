#include "platform/qt/keychain_password_store.h"

#include "platform/logging.h"

#include <qt6keychain/keychain.h>

namespace quillbox {

KeychainPasswordStore::KeychainPasswordStore(QString service, QObject* parent)
    : QObject(parent), m_service(std::move(service)) {}

// Jobs still running are children of the store and go with it, without answering.
KeychainPasswordStore::~KeychainPasswordStore() = default;

void KeychainPasswordStore::read(const QString& key, PasswordCallback done) {
    auto* job = new QKeychain::ReadPasswordJob(m_service, this);
    job->setKey(key);
    run(job, std::move(done), PasswordAnswer::Status::NotFound);
}

void KeychainPasswordStore::write(const QString& key, const QString& password,
                                  PasswordCallback done) {
    auto* job = new QKeychain::WritePasswordJob(m_service, this);
    job->setKey(key);
    job->setTextData(password);
    run(job, std::move(done), PasswordAnswer::Status::Unavailable);
}

void KeychainPasswordStore::remove(const QString& key, PasswordCallback done) {
    auto* job = new QKeychain::DeletePasswordJob(m_service, this);
    job->setKey(key);
    run(job, std::move(done), PasswordAnswer::Status::Done);
}

void KeychainPasswordStore::run(QKeychain::Job* job, PasswordCallback done,
                                PasswordAnswer::Status missing) {
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    connect(job, &QKeychain::Job::finished, this,
            [done = std::move(done), missing](QKeychain::Job* finished) {
                PasswordAnswer answer;
                switch (finished->error()) {
                case QKeychain::NoError:
                    if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(finished))
                        answer.password = read->textData();
                    break;
                case QKeychain::EntryNotFound:
                    answer.status = missing;
                    answer.error = finished->errorString();
                    break;
                default:
                    // Locked and not unlocked, no Secret Service, access refused: nothing was
                    // read or written.
                    answer.status = PasswordAnswer::Status::Unavailable;
                    answer.error = finished->errorString();
                    qCWarning(logStore).noquote()
                        << "the keyring did not answer:" << finished->errorString();
                    break;
                }
                if (done)
                    done(answer);
            });
    job->start();
}

} // namespace quillbox

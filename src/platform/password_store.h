#pragma once

#include <QString>
#include <functional>

namespace quillbox {

// What the secret store answered: the password read, no password under that key, or no answer
// at all (the keyring is locked, missing, or refused), with the store's reason for the user.
struct PasswordAnswer {
    enum class Status { Done, NotFound, Unavailable };
    Status status = Status::Done;
    QString password; // what was read (Done after a read)
    QString error;    // why the store could not answer (Unavailable)
};
using PasswordCallback = std::function<void(const PasswordAnswer&)>;

// The desktop's secret store (the keyring), holding one password per key. Every call answers
// later, from the event loop and never from within the call, exactly once unless the store is
// destroyed first; calls are carried out in the order they were made, so a write followed by a
// read reads what was written.
class PasswordStore {
public:
    virtual ~PasswordStore() = default;
    virtual void read(const QString& key, PasswordCallback done) = 0;
    virtual void write(const QString& key, const QString& password, PasswordCallback done) = 0;
    // A key that holds nothing is removed already: Done.
    virtual void remove(const QString& key, PasswordCallback done) = 0;
};

} // namespace quillbox

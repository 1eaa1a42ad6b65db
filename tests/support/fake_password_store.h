#pragma once

#include "platform/password_store.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

namespace quillbox::test {

// A keyring in memory. Like the real one it answers from the event loop, in the order it was
// asked; a held store keeps its answers until released (a read on its way), and a locked one
// answers every call Unavailable, leaving what it holds untouched. Each call counts, so a test
// can tell that nothing was written or removed.
class FakePasswordStore final : public QObject, public PasswordStore {
public:
    QHash<QString, QString> entries;
    bool locked = false;
    bool held = false;
    int reads = 0;
    int writes = 0;
    int removes = 0;

    void read(const QString& key, PasswordCallback done) override {
        ++reads;
        enqueue([this, key, done] {
            if (locked)
                return done(unavailable());
            const auto it = entries.constFind(key);
            if (it == entries.cend())
                return done({PasswordAnswer::Status::NotFound, {}, {}});
            done({PasswordAnswer::Status::Done, *it, {}});
        });
    }
    void write(const QString& key, const QString& password, PasswordCallback done) override {
        ++writes;
        enqueue([this, key, password, done] {
            if (locked)
                return done(unavailable());
            entries.insert(key, password);
            done({});
        });
    }
    void remove(const QString& key, PasswordCallback done) override {
        ++removes;
        enqueue([this, key, done] {
            if (locked)
                return done(unavailable());
            entries.remove(key);
            done({});
        });
    }

    // Answers everything held, and from now on answers as calls come.
    void release() {
        held = false;
        schedule();
    }
    qsizetype waiting() const { return m_queue.size(); }

private:
    static PasswordAnswer unavailable() {
        return {PasswordAnswer::Status::Unavailable, {}, QStringLiteral("The keyring is locked.")};
    }
    void enqueue(std::function<void()> answer) {
        m_queue.append(std::move(answer));
        schedule();
    }
    void schedule() {
        QTimer::singleShot(0, this, [this] {
            while (!held && !m_queue.isEmpty())
                m_queue.takeFirst()();
        });
    }
    QList<std::function<void()>> m_queue;
};

} // namespace quillbox::test

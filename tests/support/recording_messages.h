#pragma once

#include "platform/user_messages.h"

#include <QList>

namespace quillbox::test {

// Records every message instead of showing a box, and answers at once.
class RecordingMessages : public UserMessages {
public:
    struct Entry {
        QString title;
        QString text;
        MessageIcon icon;
    };
    void showMessage(const QString& title, const QString& text, MessageIcon icon) override {
        entries.append({title, text, icon});
    }
    QStringList texts() const {
        QStringList out;
        for (const Entry& e : entries)
            out.append(e.text);
        return out;
    }
    QList<Entry> entries;
};

} // namespace quillbox::test

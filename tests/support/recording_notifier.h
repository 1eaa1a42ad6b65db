#pragma once

#include "platform/notifier.h"

#include <QList>

namespace quillbox::test {

// Records every notification instead of showing it; activate() plays the user's click.
class RecordingNotifier : public Notifier {
public:
    struct Entry {
        QString title;
        QString body;
    };
    void notify(const QString& title, const QString& body) override {
        entries.append({title, body});
    }
    void showUnread(const QString& text) override { unread.append(text); }
    void activate() const { activated(); }
    QList<Entry> entries;
    QStringList unread; // every text the tray was given, in order
};

} // namespace quillbox::test

#pragma once

#include "platform/user_messages.h"

#include <QList>
#include <functional>

namespace quillbox::test {

// Records every message instead of showing a box, and answers at once: a question takes the
// next queued answer, or its last button when none is queued.
class RecordingMessages : public UserMessages {
public:
    struct Entry {
        QString title;
        QString text;
        MessageIcon icon;
        QString informativeText;
        QStringList buttons; // empty for a plain message
    };
    void showMessage(const QString& title, const QString& text, MessageIcon icon,
                     const QString& informativeText) override {
        entries.append({title, text, icon, informativeText, {}});
    }
    int askChoice(const QString& title, const QString& text, const QStringList& buttons,
                  MessageIcon icon) override {
        entries.append({title, text, icon, {}, buttons});
        if (beforeAnswer)
            beforeAnswer();
        if (!answers.isEmpty())
            return answers.takeFirst();
        return int(buttons.size()) - 1;
    }
    QStringList texts() const {
        QStringList out;
        for (const Entry& e : entries)
            out.append(e.text);
        return out;
    }
    QList<Entry> entries;
    QList<int> answers; // indices of the buttons the next questions are answered with
    std::function<void()> beforeAnswer; // what the user does while a question is open
};

} // namespace quillbox::test

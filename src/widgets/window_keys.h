#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>

namespace quillbox {

using Keys = QList<QKeySequence>;

// The desktop's keys for a standard action; the usual key where the platform names none (as
// some leave Quit without one).
inline Keys keys(QKeySequence::StandardKey key, QKeyCombination usual) {
    const Keys desktop = QKeySequence::keyBindings(key);
    return desktop.isEmpty() ? Keys{QKeySequence(usual)} : desktop;
}

inline Keys keys(QKeyCombination key, QKeyCombination other = {}) {
    Keys out{QKeySequence(key)};
    if (other.key() != Qt::Key(0))
        out << QKeySequence(other);
    return out;
}

// A window's keys work whichever of its controls has the focus, the page's view included: the
// view passes on the keys a page does not claim for editing, and none of these is one of those.
inline void giveKeys(QAction* action, const Keys& keys) {
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
}

} // namespace quillbox

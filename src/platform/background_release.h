#pragma once

#include <QThreadPool>
#include <utility>

namespace quillbox {

// Frees what it is given on a thread of the global pool. A container of a million strings takes
// the window's thread a second or more to free, and the window answers nothing meanwhile. What is
// given must be shared with nothing that the window's thread still changes (Qt's implicitly
// shared values are: their counts are atomic). The pool is waited for when the application ends.
template <typename T> void releaseInBackground(T&& held) {
    // Owned by the task alone, so the last of it goes on the pool's thread, never on this one.
    auto* box = new std::decay_t<T>(std::forward<T>(held));
    QThreadPool::globalInstance()->start([box] { delete box; });
}

} // namespace quillbox

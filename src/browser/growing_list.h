#pragma once

#include <QtGlobal>
#include <deque>
#include <iterator>
#include <utility>

namespace quillbox {

// A list that grows at its end without moving what it already holds, with Qt's signed sizes. A
// QList of a million records moves every one of them each time it outgrows its room, and the
// window that adds them stops answering meanwhile; this one adds room a block at a time.
template <typename T> class GrowingList {
public:
    qsizetype size() const { return qsizetype(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    const T& at(qsizetype i) const { return m_items[size_t(i)]; }
    T& operator[](qsizetype i) { return m_items[size_t(i)]; }
    void append(const T& item) { m_items.push_back(item); }
    void append(T&& item) { m_items.push_back(std::move(item)); }
    // Moves in the items of [first, last).
    template <typename It> void appendMoved(It first, It last) {
        m_items.insert(m_items.end(), std::make_move_iterator(first),
                       std::make_move_iterator(last));
    }
    void clear() { m_items.clear(); }

    auto cbegin() const { return m_items.cbegin(); }
    auto cend() const { return m_items.cend(); }
    auto begin() const { return m_items.cbegin(); }
    auto end() const { return m_items.cend(); }
    auto crbegin() const { return m_items.crbegin(); }
    auto crend() const { return m_items.crend(); }

private:
    std::deque<T> m_items;
};

} // namespace quillbox

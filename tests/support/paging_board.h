#pragma once

#include "support/page_server.h"

#include <QList>
#include <QString>

namespace quillbox::test {

// A forum thread served on 127.0.0.1 the way the common engines page it: a fixed number of posts
// a page, a page list under the posts, each post marked with its number, and around them what
// changes on every load of a real forum: a clock, a "users online" box of varying length and a
// "latest topics" list. Replies are added one at a time; every page is served anew after each
// change. Pages past the last one are answered with the first page, as the engines do.
class PagingBoard {
public:
    enum class Style {
        Classic, // viewtopic.php?t=7&start=N (offsets), posts <div id="pN">, rel next/prev links
        Threads, // showthread.php?tid=7&page=N, posts <div id="post_N">, a page list only
        Plain,   // posts without numbers: only the page's size tells
    };

    PagingBoard(Style style, int perPage);

    bool listen() { return m_server.listenLocal(); }
    PageServer& server() { return m_server; }

    // Adds a reply and serves every page anew.
    void addReply();
    // Serves every page anew with the clock moved on and other users online: no new post.
    void tick();

    int postCount() const { return int(m_posts.size()); }
    int pageCount() const;
    // The address of page n (from 1), and the address the engine gives a single post, which
    // shows the page holding it.
    QString pageAddress(int page) const;
    QString postAddress(int postIndex) const;

private:
    QByteArray pagePath(int page) const;
    QByteArray postPath(int postIndex) const;
    QByteArray render(int page) const;
    void serve();

    Style m_style;
    int m_perPage;
    PageServer m_server;
    QList<qint64> m_posts; // the numbers of the thread's posts, in order
    int m_ticks = 0;
};

} // namespace quillbox::test

#include "support/paging_board.h"

namespace quillbox::test {

PagingBoard::PagingBoard(Style style, int perPage) : m_style(style), m_perPage(perPage) {
    for (int i = 0; i < 3; ++i)
        addReply();
}

int PagingBoard::pageCount() const {
    return std::max(1, int((m_posts.size() + m_perPage - 1) / m_perPage));
}

QByteArray PagingBoard::pagePath(int page) const {
    switch (m_style) {
    case Style::Classic:
        return page == 1 ? QByteArray("/viewtopic.php?t=7")
                         : QByteArray("/viewtopic.php?t=7&start=") +
                               QByteArray::number((page - 1) * m_perPage);
    case Style::Threads:
    case Style::Plain:
        return page == 1 ? QByteArray("/showthread.php?tid=7")
                         : QByteArray("/showthread.php?tid=7&page=") + QByteArray::number(page);
    }
    return {};
}

QByteArray PagingBoard::postPath(int postIndex) const {
    const QByteArray number = QByteArray::number(m_posts.value(postIndex));
    return QByteArray(m_style == Style::Classic ? "/viewtopic.php?p="
                                                : "/showthread.php?tid=7&pid=") +
           number;
}

QString PagingBoard::pageAddress(int page) const {
    return m_server.url(QString::fromLatin1(pagePath(page)));
}

QString PagingBoard::postAddress(int postIndex) const {
    const QByteArray number = QByteArray::number(m_posts.value(postIndex));
    // The fragment a forum's links carry never reaches the server.
    return m_server.url(QString::fromLatin1(postPath(postIndex))) +
           (m_style == Style::Classic ? u"#p"_s : u"#pid"_s) + QString::fromLatin1(number);
}

QByteArray PagingBoard::render(int page) const {
    const auto href = [this](int p) {
        QByteArray path = pagePath(p);
        path.replace("&", "&amp;");
        return path;
    };
    // What changes on every load: the clock, and a "users online" box that grows and shrinks
    // by far more than 500 bytes.
    QByteArray html = "<!DOCTYPE html><html><head><title>Brake squeal - Page " +
                      QByteArray::number(page) + " - Example Forums</title>";
    // As the engine of this style does, the page names its own address, which a post's address
    // (viewtopic.php?p=N) does not tell.
    if (m_style == Style::Classic)
        html += "<link rel=\"canonical\" href=\"" + href(page) + "\">";
    if (m_style == Style::Classic && page > 1)
        html += "<link rel=\"prev\" href=\"" + href(page - 1) + "\">";
    if (m_style == Style::Classic && page < pageCount())
        html += "<link rel=\"next\" href=\"" + href(page + 1) + "\">";
    html += "<meta property=\"og:site_name\" content=\"Example Forums\"></head><body><div "
            "class=\"clock\">It is now 12:" +
            QByteArray::number(10 + m_ticks % 50) + "</div><div class=\"online\">";
    for (int i = 0; i < 40 + (m_ticks * 37) % 90; ++i)
        html += "<a href=\"/member.php?u=" + QByteArray::number(i) + "\" id=\"user_" +
                QByteArray::number(i) + "\">member" + QByteArray::number(i) + "</a> ";
    html += "</div><ul class=\"latest\">";
    for (int t = 0; t < 5; ++t)
        html += "<li id=\"topic_" + QByteArray::number(900 - t * 7 + m_ticks % 3) +
                "\"><a href=\"/viewtopic.php?t=" + QByteArray::number(900 - t) +
                "\">Another topic</a></li>";
    html += "</ul><div class=\"posts\">";
    const int first = (page - 1) * m_perPage;
    for (int i = first; i < std::min<int>(first + m_perPage, int(m_posts.size())); ++i) {
        const QByteArray n = QByteArray::number(m_posts[i]);
        const QByteArray body =
            "<p>Reply number " + QByteArray::number(i + 1) + " to the brake question.</p>";
        switch (m_style) {
        case Style::Classic:
            html += "<div id=\"p" + n + "\" class=\"post\"><h3><a href=\"#p" + n +
                    "\">Re: Brake squeal</a></h3>" + body + "</div>";
            break;
        case Style::Threads:
            html += "<div id=\"post_" + n + "\"><a name=\"pid" + n + "\" id=\"pid" + n + "\"></a>" +
                    body + "</div>";
            break;
        case Style::Plain:
            html += "<div class=\"post\">" + body + "</div>";
            break;
        }
    }
    html += "</div><div class=\"pagination\">";
    for (int p = 1; p <= pageCount(); ++p) {
        if (p == page)
            html += "<strong>" + QByteArray::number(p) + "</strong> ";
        else
            html += "<a href=\"" + href(p) + "\">" + QByteArray::number(p) + "</a> ";
    }
    html += "<a href=\"/newreply.php?tid=7\">Post Reply</a></div></body></html>";
    return html;
}

void PagingBoard::serve() {
    const int pages = pageCount();
    // Pages past the last and the pages the engine knows by the page number alone.
    for (int p = 1; p <= pages + 2; ++p)
        m_server.addPage(pagePath(p), render(std::min(p, pages) == p ? p : 1));
    for (int i = 0; i < m_posts.size(); ++i)
        m_server.addPage(postPath(i), render(i / m_perPage + 1));
}

void PagingBoard::addReply() {
    // Post numbers run across the whole forum: other threads take some in between.
    m_posts.append(m_posts.isEmpty() ? 1000 : m_posts.last() + 1 + m_posts.size() % 3);
    serve();
}

void PagingBoard::tick() {
    ++m_ticks;
    serve();
}

} // namespace quillbox::test

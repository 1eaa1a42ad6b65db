#include "watch/page_reading.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using quillbox::PostIdentity;

namespace {

// Pages written in the public markup of each engine (tests/watch/pages/<engine>/).
QByteArray enginePage(const QString& name) {
    QFile file(QStringLiteral(QUILLBOX_TEST_PAGES) + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test page %s", qPrintable(name));
    return file.readAll();
}

QList<qint64> idRange(qint64 first, int count) {
    QList<qint64> ids;
    for (int i = 0; i < count; ++i)
        ids.append(first + i);
    return ids;
}

} // namespace

class TestPageReading : public QObject {
    Q_OBJECT
private slots:
    void postsOfEnginePages_data();
    void postsOfEnginePages();
    void postMarkings_data();
    void postMarkings();
    void identityCountsReplies();
    void laterPageOfEnginePages_data();
    void laterPageOfEnginePages();
    void laterPageLinks_data();
    void laterPageLinks();
    void threadTitle_data();
    void threadTitle();
    void threadTitleFromTheBrowsersTitle_data();
    void threadTitleFromTheBrowsersTitle();
    void damagedMarkupEnds();
};

void TestPageReading::postsOfEnginePages_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<qint64>>("ids");

    struct Engine {
        const char* folder;
        const char* thread; // file name stem of the thread pages
        QString key;
        qint64 firstOnPage1;
        qint64 firstOnPage3;
        qint64 single;
        QStringList postless;
    };
    const QList<Engine> engines{
        {"phpbb", "topic", u"id:p"_s, 101, 121, 300, {u"forum"_s, u"index"_s, u"error"_s}},
        // MyBB writes an anchor "pid101" before "post_101" and "pid_101": the first one wins.
        {"mybb", "thread", u"id:pid"_s, 101, 121, 300, {u"forumdisplay"_s, u"index"_s, u"error"_s}},
        {"vbulletin",
         "thread",
         u"id:post_"_s,
         101,
         121,
         300,
         {u"forumdisplay"_s, u"index"_s, u"error"_s}},
        // SMF's topic list marks each topic's first message "msg_N", in order of activity.
        {"smf", "topic", u"id:msg"_s, 101, 121, 300, {u"messageindex"_s, u"index"_s, u"error"_s}},
        {"xenforo",
         "thread",
         u"id:js-post-"_s,
         101,
         121,
         300,
         {u"forum"_s, u"index"_s, u"error"_s}},
        {"pybb", "topic", u"id:post-"_s, 101, 121, 300, {u"forum"_s, u"index"_s, u"login"_s}},
        // Discourse numbers posts within the topic.
        {"discourse", "topic", u"id:post_"_s, 1, 21, 1, {u"latest"_s, u"categories"_s, u"error"_s}},
        {"nodebb",
         "topic",
         u"data-pid"_s,
         101,
         121,
         300,
         {u"category"_s, u"categories"_s, u"error"_s}},
    };
    for (const Engine& engine : engines) {
        const QString stem =
            QLatin1StringView(engine.folder) + u'/' + QLatin1StringView(engine.thread);
        QTest::addRow("%s: page 1 of 2", engine.folder)
            << stem + u"-p1-of-2.html"_s << engine.key << idRange(engine.firstOnPage1, 10);
        QTest::addRow("%s: page 1 of 3", engine.folder)
            << stem + u"-p1-of-3.html"_s << engine.key << idRange(engine.firstOnPage1, 10);
        QTest::addRow("%s: last page", engine.folder)
            << stem + u"-p3-of-3.html"_s << engine.key << idRange(engine.firstOnPage3, 3);
        QTest::addRow("%s: one post", engine.folder)
            << stem + u"-one-post.html"_s << engine.key << QList<qint64>{engine.single};
        for (const QString& postless : engine.postless) {
            QTest::addRow("%s: %s", engine.folder, qPrintable(postless))
                << QLatin1StringView(engine.folder) + u'/' + postless + u".html"_s << QString()
                << QList<qint64>();
        }
    }
    // Flarum's server-rendered posts carry no identifiers: the size decides there.
    for (const char* page : {"discussion-p1-of-3", "discussion-one-post", "index", "error"}) {
        QTest::addRow("flarum: %s", page)
            << u"flarum/"_s + QLatin1StringView(page) + u".html"_s << QString() << QList<qint64>();
    }
}

void TestPageReading::postsOfEnginePages() {
    QFETCH(QString, page);
    QFETCH(QString, key);
    QFETCH(QList<qint64>, ids);
    const PostIdentity identity = quillbox::readPostIdentity(enginePage(page));
    QCOMPARE(identity.key, key);
    QCOMPARE(identity.ids, ids);
    QCOMPARE(identity.isValid(), !ids.isEmpty());
}

void TestPageReading::postMarkings_data() {
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<qint64>>("ids");
    QTest::newRow("newest first is not read")
        << "<div id='post_9'></div><div id='post_7'></div><div id='post_3'></div>"_ba << QString()
        << QList<qint64>();
    QTest::newRow("a number seen again later drops the marking")
        << "<i id=p1></i><i id=p2></i><i id=p1></i>"_ba << QString() << QList<qint64>();
    QTest::newRow("an attribute repeated inside its post is one post")
        << "<li data-pid=\"4\"><a data-pid=\"4\"></a></li><li data-pid=\"6\"></li>"_ba
        << u"data-pid"_s << QList<qint64>{4, 6};
    QTest::newRow("topics in creation order are still no posts")
        << "<li id='thread_1'></li><li id='thread_2'></li><a id='t3'></a><a id='t4'></a>"
           "<p id='topic-5'></p><p id='topic-6'></p><td id='forum_7'></td><td id='forum_8'>"_ba
        << QString() << QList<qint64>();
    QTest::newRow("post-like words after an excluded one")
        << "<b id='profile-post-1'></b><b id='profile-post-2'></b><b id='likes-post-3'>"_ba
        << QString() << QList<qint64>();
    QTest::newRow("a lone comment or message is not enough")
        << "<div id='comment-12'></div><div id='message3'></div>"_ba << QString()
        << QList<qint64>();
    QTest::newRow("several comments are")
        << "<div id='comment-12'></div><div id='comment-15'></div>"_ba << u"id:comment-"_s
        << QList<qint64>{12, 15};
    QTest::newRow("the marking with the most posts wins")
        << "<div id='msg1'><span id='post_content1'></span></div><div id='msg2'></div>"
           "<div id='reply-8'></div>"_ba
        << u"id:msg"_s << QList<qint64>{1, 2};
    QTest::newRow("letter case of the prefix is one marking")
        << "<div ID='Post_5'></div><div id='POST_6'></div>"_ba << u"id:post_"_s
        << QList<qint64>{5, 6};
    QTest::newRow("comments, scripts, styles and text areas hold no posts")
        << "<!-- <div id='post_1'> --><script>x='<div id=\"post_2\">'</script>"
           "<style>#post_3{}</style><textarea><div id='post_4'></textarea><p id='post_5'>"_ba
        << u"id:post_"_s << QList<qint64>{5};
    QTest::newRow("ids that are not a prefix and a number")
        << "<p id='post.1'></p><p id='2post_3x'></p><p id='post_12345678901234567890'></p>"
           "<p id='post_'></p><p id='7'></p>"_ba
        << QString() << QList<qint64>();
    QTest::newRow("data attribute names") << "<li data-post-id='10'></li><li data-postid='5'>"
                                             "<li data-post-id=' 11'></li>"_ba
                                          << u"data-post-id"_s << QList<qint64>{10};
}

void TestPageReading::postMarkings() {
    QFETCH(QByteArray, html);
    QFETCH(QString, key);
    QFETCH(QList<qint64>, ids);
    const PostIdentity identity = quillbox::readPostIdentity(html);
    QCOMPARE(identity.key, key);
    QCOMPARE(identity.ids, ids);
}

void TestPageReading::identityCountsReplies() {
    const PostIdentity identity =
        quillbox::readPostIdentity(enginePage(u"phpbb/topic-p3-of-3.html"_s));
    QCOMPARE(identity.highest(), 123);
    QCOMPARE(identity.countAbove(120), 3);
    QCOMPARE(identity.countAbove(122), 1);
    QCOMPARE(identity.countAbove(123), 0);
    QCOMPARE(PostIdentity().highest(), -1);
    QCOMPARE(PostIdentity().countAbove(-1), 0);
}

void TestPageReading::laterPageOfEnginePages_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("later");

    const QString phpbb = u"https://forum.example/viewtopic.php"_s;
    QTest::newRow("phpbb: page 1 of 2")
        << u"phpbb/topic-p1-of-2.html"_s << phpbb + u"?t=5"_s << phpbb + u"?t=5&start=10"_s;
    QTest::newRow("phpbb: the list grew to 3 pages")
        << u"phpbb/topic-p1-of-3.html"_s << phpbb + u"?t=5"_s << phpbb + u"?t=5&start=20"_s;
    QTest::newRow("phpbb: watched with its forum")
        << u"phpbb/topic-p1-of-3.html"_s << phpbb + u"?f=2&t=5"_s << phpbb + u"?t=5&start=20"_s;
    QTest::newRow("phpbb: watched at a post, the canonical names the topic")
        << u"phpbb/topic-p1-of-3.html"_s << phpbb + u"?p=105#p105"_s << phpbb + u"?t=5&start=20"_s;
    QTest::newRow("phpbb: watched at a post beside the topic")
        << u"phpbb/topic-p1-of-3.html"_s << phpbb + u"?f=2&t=5&p=105#p105"_s
        << phpbb + u"?t=5&start=20"_s;
    QTest::newRow("phpbb: last page")
        << u"phpbb/topic-p3-of-3.html"_s << phpbb + u"?t=5&start=20"_s << QString();
    QTest::newRow("phpbb: one page")
        << u"phpbb/topic-one-post.html"_s << phpbb + u"?t=9"_s << QString();

    const QString mybb = u"https://forum.example/showthread.php"_s;
    QTest::newRow("mybb: page 1 of 2 watched at its post")
        << u"mybb/thread-p1-of-2.html"_s << mybb + u"?tid=5&pid=103#pid103"_s
        << mybb + u"?tid=5&page=2"_s;
    QTest::newRow("mybb: the list grew to 3 pages")
        << u"mybb/thread-p1-of-3.html"_s << mybb + u"?tid=5&pid=103#pid103"_s
        << mybb + u"?tid=5&page=3"_s;
    QTest::newRow("mybb: last page watched at its post")
        << u"mybb/thread-p3-of-3.html"_s << mybb + u"?tid=5&pid=121#pid121"_s << QString();
    QTest::newRow("mybb: last page at its post, no canonical: the list tells")
        << u"mybb/thread-p3-of-3-no-canonical.html"_s << mybb + u"?tid=5&pid=121"_s << QString();
    QTest::newRow("mybb: last page")
        << u"mybb/thread-p3-of-3-no-canonical.html"_s << mybb + u"?tid=5&page=3"_s << QString();
    QTest::newRow("mybb: one page")
        << u"mybb/thread-one-post.html"_s << mybb + u"?tid=9"_s << QString();

    // vBulletin writes <base href> and puts the thread into the query as a path.
    const QString vb = u"https://forum.example/forum/showthread.php?5-Brakes-squeal"_s;
    QTest::newRow("vbulletin: page 1 of 2")
        << u"vbulletin/thread-p1-of-2.html"_s << vb << vb + u"/page2"_s;
    QTest::newRow("vbulletin: the list grew to 3 pages")
        << u"vbulletin/thread-p1-of-3.html"_s << vb << vb + u"/page3"_s;
    QTest::newRow("vbulletin: watched at a post")
        << u"vbulletin/thread-p1-of-3.html"_s << vb + u"&p=105#post105"_s << vb + u"/page3"_s;
    QTest::newRow("vbulletin: last page")
        << u"vbulletin/thread-p3-of-3.html"_s << vb + u"/page3"_s << QString();
    QTest::newRow("vbulletin: one page")
        << u"vbulletin/thread-one-post.html"_s
        << u"https://forum.example/forum/showthread.php?9-Only-one"_s << QString();

    const QString smf = u"https://forum.example/index.php?topic="_s;
    QTest::newRow("smf: page 1 of 2")
        << u"smf/topic-p1-of-2.html"_s << smf + u"5.0"_s << smf + u"5.10"_s;
    QTest::newRow("smf: the list grew to 3 pages")
        << u"smf/topic-p1-of-3.html"_s << smf + u"5.0"_s << smf + u"5.20"_s;
    QTest::newRow("smf: watched at a message")
        << u"smf/topic-p1-of-3.html"_s << smf + u"5.msg105#msg105"_s << smf + u"5.20"_s;
    QTest::newRow("smf: last page") << u"smf/topic-p3-of-3.html"_s << smf + u"5.20"_s << QString();
    QTest::newRow("smf: one page") << u"smf/topic-one-post.html"_s << smf + u"9.0"_s << QString();

    const QString xf = u"https://forum.example/threads/brakes-squeal.5/"_s;
    QTest::newRow("xenforo: page 1 of 2")
        << u"xenforo/thread-p1-of-2.html"_s << xf << xf + u"page-2"_s;
    QTest::newRow("xenforo: the list grew to 3 pages")
        << u"xenforo/thread-p1-of-3.html"_s << xf << xf + u"page-3"_s;
    QTest::newRow("xenforo: watched at a post's address")
        << u"xenforo/thread-p1-of-3.html"_s << xf + u"post-105"_s << xf + u"page-3"_s;
    QTest::newRow("xenforo: last page at a post's address")
        << u"xenforo/thread-p3-of-3.html"_s << xf + u"post-121"_s << QString();
    QTest::newRow("xenforo: last page")
        << u"xenforo/thread-p3-of-3.html"_s << xf + u"page-3"_s << QString();
    QTest::newRow("xenforo: one page")
        << u"xenforo/thread-one-post.html"_s << u"https://forum.example/threads/only-one.9/"_s
        << QString();

    const QString pybb = u"https://forum.example/forum/topic/5/"_s;
    QTest::newRow("pybb: page 1 of 2")
        << u"pybb/topic-p1-of-2.html"_s << pybb << pybb + u"?page=2"_s;
    QTest::newRow("pybb: the list grew to 3 pages")
        << u"pybb/topic-p1-of-3.html"_s << pybb << pybb + u"?page=3"_s;
    QTest::newRow("pybb: last page")
        << u"pybb/topic-p3-of-3.html"_s << pybb + u"?page=3"_s << QString();
    QTest::newRow("pybb: one page")
        << u"pybb/topic-one-post.html"_s << u"https://forum.example/forum/topic/9/"_s << QString();

    const QString discourse = u"https://forum.example/t/brakes-squeal/5"_s;
    QTest::newRow("discourse: page 1 of 2")
        << u"discourse/topic-p1-of-2.html"_s << discourse << discourse + u"?page=2"_s;
    QTest::newRow("discourse: 3 pages, followed one at a time")
        << u"discourse/topic-p1-of-3.html"_s << discourse << discourse + u"?page=2"_s;
    QTest::newRow("discourse: watched at a post number")
        << u"discourse/topic-p1-of-3.html"_s << discourse + u"/4"_s << discourse + u"?page=2"_s;
    QTest::newRow("discourse: last page")
        << u"discourse/topic-p3-of-3.html"_s << discourse + u"?page=3"_s << QString();
    QTest::newRow("discourse: one page, a post linking a later post")
        << u"discourse/topic-one-post.html"_s << u"https://forum.example/t/only-one/9"_s
        << QString();

    const QString nodebb = u"https://forum.example/topic/5/brakes-squeal"_s;
    QTest::newRow("nodebb: page 1 of 2")
        << u"nodebb/topic-p1-of-2.html"_s << nodebb << nodebb + u"?page=2"_s;
    QTest::newRow("nodebb: the list grew to 3 pages")
        << u"nodebb/topic-p1-of-3.html"_s << nodebb << nodebb + u"?page=3"_s;
    QTest::newRow("nodebb: last page")
        << u"nodebb/topic-p3-of-3.html"_s << nodebb + u"?page=3"_s << QString();
    QTest::newRow("nodebb: one page") << u"nodebb/topic-one-post.html"_s
                                      << u"https://forum.example/topic/9/only-one"_s << QString();

    const QString flarum = u"https://forum.example/d/5-brakes-squeal"_s;
    QTest::newRow("flarum: page 1 of 2")
        << u"flarum/discussion-p1-of-2.html"_s << flarum << flarum + u"?page=2"_s;
    QTest::newRow("flarum: 3 pages, followed one at a time")
        << u"flarum/discussion-p1-of-3.html"_s << flarum << flarum + u"?page=2"_s;
    QTest::newRow("flarum: last page")
        << u"flarum/discussion-p3-of-3.html"_s << flarum + u"?page=3"_s << QString();
    QTest::newRow("flarum: last page, its address without the page")
        << u"flarum/discussion-p3-of-3.html"_s << flarum << QString();
    QTest::newRow("flarum: one page") << u"flarum/discussion-one-post.html"_s
                                      << u"https://forum.example/d/9-only-one"_s << QString();

    // The watched address answered with a thread list, an index or an error page: their links
    // to other threads' pages, and to the list's own pages, are no later page of this thread.
    const QList<std::pair<const char*, QString>> postless{
        {"phpbb/forum", phpbb + u"?t=5"_s},
        {"phpbb/index", phpbb + u"?t=5"_s},
        {"phpbb/error", phpbb + u"?t=5"_s},
        {"mybb/forumdisplay", mybb + u"?tid=5"_s},
        {"mybb/index", mybb + u"?tid=5"_s},
        {"mybb/error", mybb + u"?tid=5"_s},
        {"vbulletin/forumdisplay", vb},
        {"vbulletin/index", vb},
        {"vbulletin/error", vb},
        {"smf/messageindex", smf + u"5.0"_s},
        {"smf/index", smf + u"5.0"_s},
        {"smf/error", smf + u"5.0"_s},
        {"xenforo/forum", xf},
        {"xenforo/index", xf},
        {"xenforo/error", xf},
        {"pybb/forum", pybb},
        {"pybb/index", pybb},
        {"pybb/login", pybb},
        {"discourse/latest", discourse},
        {"discourse/categories", discourse},
        {"discourse/error", discourse},
        {"nodebb/category", nodebb},
        {"nodebb/categories", nodebb},
        {"nodebb/error", nodebb},
        {"flarum/index", flarum},
        {"flarum/error", flarum},
    };
    for (const auto& [page, address] : postless) {
        QTest::newRow(page) << QLatin1StringView(page) + u".html"_s << address << QString();
    }
}

void TestPageReading::laterPageOfEnginePages() {
    QFETCH(QString, page);
    QFETCH(QString, address);
    QFETCH(QString, later);
    const QUrl found = quillbox::readLaterPage(enginePage(page), QUrl(address));
    QCOMPARE(found.toString(), later);
}

void TestPageReading::laterPageLinks_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QString>("later");
    const QString show = u"https://h.example/show.php?t=5"_s;
    QTest::newRow("&amp; in an address is decoded")
        << show << "<a href=\"show.php?t=5&amp;page=4\">4</a>"_ba << show + u"&page=4"_s;
    QTest::newRow("relative to <base href>, not to the page")
        << u"https://h.example/forum/thread/5/"_s
        << "<base href=\"https://h.example/forum/\"><a href=\"thread/5/page-2\">2</a>"_ba
        << u"https://h.example/forum/thread/5/page-2"_s;
    QTest::newRow("a relative <base href>")
        << u"https://h.example/forum/thread/5/"_s
        << "<base href='/forum/'><a href='thread/5/page-2'>2</a>"_ba
        << u"https://h.example/forum/thread/5/page-2"_s;
    QTest::newRow("page 2 of another thread")
        << show << "<a href='show.php?t=6&page=2'>2</a>"_ba << QString();
    QTest::newRow("the same thread on another host")
        << show << "<a href='https://mirror.example/show.php?t=5&page=3'>3</a>"_ba << QString();
    QTest::newRow("the same thread on another port")
        << show << "<a href='https://h.example:8443/show.php?t=5&page=3'>3</a>"_ba << QString();
    QTest::newRow("another script")
        << show << "<a href='print.php?t=5&page=3'>3</a>"_ba << QString();
    QTest::newRow("a reply action") << show
                                    << "<a href='show.php?t=5&page=3&action=newreply'>Reply</a>"
                                       "<link rel='next' href='posting.php?mode=reply&t=5&page=2'>"
                                       "<a href='show.php?t=5&page=3&do=post'>Reply</a>"_ba
                                    << QString();
    QTest::newRow("a post's permalink")
        << show << "<a href='show.php?t=5&page=9#post123'>#9</a>"_ba << QString();
    QTest::newRow("pages 1 and 2 from page 2")
        << show + u"&page=2"_s
        << "<a href='show.php?t=5'>1</a><a href='show.php?t=5&page=1'>1</a>"
           "<a href='show.php?t=5&page=2'>2</a>"_ba
        << QString();
    QTest::newRow("offsets later than this one")
        << show + u"&start=20"_s
        << "<a href='show.php?t=5&start=0'>1</a><a href='show.php?t=5&start=10'>2</a>"
           "<a href='show.php?t=5&start=40'>5</a><a href='show.php?t=5&start=30'>4</a>"_ba
        << show + u"&start=40"_s;
    QTest::newRow("p= numbers a page when the link says so")
        << show << "<a href='show.php?t=5&p=2'>2</a><a href='show.php?t=5&p=3'> 3 </a>"_ba
        << show + u"&p=3"_s;
    QTest::newRow("a link's text ends at its own end tag")
        << show << "<a href='show.php?t=5&p=3'>3</abbr> of 9</a>"_ba << QString();
    QTest::newRow("p= naming a post is no page")
        << show << "<a href='show.php?t=5&p=123'>Re: Brakes</a>"_ba << QString();
    QTest::newRow("<link rel=last> is preferred")
        << show
        << "<link rel='next' href='show.php?t=5&page=2'><link rel='last' href='show.php?t=5&"
           "page=9'><a href='show.php?t=5&page=3'>3</a>"_ba
        << show + u"&page=9"_s;
    QTest::newRow("<a rel=next> alone is followed")
        << show << "<a rel=\"nofollow next\" href='show.php?t=5&page=2'>Next</a>"_ba
        << show + u"&page=2"_s;
    QTest::newRow("a page list reaching beyond rel=next")
        << show + u"&page=2"_s
        << "<link rel='next' href='show.php?t=5&page=3'><a href='show.php?t=5&page=7'>7</a>"_ba
        << show + u"&page=7"_s;
    QTest::newRow("rel=prev without rel=next: the last page")
        << show
        << "<a rel='prev' href='show.php?t=5&page=2'>Prev</a>"
           "<a href='show.php?t=5&page=3'>3</a>"_ba
        << QString();
    QTest::newRow("rel=prev to the first page: the last page")
        << u"https://h.example/show.php?t=5&pid=9"_s
        << "<link rel='prev' href='show.php?t=5'><a href='show.php?t=5&page=2'>2</a>"_ba
        << QString();
    QTest::newRow("rel=prev to the first page, rel=next on")
        << u"https://h.example/show.php?t=5&pid=9"_s
        << "<a rel='prev' href='show.php?t=5'>1</a><a rel='next' href='show.php?t=5&page=3'>"
           "</a><a href='show.php?t=5&page=2'>2</a><a href='show.php?t=5&page=3'>3</a>"_ba
        << u"https://h.example/show.php?t=5&page=3"_s;
    QTest::newRow("/page/N") << u"https://h.example/forums/topic/brakes/"_s
                             << "<a href='/forums/topic/brakes/page/3/'>3</a>"
                                "<a href='/forums/topic/gears/page/4/'>4</a>"_ba
                             << u"https://h.example/forums/topic/brakes/page/3/"_s;
    QTest::newRow("NAME-page-N.html") << u"https://h.example/thread-5.html"_s
                                      << "<a href='thread-5-page-3.html'>3</a>"
                                         "<a href='thread-6-page-4.html'>4</a>"_ba
                                      << u"https://h.example/thread-5-page-3.html"_s;
    QTest::newRow("NAME,ID.OFFSET.html")
        << u"https://h.example/index.php/topic,5.0.html"_s
        << "<a href='https://h.example/index.php/topic,5.20.html'>3</a>"
           "<a href='https://h.example/index.php/topic,6.40.html'>5</a>"_ba
        << u"https://h.example/index.php/topic,5.20.html"_s;
    QTest::newRow("/N with its number as text")
        << u"https://h.example/t/brakes/5/"_s
        << "<a href='/t/brakes/5/2/'>2</a><a href='/t/brakes/5/3/'>3</a>"_ba
        << u"https://h.example/t/brakes/5/3/"_s;
    QTest::newRow("/N from page /2")
        << u"https://h.example/t/brakes/5/2/"_s
        << "<a href='/t/brakes/5/'>1</a><a href='/t/brakes/5/3/'>3</a>"_ba
        << u"https://h.example/t/brakes/5/3/"_s;
    QTest::newRow("/N as a post's link, or the next thread")
        << u"https://h.example/t/brakes/5"_s
        << "<a href='/t/brakes/5/12'>see above</a><a href='/t/brakes/6'>6</a>"_ba << QString();
    QTest::newRow("a page list with one later page")
        << show << "<a href='show.php?t=5&page=4'>4</a>"_ba << show + u"&page=4"_s;
    QTest::newRow("the page list lacks this page alone")
        << u"https://h.example/show.php?t=5&pid=77"_s
        << "<a href='show.php?t=5'>1</a><a href='show.php?t=5&page=2'>2</a>"
           "<a href='show.php?t=5&page=4'>4</a><a href='show.php?t=5&page=4'>Next</a>"_ba
        << u"https://h.example/show.php?t=5&page=4"_s;
    QTest::newRow("the page list has all pages before this one")
        << u"https://h.example/show.php?t=5&pid=77"_s
        << "<a href='show.php?t=5'>1</a><a href='show.php?t=5&page=2'>2</a>"
           "<a href='show.php?t=5&page=3'>3</a><a href='show.php?t=5&page=3'>Prev</a>"_ba
        << QString();
    QTest::newRow("the page list links this page")
        << u"https://h.example/show.php?t=5&pid=77"_s
        << "<a href='show.php?t=5&page=1'>1</a><a href='show.php?t=5&pid=77'>2</a>"
           "<a href='show.php?t=5&page=3'>3</a>"_ba
        << u"https://h.example/show.php?t=5&page=3"_s;
    QTest::newRow("script and mail links")
        << show
        << "<a href='javascript:go(\"show.php?t=5&page=3\")'>3</a>"
           "<a href='mailto:x@h.example?t=5&page=3'>3</a>"_ba
        << QString();
    QTest::newRow("the page list in a comment")
        << show << "<!-- <a href='show.php?t=5&page=3'>3</a> -->"_ba << QString();
}

void TestPageReading::laterPageLinks() {
    QFETCH(QString, address);
    QFETCH(QByteArray, html);
    QFETCH(QString, later);
    QCOMPARE(quillbox::readLaterPage(html, QUrl(address)).toString(), later);
}

void TestPageReading::threadTitle_data() {
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QString>("forumName");
    QTest::addColumn<QString>("title");
    const QString brakes = u"Brakes squeal"_s;
    const QString site = u"Example Forums"_s;
    const QList<std::pair<const char*, QString>> engines{
        {"phpbb/topic-p1-of-2", site}, {"phpbb/topic-p3-of-3", site},
        {"mybb/thread-p1-of-2", {}},   {"vbulletin/thread-p3-of-3", {}},
        {"smf/topic-p3-of-3", {}},     {"xenforo/thread-p3-of-3", {}},
        {"pybb/topic-p1-of-2", {}},    {"discourse/topic-p1-of-2", {}},
        {"nodebb/topic-p1-of-2", {}},  {"flarum/discussion-p1-of-2", site},
    };
    for (const auto& [page, forumName] : engines) {
        QTest::newRow(page) << enginePage(QLatin1StringView(page) + u".html"_s) << forumName
                            << brakes;
    }
    QTest::newRow("no forum name known") << enginePage(u"phpbb/topic-p1-of-2.html"_s) << QString()
                                         << u"Brakes squeal - Example Forums"_s;
    QTest::newRow("references and white space")
        << "<title>\n  Tom &amp; Jerry&#39;s &quot;brakes&quot;&nbsp;&ndash;\thelp &#x263A; "
           "&bogus; &amp</title>"_ba
        << QString() << u"Tom & Jerry's \"brakes\" \u2013 help \u263a &bogus; &amp"_s;
    QTest::newRow("the name first")
        << "<TITLE>example forums :: Brakes squeal</TITLE>"_ba << site << brakes;
    QTest::newRow("the name's own separator kept")
        << "<title>Brakes - squeal | Example Forums</title>"_ba << site << u"Brakes - squeal"_s;
    QTest::newRow("the site name of the page beats the one given")
        << "<meta property='og:site_name' content='Car &amp; Bike'><title>Brakes squeal - Car "
           "&amp; Bike</title>"_ba
        << site << brakes;
    QTest::newRow("a title that is only the name")
        << "<title>Example Forums</title>"_ba << site << site;
    QTest::newRow("no title") << "<html><body><p>Hi</p></body></html>"_ba << site << QString();
    QTest::newRow("an image's title in the body")
        << "<html><head></head><body><svg><title>Icon</title></svg></body>"_ba << site << QString();
    QTest::newRow("a title holding the start of its end tag")
        << "<title>a </tit b</titles> c</title >"_ba << QString() << u"a </tit b</titles> c"_s;
    QTest::newRow("markup in the title is text")
        << "<title>Why <b> breaks pages</title><p>x"_ba << QString() << u"Why <b> breaks pages"_s;
}

void TestPageReading::threadTitle() {
    QFETCH(QByteArray, html);
    QFETCH(QString, forumName);
    QFETCH(QString, title);
    QCOMPARE(quillbox::readThreadTitle(html, forumName), title);
}

// The title a browser shows for the page, already decoded, trimmed as the page's own would be.
void TestPageReading::threadTitleFromTheBrowsersTitle_data() {
    QTest::addColumn<QString>("pageTitle");
    QTest::addColumn<QString>("forumName");
    QTest::addColumn<QString>("title");
    const QString site = u"Example Forums"_s;
    QTest::newRow("page and name")
        << u"Brakes squeal - Page 2 - Example Forums"_s << site << u"Brakes squeal"_s;
    QTest::newRow("no name known: only the page part goes")
        << u"Brakes squeal - Page 2 of 3"_s << QString() << u"Brakes squeal"_s;
    QTest::newRow("blanks and line breaks")
        << u"\n  Brakes\t squeal  |  Example   Forums "_s << site << u"Brakes squeal"_s;
    QTest::newRow("markup stays text") << u"Tom &amp; <b>"_s << site << u"Tom &amp; <b>"_s;
    QTest::newRow("only the name") << u"Example Forums"_s << site << site;
    QTest::newRow("empty") << QString() << site << QString();
}

void TestPageReading::threadTitleFromTheBrowsersTitle() {
    QFETCH(QString, pageTitle);
    QFETCH(QString, forumName);
    QFETCH(QString, title);
    QCOMPARE(quillbox::threadTitleFromPageTitle(pageTitle, forumName), title);
}

void TestPageReading::damagedMarkupEnds() {
    // Pages cut off anywhere, or holding stray markup, read without a hang or a crash.
    const QByteArray page = enginePage(u"mybb/thread-p1-of-3.html"_s);
    const QUrl address(u"https://forum.example/showthread.php?tid=5"_s);
    for (qsizetype cut = 0; cut < page.size(); cut += 97) {
        const QByteArrayView part = QByteArrayView(page).first(cut);
        quillbox::readPostIdentity(part);
        quillbox::readLaterPage(part, address);
        quillbox::readThreadTitle(part);
    }
    const QByteArray stray = "<<a href=\"x<title id='post_1'<'a'=<><!--<script<\0<a href"_ba;
    QVERIFY(!quillbox::readPostIdentity(stray).isValid());
    // A tag cut off by the end of the page is not read.
    const qsizetype cutTag = page.indexOf("id=\"pid104\"") + 11;
    QCOMPARE(quillbox::readPostIdentity(QByteArrayView(page).first(cutTag)).ids,
             (QList<qint64>{101, 102, 103}));
}

QTEST_GUILESS_MAIN(TestPageReading)
#include "tst_page_reading.moc"

// Which forum a page belongs to: what selects the forum row, and its login, as pages load.
#include "watch/forum_match.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace quillbox;

class TestForumMatch : public QObject {
    Q_OBJECT
private slots:
    void pageBelongsToTheForumsSite_data();
    void pageBelongsToTheForumsSite();
    void theMostSpecificForumWins();
    void forumsOnOneHostAreToldApart_data();
    void forumsOnOneHostAreToldApart();
};

void TestForumMatch::pageBelongsToTheForumsSite_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("forum");
    QTest::addColumn<bool>("belongs");
    QTest::newRow("same host") << "http://example.org/t/1"
                               << "http://example.org/" << true;
    QTest::newRow("subdomain") << "https://forum.example.org/x"
                               << "http://example.org/" << true;
    QTest::newRow("www is the site") << "http://www.example.org/"
                                     << "http://example.org/" << true;
    QTest::newRow("case") << "http://EXAMPLE.org/"
                          << "http://example.org/" << true;
    QTest::newRow("another port is another site") << "http://example.org:8080/"
                                                  << "http://example.org/" << false;
    QTest::newRow("usual port written out") << "http://example.org:80/t/1"
                                            << "http://example.org/" << true;
    QTest::newRow("https of the same site") << "https://example.org/t/1"
                                            << "http://example.org/" << true;
    QTest::newRow("https on another port") << "https://example.org:8443/"
                                           << "http://example.org/" << false;
    QTest::newRow("under the forum's path") << "http://example.org/forumA/viewtopic.php?t=1"
                                            << "http://example.org/forumA" << true;
    QTest::newRow("path ends on a segment") << "http://example.org/forumAB/"
                                            << "http://example.org/forumA" << false;
    QTest::newRow("beside the forum's path") << "http://example.org/forumB/t/1"
                                             << "http://example.org/forumA/" << false;
    QTest::newRow("index page stands for its folder")
        << "http://example.org/forumA/showthread.php?t=4"
        << "http://example.org/forumA/index.php" << true;
    QTest::newRow("parent is not the forum") << "http://example.org/"
                                             << "http://forum.example.org/" << false;
    QTest::newRow("lookalike suffix") << "http://badexample.org/"
                                      << "http://example.org/" << false;
    QTest::newRow("name inside the path") << "http://evil.test/example.org/"
                                          << "http://example.org/" << false;
    QTest::newRow("credentials do not make the host") << "http://example.org@evil.test/"
                                                      << "http://example.org/" << false;
    QTest::newRow("encoded host") << "http://exa%6Dple.org/"
                                  << "http://example.org/" << true;
    QTest::newRow("not on the web") << "quillbox:start"
                                    << "http://example.org/" << false;
    QTest::newRow("file") << "file:///example.org"
                          << "http://example.org/" << false;
}

void TestForumMatch::pageBelongsToTheForumsSite() {
    QFETCH(QString, page);
    QFETCH(QString, forum);
    QTEST(pageOfForum(page, forum), "belongs");
}

void TestForumMatch::theMostSpecificForumWins() {
    const QList<Forum> forums{{u"http://example.org/"_s},
                              {u"http://forum.example.org/"_s},
                              {u"http://other.test/"_s},
                              {u"http://forum.example.org/board2"_s}};
    QCOMPARE(forumForPage(forums, u"http://forum.example.org/t/9"_s), 1);
    QCOMPARE(forumForPage(forums, u"http://shop.example.org/"_s), 0);
    QCOMPARE(forumForPage(forums, u"http://nowhere.test/"_s), -1);
}

void TestForumMatch::forumsOnOneHostAreToldApart_data() {
    QTest::addColumn<QStringList>("forums");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("forum");
    const QStringList ports{u"http://127.0.0.1:8081/"_s, u"http://127.0.0.1:8082/"_s};
    QTest::newRow("first port") << ports << u"http://127.0.0.1:8081/newreply.php?tid=1"_s << 0;
    QTest::newRow("second port") << ports << u"http://127.0.0.1:8082/newreply.php?tid=1"_s << 1;
    QTest::newRow("port of neither") << ports << u"http://127.0.0.1:8083/"_s << -1;
    const QStringList paths{u"http://example.org/forumA"_s, u"http://example.org/forumB/"_s};
    QTest::newRow("first path") << paths << u"http://example.org/forumA/t/1"_s << 0;
    QTest::newRow("second path") << paths << u"http://www.example.org/forumB/post"_s << 1;
    QTest::newRow("the site's root is neither") << paths << u"http://example.org/"_s << -1;
    const QStringList nested{u"http://example.org/"_s, u"http://example.org/board/"_s,
                             u"http://example.org/board/sub/"_s};
    QTest::newRow("longest path wins") << nested << u"http://example.org/board/sub/t"_s << 2;
    QTest::newRow("shorter path for the rest") << nested << u"http://example.org/board/t"_s << 1;
    QTest::newRow("root for the rest of the site") << nested << u"http://example.org/wiki"_s << 0;
    const QStringList schemes{u"http://example.org/"_s, u"https://example.org/"_s};
    QTest::newRow("same scheme before its other") << schemes << u"https://example.org/x"_s << 1;
    const QStringList subdomain{u"http://example.org/forum/"_s, u"http://forum.example.org/"_s};
    QTest::newRow("own host before a subdomain rule")
        << subdomain << u"http://forum.example.org/forum/t/1"_s << 1;
    QTest::newRow("subdomain rule when no forum has the host")
        << QStringList{u"http://example.org/"_s, u"http://other.test/"_s}
        << u"http://shop.example.org/"_s << 0;
}

void TestForumMatch::forumsOnOneHostAreToldApart() {
    QFETCH(QStringList, forums);
    QFETCH(QString, page);
    QList<Forum> list;
    for (const QString& address : forums)
        list.append({address});
    QTEST(forumForPage(list, page), "forum");
}

QTEST_GUILESS_MAIN(TestForumMatch)
#include "tst_forum_match.moc"

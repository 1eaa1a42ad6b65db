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
    QTest::newRow("port ignored") << "http://example.org:8080/"
                                  << "http://example.org/" << true;
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

QTEST_GUILESS_MAIN(TestForumMatch)
#include "tst_forum_match.moc"

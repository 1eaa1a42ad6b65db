#include "watch/http_reply_reader.h"

#include <QTest>

using namespace Qt::StringLiterals;

using quillbox::HttpReplyReader;

namespace {

struct Outcome {
    bool headerComplete;
    qint64 body;
    qint64 declared;
    QStringList progress; // texts shown, in order
};

Outcome readInPieces(const QByteArray& reply, const QList<qsizetype>& cuts) {
    HttpReplyReader reader;
    Outcome out{};
    qsizetype from = 0;
    QList<qsizetype> ends = cuts;
    ends.append(reply.size());
    for (qsizetype end : ends) {
        if (reader.feed(QByteArrayView(reply).sliced(from, end - from)))
            out.progress.append(reader.progressText());
        from = end;
    }
    out.headerComplete = reader.headerComplete();
    out.body = reader.bodyBytes();
    out.declared = reader.declaredLength();
    return out;
}

const QByteArray kSmallReply = "HTTP/1.1 200 OK\r\nContent-Length: 10\r\nX: y\r\n\r\n0123456789";

} // namespace

class TestHttpReplyReader : public QObject {
    Q_OBJECT
private slots:
    void measuresBodyWhateverTheSplit();
    void headerSplitOverManyReadsIsFoundOnTheCompletingRead();
    void declaredLength_data();
    void declaredLength();
    void progressText_data();
    void progressText();
    void progressIsFirstShownAfterTheHeaderArrival();
    void headerBeyond32767CharactersIsRecognised();
    void replyWithoutBlankLineCountsAllAsBody();
    void endlessHeaderIsNotBuffered();
    void resetForgetsEverything();
    void chunkedBodyIsWholeOnlyWithItsLastChunk_data();
    void chunkedBodyIsWholeOnlyWithItsLastChunk();
};

void TestHttpReplyReader::measuresBodyWhateverTheSplit() {
    // Every two-way split and the byte-by-byte split give the same measurement.
    for (qsizetype cut = 0; cut <= kSmallReply.size(); ++cut) {
        const Outcome o = readInPieces(kSmallReply, {cut});
        QVERIFY2(o.headerComplete, qPrintable(QString::number(cut)));
        QCOMPARE(o.body, 10);
        QCOMPARE(o.declared, 10);
    }
    QList<qsizetype> everyByte;
    for (qsizetype i = 1; i < kSmallReply.size(); ++i)
        everyByte.append(i);
    const Outcome o = readInPieces(kSmallReply, everyByte);
    QCOMPARE(o.body, 10);
    QCOMPARE(o.progress.size(), 10);
    QCOMPARE(o.progress.first(), u"Downloaded 1 from 10 (10%)"_s);
    QCOMPARE(o.progress.last(), u"Downloaded 10 from 10 (100%)"_s);
}

void TestHttpReplyReader::headerSplitOverManyReadsIsFoundOnTheCompletingRead() {
    HttpReplyReader reader;
    QVERIFY(!reader.feed("HTTP/1.1 200 OK\r\nContent-Len"));
    QVERIFY(!reader.feed("gth: 5\r\n\r"));
    QVERIFY(!reader.headerComplete());
    QCOMPARE(reader.bodyBytes(), 37); // all of it, while no header block is known
    QVERIFY(!reader.feed("\nab"));
    QVERIFY(reader.headerComplete());
    QCOMPARE(reader.bodyBytes(), 2);
    QCOMPARE(reader.declaredLength(), 5);
    QVERIFY(reader.feed("cde"));
    QCOMPARE(reader.progressText(), u"Downloaded 5 from 5 (100%)"_s);
}

void TestHttpReplyReader::declaredLength_data() {
    // "declared" is the length shown in the progress text; "announced" the one HTTP defines,
    // against which a body that ended early is judged (-1: none).
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<qint64>("declared");
    QTest::addColumn<qint64>("announced");
    const QByteArray status = "HTTP/1.1 200 OK\r\n";
    QTest::newRow("plain") << status + "Content-Length: 1234" << 1234LL << 1234LL;
    QTest::newRow("none") << status + "Server: x" << 0LL << -1LL;
    QTest::newRow("other letter case") << status + "content-length: 1234" << 0LL << 1234LL;
    QTest::newRow("not a number") << status + "Content-Length: lots" << 0LL << -1LL;
    QTest::newRow("no space") << status + "Content-Length:77" << 0LL << 77LL;
    QTest::newRow("extra spaces") << status + "Content-Length:   77  " << 77LL << 77LL;
    QTest::newRow("signed") << status + "Content-Length: +5" << 5LL << -1LL;
    QTest::newRow("first line wins")
        << status + "Content-Length: 5\r\nContent-Length: 9" << 5LL << -1LL;
    QTest::newRow("repeated alike")
        << status + "Content-Length: 5\r\nContent-Length: 5" << 5LL << 5LL;
    QTest::newRow("anywhere in the line")
        << status + "X-Original-Content-Length: 42" << 42LL << -1LL;
    QTest::newRow("in the status line")
        << QByteArray("HTTP/1.1 200 Content-Length: 42") << 0LL << -1LL;
    QTest::newRow("framed by transfer coding")
        << status + "Content-Length: 10\r\nTransfer-Encoding: chunked" << 10LL << -1LL;
    QTest::newRow("beyond 32 bits")
        << status + "Content-Length: 5000000000" << 5000000000LL << 5000000000LL;
    QTest::newRow("beyond 64 bits")
        << status + "Content-Length: 99999999999999999999" << 0LL << -1LL;
    QTest::newRow("empty header block") << QByteArray() << 0LL << -1LL;
}

void TestHttpReplyReader::declaredLength() {
    QFETCH(QByteArray, header);
    QFETCH(qint64, declared);
    QFETCH(qint64, announced);
    QCOMPARE(HttpReplyReader::declaredLengthOf(header), declared);
    QCOMPARE(HttpReplyReader::contentLengthOf(header), announced);
    const Outcome o = readInPieces(header + "\r\n\r\nbody", {});
    QVERIFY(o.headerComplete);
    QCOMPARE(o.declared, declared);
    QCOMPARE(o.body, 4);
}

void TestHttpReplyReader::progressText_data() {
    QTest::addColumn<qint64>("body");
    QTest::addColumn<qint64>("declared");
    QTest::addColumn<QString>("text");
    QTest::newRow("no length") << 1500LL << 0LL << u"Downloaded 1500 bytes"_s;
    QTest::newRow("negative length") << 7LL << -5LL << u"Downloaded 7 bytes"_s;
    QTest::newRow("half") << 500LL << 1000LL << u"Downloaded 500 from 1000 (50%)"_s;
    QTest::newRow("half rounds to even, down") << 5LL << 200LL << u"Downloaded 5 from 200 (2%)"_s;
    QTest::newRow("half rounds to even, up") << 7LL << 200LL << u"Downloaded 7 from 200 (4%)"_s;
    QTest::newRow("more than declared")
        << 50000LL << 100LL << u"Downloaded 50000 from 100 (50000%)"_s;
    QTest::newRow("beyond 2 GiB") << 3000000000LL << 6000000000LL
                                  << u"Downloaded 3000000000 from 6000000000 (50%)"_s;
    QTest::newRow("nothing yet") << 0LL << 10LL << u"Downloaded 0 from 10 (0%)"_s;
}

void TestHttpReplyReader::progressText() {
    QFETCH(qint64, body);
    QFETCH(qint64, declared);
    QFETCH(QString, text);
    QCOMPARE(HttpReplyReader::progressText(body, declared), text);
}

void TestHttpReplyReader::progressIsFirstShownAfterTheHeaderArrival() {
    const Outcome whole = readInPieces(kSmallReply, {});
    QVERIFY(whole.progress.isEmpty());
    const Outcome two = readInPieces(kSmallReply, {kSmallReply.size() - 4});
    QCOMPARE(two.progress, QStringList{u"Downloaded 10 from 10 (100%)"_s});
    const Outcome headerOnly = readInPieces("HTTP/1.1 204 No Content\r\n\r\n", {});
    QVERIFY(headerOnly.headerComplete);
    QCOMPARE(headerOnly.body, 0);
}

void TestHttpReplyReader::headerBeyond32767CharactersIsRecognised() {
    const QByteArray header =
        "HTTP/1.1 200 OK\r\nContent-Length: 3\r\nX-Padding: " + QByteArray(40000, 'p');
    const QByteArray reply = header + "\r\n\r\nabc";
    QList<qsizetype> cuts;
    for (qsizetype at = 1000; at < reply.size(); at += 1000)
        cuts.append(at);
    const Outcome o = readInPieces(reply, cuts);
    QVERIFY(o.headerComplete);
    QCOMPARE(o.body, 3);
    QCOMPARE(o.declared, 3);
}

void TestHttpReplyReader::replyWithoutBlankLineCountsAllAsBody() {
    const Outcome empty = readInPieces(QByteArray(), {});
    QVERIFY(!empty.headerComplete);
    QCOMPARE(empty.body, 0);
    const Outcome noBlank = readInPieces("HTTP/1.1 200 OK\r\nServer: x\r\n", {5});
    QVERIFY(!noBlank.headerComplete);
    QCOMPARE(noBlank.body, 28);
    QVERIFY(noBlank.progress.isEmpty());
}

void TestHttpReplyReader::endlessHeaderIsNotBuffered() {
    HttpReplyReader reader;
    const QByteArray piece(64 * 1024, 'h');
    qint64 fed = 0;
    while (fed <= HttpReplyReader::kMaxHeaderBytes) {
        reader.feed(piece);
        fed += piece.size();
    }
    QVERIFY(reader.headerAbandoned());
    // From here on everything is body, including a blank line that turns up late; with no
    // header block ever found, no progress is shown.
    QVERIFY(!reader.feed("\r\n\r\nmore"));
    QVERIFY(!reader.headerComplete());
    QCOMPARE(reader.bodyBytes(), fed + 8);
    QVERIFY(!reader.bodyShort());
}

void TestHttpReplyReader::resetForgetsEverything() {
    HttpReplyReader reader;
    reader.feed(kSmallReply);
    reader.reset();
    QVERIFY(!reader.headerComplete());
    QCOMPARE(reader.bodyBytes(), 0);
    QCOMPARE(reader.declaredLength(), 0);
    reader.feed("HTTP/1.1 200 OK\r\n\r\nxy");
    QCOMPARE(reader.bodyBytes(), 2);
}

void TestHttpReplyReader::chunkedBodyIsWholeOnlyWithItsLastChunk_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("chunked");
    QTest::addColumn<bool>("unfinished");
    QTest::addColumn<bool>("broken");
    const QByteArray te = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    QTest::newRow("whole") << te + "5\r\nabcde\r\n0\r\n\r\n" << true << false << false;
    QTest::newRow("whole, extension, trailer, hex in capitals")
        << te + "A;name=v\r\n0123456789\r\n0\r\nExpires: 0\r\n\r\n"
        << true << false << false;
    QTest::newRow("whole, lone line feeds") << te + "2\nab\n0\n\n" << true << false << false;
    QTest::newRow("bytes after the end are counted, not judged")
        << te + "1\r\na\r\n0\r\n\r\njunk" << true << false << false;
    QTest::newRow("no last chunk") << te + "5\r\nabcde\r\n" << true << true << false;
    QTest::newRow("chunk shorter than announced") << te + "10\r\nabcde" << true << true << false;
    QTest::newRow("last chunk without its empty line") << te + "5\r\nabcde\r\n0\r\n"
                                                       << true << true << false;
    QTest::newRow("size not hex") << te + "5g\r\nabcde\r\n0\r\n\r\n" << true << true << true;
    QTest::newRow("size beyond 64 bits") << te + "10000000000000000\r\nab" << true << true << true;
    QTest::newRow("data longer than its size") << te + "3\r\nabcde\r\n0\r\n\r\n"
                                               << true << true << true;
    QTest::newRow("chunked after another coding")
        << QByteArray("HTTP/1.1 200 OK\r\ntransfer-encoding: gzip\r\nTransfer-Encoding: "
                      "CHUNKED\r\n\r\n0\r\n\r\n")
        << true << false << false;
    QTest::newRow("other coding: the close ends it")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked, gzip\r\n\r\nxyz") << false
        << false << false;
    QTest::newRow("no content has no body")
        << QByteArray("HTTP/1.1 204 No Content\r\nTransfer-Encoding: chunked\r\n\r\n") << false
        << false << false;
    QTest::newRow("not modified has no body")
        << QByteArray("HTTP/1.1 304 Not Modified\r\nTransfer-Encoding: chunked\r\n\r\n") << false
        << false << false;
}

void TestHttpReplyReader::chunkedBodyIsWholeOnlyWithItsLastChunk() {
    QFETCH(QByteArray, reply);
    QFETCH(bool, chunked);
    QFETCH(bool, unfinished);
    QFETCH(bool, broken);
    const qint64 body = reply.size() - (reply.indexOf("\r\n\r\n") + 4);
    // Whole, cut in two at every place, and a byte at a time: the same verdict.
    QList<QList<qsizetype>> splits{{}};
    for (qsizetype cut = 1; cut < reply.size(); ++cut)
        splits.append(QList<qsizetype>{cut});
    QList<qsizetype> everyByte;
    for (qsizetype i = 1; i < reply.size(); ++i)
        everyByte.append(i);
    splits.append(everyByte);
    for (const QList<qsizetype>& cuts : std::as_const(splits)) {
        HttpReplyReader reader;
        qsizetype from = 0;
        QList<qsizetype> ends = cuts;
        ends.append(reply.size());
        for (qsizetype end : ends) {
            reader.feed(QByteArrayView(reply).sliced(from, end - from));
            from = end;
        }
        const QByteArray where = "cuts " + QByteArray::number(cuts.size());
        QVERIFY2(reader.chunked() == chunked, where.constData());
        QVERIFY2(reader.chunksUnfinished() == unfinished, where.constData());
        QVERIFY2(reader.chunkFramingBroken() == broken, where.constData());
        QCOMPARE(reader.bodyBytes(), body);
        QVERIFY(!reader.bodyShort());
    }
    HttpReplyReader reader;
    reader.feed(reply);
    reader.reset();
    QVERIFY(!reader.chunked());
    QVERIFY(!reader.chunksUnfinished());
}

QTEST_GUILESS_MAIN(TestHttpReplyReader)
#include "tst_http_reply_reader.moc"

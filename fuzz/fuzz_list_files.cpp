// The three list files: any bytes load, and lists as the program writes them read back to the
// same rows, with posts.txt and sizes.txt holding one record each per post.
#include "fuzz_check.h"
#include "store/list_files.h"
#include "store/text_file.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quillbox;

namespace {

QStringList linesOf(const QByteArray& bytes) {
    return splitFileLines(decodeFileText(bytes));
}

ListsData parse(const QByteArray& posts, const QByteArray& forums, const QByteArray& sizes) {
    ListsData data;
    data.posts = pairPosts(parsePostLines(linesOf(posts)), parseSizeLines(linesOf(sizes)));
    data.forums = parseForumLines(linesOf(forums));
    return data;
}

// A field as written: each line break (CR LF, CR or LF) a blank.
QString storedField(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

QByteArray take(FuzzedDataProvider& data) {
    const std::string bytes = data.ConsumeRandomLengthString();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const QByteArray posts = take(data);
    const QByteArray forums = take(data);
    const QByteArray sizes = take(data);

    // What was loaded is saved unchanged and loads again the same.
    const ListsData loaded = parse(posts, forums, sizes);
    for (const QString& line : linesOf(posts + sizes + forums))
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
    const ListsData again = parse(serializePosts(loaded.posts), serializeForums(loaded.forums),
                                  serializeSizes(loaded.posts));
    FUZZ_CHECK(again == loaded);

    // Rows as the user may make them (line breaks pasted into a field, blanks, anything) are
    // written so that each stays one row, every line break a blank, and every post keeps its
    // own size; a post whose address would read back as an empty line is left out of both files.
    ListsData made;
    ListsData expected;
    const QStringList fields = QString::fromUtf8(posts).split(u'\t');
    for (qsizetype i = 0; i < fields.size(); ++i) {
        std::optional<qint64> size;
        if (i % 3 != 0)
            size = qint64(i) * 1000;
        const WatchedPost post{fields.at(i), size};
        made.posts.append(post);
        if (storedField(post.address) != QStringLiteral("") &&
            storedField(post.address) != QStringLiteral(" "))
            expected.posts.append({storedField(post.address), size});
        QString address = fields.at(i);
        address.remove(u'|');
        const Forum forum{address, fields.at(fields.size() - 1 - i)};
        made.forums.append(forum);
        const LoginParts login = splitLogin(forum.login);
        expected.forums.append(
            {storedField(address), storedField(joinLogin(login.userName, login.password))});
    }
    const QByteArray madePosts = serializePosts(made.posts);
    const QByteArray madeSizes = serializeSizes(made.posts);
    FUZZ_CHECK(madePosts.count("\r\n\r\n") == madeSizes.count("\r\n\r\n"));
    FUZZ_CHECK(parse(madePosts, serializeForums(made.forums), madeSizes) == expected);
    return 0;
}

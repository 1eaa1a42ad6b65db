// The link converter under both rule sets, with the built-in templates, with templates taken
// from the input, and with templates of characters the text cannot hold, whose markup can be
// read back out of the result.
#include "compose/converter.h"
#include "compose/link_rules.h"
#include "compose/link_template.h"
#include "compose/whole_links.h"
#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quillbox;

namespace {

// Template pieces no text holds: private-use characters stripped from every input.
constexpr char16_t kOpen1 = 0xE001, kOpen2 = 0xE002, kClose = 0xE003, kMail = 0xE004;

bool isMarker(QChar c) {
    return c.unicode() >= kOpen1 && c.unicode() <= kMail;
}

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool isClassicTerminator(QChar c) {
    return c == u' ' || c == u'?' || c == u',' || c == u'!' || isLineBreak(c);
}

struct Link {
    QString target;
    QString shown;
};

// Reads the marked result back: the links, and the text with each link replaced by its shown
// text. Links never nest and every piece is in its place, or the check fails.
QString unmark(const QString& out, QList<Link>* links, QList<qsizetype>* linkEnds) {
    QString plain;
    qsizetype i = 0;
    while (i < out.size()) {
        const QChar c = out.at(i);
        if (c != QChar(kOpen1)) {
            FUZZ_CHECK(!isMarker(c));
            plain.append(c);
            ++i;
            continue;
        }
        const qsizetype open2 = out.indexOf(QChar(kOpen2), i + 1);
        FUZZ_CHECK(open2 > i);
        const qsizetype close = out.indexOf(QChar(kClose), open2 + 1);
        FUZZ_CHECK(close > open2);
        Link link{out.mid(i + 1, open2 - i - 1), out.mid(open2 + 1, close - open2 - 1)};
        const bool mail = link.target.startsWith(QChar(kMail));
        const QString target = mail ? link.target.mid(1) : link.target;
        for (const QChar t : target)
            FUZZ_CHECK(!isMarker(t));
        for (const QChar s : link.shown)
            FUZZ_CHECK(!isMarker(s));
        FUZZ_CHECK(!link.shown.isEmpty());
        links->append(link);
        plain.append(link.shown);
        linkEnds->append(plain.size());
        i = close + 1;
    }
    return plain;
}

void checkWholeRules(const QString& text) {
    const QString out = insertWholeLinks(text, QString(QChar(kOpen1)), QString(QChar(kOpen2)),
                                         QString(QChar(kClose)), QString(QChar(kMail)));
    QList<Link> links;
    QList<qsizetype> ends;
    FUZZ_CHECK(unmark(out, &links, &ends) == text);
    for (const Link& link : links) {
        FUZZ_CHECK(link.target == link.shown ||
                   link.target == QStringLiteral("http://") + link.shown ||
                   link.target == QChar(kMail) + link.shown);
        for (const QChar c : link.shown)
            FUZZ_CHECK(!c.isSpace() && c != u'<' && c != u'>' && c != u'"');
    }
}

// The classic rules take the line break that ends an address into the link, where it
// vanishes; every other character outside and inside the links stays, in order.
void checkClassicRules(const QString& text) {
    const QString out = insertLinks(text, QString(QChar(kOpen1)), QString(QChar(kOpen2)),
                                    QString(QChar(kClose)), QString(QChar(kMail)));
    const auto lineBreak = [](QChar c) { return isLineBreak(c); };
    FUZZ_CHECK(fuzz::isSubsequence(text, out, lineBreak));
    if (!out.contains(QChar(kOpen1))) {
        FUZZ_CHECK(out == text);
        return;
    }
    // Mail links are found in the result of the web pass, markup included, so a text holding
    // both kinds may wrap one link in another; each kind alone never does.
    const bool web = text.contains(QStringLiteral("://"));
    const bool mail = text.contains(u'@');
    if (web && mail)
        return;
    QList<Link> links;
    QList<qsizetype> ends;
    const QString plain = unmark(out, &links, &ends);
    // The plain text is the input without the line break right after each link that the
    // classic rules swallow.
    QString expected;
    qsizetype in = 0;
    qsizetype at = 0;
    for (qsizetype k = 0; k < links.size(); ++k) {
        const qsizetype end = ends.at(k);
        FUZZ_CHECK(end - at <= text.size() - in);
        FUZZ_CHECK(QStringView(plain).sliced(at, end - at) ==
                   QStringView(text).sliced(in, end - at));
        in += end - at;
        at = end;
        const QString& shown = links.at(k).shown;
        FUZZ_CHECK(links.at(k).target == shown || links.at(k).target == QChar(kMail) + shown);
        if (!isClassicTerminator(shown.back()) && in < text.size() && isLineBreak(text.at(in)))
            ++in;
    }
    FUZZ_CHECK(QStringView(plain).sliced(at) == QStringView(text).sliced(in));
}

QString takeText(FuzzedDataProvider& data, std::size_t maxBytes) {
    const std::string bytes = data.ConsumeRandomLengthString(maxBytes);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const uint8_t mode = data.ConsumeIntegral<uint8_t>();
    const LinkRules rules = (mode & 1) ? LinkRules::WholeAddresses : LinkRules::Classic;
    const int choice = (mode >> 1) % 10;
    TemplateSet templates = defaultTemplates();
    if (choice == 9) {
        // Random templates: anything may come out, but nothing of the text goes missing.
        LinkTemplate& t = templates[5];
        t.Name = QStringLiteral("random");
        t.LinkOpen01 = takeText(data, 16);
        t.LinkOpen02 = takeText(data, 16);
        t.LinkClose01 = takeText(data, 16);
        t.MailCall01 = takeText(data, 16);
    }
    QString text = takeText(data, size);
    if (choice == 8) {
        text.removeIf(isMarker);
        if (rules == LinkRules::WholeAddresses)
            checkWholeRules(text);
        else
            checkClassicRules(text);
        return 0;
    }
    const LinkTemplate& chosen = templates[choice == 9 ? 5 : std::size_t(choice)];
    const QString out = convertMessage(text, chosen.Name, templates, rules);
    const auto keep = [rules](QChar c) { return rules == LinkRules::Classic && isLineBreak(c); };
    FUZZ_CHECK(fuzz::isSubsequence(text, out, keep));
    return 0;
}

#include "watch/page_markup.h"
#include "watch/page_reading.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace quillbox {

namespace {

using markup::equalsLower;

constexpr qsizetype kMaxDigits = 18; // fits qint64

constexpr QByteArrayView kExcludedWords[] = {
    "thread",    "topic",      "forum",  "forums", "category", "cat",   "board", "node", "user",
    "member",    "profile",    "author", "avatar", "poll",     "like",  "likes", "vote", "sig",
    "signature", "attachment", "attach", "edit",   "edited",   "quote", "menu"};
constexpr QByteArrayView kPostWords[] = {"post",    "p",     "pid",     "postid", "msg",
                                         "message", "reply", "comment", "entry"};
constexpr QByteArrayView kSinglePostWords[] = {"post", "p", "pid", "postid", "msg"};
constexpr QByteArrayView kDataAttributes[] = {"data-pid", "data-post-id", "data-postid"};

template <qsizetype N> bool isOneOf(QByteArrayView word, const QByteArrayView (&words)[N]) {
    return std::any_of(std::begin(words), std::end(words),
                       [&](QByteArrayView w) { return equalsLower(word, w); });
}

bool isPrefixCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '-';
}

struct Marking {
    QByteArray key;
    QList<qint64> ids;
    qsizetype firstSeen = 0;
    bool inOrder = true;
    bool singleAllowed = false;
};

// How an id prefix reads: not a post (0), a post marking (1), one a single post may carry (2).
int prefixReading(QByteArrayView prefix) {
    QByteArrayView last;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= prefix.size(); ++i) {
        const bool letter = i < prefix.size() && isPrefixCharacter(prefix[i]) && prefix[i] != '_' &&
                            prefix[i] != '-';
        if (letter && start < 0)
            start = i;
        if (!letter && start >= 0) {
            const QByteArrayView word = prefix.sliced(start, i - start);
            if (isOneOf(word, kExcludedWords))
                return 0;
            last = word;
            start = -1;
        }
    }
    if (last.isEmpty() || !isOneOf(last, kPostWords))
        return 0;
    return isOneOf(last, kSinglePostWords) ? 2 : 1;
}

class MarkingTable {
public:
    void add(QByteArrayView key, qint64 number, qsizetype position, bool singleAllowed) {
        const QByteArray lowerKey = key.toByteArray().toLower();
        auto found = index.find(lowerKey);
        if (found == index.end()) {
            found = index.insert(lowerKey, int(markings.size()));
            markings.push_back({lowerKey, {}, position, true, singleAllowed});
        }
        Marking& marking = markings[size_t(*found)];
        if (!marking.inOrder)
            return;
        if (!marking.ids.isEmpty()) {
            if (number == marking.ids.last())
                return;
            if (number < marking.ids.last()) {
                marking.inOrder = false;
                return;
            }
        }
        marking.ids.append(number);
    }

    const Marking* best() const {
        const Marking* chosen = nullptr;
        for (const Marking& marking : markings) {
            const bool readable =
                marking.inOrder &&
                (marking.ids.size() >= 2 || (marking.ids.size() == 1 && marking.singleAllowed));
            if (readable && (!chosen || marking.ids.size() > chosen->ids.size()))
                chosen = &marking; // markings are in order of first appearance: ties keep the first
        }
        return chosen;
    }

private:
    QHash<QByteArray, int> index;
    std::vector<Marking> markings;
};

// The number in value's trailing digits and its prefix; false when value does not have that form.
bool splitTrailingNumber(QByteArrayView value, QByteArrayView& prefix, qint64& number) {
    qsizetype digitsStart = value.size();
    while (digitsStart > 0 && value[digitsStart - 1] >= '0' && value[digitsStart - 1] <= '9')
        --digitsStart;
    const qsizetype digits = value.size() - digitsStart;
    if (digits == 0 || digits > kMaxDigits || digitsStart == 0)
        return false;
    prefix = value.first(digitsStart);
    if (!std::all_of(prefix.begin(), prefix.end(), isPrefixCharacter))
        return false;
    number = value.sliced(digitsStart).toLongLong();
    return true;
}

} // namespace

qint64 PostIdentity::highest() const {
    return ids.isEmpty() ? -1 : *std::max_element(ids.cbegin(), ids.cend());
}

int PostIdentity::countAbove(qint64 recorded) const {
    return int(std::count_if(ids.cbegin(), ids.cend(), [&](qint64 id) { return id > recorded; }));
}

PostIdentity readPostIdentity(QByteArrayView html) {
    MarkingTable table;
    markup::Tag tag;
    qsizetype pos = 0;
    while (markup::nextTag(html, pos, tag)) {
        for (const markup::Attribute& attribute : tag.attributes) {
            if (equalsLower(attribute.name, "id")) {
                QByteArrayView prefix;
                qint64 number = 0;
                if (!splitTrailingNumber(attribute.value, prefix, number))
                    continue;
                const int reading = prefixReading(prefix);
                if (reading > 0)
                    table.add(QByteArray(QByteArray("id:") + prefix.toByteArray()), number, tag.end,
                              reading == 2);
            } else if (isOneOf(attribute.name, kDataAttributes) &&
                       markup::isDigits(attribute.value) && attribute.value.size() <= kMaxDigits) {
                table.add(attribute.name, attribute.value.toLongLong(), tag.end, true);
            }
        }
    }
    PostIdentity identity;
    if (const Marking* chosen = table.best()) {
        identity.key = QString::fromLatin1(chosen->key);
        identity.ids = chosen->ids;
    }
    return identity;
}

} // namespace quillbox

// The reply reader fed the same bytes whole and in random pieces: it reaches the same state
// either way, and the header block and the counted body add up to every byte fed.
#include "fuzz_check.h"
#include "watch/http_reply_reader.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quillbox;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::vector<uint8_t> cuts =
        data.ConsumeBytes<uint8_t>(data.ConsumeIntegralInRange(0, 16));
    const std::vector<char> reply = data.ConsumeRemainingBytes<char>();
    const QByteArrayView all(reply.data(), qsizetype(reply.size()));

    HttpReplyReader whole;
    whole.feed(all);
    HttpReplyReader pieces;
    qsizetype at = 0;
    bool shownBeforeComplete = false;
    for (const uint8_t cut : cuts) {
        const qsizetype length = std::min<qsizetype>(cut, all.size() - at);
        const bool wasComplete = pieces.headerComplete();
        const bool show = pieces.feed(all.sliced(at, length));
        shownBeforeComplete |= show && !wasComplete;
        at += length;
    }
    const bool wasComplete = pieces.headerComplete();
    shownBeforeComplete |= pieces.feed(all.sliced(at)) && !wasComplete;
    FUZZ_CHECK(!shownBeforeComplete);

    for (const HttpReplyReader* r : {&whole, &pieces}) {
        FUZZ_CHECK(r->headerComplete() == whole.headerComplete());
        FUZZ_CHECK(r->bodyBytes() == whole.bodyBytes());
        FUZZ_CHECK(r->declaredLength() == whole.declaredLength());
        FUZZ_CHECK(r->contentLength() == whole.contentLength());
        FUZZ_CHECK(r->contentLength() >= -1);
        FUZZ_CHECK(!r->progressText().isEmpty());
    }
    const qsizetype blank = all.indexOf(QByteArrayView("\r\n\r\n"));
    if (whole.headerComplete()) {
        FUZZ_CHECK(blank >= 0);
        FUZZ_CHECK(blank + 4 + whole.bodyBytes() == all.size());
        FUZZ_CHECK(whole.declaredLength() == HttpReplyReader::declaredLengthOf(all.first(blank)));
        FUZZ_CHECK(whole.contentLength() == HttpReplyReader::contentLengthOf(all.first(blank)));
    } else {
        // Until a header block is found every byte counts, so nothing fed goes uncounted.
        FUZZ_CHECK(blank < 0 || whole.headerAbandoned());
        FUZZ_CHECK(whole.bodyBytes() == all.size());
    }
    return 0;
}

// The address parser of the reply check: whatever it accepts becomes a request that carries
// nothing but the request line and the three header lines it writes.
#include "fuzz_check.h"
#include "watch/fetch_target.h"

using namespace quillbox;

namespace {

bool isControlOrSpace(QChar c) {
    const char16_t u = c.unicode();
    return u <= 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F) || c.isSpace();
}

void check(const QString& url) {
    const FetchTargetResult result = parseFetchTarget(url);
    if (!result.target) {
        FUZZ_CHECK(!result.description.isEmpty());
        return;
    }
    for (const QChar c : url)
        FUZZ_CHECK(!isControlOrSpace(c));
    const FetchTarget& t = *result.target;
    FUZZ_CHECK(!t.host.isEmpty());
    FUZZ_CHECK(t.port != 0);
    FUZZ_CHECK(t.path.startsWith('/'));
    for (const char b : t.path)
        FUZZ_CHECK(uchar(b) > 0x20 && uchar(b) < 0x7F);
    FUZZ_CHECK(!t.hostHeader.isEmpty());
    for (const char b : t.hostHeader)
        FUZZ_CHECK(uchar(b) > 0x20 && uchar(b) != 0x7F);
    const QByteArray request = t.request();
    FUZZ_CHECK(request.count('\r') == 5 && request.count('\n') == 5);
    FUZZ_CHECK(request.startsWith("GET /") && request.endsWith("\r\n\r\n"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    check(QString::fromUtf8(reinterpret_cast<const char*>(bytes), qsizetype(size)));
    // UTF-16 as it is, lone surrogates and all, as a pasted address may hold.
    check(QString(reinterpret_cast<const QChar*>(bytes), qsizetype(size / 2)));
    return 0;
}

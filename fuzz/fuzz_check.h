#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

// A property every input must keep. A failure aborts, so libFuzzer keeps the input as a crash.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace quillbox::fuzz {

// Whether every character of `needle` appears in `haystack` in the same order, skipping the
// characters `skip` accepts on both sides.
template <typename Skip>
bool isSubsequence(const QString& needle, const QString& haystack, Skip skip) {
    qsizetype h = 0;
    for (const QChar c : needle) {
        if (skip(c))
            continue;
        while (h < haystack.size() && haystack.at(h) != c)
            ++h;
        if (h == haystack.size())
            return false;
        ++h;
    }
    return true;
}

} // namespace quillbox::fuzz

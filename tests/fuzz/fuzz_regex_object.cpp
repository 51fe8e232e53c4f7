// RegexObject with arbitrary patterns, subjects and options: every match and group with its
// byte offset, the group count, replacing, and a copy answering like the original. Input: an
// option byte, the pattern and the subject, separated by zero bytes.
#include "platform/codepage/codepage.h"
#include "regex/regex_object.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pindora;
    const auto in = fuzz::fields(data, size, 3);
    const unsigned options = in[0].empty() ? 0 : static_cast<unsigned char>(in[0][0]);
    const Text& pattern = in[1];
    const Text& subject = in[2];
    const bool global = !(options & 4);
    // Where the subject converts to characters and back unchanged, the texts the object returns
    // are found in it at the offsets it reports.
    const bool roundTrips = utf16ToCp936(cp936ToUtf16(subject)) == subject;

    RegexObject regex;
    if (!regex.matchAll(pattern, subject, (options & 1) != 0, (options & 2) != 0, global, (options & 8) != 0)) {
        FUZZ_REQUIRE(regex.matchCount() == 0 && regex.subMatchCount() == 0 && regex.matchText(1).empty());
        return 0;
    }
    const int count = regex.matchCount();
    FUZZ_REQUIRE(count >= 0 && (global || count <= 1));
    const int groups = regex.subMatchCount();
    FUZZ_REQUIRE(groups >= 0 && (count > 0 || groups == 0));
    const RegexObject copy = regex;
    for (int n = 1; n <= count; ++n) {
        int offset = -1;
        const Text match = regex.matchText(n, &offset);
        FUZZ_REQUIRE(offset >= 0 || offset == -2);
        if (roundTrips) FUZZ_REQUIRE(offset >= 0 && subject.compare(offset, match.size(), match) == 0);
        FUZZ_REQUIRE(copy.matchText(n) == match);
        for (int k = 1; k <= groups; ++k) {
            int groupOffset = -1;
            const Text group = regex.subMatchText(n, k, &groupOffset);
            FUZZ_REQUIRE(groupOffset >= 0 || groupOffset == -2);
            if (roundTrips && !group.empty())
                FUZZ_REQUIRE(groupOffset >= offset && subject.compare(groupOffset, group.size(), group) == 0);
        }
        FUZZ_REQUIRE(regex.subMatchText(n, groups + 1).empty() && regex.subMatchText(n, 0).empty());
    }
    FUZZ_REQUIRE(regex.matchText(0).empty() && regex.matchText(count + 1).empty());
    // Each match put back in its own place gives the subject again.
    if (roundTrips) FUZZ_REQUIRE(regex.replace("$&") == subject);
    (void)regex.replace(pattern);
    return 0;
}

// The feed loader's pattern over arbitrary pages through RegexObject: matchAll, matchCount,
// and the match and both groups of every match. Input: the page, in code page 936.
#include "base/text.h"
#include "feed/avatar_loader.h"
#include "platform/codepage/codepage.h"
#include "regex/regex_object.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

pindora::Text lowerAllAscii(std::string_view text) {
    pindora::Text out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pindora;
    const Text page(fuzz::asText(data, size));
    // Where the page converts to characters and back unchanged, every text the object returns
    // is found in the page at the offset it reports.
    const bool roundTrips = utf16ToCp936(cp936ToUtf16(page)) == page;

    RegexObject regex;
    FUZZ_REQUIRE(regex.matchAll(preparedAvatarPattern(), page));
    const int count = regex.matchCount();
    FUZZ_REQUIRE(count >= 0);
    FUZZ_REQUIRE(regex.subMatchCount() == (count > 0 ? 2 : 0));
    int previousEnd = 0;
    for (int n = 1; n <= count; ++n) {
        int offset = -1;
        const Text match = regex.matchText(n, &offset);
        FUZZ_REQUIRE(lowerAllAscii(match).starts_with("<a href=\"") && lowerAllAscii(match).ends_with("\" border"));
        FUZZ_REQUIRE(offset == -2 || offset >= 0);
        if (roundTrips) {
            FUZZ_REQUIRE(offset >= previousEnd && page.compare(offset, match.size(), match) == 0);
            previousEnd = offset + static_cast<int>(match.size());
        }
        for (int k = 1; k <= 2; ++k) {
            int groupOffset = -1;
            const Text group = regex.subMatchText(n, k, &groupOffset);
            // "." stops at line breaks, and a group lies inside its match.
            FUZZ_REQUIRE(group.find_first_of("\r\n") == Text::npos);
            FUZZ_REQUIRE(match.find(group) != Text::npos);
            if (roundTrips) FUZZ_REQUIRE(groupOffset >= offset && page.compare(groupOffset, group.size(), group) == 0);
        }
        FUZZ_REQUIRE(regex.subMatchText(n, 3).empty() && regex.subMatchText(n, 0).empty());
    }
    FUZZ_REQUIRE(regex.matchText(0).empty() && regex.matchText(count + 1).empty());
    return 0;
}

// mergeCookies and joinDistinct over arbitrary cookie texts. Input: the old cookies, the
// response's cookies and a separator for joinDistinct, separated by zero bytes.
#include <set>

#include "base/text.h"
#include "net/cookies.h"
#include "tests/fuzz/fuzz_support.h"

namespace pindora {
namespace {

void checkDistinct(std::string_view text, std::string_view separator) {
    const Text joined = joinDistinct(text, separator);
    if (separator.empty()) return;
    // Joined once more it stays the same, unless an empty piece kept last left the separator
    // at the end (splitting drops the empty piece after it).
    if (!joined.ends_with(separator)) FUZZ_REQUIRE(joinDistinct(joined, separator) == joined);
    const std::vector<Text> pieces = splitText(joined, separator);
    FUZZ_REQUIRE(std::set<Text>(pieces.begin(), pieces.end()).size() == pieces.size());
    // Nothing but repeats is dropped: every piece of the text is still there.
    const std::set<Text> kept(pieces.begin(), pieces.end());
    for (const Text& piece : splitText(text, separator)) FUZZ_REQUIRE(kept.count(piece) == 1 || piece.empty());
}

}  // namespace
}  // namespace pindora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pindora;
    const auto in = fuzz::fields(data, size, 3);
    Text cookies = in[0];
    Text responseCookies = in[1];

    const Text merged = mergeCookies(cookies, responseCookies);
    FUZZ_REQUIRE(cookies == merged);
    const std::vector<Text> entries = splitText(merged, "; ");
    for (const Text& entry : entries) FUZZ_REQUIRE(!entry.ends_with("=deleted"));
    if (!fuzz::wellFormedCp936(in[0]) || !fuzz::wellFormedCp936(in[1]) || !fuzz::wellFormedCp936(in[2])) return 0;

    checkDistinct(in[0], in[2]);
    std::set<Text> distinct;
    for (const Text& entry : entries) FUZZ_REQUIRE(distinct.insert(entry).second);
    // The response's entries (stored back without blanks) win: each one that is not a deletion
    // is in the result (an empty entry vanishes when the result is split again).
    for (const Text& entry : splitText(responseCookies, ";"))
        if (!entry.empty() && !entry.ends_with("=deleted")) FUZZ_REQUIRE(distinct.count(entry) == 1);
    // Merging nothing new changes nothing, unless the response named a cookie twice (both
    // entries are kept, and a later merge keeps only the first) or its empty entries left the
    // result ending in "; " (a later merge drops that).
    std::set<Text> names;
    bool namesDistinct = true;
    for (const Text& entry : entries) namesDistinct = names.insert(cookieName(entry)).second && namesDistinct;
    Text again = merged;
    Text none;
    if (namesDistinct && !merged.ends_with("; ")) FUZZ_REQUIRE(mergeCookies(again, none) == merged);

    checkDistinct(merged, "; ");
    return 0;
}

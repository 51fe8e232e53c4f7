// The text helpers over arbitrary code page 936 bytes: findText, splitText, replaceText,
// trimText, textBetween and headerValue. Input: text, a, b and a start byte, separated by zero
// bytes; a is the needle, separator and front marker, b the replacement and back marker.
#include "base/text.h"
#include "net/url.h"
#include "platform/codepage/codepage.h"
#include "tests/fuzz/fuzz_support.h"

namespace pindora {
namespace {

std::size_t characterLength(std::string_view text, std::size_t at) {
    return isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

// The first exact occurrence of `needle` that starts on a character boundary, the walk
// beginning at `from` (0-based); -1 when there is none.
int naiveFind(std::string_view text, std::string_view needle, std::size_t from) {
    for (std::size_t at = from; at + needle.size() <= text.size(); at += characterLength(text, at))
        if (text.substr(at, needle.size()) == needle) return static_cast<int>(at + 1);
    return -1;
}

Text lowerAllAscii(std::string_view text) {
    Text out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

Text join(const std::vector<Text>& pieces, std::string_view separator) {
    Text out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) out += separator;
        out += pieces[i];
    }
    return out;
}

bool startsWithBlank(std::string_view text) {
    return !text.empty() && (text.front() == ' ' || text.substr(0, 2) == "\xA1\xA1");
}

void checkFind(std::string_view text, std::string_view needle, int start) {
    const std::size_t from = start > 1 ? static_cast<std::size_t>(start - 1) : 0;
    const int exact = findText(text, needle, start, false);
    if (from > text.size()) {
        FUZZ_REQUIRE(exact == -1);
        return;
    }
    FUZZ_REQUIRE(exact == naiveFind(text, needle, from));
    const int folded = findText(text, needle, start, true);
    FUZZ_REQUIRE(folded == -1 || (folded >= static_cast<int>(from) + 1 &&
                                  static_cast<std::size_t>(folded) - 1 + needle.size() <= text.size()));
    if (folded > 0)
        FUZZ_REQUIRE(lowerAllAscii(text.substr(static_cast<std::size_t>(folded) - 1, needle.size())) ==
                     lowerAllAscii(needle));
    // Ignoring case finds at least what the exact search finds, never later.
    if (exact > 0) FUZZ_REQUIRE(folded > 0 && folded <= exact);
}

void checkSplitAndReplace(std::string_view text, std::string_view separator, std::string_view replacement) {
    const std::vector<Text> pieces = splitText(text, separator);
    if (text.empty()) {
        FUZZ_REQUIRE(pieces.empty());
        return;
    }
    // Joined again, the pieces give the text back, but for an empty piece dropped at the end.
    const Text joined = join(pieces, separator);
    const bool droppedLast = joined != text;
    if (droppedLast) FUZZ_REQUIRE(!separator.empty() && joined + Text(separator) == text);
    if (separator.empty()) return;
    const Text replaced = replaceText(text, separator, replacement);
    FUZZ_REQUIRE(replaced == join(pieces, replacement) + (droppedLast ? Text(replacement) : Text()));
    FUZZ_REQUIRE(replaceText(text, separator, separator) == text);
}

void checkTrim(std::string_view text) {
    const Text trimmed = trimText(text);
    FUZZ_REQUIRE(text.find(trimmed) != std::string_view::npos);
    FUZZ_REQUIRE(!startsWithBlank(trimmed));
    FUZZ_REQUIRE(trimmed.empty() || trimmed.back() != ' ');
    FUZZ_REQUIRE(trimText(trimmed) == trimmed);
}

void checkMarkers(std::string_view text, std::string_view front, std::string_view back, int start) {
    for (bool caseSensitive : {false, true}) {
        const Text between = textBetween(text, front, back, start, caseSensitive);
        FUZZ_REQUIRE(text.find(between) != std::string_view::npos);
    }
    const Text value = headerValue(text);
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        FUZZ_REQUIRE(value.empty());
    } else {
        FUZZ_REQUIRE(text.substr(colon + 1).find(value) != std::string_view::npos);
        FUZZ_REQUIRE(!startsWithBlank(value));
    }
}

}  // namespace
}  // namespace pindora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pindora;
    const auto in = fuzz::fields(data, size, 4);
    const std::string_view text = in[0], a = in[1], b = in[2];
    const int start = in[3].empty() ? 1 : static_cast<signed char>(in[3][0]);
    checkFind(text, a, start);
    checkSplitAndReplace(text, a, b);
    checkTrim(text);
    checkMarkers(text, a, b, start);
    return 0;
}

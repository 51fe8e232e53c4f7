// chopLine over arbitrary texts and widths. Input: a width byte (signed), then the text.
#include "platform/codepage/codepage.h"
#include "skin/chop_line.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::size_t characterLength(std::string_view text, std::size_t at) {
    return pindora::isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pindora;
    if (size == 0) return 0;
    const int width = static_cast<signed char>(data[0]);
    const std::string_view text = fuzz::asText(data + 1, size - 1);
    const std::vector<Text> pieces = chopLine(text, width);
    if (text.empty()) {
        FUZZ_REQUIRE(pieces.empty());
        return 0;
    }
    // The pieces, in order, are the text; each ends on a character boundary.
    std::size_t at = 0;
    std::size_t boundary = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Text& piece = pieces[i];
        FUZZ_REQUIRE(!piece.empty() && text.compare(at, piece.size(), piece) == 0);
        at += piece.size();
        while (boundary < at) boundary += characterLength(text, boundary);
        FUZZ_REQUIRE(boundary == at);
        if (width < 1) continue;
        // An odd width is raised by one; a piece has that many bytes, or one less when a
        // double-byte character follows, and the last one at most that many.
        const std::size_t even = static_cast<std::size_t>(width + width % 2);
        FUZZ_REQUIRE(piece.size() <= even);
        if (i + 1 < pieces.size()) {
            FUZZ_REQUIRE(piece.size() == even || (piece.size() + 1 == even && characterLength(text, at) == 2));
        }
    }
    FUZZ_REQUIRE(at == text.size());
    return 0;
}

// The code page 936 conversions over arbitrary bytes, read as UTF-8, as code page 936 and as
// UTF-16 units. Input: the bytes.
#include <algorithm>

#include "base/types.h"
#include "net/charset.h"
#include "platform/codepage/codepage.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pindora;
    const std::string_view bytes = fuzz::asText(data, size);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });

    // As UTF-8: a character of one to four bytes becomes at most two bytes of code page 936,
    // and a bad byte one "?", so the result is never longer than the input.
    const std::u16string wide = utf8ToUtf16(bytes);
    FUZZ_REQUIRE(wide.size() <= bytes.size());
    FUZZ_REQUIRE(utf8ToWide(toBytes(bytes)).size() == 2 * wide.size());
    const std::string gbk = utf8ToCp936(bytes);
    FUZZ_REQUIRE(gbk.size() <= bytes.size());
    FUZZ_REQUIRE(utf8ToGbk(toBytes(bytes)) == toBytes(gbk));
    if (ascii) FUZZ_REQUIRE(gbk == bytes);
    // Valid UTF-8 (nothing replaced) comes back unchanged from UTF-16.
    if (wide.find(u'\uFFFD') == std::u16string::npos) FUZZ_REQUIRE(utf16ToUtf8(wide) == bytes);

    // As code page 936: one unit per character, so never more units than bytes; a text that
    // decodes without a replacement comes back unchanged.
    const std::u16string units = cp936ToUtf16(bytes);
    FUZZ_REQUIRE(units.size() <= bytes.size());
    const bool replaced = std::count(units.begin(), units.end(), u'?') != std::count(bytes.begin(), bytes.end(), '?');
    if (!replaced) FUZZ_REQUIRE(utf16ToCp936(units) == bytes);
    FUZZ_REQUIRE(cp936ToUtf8(bytes) == utf16ToUtf8(units));

    // As UTF-16 units (lone surrogates included): at most two bytes per unit.
    std::u16string raw(size / 2, u'\0');
    std::copy_n(data, raw.size() * 2, reinterpret_cast<std::uint8_t*>(raw.data()));
    FUZZ_REQUIRE(utf16ToCp936(raw).size() <= 2 * raw.size());
    FUZZ_REQUIRE(utf16ToUtf8(raw).size() <= 3 * raw.size());
    return 0;
}

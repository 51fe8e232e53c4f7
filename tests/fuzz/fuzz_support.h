#pragma once
// Helpers shared by the fuzz targets: cutting one input into fields and failing loudly when a
// property does not hold, so that libFuzzer keeps the input as a crash.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace pindora::fuzz {

// The input cut at each zero byte into at most `count` fields (the last one keeps the rest);
// missing fields are empty. The seeds write their fields separated by zero bytes.
inline std::vector<std::string> fields(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> out;
    while (out.size() + 1 < count) {
        std::size_t zero = rest.find('\0');
        if (zero == std::string_view::npos) break;
        out.emplace_back(rest.substr(0, zero));
        rest.remove_prefix(zero + 1);
    }
    out.emplace_back(rest);
    out.resize(count);
    return out;
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// True when every lead byte is followed by a valid trail byte (0x40 to 0xFE but 0x7F). The text
// helpers pair a lead byte with whatever byte follows it, so in other texts a ";", ":" or "."
// after a lead byte is part of a character, and properties about separators hold only here.
inline bool wellFormedCp936(std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x81 || byte == 0xFF) continue;
        if (at + 1 == text.size()) return false;
        const auto trail = static_cast<unsigned char>(text[++at]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
    }
    return true;
}

[[noreturn]] inline void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, what);
    std::abort();
}

}  // namespace pindora::fuzz

// A property of the code under test; a failure aborts so that libFuzzer records the input.
#define FUZZ_REQUIRE(condition) \
    ((condition) ? (void)0 : ::pindora::fuzz::fail(#condition, __FILE__, __LINE__))

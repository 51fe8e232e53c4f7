#pragma once
// The shared value types of the program.
//
// Text: a byte string in code page 936 (std::string holding cp936 bytes). Bytes: a counted
// byte array (response bodies, picture files). An optional argument is a std::optional:
// "given" is has_value(), so a given empty text differs from an omitted one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pindora {

using Text = std::string;
using Bytes = std::vector<std::uint8_t>;

inline Bytes toBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }
inline Text toText(const Bytes& bytes) { return Text(bytes.begin(), bytes.end()); }

}  // namespace pindora

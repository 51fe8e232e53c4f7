#pragma once
// Text conversions between the program's code page 936 byte strings and the Unicode forms
// that Qt, libcurl and PCRE2 take, with the rules of the Windows converters: an invalid UTF-8
// sequence becomes U+FFFD, a character that code page 936 cannot hold becomes the default
// character "?", and a bad byte never cuts off the rest of a text.

#include <string>
#include <string_view>

namespace pindora {

// True for a byte that starts a two-byte character of code page 936.
constexpr bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);
std::u16string cp936ToUtf16(std::string_view cp936);
std::string utf16ToCp936(std::u16string_view utf16);

// The two one-step conversions. utf8ToCp936 is also how a readable UTF-8 literal in the
// source becomes program text: utf8ToCp936("男生头像").
std::string utf8ToCp936(std::string_view utf8);
std::string cp936ToUtf8(std::string_view cp936);

}  // namespace pindora

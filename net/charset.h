#pragma once
// The request routine's UTF-8 conversions, as bytes.

#include "base/types.h"

namespace pindora {

// UTF-8 bytes to UTF-16 little-endian bytes (invalid sequences become U+FFFD).
Bytes utf8ToWide(const Bytes& utf8);
// UTF-8 bytes to code page 936 bytes, no ending zero (unmappable characters become "?").
Bytes utf8ToGbk(const Bytes& utf8);

}  // namespace pindora

#pragma once
// The program's pictures, compiled into it from the files under assets/images.

#include <cstdint>
#include <span>
#include <string_view>

#include "base/types.h"

namespace pindora {

// The embedded picture file named `name` (its path under assets/images, e.g. "busy.gif");
// an empty span when there is none.
std::span<const std::uint8_t> assetBytes(std::string_view name);

// The same bytes as a buffer of the caller's own; empty when there is no such picture.
Bytes assetCopy(std::string_view name);

}  // namespace pindora

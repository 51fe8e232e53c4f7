#pragma once
// Cutting a long line of text into display lines of a fixed byte width.

#include <string_view>
#include <vector>

#include "base/types.h"

namespace pindora {

// Pieces of at most `width` bytes (an odd width is raised by one), in order. A double-byte
// character is never split: a piece has `width` or `width` - 1 bytes, except the last. The
// empty text gives no piece.
std::vector<Text> chopLine(std::string_view text, int width);

}  // namespace pindora

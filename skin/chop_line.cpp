#include "skin/chop_line.h"

#include <algorithm>

#include "platform/codepage/codepage.h"

namespace pindora {

namespace {

std::size_t characterLength(std::string_view text, std::size_t at) {
  return isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

}  // namespace

std::vector<Text> chopLine(std::string_view text, int width) {
  if (width % 2 != 0) ++width;
  const std::size_t limit = static_cast<std::size_t>(std::max(width, 2));
  std::vector<Text> pieces;
  while (!text.empty()) {
    if (text.size() <= limit) {
      pieces.emplace_back(text);
      break;
    }
    std::size_t count = 0;
    while (count < limit) {
      std::size_t next = characterLength(text, count);
      // One byte short of the width: a double-byte character would cross it, so it starts the
      // next piece.
      if (count + next > limit) break;
      count += next;
    }
    pieces.emplace_back(text.substr(0, count));
    text.remove_prefix(count);
  }
  return pieces;
}

}  // namespace pindora

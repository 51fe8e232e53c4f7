#include "gfx/gx_types.h"

#include "platform/codepage/codepage.h"

namespace pindora {

std::u16string toFlatText(const Text& text) { return cp936ToUtf16(text); }

std::optional<int> listCount(std::size_t listLength, std::optional<int> count) {
  if (!count) return static_cast<int>(listLength);
  if (*count < 0 || static_cast<std::size_t>(*count) > listLength) return std::nullopt;
  return *count;
}

}  // namespace pindora

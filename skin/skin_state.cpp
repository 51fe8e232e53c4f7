#include "skin/skin_state.h"

#include <memory>

namespace pindora {

namespace {
std::unique_ptr<SkinState> instance;
}

bool pointInRectXY(const ChromeRect& rect, int x, int y) {
  return rect.left <= x && x <= rect.left + rect.width && rect.top <= y && y <= rect.top + rect.height;
}

bool pointInRect(const ChromeRect& rect, LParam packed) {
  return pointInRectXY(rect, packedX(packed), packedY(packed));
}

void createSkinState() { instance = std::make_unique<SkinState>(); }

void freeSkinState() { instance.reset(); }

SkinState& skinState() {
  if (!instance) createSkinState();
  return *instance;
}

}  // namespace pindora

#include "skin/skin_pictures.h"

#include <cstdint>

#include "skin/picture_cache.h"
#include "skin/skin_state.h"

namespace pindora {

namespace {

// What of the skin's state the pictures in the cache belong to.
struct SkinLook {
  std::int32_t style = 0;
  std::uint32_t color = 0;
  std::int32_t pictureId = 0;
  const std::uint8_t* picture = nullptr;
  std::size_t pictureSize = 0;
  friend bool operator==(const SkinLook&, const SkinLook&) = default;
};

SkinLook currentLook() {
  const SkinState& state = skinState();
  return {state.skinStyle, state.skinColor, state.skinPictureId, state.skinPicture.data(), state.skinPicture.size()};
}

PictureCache cache;
SkinLook cachedLook;

}  // namespace

GxImage decodePicture(const Bytes& bytes) {
  GxImage image;
  if (!bytes.empty()) image.LoadImageFromStream(bytes);
  return image;
}

void drawPicture(GxGraphics& graphics, const GxImage& image, const ChromeRect& rect) {
  if (!image.GetHandle()) return;
  graphics.DrawImageRect(image, static_cast<float>(rect.left), static_cast<float>(rect.top),
                         static_cast<float>(rect.width), static_cast<float>(rect.height));
}

void drawPicture(GxGraphics& graphics, const Bytes& bytes, const ChromeRect& rect) {
  drawPicture(graphics, chromePictures().picture(bytes), rect);
}

PictureCache& chromePictures() {
  const SkinLook look = currentLook();
  if (look != cachedLook) {
    cache.clear();
    cachedLook = look;
  }
  return cache;
}

void dropDecodedPictures() { cache.clear(); }

}  // namespace pindora

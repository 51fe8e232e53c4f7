#include "skin/picture_cache.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "skin/skin_pictures.h"

namespace pindora {

namespace {

std::size_t contentHash(const Bytes& bytes) {
  return std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::optional<GxArgb> readPixel(GxImage& image, int x, int y) {
  GxArgb color = 0;
  if (!image.GetHandle() || image.BitmapGetPixel(x, y, color) != gdiplus::Ok) return std::nullopt;
  return color;
}

}  // namespace

struct PictureCache::Entry {
  struct Pixel {
    int x, y;
    std::optional<GxArgb> color;
  };

  Bytes bytes;
  std::size_t hash = 0;
  GxImage image;
  bool handedOut = false;  // given to a caller, who may have drawn it
  std::vector<Pixel> pixels;
};

PictureCache::PictureCache() = default;
PictureCache::~PictureCache() = default;

PictureCache::Entry& PictureCache::find(const Bytes& bytes) {
  const std::size_t hash = contentHash(bytes);
  for (const auto& entry : entries_) {
    if (entry->hash == hash && entry->bytes == bytes) return *entry;
  }
  if (entries_.size() >= capacity) clear();
  auto entry = std::make_unique<Entry>();
  entry->bytes = bytes;
  entry->hash = hash;
  entry->image = decodePicture(bytes);
  entries_.push_back(std::move(entry));
  return *entries_.back();
}

const GxImage& PictureCache::picture(const Bytes& bytes) {
  Entry& entry = find(bytes);
  entry.handedOut = true;
  return entry.image;
}

PictureCache::Sampled PictureCache::pictureWithPixel(const Bytes& bytes, int x, int y) {
  Entry& entry = find(bytes);
  auto known = std::find_if(entry.pixels.begin(), entry.pixels.end(),
                            [&](const Entry::Pixel& p) { return p.x == x && p.y == y; });
  if (known == entry.pixels.end()) {
    std::optional<GxArgb> color;
    if (!entry.handedOut) {
      color = readPixel(entry.image, x, y);
    } else {
      GxImage fresh = decodePicture(bytes);  // the kept one may have been drawn already
      color = readPixel(fresh, x, y);
    }
    entry.pixels.push_back({x, y, color});
    known = entry.pixels.end() - 1;
  }
  entry.handedOut = true;
  return {entry.image, known->color};
}

void PictureCache::clear() { entries_.clear(); }

}  // namespace pindora

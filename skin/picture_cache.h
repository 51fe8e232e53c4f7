#pragma once
// PictureCache keeps pictures decoded from their file bytes, found again by the bytes' content
// (not their address: a picture's bytes are often a fresh copy on every paint). A hit is checked
// byte for byte. Every decoded picture is a drawing object: clear the cache before the drawing
// session ends.

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "base/types.h"
#include "gfx/gx_image.h"

namespace pindora {

class PictureCache {
 public:
  // More distinct pictures than this and the cache starts again empty, so that pictures given
  // by callers (navigation icons) cannot make it grow without end.
  static constexpr std::size_t capacity = 64;

  struct Sampled {
    const GxImage& image;
    std::optional<GxArgb> pixel;  // nullopt when the pixel cannot be read
  };

  PictureCache();
  ~PictureCache();
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  // The picture decoded from `bytes`; an empty image (null handle) when they are no picture.
  // The reference is valid until the next call that adds a picture or clears the cache.
  const GxImage& picture(const Bytes& bytes);
  // The same, with the picture's pixel (x, y) as straight ARGB. The pixel is read once, from a
  // picture not yet drawn (after a draw libgdiplus answers 0), and kept with the picture.
  Sampled pictureWithPixel(const Bytes& bytes, int x, int y);

  void clear();
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry;
  Entry& find(const Bytes& bytes);

  std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace pindora

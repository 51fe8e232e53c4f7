#include "platform/gdiplus/drawing_surface.h"

#include "platform/gdiplus/session.h"

namespace pindora::gdiplus {

DrawingSurface::DrawingSurface(int width, int height)
    : width_(width),
      height_(height),
      stride_(width * 4),
      ownBuffer_(width > 0 && height > 0 ? static_cast<std::size_t>(width) * height : 0, 0u),
      pixels_(ownBuffer_.data()) {
  create();
}

DrawingSurface::DrawingSurface(int width, int height, std::uint32_t* pixels, int stride)
    : width_(width), height_(height), stride_(stride), pixels_(pixels) {
  create();
}

void DrawingSurface::create() {
  retainSessionObject();
  if (pixels_ == nullptr || width_ <= 0 || height_ <= 0 || stride_ < width_ * 4) {
    status_ = InvalidParameter;
    return;
  }
  status_ = GdipCreateBitmapFromScan0(width_, height_, stride_, PixelFormat32bppPARGB,
                                      reinterpret_cast<BYTE*>(pixels_), &bitmap_);
  if (status_ != Ok) {
    bitmap_ = nullptr;
    return;
  }
  status_ = GdipGetImageGraphicsContext(bitmap_, &context_);
  if (status_ != Ok) context_ = nullptr;
}

DrawingSurface::~DrawingSurface() {
  if (context_ != nullptr) GdipDeleteGraphics(context_);
  if (bitmap_ != nullptr) GdipDisposeImage(bitmap_);
  releaseSessionObject();
}

std::uint32_t DrawingSurface::pixel(int x, int y) const {
  const auto* row = reinterpret_cast<const std::uint8_t*>(pixels_) + static_cast<std::ptrdiff_t>(y) * stride_;
  return reinterpret_cast<const std::uint32_t*>(row)[x];
}

}  // namespace pindora::gdiplus

#pragma once
// A memory drawing surface: a premultiplied ARGB bitmap over a pixel buffer, laid out exactly
// like QImage::Format_ARGB32_Premultiplied (one uint32 0xAARRGGBB per pixel, rows of `stride`
// bytes, top-down). Its device context is the libgdiplus graphics of that bitmap, which
// GdipCreateFromHDC accepts; whatever is drawn through it lands in the buffer (libgdiplus draws
// into the caller's buffer only in the premultiplied format).
//
// The buffer is either owned by the surface (zeroed: transparent black) or supplied by the
// caller, who keeps it alive and unmoved for the surface's life. The surface counts as a
// session object: it must be released before the GDI+ session ends.

#include <cstdint>
#include <vector>

#include "platform/gdiplus/flat.h"

namespace pindora::gdiplus {

class DrawingSurface {
 public:
  // A surface with its own zeroed buffer; stride is width * 4.
  DrawingSurface(int width, int height);
  // A surface over the caller's buffer: `pixels` points at the top row, rows are `stride` bytes.
  DrawingSurface(int width, int height, std::uint32_t* pixels, int stride);
  ~DrawingSurface();
  DrawingSurface(const DrawingSurface&) = delete;
  DrawingSurface& operator=(const DrawingSurface&) = delete;

  // False when libgdiplus refused the bitmap (no session, bad size); the device context is then null.
  bool valid() const { return context_ != nullptr; }
  Status status() const { return status_; }

  // The device context to pass to GdipCreateFromHDC; valid for the surface's life.
  DeviceContext deviceContext() const { return context_; }
  // The bitmap itself, e.g. for reading pixels through GDI+ (straight ARGB).
  GpBitmap* bitmap() const { return bitmap_; }

  int width() const { return width_; }
  int height() const { return height_; }
  int stride() const { return stride_; }
  // The premultiplied pixels, top row first.
  const std::uint32_t* pixels() const { return pixels_; }
  std::uint32_t* pixels() { return pixels_; }
  // The premultiplied pixel at (x, y), read straight from the buffer.
  std::uint32_t pixel(int x, int y) const;

 private:
  void create();

  int width_;
  int height_;
  int stride_;
  std::vector<std::uint32_t> ownBuffer_;
  std::uint32_t* pixels_;
  GpBitmap* bitmap_ = nullptr;
  GpGraphics* context_ = nullptr;
  Status status_ = Ok;
};

}  // namespace pindora::gdiplus

#pragma once
// Invalidating and painting windows.
//
// Painting happens only while the window handles a Paint message: the procedure asks
// beginPaint for the rectangle to paint, draws into a memory surface of its own and copies the
// surface onto the window with copySurfaceToWindow, then calls endPaint. A popup can instead
// show a picture with per-pixel alpha (showLayeredPicture).

#include <cstdint>
#include <optional>

#include "platform/window/window.h"

namespace pindora {

struct PaintInfo {
  bool painting = false;  // false outside a Paint of this window
  Rect updateRect;        // the bounding rectangle of the part to paint, in window pixels
  bool erase = false;     // an invalidation since the last paint asked for the background erased
};

// A premultiplied ARGB32 picture: uint32 0xAARRGGBB per pixel, rows top-down, `strideBytes`
// apart (the layout of QImage::Format_ARGB32_Premultiplied). Not owned.
struct SurfaceView {
  const std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int strideBytes = 0;
};

PaintInfo beginPaint(WindowHandle window);
// True when a paint of the window was running.
bool endPaint(WindowHandle window);

// Marks a rectangle (the whole window when none) for painting by the next paint. A layered
// window is always marked whole: its picture is replaced whole.
void invalidate(WindowHandle window, std::optional<Rect> rect, bool erase);

// Paints the invalid part of the window now; nothing when nothing is invalid.
void updateNow(WindowHandle window);

// Copies the surface onto the window at (0, 0), replacing the pixels below it (clipped to
// the part being painted). Only while the window handles Paint; false otherwise.
bool copySurfaceToWindow(WindowHandle window, const SurfaceView& surface);

// Gives the window the picture as its whole look with per-pixel alpha, placed with its top
// left at the screen point and sized to the picture. The window keeps showing it on later
// paints. Translucency needs a window made translucent when it was created (every popup is).
bool showLayeredPicture(WindowHandle window, Point screenPosition, const SurfaceView& surface);

}  // namespace pindora

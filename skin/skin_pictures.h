#pragma once
// Decoding the skin's pictures: every picture drawn by the skin is decoded here. The paints of
// the chrome, the message box and the skin picker draw from one cache of decoded pictures, which
// lives until the skin changes.

#include "base/types.h"
#include "gfx/gx_graphics.h"
#include "gfx/gx_image.h"
#include "skin/skin_state.h"

namespace pindora {

class PictureCache;

// The picture decoded from its file bytes; an empty image (null handle) when it cannot be decoded.
GxImage decodePicture(const Bytes& bytes);

// Draws a decoded picture scaled into the rectangle; nothing for an empty image.
void drawPicture(GxGraphics& graphics, const GxImage& image, const ChromeRect& rect);
// Draws the picture of these file bytes scaled into the rectangle, decoded through the cache;
// nothing when the bytes are no picture.
void drawPicture(GxGraphics& graphics, const Bytes& bytes, const ChromeRect& rect);

// The decoded pictures of the skin's paints. It starts again empty whenever the skin's style,
// colour or picture differs from the last call.
PictureCache& chromePictures();

// Empties the paints' cache: when the skin picture is replaced, and before the drawing
// session ends (every decoded picture is a drawing object).
void dropDecodedPictures();

}  // namespace pindora

#pragma once
// Decoding the skin's pictures: every picture drawn by the skin is decoded here. The chrome
// paint draws from one cache of decoded pictures, which lives until the skin changes.

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

// The decoded pictures of the chrome paint. It starts again empty whenever the skin's style,
// colour or picture differs from the last call.
PictureCache& chromePictures();

// Empties the chrome paint's cache: when the skin picture is replaced, and before the drawing
// session ends (every decoded picture is a drawing object).
void dropDecodedPictures();

}  // namespace pindora

#pragma once
// Decoding the skin's pictures: every picture drawn by the skin is decoded here, so that a
// cache of decoded pictures can later sit in this one place.

#include "base/types.h"
#include "gfx/gx_image.h"

namespace pindora {

// The picture decoded from its file bytes; an empty image (null handle) when it cannot be decoded.
GxImage decodePicture(const Bytes& bytes);

}  // namespace pindora

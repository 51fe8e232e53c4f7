#pragma once
// The system clipboard.

#include "base/types.h"

namespace pindora {

// Decodes the picture (PNG, JPEG or GIF bytes; the first frame of an animation) and puts it
// on the clipboard as an image. False, with the clipboard left alone, when the bytes do not
// decode. Needs the application object; window thread only.
bool copyPictureToClipboard(const Bytes& picture);

}  // namespace pindora

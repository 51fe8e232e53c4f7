#include "skin/skin_pictures.h"

namespace pindora {

GxImage decodePicture(const Bytes& bytes) {
  GxImage image;
  if (!bytes.empty()) image.LoadImageFromStream(bytes);
  return image;
}

}  // namespace pindora

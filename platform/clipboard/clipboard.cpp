#include "platform/clipboard/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace pindora {

bool copyPictureToClipboard(const Bytes& picture) {
  QImage image;
  if (picture.empty() || !image.loadFromData(picture.data(), static_cast<int>(picture.size()))) return false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setImage(image);
  return true;
}

}  // namespace pindora

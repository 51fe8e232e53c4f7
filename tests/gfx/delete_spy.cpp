#include "tests/gfx/delete_spy.h"

#include <dlfcn.h>

#include "platform/gdiplus/flat.h"

namespace pindora::test {
namespace {

std::vector<void*>& brushes() {
  static std::vector<void*> list;
  return list;
}

std::vector<void*>& images() {
  static std::vector<void*> list;
  return list;
}

template <typename Function>
Function next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

const std::vector<void*>& deletedBrushes() { return brushes(); }
const std::vector<void*>& disposedImages() { return images(); }

void clearDeleteSpy() {
  brushes().clear();
  images().clear();
}

}  // namespace pindora::test

namespace pindora::gdiplus {

extern "C" Status GdipDeleteBrush(GpBrush* brush) {
  static const auto real = test::next<Status (*)(GpBrush*)>("GdipDeleteBrush");
  test::brushes().push_back(brush);
  return real(brush);
}

extern "C" Status GdipDisposeImage(GpImage* image) {
  static const auto real = test::next<Status (*)(GpImage*)>("GdipDisposeImage");
  test::images().push_back(image);
  return real(image);
}

}  // namespace pindora::gdiplus

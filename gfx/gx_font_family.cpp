#include "gfx/gx_font_family.h"

#include <utility>

namespace pindora {

using namespace gdiplus;

GxFontFamily::GxFontFamily(GxFontFamily&& other) noexcept
    : GxSessionObject(other), handle_(std::exchange(other.handle_, nullptr)) {}

GxFontFamily& GxFontFamily::operator=(GxFontFamily&& other) noexcept {
  if (this != &other) Attach(std::exchange(other.handle_, nullptr));
  return *this;
}

GxFontFamily::~GxFontFamily() { DeleteFontFamily(); }

GxFontFamily GxFontFamily::Copy() const {
  GxFontFamily copy;
  GpFontFamily* created = nullptr;
  GdipCloneFontFamily(handle_, &created);
  copy.Attach(created);
  return copy;
}

GxStatus GxFontFamily::DeleteFontFamily() {
  if (handle_ == nullptr) return Ok;
  const GxStatus status = GdipDeleteFontFamily(handle_);
  handle_ = nullptr;
  return status;
}

GxStatus GxFontFamily::CreateFontFamilyFromName(const Text& name) {
  const std::u16string wide = toFlatText(name);
  GpFontFamily* created = nullptr;
  const GxStatus status = GdipCreateFontFamilyFromName(wide.c_str(), nullptr, &created);
  Attach(created);
  return status;
}

void GxFontFamily::Attach(Handle handle) {
  if (handle == handle_) return;  // deleting the held object would leave it dangling
  DeleteFontFamily();
  handle_ = handle;
}

}  // namespace pindora

#include "gfx/gx_font.h"

#include <utility>

#include "gfx/gx_font_family.h"
#include "gfx/gx_graphics.h"

namespace pindora {

using namespace gdiplus;

GxFont::GxFont(GxFont&& other) noexcept : GxSessionObject(other), handle_(std::exchange(other.handle_, nullptr)) {}

GxFont& GxFont::operator=(GxFont&& other) noexcept {
  if (this != &other) Attach(std::exchange(other.handle_, nullptr));
  return *this;
}

GxFont::~GxFont() { DeleteFont(); }

GxFont GxFont::Copy() const {
  GxFont copy;
  GpFont* created = nullptr;
  GdipCloneFont(handle_, &created);
  copy.Attach(created);
  return copy;
}

GxStatus GxFont::DeleteFont() {
  if (handle_ == nullptr) return Ok;
  const GxStatus status = GdipDeleteFont(handle_);
  handle_ = nullptr;
  return status;
}

GxStatus GxFont::CreateFont(const Text& familyName, float emSize, int style, int unit) {
  GxFontFamily family;
  family.CreateFontFamilyFromName(familyName);
  GpFont* created = nullptr;
  const GxStatus status = GdipCreateFont(family.GetHandle(), emSize, style, unit, &created);
  Attach(created);
  return status;
}

GxStatus GxFont::CreateFontFromDC(DeviceContext dc) {
  GpFont* created = nullptr;
  const GxStatus status = GdipCreateFontFromDC(dc, &created);
  Attach(created);
  return status;
}

void GxFont::Attach(Handle handle) {
  if (handle == handle_) return;  // deleting the held object would leave it dangling
  DeleteFont();
  handle_ = handle;
}

GxStatus GxFont::GetFontStyle(int& style) { return GdipGetFontStyle(handle_, &style); }
GxStatus GxFont::GetFontSize(float& size) { return GdipGetFontSize(handle_, &size); }
GxStatus GxFont::GetFontUnit(int& unit) { return GdipGetFontUnit(handle_, &unit); }
GxStatus GxFont::GetFontHeight(const GxGraphics& graphics, float& height) {
  return GdipGetFontHeight(handle_, graphics.GetHandle(), &height);
}

}  // namespace pindora

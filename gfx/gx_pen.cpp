#include "gfx/gx_pen.h"

#include <utility>

#include "gfx/gx_brush.h"

namespace pindora {

using namespace gdiplus;

GxPen::GxPen(GxPen&& other) noexcept : GxSessionObject(other), handle_(std::exchange(other.handle_, nullptr)) {}

GxPen& GxPen::operator=(GxPen&& other) noexcept {
  if (this != &other) Attach(std::exchange(other.handle_, nullptr));
  return *this;
}

GxPen::~GxPen() { DeletePen(); }

GxPen GxPen::Copy() const {
  GxPen copy;
  ClonePen(copy);
  return copy;
}

GxStatus GxPen::DeletePen() {
  if (handle_ == nullptr) return Ok;
  const GxStatus status = GdipDeletePen(handle_);
  handle_ = nullptr;
  return status;
}

GxStatus GxPen::CreatePen1(GxArgb color, float width) {
  GpPen* created = nullptr;
  const GxStatus status = GdipCreatePen1(color, width, 0, &created);
  Attach(created);
  return status;
}

GxStatus GxPen::CreatePen2(const GxBrush& brush, float width) {
  GpPen* created = nullptr;
  const GxStatus status = GdipCreatePen2(brush.GetHandle(), width, 0, &created);
  Attach(created);
  return status;
}

GxStatus GxPen::ClonePen(GxPen& clone) const {
  GpPen* created = nullptr;
  const GxStatus status = GdipClonePen(handle_, &created);
  clone.Attach(created);
  return status;
}

void GxPen::Attach(Handle handle) {
  if (handle == handle_) return;  // deleting the held object would leave it dangling
  DeletePen();
  handle_ = handle;
}

GxStatus GxPen::SetPenWidth(float width) { return GdipSetPenWidth(handle_, width); }
GxStatus GxPen::GetPenWidth(float& width) { return GdipGetPenWidth(handle_, &width); }
GxStatus GxPen::SetPenLineCap197819(int startCap, int endCap, int dashCap) {
  return GdipSetPenLineCap197819(handle_, startCap, endCap, dashCap);
}
GxStatus GxPen::SetPenStartCap(int cap) { return GdipSetPenStartCap(handle_, cap); }
GxStatus GxPen::SetPenEndCap(int cap) { return GdipSetPenEndCap(handle_, cap); }
GxStatus GxPen::SetPenDashCap197819(int cap) { return GdipSetPenDashCap197819(handle_, cap); }
GxStatus GxPen::GetPenStartCap(int& cap) { return GdipGetPenStartCap(handle_, &cap); }
GxStatus GxPen::GetPenEndCap(int& cap) { return GdipGetPenEndCap(handle_, &cap); }
GxStatus GxPen::GetPenDashCap197819(int& cap) { return GdipGetPenDashCap197819(handle_, &cap); }
GxStatus GxPen::SetPenLineJoin(int join) { return GdipSetPenLineJoin(handle_, join); }
GxStatus GxPen::GetPenLineJoin(int& join) { return GdipGetPenLineJoin(handle_, &join); }
GxStatus GxPen::SetPenMiterLimit(float limit) { return GdipSetPenMiterLimit(handle_, limit); }
GxStatus GxPen::GetPenMiterLimit(float& limit) { return GdipGetPenMiterLimit(handle_, &limit); }
GxStatus GxPen::SetPenMode(int alignment) { return GdipSetPenMode(handle_, alignment); }
GxStatus GxPen::GetPenMode(int& alignment) { return GdipGetPenMode(handle_, &alignment); }
GxStatus GxPen::GetPenFillType(int& type) { return GdipGetPenFillType(handle_, &type); }
GxStatus GxPen::SetPenColor(GxArgb color) { return GdipSetPenColor(handle_, color); }
GxStatus GxPen::GetPenColor(GxArgb& color) { return GdipGetPenColor(handle_, &color); }
GxStatus GxPen::SetPenBrushFill(const GxBrush& brush) { return GdipSetPenBrushFill(handle_, brush.GetHandle()); }

GxStatus GxPen::GetPenBrushFill(GxBrush& brush) {
  GpBrush* created = nullptr;
  const GxStatus status = GdipGetPenBrushFill(handle_, &created);
  brush.Attach(created);
  return status;
}

GxStatus GxPen::SetPenDashStyle(int style) { return GdipSetPenDashStyle(handle_, style); }
GxStatus GxPen::GetPenDashStyle(int& style) { return GdipGetPenDashStyle(handle_, &style); }
GxStatus GxPen::SetPenDashOffset(float offset) { return GdipSetPenDashOffset(handle_, offset); }
GxStatus GxPen::GetPenDashOffset(float& offset) { return GdipGetPenDashOffset(handle_, &offset); }

GxStatus GxPen::SetPenDashArray(const std::vector<float>& dashes, int count) {
  if (!listCount(dashes.size(), count)) return InvalidParameter;
  return GdipSetPenDashArray(handle_, dashes.data(), count);
}

GxStatus GxPen::GetPenDashArray(std::vector<float>& dashes, int count) {
  if (count < 0) return InvalidParameter;
  if (dashes.size() < static_cast<std::size_t>(count)) dashes.resize(static_cast<std::size_t>(count));
  return GdipGetPenDashArray(handle_, dashes.data(), count);
}

GxStatus GxPen::GetPenDashCount(int& count) { return GdipGetPenDashCount(handle_, &count); }

GxStatus GxPen::SetPenCompoundArray(const std::vector<float>& compounds, int count) {
  if (!listCount(compounds.size(), count)) return InvalidParameter;
  return GdipSetPenCompoundArray(handle_, compounds.data(), count);
}

GxStatus GxPen::GetPenCompoundArray(std::vector<float>& compounds, int count) {
  if (count < 0) return InvalidParameter;
  if (compounds.size() < static_cast<std::size_t>(count)) compounds.resize(static_cast<std::size_t>(count));
  return GdipGetPenCompoundArray(handle_, compounds.data(), count);
}

GxStatus GxPen::GetPenCompoundCount(int& count) { return GdipGetPenCompoundCount(handle_, &count); }
GxStatus GxPen::SetPenUnit(int unit) { return GdipSetPenUnit(handle_, unit); }
GxStatus GxPen::GetPenUnit(int& unit) { return GdipGetPenUnit(handle_, &unit); }
GxStatus GxPen::SetPenTransform(GpMatrix* matrix) { return GdipSetPenTransform(handle_, matrix); }
GxStatus GxPen::GetPenTransform(GpMatrix* matrix) { return GdipGetPenTransform(handle_, matrix); }
GxStatus GxPen::ResetPenTransform() { return GdipResetPenTransform(handle_); }
GxStatus GxPen::MultiplyPenTransform(const GpMatrix* matrix, int order) {
  return GdipMultiplyPenTransform(handle_, matrix, order);
}
GxStatus GxPen::TranslatePenTransform(float dx, float dy, int order) {
  return GdipTranslatePenTransform(handle_, dx, dy, order);
}
GxStatus GxPen::ScalePenTransform(float sx, float sy, int order) {
  return GdipScalePenTransform(handle_, sx, sy, order);
}
GxStatus GxPen::RotatePenTransform(float angle, int order) { return GdipRotatePenTransform(handle_, angle, order); }

}  // namespace pindora

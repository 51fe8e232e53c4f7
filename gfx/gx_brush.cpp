#include "gfx/gx_brush.h"

#include <utility>

#include "gfx/gx_image.h"
#include "gfx/gx_path.h"

namespace pindora {

using namespace gdiplus;

namespace {

bool fits(std::size_t length, int count) { return count >= 0 && static_cast<std::size_t>(count) <= length; }

template <typename T>
void ensureLength(std::vector<T>& list, int count) {
  if (count > 0 && list.size() < static_cast<std::size_t>(count)) list.resize(static_cast<std::size_t>(count));
}

}  // namespace

GxBrush::GxBrush(GxBrush&& other) noexcept : GxSessionObject(other), handle_(std::exchange(other.handle_, nullptr)) {}

GxBrush& GxBrush::operator=(GxBrush&& other) noexcept {
  if (this != &other) Attach(std::exchange(other.handle_, nullptr));
  return *this;
}

GxBrush::~GxBrush() { DeleteBrush(); }

GxBrush GxBrush::Copy() const {
  GxBrush copy;
  CloneBrush(copy);
  return copy;
}

GxStatus GxBrush::DeleteBrush() {
  if (handle_ == nullptr) return Ok;
  const GxStatus status = GdipDeleteBrush(handle_);
  handle_ = nullptr;
  return status;
}

GxStatus GxBrush::CreateSolidFill(GxArgb color) {
  GpBrush* created = nullptr;
  const GxStatus status = GdipCreateSolidFill(color, &created);
  Attach(created);
  return status;
}

void GxBrush::Attach(Handle handle) {
  if (handle == handle_) return;  // deleting the held object would leave it dangling
  DeleteBrush();
  handle_ = handle;
}

GxStatus GxBrush::CloneBrush(GxBrush& clone) const {
  GpBrush* created = nullptr;
  const GxStatus status = GdipCloneBrush(handle_, &created);
  clone.Attach(created);
  return status;
}

GxStatus GxBrush::GetBrushType(int& type) { return GdipGetBrushType(handle_, &type); }
GxStatus GxBrush::SetSolidFillColor(GxArgb color) { return GdipSetSolidFillColor(handle_, color); }
GxStatus GxBrush::GetSolidFillColor(GxArgb& color) { return GdipGetSolidFillColor(handle_, &color); }

GxStatus GxBrush::CreateHatchBrush(int hatchStyle, GxArgb foreColor, GxArgb backColor) {
  GpBrush* created = nullptr;
  const GxStatus status = GdipCreateHatchBrush(hatchStyle, foreColor, backColor, &created);
  Attach(created);
  return status;
}

GxStatus GxBrush::GetHatchStyle(int& hatchStyle) { return GdipGetHatchStyle(handle_, &hatchStyle); }
GxStatus GxBrush::GetHatchForegroundColor(GxArgb& color) { return GdipGetHatchForegroundColor(handle_, &color); }
GxStatus GxBrush::GetHatchBackgroundColor(GxArgb& color) { return GdipGetHatchBackgroundColor(handle_, &color); }

GxStatus GxBrush::CreateLineBrush(const GxPointF& point1, const GxPointF& point2, GxArgb color1, GxArgb color2) {
  GpBrush* created = nullptr;
  const GxStatus status = GdipCreateLineBrush(&point1, &point2, color1, color2, 0, &created);
  Attach(created);
  return status;
}

GxStatus GxBrush::CreateLineBrushFromRect(const GxRectF& rect, GxArgb color1, GxArgb color2, int mode) {
  GpBrush* created = nullptr;
  const GxStatus status = GdipCreateLineBrushFromRect(&rect, color1, color2, mode, 0, &created);
  Attach(created);
  return status;
}

GxStatus GxBrush::CreateLineBrushFromRectWithAngle(const GxRectF& rect, GxArgb color1, GxArgb color2, float angle,
                                                   bool isAngleScalable) {
  GpBrush* created = nullptr;
  const GxStatus status =
      GdipCreateLineBrushFromRectWithAngle(&rect, color1, color2, angle, isAngleScalable ? 1 : 0, 0, &created);
  Attach(created);
  return status;
}

GxStatus GxBrush::SetLineColors(GxArgb color1, GxArgb color2) { return GdipSetLineColors(handle_, color1, color2); }

GxStatus GxBrush::GetLineColors(GxArgb& color1, GxArgb& color2) {
  ARGB colors[2] = {color1, color2};
  const GxStatus status = GdipGetLineColors(handle_, colors);
  color1 = colors[0];
  color2 = colors[1];
  return status;
}

GxStatus GxBrush::GetLineRect(GxRectF& rect) { return GdipGetLineRect(handle_, &rect); }

GxStatus GxBrush::SetLineGammaCorrection(bool useGammaCorrection) {
  return GdipSetLineGammaCorrection(handle_, useGammaCorrection ? 1 : 0);
}

GxStatus GxBrush::GetLineGammaCorrection(bool& useGammaCorrection) {
  BOOL flag = useGammaCorrection ? 1 : 0;
  const GxStatus status = GdipGetLineGammaCorrection(handle_, &flag);
  useGammaCorrection = flag != 0;
  return status;
}

GxStatus GxBrush::GetLineBlendCount(int& count) { return GdipGetLineBlendCount(handle_, &count); }

GxStatus GxBrush::SetLineBlend(const std::vector<float>& blend, const std::vector<float>& positions, int count) {
  if (!fits(blend.size(), count) || !fits(positions.size(), count)) return InvalidParameter;
  return GdipSetLineBlend(handle_, blend.data(), positions.data(), count);
}

GxStatus GxBrush::GetLineBlend(std::vector<float>& blend, std::vector<float>& positions, int count) {
  if (count < 0) return InvalidParameter;
  ensureLength(blend, count);
  ensureLength(positions, count);
  return GdipGetLineBlend(handle_, blend.data(), positions.data(), count);
}

GxStatus GxBrush::GetLinePresetBlendCount(int& count) { return GdipGetLinePresetBlendCount(handle_, &count); }

GxStatus GxBrush::SetLinePresetBlend(const std::vector<GxArgb>& blend, const std::vector<float>& positions,
                                     int count) {
  if (!fits(blend.size(), count) || !fits(positions.size(), count)) return InvalidParameter;
  return GdipSetLinePresetBlend(handle_, blend.data(), positions.data(), count);
}

GxStatus GxBrush::GetLinePresetBlend(std::vector<GxArgb>& blend, std::vector<float>& positions, int count) {
  if (count < 0) return InvalidParameter;
  ensureLength(blend, count);
  ensureLength(positions, count);
  return GdipGetLinePresetBlend(handle_, blend.data(), positions.data(), count);
}

GxStatus GxBrush::SetLineSigmaBlend(float focus, float scale) { return GdipSetLineSigmaBlend(handle_, focus, scale); }
GxStatus GxBrush::SetLineLinearBlend(float focus, float scale) {
  return GdipSetLineLinearBlend(handle_, focus, scale);
}
GxStatus GxBrush::SetLineWrapMode(int wrapMode) { return GdipSetLineWrapMode(handle_, wrapMode); }
GxStatus GxBrush::GetLineWrapMode(int& wrapMode) { return GdipGetLineWrapMode(handle_, &wrapMode); }

GxStatus GxBrush::CreateTexture(const GxImage& image, int wrapMode) {
  GpBrush* created = nullptr;
  const GxStatus status = GdipCreateTexture(image.GetHandle(), wrapMode, &created);
  Attach(created);
  return status;
}

GxStatus GxBrush::CreateTexture2(const GxImage& image, float x, float y, float width, float height, int wrapMode) {
  GpBrush* created = nullptr;
  const GxStatus status = GdipCreateTexture2(image.GetHandle(), wrapMode, x, y, width, height, &created);
  Attach(created);
  return status;
}

GxStatus GxBrush::SetTextureWrapMode(int wrapMode) { return GdipSetTextureWrapMode(handle_, wrapMode); }
GxStatus GxBrush::GetTextureWrapMode(int& wrapMode) { return GdipGetTextureWrapMode(handle_, &wrapMode); }

GxStatus GxBrush::GetTextureImage(GxImage& image) {
  GpImage* created = nullptr;
  const GxStatus status = GdipGetTextureImage(handle_, &created);
  image.Attach(created);
  return status;
}

GxStatus GxBrush::SetTextureTransform(const GpMatrix* matrix) { return GdipSetTextureTransform(handle_, matrix); }
GxStatus GxBrush::GetTextureTransform(GpMatrix* matrix) { return GdipGetTextureTransform(handle_, matrix); }
GxStatus GxBrush::ResetTextureTransform() { return GdipResetTextureTransform(handle_); }
GxStatus GxBrush::MultiplyTextureTransform(const GpMatrix* matrix, int order) {
  return GdipMultiplyTextureTransform(handle_, matrix, order);
}
GxStatus GxBrush::TranslateTextureTransform(float dx, float dy, int order) {
  return GdipTranslateTextureTransform(handle_, dx, dy, order);
}
GxStatus GxBrush::ScaleTextureTransform(float sx, float sy, int order) {
  return GdipScaleTextureTransform(handle_, sx, sy, order);
}
GxStatus GxBrush::RotateTextureTransform(float angle, int order) {
  return GdipRotateTextureTransform(handle_, angle, order);
}

GxStatus GxBrush::SetLineTransform(const GpMatrix* matrix) { return GdipSetLineTransform(handle_, matrix); }
GxStatus GxBrush::GetLineTransform(GpMatrix* matrix) { return GdipGetLineTransform(handle_, matrix); }
GxStatus GxBrush::ResetLineTransform() { return GdipResetLineTransform(handle_); }
GxStatus GxBrush::MultiplyLineTransform(const GpMatrix* matrix, int order) {
  return GdipMultiplyLineTransform(handle_, matrix, order);
}
GxStatus GxBrush::TranslateLineTransform(float dx, float dy, int order) {
  return GdipTranslateLineTransform(handle_, dx, dy, order);
}
GxStatus GxBrush::ScaleLineTransform(float sx, float sy, int order) {
  return GdipScaleLineTransform(handle_, sx, sy, order);
}
GxStatus GxBrush::RotateLineTransform(float angle, int order) {
  return GdipRotateLineTransform(handle_, angle, order);
}

GxStatus GxBrush::CreatePathGradient(std::span<const GxPointF> points, int count, int wrapMode) {
  if (!fits(points.size(), count)) return InvalidParameter;
  GpBrush* created = nullptr;
  const GxStatus status = GdipCreatePathGradient(points.data(), count, wrapMode, &created);
  Attach(created);
  return status;
}

GxStatus GxBrush::CreatePathGradientFromPath(const GxPath& path) {
  GpBrush* created = nullptr;
  const GxStatus status = GdipCreatePathGradientFromPath(path.GetHandle(), &created);
  Attach(created);
  return status;
}

GxStatus GxBrush::SetPathGradientCenterColor(GxArgb color) { return GdipSetPathGradientCenterColor(handle_, color); }
GxStatus GxBrush::GetPathGradientCenterColor(GxArgb& color) {
  return GdipGetPathGradientCenterColor(handle_, &color);
}
GxStatus GxBrush::GetPathGradientTransform(GpMatrix* matrix) {
  return GdipGetPathGradientTransform(handle_, matrix);
}
GxStatus GxBrush::SetPathGradientTransform(GpMatrix* matrix) {
  return GdipSetPathGradientTransform(handle_, matrix);
}
GxStatus GxBrush::ResetPathGradientTransform() { return GdipResetPathGradientTransform(handle_); }
GxStatus GxBrush::MultiplyPathGradientTransform(const GpMatrix* matrix, int order) {
  return GdipMultiplyPathGradientTransform(handle_, matrix, order);
}
GxStatus GxBrush::TranslatePathGradientTransform(float dx, float dy, int order) {
  return GdipTranslatePathGradientTransform(handle_, dx, dy, order);
}
GxStatus GxBrush::ScalePathGradientTransform(float sx, float sy, int order) {
  return GdipScalePathGradientTransform(handle_, sx, sy, order);
}
GxStatus GxBrush::RotatePathGradientTransform(float angle, int order) {
  return GdipRotatePathGradientTransform(handle_, angle, order);
}
GxStatus GxBrush::SetPathGradientPath(const GxPath& path) { return GdipSetPathGradientPath(handle_, path.GetHandle()); }
GxStatus GxBrush::GetPathGradientPath(GxPath& path) { return GdipGetPathGradientPath(handle_, path.GetHandle()); }
GxStatus GxBrush::SetPathGradientCenterPoint(const GxPointF& point) {
  return GdipSetPathGradientCenterPoint(handle_, &point);
}
GxStatus GxBrush::GetPathGradientCenterPoint(GxPointF& point) {
  return GdipGetPathGradientCenterPoint(handle_, &point);
}
GxStatus GxBrush::GetPathGradientRect(GxRectF& rect) { return GdipGetPathGradientRect(handle_, &rect); }
GxStatus GxBrush::SetPathGradientWrapMode(int wrapMode) { return GdipSetPathGradientWrapMode(handle_, wrapMode); }
GxStatus GxBrush::GetPathGradientWrapMode(int& wrapMode) { return GdipGetPathGradientWrapMode(handle_, &wrapMode); }

}  // namespace pindora

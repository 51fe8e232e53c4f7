#include "gfx/gx_graphics.h"

#include "gfx/gx_brush.h"
#include "gfx/gx_font.h"
#include "gfx/gx_image.h"
#include "gfx/gx_path.h"
#include "gfx/gx_pen.h"

namespace pindora {

using namespace gdiplus;

GxGraphics::~GxGraphics() { DeleteGraphics(); }

GxStatus GxGraphics::DeleteGraphics() {
  if (handle_ == nullptr) return Ok;
  const GxStatus status = GdipDeleteGraphics(handle_);
  handle_ = nullptr;
  return status;
}

void GxGraphics::Attach(Handle handle) {
  if (handle == handle_) return;  // deleting the held object would leave it dangling
  DeleteGraphics();
  handle_ = handle;
}

GxStatus GxGraphics::GetImageGraphicsContext(const GxImage& image) {
  GpGraphics* created = nullptr;
  const GxStatus status = GdipGetImageGraphicsContext(image.GetHandle(), &created);
  Attach(created);
  return status;
}

GxStatus GxGraphics::CreateFromHWND(WindowHandle window) {
  GpGraphics* created = nullptr;
  const GxStatus status = GdipCreateFromHWND(window, &created);
  Attach(created);
  return status;
}

GxStatus GxGraphics::CreateFromHDC(DeviceContext dc) {
  GpGraphics* created = nullptr;
  const GxStatus status = GdipCreateFromHDC(dc, &created);
  Attach(created);
  return status;
}

GxStatus GxGraphics::DrawCurve3(const GxPen& pen, std::span<const GxPointF> points, std::optional<int> count,
                                int offset, std::optional<int> numberOfSegments, float tension) {
  const auto n = listCount(points.size(), count);
  if (!n) return InvalidParameter;
  return GdipDrawCurve3(handle_, pen.GetHandle(), points.data(), *n, offset, numberOfSegments.value_or(*n - 1),
                        tension);
}

GxStatus GxGraphics::DrawLines(const GxPen& pen, std::span<const GxPointF> points, std::optional<int> count) {
  const auto n = listCount(points.size(), count);
  if (!n) return InvalidParameter;
  return GdipDrawLines(handle_, pen.GetHandle(), points.data(), *n);
}

GxStatus GxGraphics::DrawLine(const GxPen& pen, float x1, float y1, float x2, float y2) {
  return GdipDrawLine(handle_, pen.GetHandle(), x1, y1, x2, y2);
}

GxStatus GxGraphics::SetSmoothingMode(int mode) { return GdipSetSmoothingMode(handle_, mode); }

GxStatus GxGraphics::GetSmoothingMode(int& mode) {
  mode = -1;
  return GdipGetSmoothingMode(handle_, &mode);
}

GxStatus GxGraphics::SetTextRenderingHint(int hint) { return GdipSetTextRenderingHint(handle_, hint); }

GxStatus GxGraphics::GetTextRenderingHint(int& hint) { return GdipGetTextRenderingHint(handle_, &hint); }

GxStatus GxGraphics::DrawString(const Text& text, float x, float y, const GxFont& font, const GxBrush& brush) {
  const std::u16string wide = toFlatText(text);
  const GpRectF layout{x, y, 0, 0};
  return GdipDrawString(handle_, wide.c_str(), static_cast<INT>(wide.size()), font.GetHandle(), &layout, nullptr,
                        brush.GetHandle());
}

GxStatus GxGraphics::GetDC(DeviceContext& dc) { return GdipGetDC(handle_, &dc); }

GxStatus GxGraphics::ReleaseDC(DeviceContext dc) { return GdipReleaseDC(handle_, dc); }

GxStatus GxGraphics::FillRectangle(const GxBrush& brush, float x, float y, float width, float height) {
  return GdipFillRectangle(handle_, brush.GetHandle(), x, y, width, height);
}

GxStatus GxGraphics::GraphicsClear(GxArgb color) { return GdipGraphicsClear(handle_, color); }

GxStatus GxGraphics::DrawClosedCurve2(const GxPen& pen, std::span<const GxPointF> points,
                                      std::optional<int> count, float tension) {
  const auto n = listCount(points.size(), count);
  if (!n) return InvalidParameter;
  return GdipDrawClosedCurve2(handle_, pen.GetHandle(), points.data(), *n, tension);
}

GxStatus GxGraphics::DrawArc(const GxPen& pen, float x, float y, float width, float height, float startAngle,
                             float sweepAngle) {
  return GdipDrawArc(handle_, pen.GetHandle(), x, y, width, height, startAngle, sweepAngle);
}

GxStatus GxGraphics::DrawBezier(const GxPen& pen, float x1, float y1, float x2, float y2, float x3, float y3,
                                float x4, float y4) {
  return GdipDrawBezier(handle_, pen.GetHandle(), x1, y1, x2, y2, x3, y3, x4, y4);
}

GxStatus GxGraphics::DrawBeziers(const GxPen& pen, std::span<const GxPointF> points, int count) {
  if (!listCount(points.size(), count)) return InvalidParameter;
  return GdipDrawBeziers(handle_, pen.GetHandle(), points.data(), count);
}

GxStatus GxGraphics::DrawRectangle(const GxPen& pen, float x, float y, float width, float height) {
  return GdipDrawRectangle(handle_, pen.GetHandle(), x, y, width, height);
}

GxStatus GxGraphics::DrawRectangles(const GxPen& pen, std::span<const GxRectF> rects, int count) {
  if (!listCount(rects.size(), count)) return InvalidParameter;
  return GdipDrawRectangles(handle_, pen.GetHandle(), rects.data(), count);
}

GxStatus GxGraphics::DrawEllipse(const GxPen& pen, float x, float y, float width, float height) {
  return GdipDrawEllipse(handle_, pen.GetHandle(), x, y, width, height);
}

GxStatus GxGraphics::DrawPie(const GxPen& pen, float x, float y, float width, float height, float startAngle,
                             float sweepAngle) {
  return GdipDrawPie(handle_, pen.GetHandle(), x, y, width, height, startAngle, sweepAngle);
}

GxStatus GxGraphics::DrawPolygon(const GxPen& pen, std::span<const GxPointF> points, int count) {
  if (!listCount(points.size(), count)) return InvalidParameter;
  return GdipDrawPolygon(handle_, pen.GetHandle(), points.data(), count);
}

GxStatus GxGraphics::FillRectangles(const GxBrush& brush, std::span<const GxRectF> rects, int count) {
  if (!listCount(rects.size(), count)) return InvalidParameter;
  return GdipFillRectangles(handle_, brush.GetHandle(), rects.data(), count);
}

GxStatus GxGraphics::FillPolygon(const GxBrush& brush, std::span<const GxPointF> points, int count,
                                 int fillMode) {
  if (!listCount(points.size(), count)) return InvalidParameter;
  return GdipFillPolygon(handle_, brush.GetHandle(), points.data(), count, fillMode);
}

GxStatus GxGraphics::FillEllipse(const GxBrush& brush, float x, float y, float width, float height) {
  return GdipFillEllipse(handle_, brush.GetHandle(), x, y, width, height);
}

GxStatus GxGraphics::FillPie(const GxBrush& brush, float x, float y, float width, float height, float startAngle,
                             float sweepAngle) {
  return GdipFillPie(handle_, brush.GetHandle(), x, y, width, height, startAngle, sweepAngle);
}

GxStatus GxGraphics::FillClosedCurve2(const GxBrush& brush, std::span<const GxPointF> points,
                                      std::optional<int> count, float tension, int fillMode) {
  const auto n = listCount(points.size(), count);
  if (!n) return InvalidParameter;
  return GdipFillClosedCurve2(handle_, brush.GetHandle(), points.data(), *n, tension, fillMode);
}

GxStatus GxGraphics::DrawPath(const GxPen& pen, const GxPath& path) {
  return GdipDrawPath(handle_, pen.GetHandle(), path.GetHandle());
}

GxStatus GxGraphics::FillPath(const GxBrush& brush, const GxPath& path) {
  return GdipFillPath(handle_, brush.GetHandle(), path.GetHandle());
}

GxStatus GxGraphics::FillRegion(const GxBrush& brush, GpRegion* region) {
  return GdipFillRegion(handle_, brush.GetHandle(), region);
}

GxStatus GxGraphics::DrawImage(const GxImage& image, float x, float y) {
  return GdipDrawImage(handle_, image.GetHandle(), x, y);
}

GxStatus GxGraphics::DrawImageRect(const GxImage& image, float x, float y, float width, float height) {
  return GdipDrawImageRect(handle_, image.GetHandle(), x, y, width, height);
}

GxStatus GxGraphics::DrawImageRectRect(const GxImage& image, float dstX, float dstY, float dstWidth,
                                       float dstHeight, float srcX, float srcY, float srcWidth, float srcHeight,
                                       int srcUnit) {
  return GdipDrawImageRectRect(handle_, image.GetHandle(), dstX, dstY, dstWidth, dstHeight, srcX, srcY, srcWidth,
                               srcHeight, srcUnit, nullptr, nullptr, nullptr);
}

GxStatus GxGraphics::DrawImagePoints(const GxImage& image, float x1, float y1, float x2, float y2, float x3,
                                     float y3) {
  const GpPointF corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  return GdipDrawImagePoints(handle_, image.GetHandle(), corners, 3);
}

GxStatus GxGraphics::DrawImagePointRect(const GxImage& image, float x, float y, float srcX, float srcY,
                                        float srcWidth, float srcHeight, int srcUnit) {
  return GdipDrawImagePointRect(handle_, image.GetHandle(), x, y, srcX, srcY, srcWidth, srcHeight, srcUnit);
}

GxStatus GxGraphics::SetClipGraphics(const GxGraphics& source, int combineMode) {
  return GdipSetClipGraphics(handle_, source.GetHandle(), combineMode);
}

GxStatus GxGraphics::SetClipRect(float x, float y, float width, float height, int combineMode) {
  return GdipSetClipRect(handle_, x, y, width, height, combineMode);
}

GxStatus GxGraphics::SetClipPath(const GxPath& path, int combineMode) {
  return GdipSetClipPath(handle_, path.GetHandle(), combineMode);
}

GxStatus GxGraphics::SetClipRegion(GpRegion* region, int combineMode) {
  return GdipSetClipRegion(handle_, region, combineMode);
}

GxStatus GxGraphics::SetClipHrgn(RegionHandle region, int combineMode) {
  return GdipSetClipHrgn(handle_, region, combineMode);
}

GxStatus GxGraphics::ResetClip() { return GdipResetClip(handle_); }

GxStatus GxGraphics::TranslateClip(float dx, float dy) { return GdipTranslateClip(handle_, dx, dy); }

GxStatus GxGraphics::GetClip(GpRegion* region) { return GdipGetClip(handle_, region); }

GxStatus GxGraphics::GetClipBounds(GxRectF& rect) { return GdipGetClipBounds(handle_, &rect); }

GxStatus GxGraphics::IsClipEmpty(bool& result) {
  BOOL flag = 0;
  const GxStatus status = GdipIsClipEmpty(handle_, &flag);
  result = flag != 0;
  return status;
}

GxStatus GxGraphics::GetVisibleClipBounds(GxRectF& rect) { return GdipGetVisibleClipBounds(handle_, &rect); }

GxStatus GxGraphics::IsVisibleClipEmpty(bool& result) {
  BOOL flag = 0;
  const GxStatus status = GdipIsVisibleClipEmpty(handle_, &flag);
  result = flag != 0;
  return status;
}

GxStatus GxGraphics::IsVisiblePoint(float x, float y, bool& result) {
  BOOL flag = 0;
  const GxStatus status = GdipIsVisiblePoint(handle_, x, y, &flag);
  result = flag != 0;
  return status;
}

GxStatus GxGraphics::IsVisibleRect(float x, float y, float width, float height, bool& result) {
  BOOL flag = 0;
  const GxStatus status = GdipIsVisibleRect(handle_, x, y, width, height, &flag);
  result = flag != 0;
  return status;
}

GxStatus GxGraphics::SetWorldTransform(GpMatrix* matrix) { return GdipSetWorldTransform(handle_, matrix); }

GxStatus GxGraphics::GetWorldTransform(GpMatrix* matrix) { return GdipGetWorldTransform(handle_, matrix); }

GxStatus GxGraphics::ResetWorldTransform() { return GdipResetWorldTransform(handle_); }

GxStatus GxGraphics::TranslateWorldTransform(float dx, float dy, int order) {
  return GdipTranslateWorldTransform(handle_, dx, dy, order);
}

GxStatus GxGraphics::ScaleWorldTransform(float sx, float sy, int order) {
  return GdipScaleWorldTransform(handle_, sx, sy, order);
}

GxStatus GxGraphics::RotateWorldTransform(float angle, int order) {
  return GdipRotateWorldTransform(handle_, angle, order);
}

GxStatus GxGraphics::MultiplyWorldTransform(const GpMatrix* matrix, int order) {
  return GdipMultiplyWorldTransform(handle_, matrix, order);
}

GxStatus GxGraphics::GetDpiX(float& dpi) { return GdipGetDpiX(handle_, &dpi); }

GxStatus GxGraphics::GetDpiY(float& dpi) { return GdipGetDpiY(handle_, &dpi); }

GxStatus GxGraphics::DrawRoundRect(const GxPen& pen, int x, int y, int width, int height, int radius) {
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  const float w = static_cast<float>(width), h = static_cast<float>(height), r = static_cast<float>(radius);
  const float d = 2 * r;
  DrawLine(pen, fx, fy + r, fx, fy + h - r);
  DrawLine(pen, fx + r, fy, fx + w - r, fy);
  DrawLine(pen, fx + w, fy + r, fx + w, fy + h - r);
  DrawLine(pen, fx + r, fy + h, fx + w - r, fy + h);
  DrawArc(pen, fx + w - d, fy, d, d, 270, 90);
  DrawArc(pen, fx + w - d, fy + h - d, d, d, 0, 90);
  DrawArc(pen, fx, fy + h - d, d, d, 90, 90);
  return DrawArc(pen, fx, fy, d, d, 180, 90);
}

GxStatus GxGraphics::FillRoundRect(const GxBrush& brush, int x, int y, int width, int height, int radius) {
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  const float w = static_cast<float>(width), h = static_cast<float>(height), r = static_cast<float>(radius);
  const float d = 2 * r;
  GxPath outline;
  outline.CreatePath(1);
  outline.AddPathArc(fx + w - d, fy + h - d, d, d, 0, 90);
  outline.AddPathArc(fx, fy + h - d, d, d, 90, 90);
  outline.AddPathArc(fx, fy, d, d, 180, 90);
  outline.AddPathArc(fx + w - d, fy, d, d, 270, 90);
  outline.AddPathLine(fx + w, fy + r, fx + w, fy + h - r);
  return FillPath(brush, outline);
}

}  // namespace pindora

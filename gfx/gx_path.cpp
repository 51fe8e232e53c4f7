#include "gfx/gx_path.h"

#include <utility>

#include "gfx/gx_font_family.h"
#include "gfx/gx_graphics.h"
#include "gfx/gx_pen.h"

namespace pindora {

using namespace gdiplus;

GxPath::GxPath(GxPath&& other) noexcept : GxSessionObject(other), handle_(std::exchange(other.handle_, nullptr)) {}

GxPath& GxPath::operator=(GxPath&& other) noexcept {
  if (this != &other) Attach(std::exchange(other.handle_, nullptr));
  return *this;
}

GxPath::~GxPath() { DeletePath(); }

GxPath GxPath::Copy() const {
  GxPath copy;
  ClonePath(copy);
  return copy;
}

GxStatus GxPath::DeletePath() {
  if (handle_ == nullptr) return Ok;
  const GxStatus status = GdipDeletePath(handle_);
  handle_ = nullptr;
  return status;
}

void GxPath::Attach(Handle handle) {
  if (handle == handle_) return;  // deleting the held object would leave it dangling
  DeletePath();
  handle_ = handle;
}

GxStatus GxPath::CreatePath(int fillMode) {
  GpPath* created = nullptr;
  const GxStatus status = GdipCreatePath(fillMode, &created);
  Attach(created);
  return status;
}

GxStatus GxPath::CreatePath2(std::span<const GxPointF> points, const Bytes& types, int count, int fillMode) {
  if (!listCount(points.size(), count) || !listCount(types.size(), count)) return InvalidParameter;
  GpPath* created = nullptr;
  const GxStatus status = GdipCreatePath2(points.data(), types.data(), count, fillMode, &created);
  Attach(created);
  return status;
}

GxStatus GxPath::AddPathLine(float x1, float y1, float x2, float y2) {
  return GdipAddPathLine(handle_, x1, y1, x2, y2);
}

GxStatus GxPath::AddPathLine2(std::span<const GxPointF> points, int count) {
  if (!listCount(points.size(), count)) return InvalidParameter;
  return GdipAddPathLine2(handle_, points.data(), count);
}

GxStatus GxPath::AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  return GdipAddPathArc(handle_, x, y, width, height, startAngle, sweepAngle);
}

GxStatus GxPath::AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
  return GdipAddPathBezier(handle_, x1, y1, x2, y2, x3, y3, x4, y4);
}

GxStatus GxPath::AddPathBeziers(std::span<const GxPointF> points, int count) {
  if (!listCount(points.size(), count)) return InvalidParameter;
  return GdipAddPathBeziers(handle_, points.data(), count);
}

GxStatus GxPath::AddPathCurve3(std::span<const GxPointF> points, std::optional<int> count, int offset,
                               std::optional<int> numberOfSegments, float tension) {
  const auto n = listCount(points.size(), count);
  if (!n) return InvalidParameter;
  return GdipAddPathCurve3(handle_, points.data(), *n, offset, numberOfSegments.value_or(*n - 1), tension);
}

GxStatus GxPath::AddPathClosedCurve2(std::span<const GxPointF> points, std::optional<int> count, float tension) {
  const auto n = listCount(points.size(), count);
  if (!n) return InvalidParameter;
  return GdipAddPathClosedCurve2(handle_, points.data(), *n, tension);
}

GxStatus GxPath::AddPathRectangle(float x, float y, float width, float height) {
  return GdipAddPathRectangle(handle_, x, y, width, height);
}

GxStatus GxPath::AddPathRectangles(std::span<const GxRectF> rects, int count) {
  if (!listCount(rects.size(), count)) return InvalidParameter;
  return GdipAddPathRectangles(handle_, rects.data(), count);
}

GxStatus GxPath::AddPathEllipse(float x, float y, float width, float height) {
  return GdipAddPathEllipse(handle_, x, y, width, height);
}

GxStatus GxPath::AddPathPie(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  return GdipAddPathPie(handle_, x, y, width, height, startAngle, sweepAngle);
}

GxStatus GxPath::AddPathPolygon(std::span<const GxPointF> points, int count) {
  if (!listCount(points.size(), count)) return InvalidParameter;
  return GdipAddPathPolygon(handle_, points.data(), count);
}

GxStatus GxPath::AddPathPath(const GxPath& addingPath, bool connect) {
  return GdipAddPathPath(handle_, addingPath.GetHandle(), connect ? 1 : 0);
}

GxStatus GxPath::AddPathString(const Text& text, int x, int y, const Text& familyName, int style, float emSize) {
  GxFontFamily family;
  family.CreateFontFamilyFromName(familyName);
  const std::u16string wide = toFlatText(text);
  const GpRectF layout{static_cast<float>(x), static_cast<float>(y), 0, 0};
  return GdipAddPathString(handle_, wide.c_str(), static_cast<INT>(wide.size()), family.GetHandle(), style, emSize,
                           &layout, nullptr);
}

GxStatus GxPath::ClonePath(GxPath& clone) const {
  GpPath* created = nullptr;
  const GxStatus status = GdipClonePath(handle_, &created);
  clone.Attach(created);
  return status;
}

GxStatus GxPath::ResetPath() { return GdipResetPath(handle_); }
GxStatus GxPath::SetPathFillMode(int fillMode) { return GdipSetPathFillMode(handle_, fillMode); }
GxStatus GxPath::GetPathFillMode(int& fillMode) { return GdipGetPathFillMode(handle_, &fillMode); }
GxStatus GxPath::GetPointCount(int& count) { return GdipGetPointCount(handle_, &count); }

GxStatus GxPath::GetPathData(std::vector<GxPointF>& points, Bytes& types) {
  INT count = 0;
  const GxStatus status = GdipGetPointCount(handle_, &count);
  if (status != Ok) return status;
  points.assign(static_cast<std::size_t>(count), GxPointF{});
  types.assign(static_cast<std::size_t>(count), 0);
  GpPathData data{count, points.data(), types.data()};
  return GdipGetPathData(handle_, &data);
}

GxStatus GxPath::StartPathFigure() { return GdipStartPathFigure(handle_); }
GxStatus GxPath::ClosePathFigure() { return GdipClosePathFigure(handle_); }
GxStatus GxPath::ClosePathFigures() { return GdipClosePathFigures(handle_); }
GxStatus GxPath::SetPathMarker() { return GdipSetPathMarker(handle_); }
GxStatus GxPath::ClearPathMarkers() { return GdipClearPathMarkers(handle_); }
GxStatus GxPath::ReversePath() { return GdipReversePath(handle_); }
GxStatus GxPath::GetPathLastPoint(GxPointF& point) { return GdipGetPathLastPoint(handle_, &point); }

GxStatus GxPath::GetPathTypes(Bytes& types, int count) {
  if (count < 0) return InvalidParameter;
  types.assign(static_cast<std::size_t>(count), 0);
  return GdipGetPathTypes(handle_, types.data(), count);
}

GxStatus GxPath::GetPathPoints(std::vector<GxPointF>& points, int count) {
  if (count < 0) return InvalidParameter;
  points.assign(static_cast<std::size_t>(count), GxPointF{});
  return GdipGetPathPoints(handle_, points.data(), count);
}

GxStatus GxPath::IsVisiblePathPoint(float x, float y, const GxGraphics* graphics, bool& result) {
  BOOL flag = 0;
  const GxStatus status =
      GdipIsVisiblePathPoint(handle_, x, y, graphics ? graphics->GetHandle() : nullptr, &flag);
  result = flag != 0;
  return status;
}

GxStatus GxPath::IsOutlineVisiblePathPoint(float x, float y, const GxPen& pen, const GxGraphics* graphics,
                                           bool& result) {
  BOOL flag = 0;
  const GxStatus status = GdipIsOutlineVisiblePathPoint(handle_, x, y, pen.GetHandle(),
                                                        graphics ? graphics->GetHandle() : nullptr, &flag);
  result = flag != 0;
  return status;
}

GxStatus GxPath::FlattenPath(GpMatrix* matrix, float flatness) { return GdipFlattenPath(handle_, matrix, flatness); }
GxStatus GxPath::TransformPath(GpMatrix* matrix) { return GdipTransformPath(handle_, matrix); }

GxStatus GxPath::GetPathWorldBounds(GxRectF& bounds, const GpMatrix* matrix, const GxPen* pen) {
  return GdipGetPathWorldBounds(handle_, &bounds, matrix, pen ? pen->GetHandle() : nullptr);
}

GxStatus GxPath::WidenPath(const GxPen& pen, GpMatrix* matrix, float flatness) {
  return GdipWidenPath(handle_, pen.GetHandle(), matrix, flatness);
}

GxStatus GxPath::WindingModeOutline(GpMatrix* matrix, float flatness) {
  return GdipWindingModeOutline(handle_, matrix, flatness);
}

GxStatus GxPath::WarpPath(std::span<const GxPointF> points, int count, float srcX, float srcY, float srcWidth,
                          float srcHeight, GpMatrix* matrix, int warpMode, float flatness) {
  if (!listCount(points.size(), count)) return InvalidParameter;
  return GdipWarpPath(handle_, matrix, points.data(), count, srcX, srcY, srcWidth, srcHeight, warpMode, flatness);
}

}  // namespace pindora

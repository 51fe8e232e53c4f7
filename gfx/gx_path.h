#pragma once
// GxPath: owns one GDI+ path. Methods forward to the flat function they are named after and
// return its status. Copy is a real clone (GdipClonePath).

#include <vector>

#include "gfx/gx_types.h"

namespace pindora {

class GxGraphics;
class GxPen;

class GxPath : private GxSessionObject {
 public:
  using Handle = gdiplus::GpPath*;

  GxPath() = default;
  GxPath(GxPath&& other) noexcept;
  GxPath& operator=(GxPath&& other) noexcept;
  GxPath(const GxPath&) = delete;
  GxPath& operator=(const GxPath&) = delete;

  ~GxPath();                       // Release
  GxPath Copy() const;             // a clone; empty when the clone fails
  GxStatus DeletePath();
  Handle GetHandle() const { return handle_; }
  void Attach(Handle handle);
  // fillMode: 0 alternate, 1 winding.
  GxStatus CreatePath(int fillMode = 0);
  GxStatus CreatePath2(std::span<const GxPointF> points, const Bytes& types, int count, int fillMode = 0);
  GxStatus AddPathLine(float x1, float y1, float x2, float y2);
  GxStatus AddPathLine2(std::span<const GxPointF> points, int count);
  GxStatus AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
  GxStatus AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
  GxStatus AddPathBeziers(std::span<const GxPointF> points, int count);
  GxStatus AddPathCurve3(std::span<const GxPointF> points, std::optional<int> count = {}, int offset = 0,
                         std::optional<int> numberOfSegments = {}, float tension = 0.5f);
  GxStatus AddPathClosedCurve2(std::span<const GxPointF> points, std::optional<int> count = {},
                               float tension = 0.5f);
  GxStatus AddPathRectangle(float x, float y, float width, float height);
  GxStatus AddPathRectangles(std::span<const GxRectF> rects, int count);
  GxStatus AddPathEllipse(float x, float y, float width, float height);
  GxStatus AddPathPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
  GxStatus AddPathPolygon(std::span<const GxPointF> points, int count);
  GxStatus AddPathPath(const GxPath& addingPath, bool connect);
  // Through a temporary family made from the name; layout box (x, y, 0, 0), no format.
  GxStatus AddPathString(const Text& text, int x, int y, const Text& familyName, int style, float emSize);
  GxStatus ClonePath(GxPath& clone) const;
  GxStatus ResetPath();
  GxStatus SetPathFillMode(int fillMode);
  GxStatus GetPathFillMode(int& fillMode);
  GxStatus GetPointCount(int& count);
  // Fills both lists with the path's points and point types, sized to the point count.
  GxStatus GetPathData(std::vector<GxPointF>& points, Bytes& types);
  GxStatus StartPathFigure();
  GxStatus ClosePathFigure();
  GxStatus ClosePathFigures();
  GxStatus SetPathMarker();
  GxStatus ClearPathMarkers();
  GxStatus ReversePath();
  GxStatus GetPathLastPoint(GxPointF& point);
  // Both first resize the caller's list to `count` (zero-filled), then fill it.
  GxStatus GetPathTypes(Bytes& types, int count);
  GxStatus GetPathPoints(std::vector<GxPointF>& points, int count);
  GxStatus IsVisiblePathPoint(float x, float y, const GxGraphics* graphics, bool& result);
  GxStatus IsOutlineVisiblePathPoint(float x, float y, const GxPen& pen, const GxGraphics* graphics, bool& result);
  GxStatus FlattenPath(gdiplus::GpMatrix* matrix = nullptr, float flatness = 0.25f);
  GxStatus TransformPath(gdiplus::GpMatrix* matrix);
  GxStatus GetPathWorldBounds(GxRectF& bounds, const gdiplus::GpMatrix* matrix = nullptr,
                              const GxPen* pen = nullptr);
  GxStatus WidenPath(const GxPen& pen, gdiplus::GpMatrix* matrix = nullptr, float flatness = 0.25f);
  GxStatus WindingModeOutline(gdiplus::GpMatrix* matrix = nullptr, float flatness = 0.25f);
  // The matrix, optional, follows the source rectangle here.
  GxStatus WarpPath(std::span<const GxPointF> points, int count, float srcX, float srcY, float srcWidth,
                    float srcHeight, gdiplus::GpMatrix* matrix = nullptr, int warpMode = 0, float flatness = 0.25f);

 private:
  Handle handle_ = nullptr;
};

}  // namespace pindora

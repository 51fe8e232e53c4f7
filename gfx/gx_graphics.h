#pragma once
// GxGraphics: owns one GDI+ graphics. Every method forwards to the flat function it is named
// after (without "Gdip"), passes the handle first and returns the status unchanged; an empty
// object passes a null handle, for which the flat functions answer InvalidParameter.
// There is no flat function that clones a graphics, so the class cannot be copied.

#include "gfx/gx_types.h"

namespace pindora {

class GxPen;
class GxBrush;
class GxImage;
class GxFont;
class GxPath;

class GxGraphics : private GxSessionObject {
 public:
  using Handle = gdiplus::GpGraphics*;

  GxGraphics() = default;
  ~GxGraphics();                                    // Release
  GxGraphics(const GxGraphics&) = delete;           // Copy: no clone exists
  GxGraphics& operator=(const GxGraphics&) = delete;
  GxStatus DeleteGraphics();
  void Attach(Handle handle);
  GxStatus GetImageGraphicsContext(const GxImage& image);
  GxStatus CreateFromHWND(gdiplus::WindowHandle window);
  GxStatus CreateFromHDC(gdiplus::DeviceContext dc);
  Handle GetHandle() const { return handle_; }
  GxStatus DrawCurve3(const GxPen& pen, std::span<const GxPointF> points, std::optional<int> count = {},
                      int offset = 0, std::optional<int> numberOfSegments = {}, float tension = 0.5f);
  GxStatus DrawLines(const GxPen& pen, std::span<const GxPointF> points, std::optional<int> count = {});
  GxStatus DrawLine(const GxPen& pen, float x1, float y1, float x2, float y2);
  GxStatus SetSmoothingMode(int mode);
  GxStatus GetSmoothingMode(int& mode);
  GxStatus SetTextRenderingHint(int hint);
  GxStatus GetTextRenderingHint(int& hint);
  // Draws from the point (x, y): layout box of size 0 (no wrapping, no clipping), no format.
  GxStatus DrawString(const Text& text, float x, float y, const GxFont& font, const GxBrush& brush);
  GxStatus GetDC(gdiplus::DeviceContext& dc);
  GxStatus ReleaseDC(gdiplus::DeviceContext dc);
  GxStatus FillRectangle(const GxBrush& brush, float x, float y, float width, float height);
  GxStatus GraphicsClear(GxArgb color);
  GxStatus DrawClosedCurve2(const GxPen& pen, std::span<const GxPointF> points, std::optional<int> count = {},
                            float tension = 0.5f);
  GxStatus DrawArc(const GxPen& pen, float x, float y, float width, float height, float startAngle,
                   float sweepAngle);
  GxStatus DrawBezier(const GxPen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                      float y4);
  GxStatus DrawBeziers(const GxPen& pen, std::span<const GxPointF> points, int count);
  GxStatus DrawRectangle(const GxPen& pen, float x, float y, float width, float height);
  GxStatus DrawRectangles(const GxPen& pen, std::span<const GxRectF> rects, int count);
  GxStatus DrawEllipse(const GxPen& pen, float x, float y, float width, float height);
  GxStatus DrawPie(const GxPen& pen, float x, float y, float width, float height, float startAngle,
                   float sweepAngle);
  GxStatus DrawPolygon(const GxPen& pen, std::span<const GxPointF> points, int count);
  GxStatus FillRectangles(const GxBrush& brush, std::span<const GxRectF> rects, int count);
  GxStatus FillPolygon(const GxBrush& brush, std::span<const GxPointF> points, int count, int fillMode = 0);
  GxStatus FillEllipse(const GxBrush& brush, float x, float y, float width, float height);
  GxStatus FillPie(const GxBrush& brush, float x, float y, float width, float height, float startAngle,
                   float sweepAngle);
  GxStatus FillClosedCurve2(const GxBrush& brush, std::span<const GxPointF> points, std::optional<int> count = {},
                            float tension = 0.5f, int fillMode = 0);
  GxStatus DrawPath(const GxPen& pen, const GxPath& path);
  GxStatus FillPath(const GxBrush& brush, const GxPath& path);
  GxStatus FillRegion(const GxBrush& brush, gdiplus::GpRegion* region);
  GxStatus DrawImage(const GxImage& image, float x, float y);
  GxStatus DrawImageRect(const GxImage& image, float x, float y, float width, float height);
  // No image attributes, no abort callback. srcUnit 2 is pixels (libgdiplus refuses 0, world).
  GxStatus DrawImageRectRect(const GxImage& image, float dstX, float dstY, float dstWidth, float dstHeight,
                             float srcX, float srcY, float srcWidth, float srcHeight, int srcUnit);
  // Three corners of the destination: upper-left, upper-right, lower-left.
  GxStatus DrawImagePoints(const GxImage& image, float x1, float y1, float x2, float y2, float x3, float y3);
  GxStatus DrawImagePointRect(const GxImage& image, float x, float y, float srcX, float srcY, float srcWidth,
                              float srcHeight, int srcUnit);
  GxStatus SetClipGraphics(const GxGraphics& source, int combineMode = 0);
  GxStatus SetClipRect(float x, float y, float width, float height, int combineMode = 0);
  GxStatus SetClipPath(const GxPath& path, int combineMode = 0);
  GxStatus SetClipRegion(gdiplus::GpRegion* region, int combineMode = 0);
  GxStatus SetClipHrgn(gdiplus::RegionHandle region, int combineMode = 0);
  GxStatus ResetClip();
  GxStatus TranslateClip(float dx, float dy);
  GxStatus GetClip(gdiplus::GpRegion* region);
  GxStatus GetClipBounds(GxRectF& rect);
  GxStatus IsClipEmpty(bool& result);
  GxStatus GetVisibleClipBounds(GxRectF& rect);
  GxStatus IsVisibleClipEmpty(bool& result);
  GxStatus IsVisiblePoint(float x, float y, bool& result);
  GxStatus IsVisibleRect(float x, float y, float width, float height, bool& result);
  GxStatus SetWorldTransform(gdiplus::GpMatrix* matrix);
  GxStatus GetWorldTransform(gdiplus::GpMatrix* matrix);
  GxStatus ResetWorldTransform();
  GxStatus TranslateWorldTransform(float dx, float dy, int order = 0);
  GxStatus ScaleWorldTransform(float sx, float sy, int order = 0);
  GxStatus RotateWorldTransform(float angle, int order = 0);
  GxStatus MultiplyWorldTransform(const gdiplus::GpMatrix* matrix, int order = 0);
  GxStatus GetDpiX(float& dpi);
  GxStatus GetDpiY(float& dpi);
  // Four edges, then four corner arcs of radius r; nothing is clamped. Returns the last arc's status.
  GxStatus DrawRoundRect(const GxPen& pen, int x, int y, int width, int height, int radius);
  // Fills the outline DrawRoundRect draws (a winding path of the four arcs closed by the right edge).
  GxStatus FillRoundRect(const GxBrush& brush, int x, int y, int width, int height, int radius);

 private:
  Handle handle_ = nullptr;
};

}  // namespace pindora

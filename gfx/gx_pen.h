#pragma once
// GxPen: owns one GDI+ pen. Methods forward to the flat function they are named after and
// return its status. Copy is a real clone (GdipClonePen).

#include <vector>

#include "gfx/gx_types.h"

namespace pindora {

class GxBrush;

class GxPen : private GxSessionObject {
 public:
  using Handle = gdiplus::GpPen*;

  GxPen() = default;
  GxPen(GxPen&& other) noexcept;
  GxPen& operator=(GxPen&& other) noexcept;
  GxPen(const GxPen&) = delete;
  GxPen& operator=(const GxPen&) = delete;

  ~GxPen();                        // Release
  GxPen Copy() const;              // a clone; empty when the clone fails
  GxStatus DeletePen();
  // Both creators pass unit 0 (world).
  GxStatus CreatePen1(GxArgb color, float width);
  GxStatus CreatePen2(const GxBrush& brush, float width);
  GxStatus ClonePen(GxPen& clone) const;
  Handle GetHandle() const { return handle_; }
  void Attach(Handle handle);
  GxStatus SetPenWidth(float width);
  GxStatus GetPenWidth(float& width);
  GxStatus SetPenLineCap197819(int startCap, int endCap, int dashCap);
  GxStatus SetPenStartCap(int cap);
  GxStatus SetPenEndCap(int cap);
  GxStatus SetPenDashCap197819(int cap);
  GxStatus GetPenStartCap(int& cap);
  GxStatus GetPenEndCap(int& cap);
  GxStatus GetPenDashCap197819(int& cap);
  GxStatus SetPenLineJoin(int join);
  GxStatus GetPenLineJoin(int& join);
  GxStatus SetPenMiterLimit(float limit);
  GxStatus GetPenMiterLimit(float& limit);
  GxStatus SetPenMode(int alignment);
  GxStatus GetPenMode(int& alignment);
  GxStatus GetPenFillType(int& type);
  GxStatus SetPenColor(GxArgb color);
  GxStatus GetPenColor(GxArgb& color);
  GxStatus SetPenBrushFill(const GxBrush& brush);
  GxStatus GetPenBrushFill(GxBrush& brush);
  GxStatus SetPenDashStyle(int style);
  GxStatus GetPenDashStyle(int& style);
  GxStatus SetPenDashOffset(float offset);
  GxStatus GetPenDashOffset(float& offset);
  GxStatus SetPenDashArray(const std::vector<float>& dashes, int count);
  GxStatus GetPenDashArray(std::vector<float>& dashes, int count);
  GxStatus GetPenDashCount(int& count);
  GxStatus SetPenCompoundArray(const std::vector<float>& compounds, int count);
  GxStatus GetPenCompoundArray(std::vector<float>& compounds, int count);
  GxStatus GetPenCompoundCount(int& count);
  GxStatus SetPenUnit(int unit);
  GxStatus GetPenUnit(int& unit);
  GxStatus SetPenTransform(gdiplus::GpMatrix* matrix);
  GxStatus GetPenTransform(gdiplus::GpMatrix* matrix);
  GxStatus ResetPenTransform();
  GxStatus MultiplyPenTransform(const gdiplus::GpMatrix* matrix, int order = 0);
  GxStatus TranslatePenTransform(float dx, float dy, int order = 0);
  GxStatus ScalePenTransform(float sx, float sy, int order = 0);
  GxStatus RotatePenTransform(float angle, int order = 0);

 private:
  Handle handle_ = nullptr;
};

}  // namespace pindora

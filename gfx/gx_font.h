#pragma once
// GxFont: owns one GDI+ font. Copy is a real clone (GdipCloneFont).

#include "gfx/gx_types.h"

namespace pindora {

class GxGraphics;

class GxFont : private GxSessionObject {
 public:
  using Handle = gdiplus::GpFont*;

  GxFont() = default;
  GxFont(GxFont&& other) noexcept;
  GxFont& operator=(GxFont&& other) noexcept;
  GxFont(const GxFont&) = delete;
  GxFont& operator=(const GxFont&) = delete;

  ~GxFont();                       // Release
  GxFont Copy() const;             // a clone; empty when the clone fails
  GxStatus DeleteFont();
  // Through a temporary family made from the name (program text). style: 0 regular, 1 bold,
  // 2 italic, 4 underline, 8 strikeout; unit: 2 pixel, 3 point...
  GxStatus CreateFont(const Text& familyName, float emSize, int style = 0, int unit = 0);
  GxStatus CreateFontFromDC(gdiplus::DeviceContext dc);
  Handle GetHandle() const { return handle_; }
  void Attach(Handle handle);
  GxStatus GetFontStyle(int& style);
  GxStatus GetFontSize(float& size);
  GxStatus GetFontUnit(int& unit);
  GxStatus GetFontHeight(const GxGraphics& graphics, float& height);

 private:
  Handle handle_ = nullptr;
};

}  // namespace pindora

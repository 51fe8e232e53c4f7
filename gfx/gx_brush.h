#pragma once
// GxBrush: owns one GDI+ brush of any kind (solid, hatch, linear gradient, texture, path
// gradient). Methods forward to the flat function they are named after and return its status.
// Copy is a real clone (GdipCloneBrush): the copy owns a native brush of its own.

#include <vector>

#include "gfx/gx_types.h"

namespace pindora {

class GxImage;
class GxPath;

class GxBrush : private GxSessionObject {
 public:
  using Handle = gdiplus::GpBrush*;

  GxBrush() = default;
  GxBrush(GxBrush&& other) noexcept;
  GxBrush& operator=(GxBrush&& other) noexcept;
  GxBrush(const GxBrush&) = delete;
  GxBrush& operator=(const GxBrush&) = delete;

  ~GxBrush();                      // Release
  GxBrush Copy() const;            // a clone; empty when the clone fails
  GxStatus DeleteBrush();
  GxStatus CreateSolidFill(GxArgb color);
  Handle GetHandle() const { return handle_; }
  void Attach(Handle handle);
  GxStatus CloneBrush(GxBrush& clone) const;
  GxStatus GetBrushType(int& type);
  GxStatus SetSolidFillColor(GxArgb color);
  GxStatus GetSolidFillColor(GxArgb& color);
  GxStatus CreateHatchBrush(int hatchStyle, GxArgb foreColor, GxArgb backColor);
  GxStatus GetHatchStyle(int& hatchStyle);
  GxStatus GetHatchForegroundColor(GxArgb& color);
  GxStatus GetHatchBackgroundColor(GxArgb& color);
  // The three linear-gradient creators pass wrap mode 0 (tile).
  GxStatus CreateLineBrush(const GxPointF& point1, const GxPointF& point2, GxArgb color1, GxArgb color2);
  GxStatus CreateLineBrushFromRect(const GxRectF& rect, GxArgb color1, GxArgb color2, int mode);
  GxStatus CreateLineBrushFromRectWithAngle(const GxRectF& rect, GxArgb color1, GxArgb color2, float angle,
                                            bool isAngleScalable);
  GxStatus SetLineColors(GxArgb color1, GxArgb color2);
  GxStatus GetLineColors(GxArgb& color1, GxArgb& color2);
  GxStatus GetLineRect(GxRectF& rect);
  GxStatus SetLineGammaCorrection(bool useGammaCorrection);
  GxStatus GetLineGammaCorrection(bool& useGammaCorrection);
  GxStatus GetLineBlendCount(int& count);
  GxStatus SetLineBlend(const std::vector<float>& blend, const std::vector<float>& positions, int count);
  GxStatus GetLineBlend(std::vector<float>& blend, std::vector<float>& positions, int count);
  GxStatus GetLinePresetBlendCount(int& count);
  GxStatus SetLinePresetBlend(const std::vector<GxArgb>& blend, const std::vector<float>& positions, int count);
  GxStatus GetLinePresetBlend(std::vector<GxArgb>& blend, std::vector<float>& positions, int count);
  GxStatus SetLineSigmaBlend(float focus, float scale);
  GxStatus SetLineLinearBlend(float focus, float scale);
  GxStatus SetLineWrapMode(int wrapMode);
  GxStatus GetLineWrapMode(int& wrapMode);
  GxStatus CreateTexture(const GxImage& image, int wrapMode = 0);
  GxStatus CreateTexture2(const GxImage& image, float x, float y, float width, float height, int wrapMode = 0);
  GxStatus SetTextureWrapMode(int wrapMode);
  GxStatus GetTextureWrapMode(int& wrapMode);
  GxStatus GetTextureImage(GxImage& image);
  GxStatus SetTextureTransform(const gdiplus::GpMatrix* matrix);
  GxStatus GetTextureTransform(gdiplus::GpMatrix* matrix);
  GxStatus ResetTextureTransform();
  GxStatus MultiplyTextureTransform(const gdiplus::GpMatrix* matrix, int order = 0);
  GxStatus TranslateTextureTransform(float dx, float dy, int order = 0);
  GxStatus ScaleTextureTransform(float sx, float sy, int order = 0);
  GxStatus RotateTextureTransform(float angle, int order = 0);
  GxStatus SetLineTransform(const gdiplus::GpMatrix* matrix);
  GxStatus GetLineTransform(gdiplus::GpMatrix* matrix);
  GxStatus ResetLineTransform();
  GxStatus MultiplyLineTransform(const gdiplus::GpMatrix* matrix, int order = 0);
  GxStatus TranslateLineTransform(float dx, float dy, int order = 0);
  GxStatus ScaleLineTransform(float sx, float sy, int order = 0);
  GxStatus RotateLineTransform(float angle, int order = 0);
  GxStatus CreatePathGradient(std::span<const GxPointF> points, int count, int wrapMode = 4);
  GxStatus CreatePathGradientFromPath(const GxPath& path);
  GxStatus SetPathGradientCenterColor(GxArgb color);
  GxStatus GetPathGradientCenterColor(GxArgb& color);
  GxStatus GetPathGradientTransform(gdiplus::GpMatrix* matrix);
  GxStatus SetPathGradientTransform(gdiplus::GpMatrix* matrix);
  GxStatus ResetPathGradientTransform();
  GxStatus MultiplyPathGradientTransform(const gdiplus::GpMatrix* matrix, int order = 0);
  GxStatus TranslatePathGradientTransform(float dx, float dy, int order = 0);
  GxStatus ScalePathGradientTransform(float sx, float sy, int order = 0);
  GxStatus RotatePathGradientTransform(float angle, int order = 0);
  GxStatus SetPathGradientPath(const GxPath& path);
  GxStatus GetPathGradientPath(GxPath& path);
  GxStatus SetPathGradientCenterPoint(const GxPointF& point);
  GxStatus GetPathGradientCenterPoint(GxPointF& point);
  GxStatus GetPathGradientRect(GxRectF& rect);
  GxStatus SetPathGradientWrapMode(int wrapMode);
  GxStatus GetPathGradientWrapMode(int& wrapMode);

 private:
  Handle handle_ = nullptr;
};

}  // namespace pindora

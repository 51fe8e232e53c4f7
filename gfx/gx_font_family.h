#pragma once
// GxFontFamily: owns one GDI+ font family. Copy is a real clone (GdipCloneFontFamily).

#include "gfx/gx_types.h"

namespace pindora {

class GxFontFamily : private GxSessionObject {
 public:
  using Handle = gdiplus::GpFontFamily*;

  GxFontFamily() = default;
  GxFontFamily(GxFontFamily&& other) noexcept;
  GxFontFamily& operator=(GxFontFamily&& other) noexcept;
  GxFontFamily(const GxFontFamily&) = delete;
  GxFontFamily& operator=(const GxFontFamily&) = delete;

  ~GxFontFamily();                 // Release
  GxFontFamily Copy() const;       // a clone; empty when the clone fails
  GxStatus DeleteFontFamily();
  // From the installed fonts (no font collection); the name is program text.
  GxStatus CreateFontFamilyFromName(const Text& name);
  Handle GetHandle() const { return handle_; }
  void Attach(Handle handle);

 private:
  Handle handle_ = nullptr;
};

}  // namespace pindora

#pragma once
// GxColor: conversions between the skin's COLORREF colours (0x00BBGGRR), GDI+ ARGB values
// (0xAARRGGBB), HTML colour texts ("#RRGGBB") and HSV, and the dark-or-light question the
// skin asks. It holds no data: every method is a pure function, and copying or releasing a
// GxColor does nothing.

#include <cstdint>

#include "base/types.h"

namespace pindora {

struct GxColor {
  using ColorRef = std::uint32_t;
  using Argb = std::uint32_t;

  // Red moves to bits 16-23, green stays, blue moves to bits 0-7; only the low 8 bits of alpha count.
  static Argb ToArgb(ColorRef color, int alpha);
  // "#" and the red, green and blue bytes as two upper-case hex digits each.
  static Text ToHtml(ColorRef color);
  // 0 unless the text has exactly 7 characters; the first is not checked.
  static ColorRef FromHtml(const Text& text);
  // Digits by their place in "123456789ABCDEF0" (any case); an unknown character counts as -1.
  static std::int32_t HexToInt(const Text& text);
  static void SplitRgb(ColorRef color, int& red, int& green, int& blue);
  static void RgbToHsv(float red, float green, float blue, float& hue, float& saturation, float& value);
  // Leaves the outputs untouched for a hue of 360 or more.
  static void HsvToRgb(double hue, double saturation, double value, int& red, int& green, int& blue);
  // True unless at least two of red, green and blue are 125 or more.
  static bool IsDark(ColorRef color);
  // Every channel moved by `amount`, each kept within 0..255.
  static ColorRef Shift(ColorRef color, int amount = 0);
  // The decimal text's value as upper-case hex, at least two digits.
  static Text ToHexByte(const Text& decimal);
};

}  // namespace pindora

#include "gfx/gx_color.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pindora {
namespace {

std::uint32_t rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r | (g << 8) | (b << 16)); }

TEST(GxColor, ConversionTable) {
  EXPECT_EQ(GxColor::ToArgb(0x00563412, 255), 0xFF123456u);
  EXPECT_EQ(GxColor::ToArgb(0x00563412, 0), 0x00123456u);
  EXPECT_EQ(GxColor::ToArgb(0xAB563412, 0x1FF), 0xFF123456u);  // top byte ignored, alpha's low 8 bits

  EXPECT_EQ(GxColor::ToHtml(0x00563412), "#123456");
  EXPECT_EQ(GxColor::ToHtml(0x00050A0F), "#0F0A05");

  EXPECT_EQ(GxColor::FromHtml("#123456"), 0x00563412u);
  EXPECT_EQ(GxColor::FromHtml("123456"), 0u);
  EXPECT_EQ(GxColor::FromHtml("#1234567"), 0u);
  EXPECT_EQ(GxColor::FromHtml("x0f0a05"), 0x00050A0Fu);  // first character unchecked, any case

  EXPECT_EQ(GxColor::HexToInt("ff"), 255);
  EXPECT_EQ(GxColor::HexToInt("1G"), 15);
  EXPECT_EQ(GxColor::HexToInt("10"), 16);
  EXPECT_EQ(GxColor::HexToInt(""), 0);

  EXPECT_EQ(GxColor::ToHexByte("5"), "05");
  EXPECT_EQ(GxColor::ToHexByte("255"), "FF");
  EXPECT_EQ(GxColor::ToHexByte("256"), "100");
}

TEST(GxColor, SplitDarkAndShiftTable) {
  int r = -1, g = -1, b = -1;
  GxColor::SplitRgb(rgb(250, 10, 100), r, g, b);
  EXPECT_EQ(r, 250);
  EXPECT_EQ(g, 10);
  EXPECT_EQ(b, 100);

  struct DarkCase {
    int r, g, b;
    bool dark;
  };
  for (const DarkCase& c : {DarkCase{200, 200, 0, false}, DarkCase{125, 125, 125, false},
                            DarkCase{200, 100, 100, true}, DarkCase{124, 124, 124, true},
                            DarkCase{0, 130, 130, false}}) {
    EXPECT_EQ(GxColor::IsDark(rgb(c.r, c.g, c.b)), c.dark) << c.r << "," << c.g << "," << c.b;
  }

  EXPECT_EQ(GxColor::Shift(rgb(255, 255, 255), 10), rgb(255, 255, 255));
  EXPECT_EQ(GxColor::Shift(rgb(0, 0, 0), -10), rgb(0, 0, 0));
  EXPECT_EQ(GxColor::Shift(rgb(250, 10, 100), 10), rgb(255, 20, 110));
  EXPECT_EQ(GxColor::Shift(rgb(250, 10, 100)), rgb(250, 10, 100));
  EXPECT_EQ(GxColor::Shift(rgb(250, 10, 100), -20), rgb(230, 0, 80));
}

TEST(GxColor, HsvTable) {
  struct HsvCase {
    float r, g, b;
    float h, s, v;
  };
  for (const HsvCase& c : {HsvCase{255, 0, 0, 0, 1, 1}, HsvCase{0, 0, 255, 240, 1, 1},
                           HsvCase{0, 255, 255, 180, 1, 1}, HsvCase{0, 255, 0, 120, 1, 1}}) {
    float h = -1, s = -1, v = -1;
    GxColor::RgbToHsv(c.r, c.g, c.b, h, s, v);
    EXPECT_FLOAT_EQ(h, c.h) << c.r << "," << c.g << "," << c.b;
    EXPECT_FLOAT_EQ(s, c.s);
    EXPECT_FLOAT_EQ(v, c.v);
  }
  float h = 0, s = 0, v = 0;
  GxColor::RgbToHsv(255, 0, 128, h, s, v);
  EXPECT_LT(h, 330.0f);
  EXPECT_GT(h, 329.5f);

  struct RgbCase {
    double h, s, v;
    int r, g, b;
  };
  for (const RgbCase& c : {RgbCase{120, 1, 1, 0, 255, 0}, RgbCase{0, 0, 0.5, 127, 127, 127},
                           RgbCase{0, 1, 1, 255, 0, 0}, RgbCase{240, 1, 1, 0, 0, 255},
                           RgbCase{-5, 2, 2, 255, 0, 0}}) {
    int r = -1, g = -1, b = -1;
    GxColor::HsvToRgb(c.h, c.s, c.v, r, g, b);
    EXPECT_EQ(r, c.r) << c.h << "," << c.s << "," << c.v;
    EXPECT_EQ(g, c.g);
    EXPECT_EQ(b, c.b);
  }
  int r = -7, g = -7, b = -7;
  GxColor::HsvToRgb(360, 1, 1, r, g, b);
  EXPECT_EQ(r, -7);
  EXPECT_EQ(g, -7);
  EXPECT_EQ(b, -7);
}

}  // namespace
}  // namespace pindora

#include "gfx/gx_graphics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "gfx/gx_brush.h"
#include "gfx/gx_font.h"
#include "gfx/gx_pen.h"
#include "platform/codepage/codepage.h"
#include "tests/gfx/gx_test_support.h"

namespace pindora {
namespace {

using gdiplus::DrawingSurface;
using test::drawnNear;
using test::alphaOf;

constexpr int smoothingNone = 3;

class GxGraphicsTest : public test::GxSessionTest {
 protected:
  // Draws the outline of DrawRoundRect in opaque black, one pixel wide, without anti-aliasing.
  GxStatus outline(DrawingSurface& surface, int x, int y, int w, int h, int r) {
    GxGraphics graphics;
    graphics.CreateFromHDC(surface.deviceContext());
    graphics.SetSmoothingMode(smoothingNone);
    GxPen pen;
    pen.CreatePen1(0xFF000000, 1);
    return graphics.DrawRoundRect(pen, x, y, w, h, r);
  }
};

TEST_F(GxGraphicsTest, RoundRectWithRadiusZeroIsThePlainRectangle) {
  DrawingSurface surface(60, 40);
  // The corner arcs have size 0, which libgdiplus refuses; the last arc's status comes back.
  EXPECT_EQ(outline(surface, 10, 10, 30, 20, 0), gdiplus::InvalidParameter);
  EXPECT_TRUE(drawnNear(surface, 10, 20, 0));  // left edge
  EXPECT_TRUE(drawnNear(surface, 25, 10, 0));  // top edge
  EXPECT_TRUE(drawnNear(surface, 40, 20, 0));  // right edge
  EXPECT_TRUE(drawnNear(surface, 25, 30, 0));  // bottom edge
  EXPECT_TRUE(drawnNear(surface, 10, 10, 0));  // corners meet
  EXPECT_TRUE(drawnNear(surface, 40, 30, 0));
  EXPECT_FALSE(drawnNear(surface, 25, 20, 3));  // inside stays empty
  EXPECT_FALSE(drawnNear(surface, 5, 5, 3));
  EXPECT_FALSE(drawnNear(surface, 50, 35, 3));
}

TEST_F(GxGraphicsTest, RoundRectRadiusIsNotClampedToTheSize) {
  // 2r = 20 exceeds the width 10: the top and bottom lines run backwards and each pair of
  // corner arcs belongs to one circle of radius 10.
  DrawingSurface surface(40, 70);
  EXPECT_EQ(outline(surface, 10, 10, 10, 40, 10), gdiplus::Ok);
  const double diagonal = 10 / std::sqrt(2.0);
  // Upper-left arc, centre (20, 20), at 225 degrees; upper-right arc, centre (10, 20), at 315.
  EXPECT_TRUE(drawnNear(surface, static_cast<int>(std::lround(20 - diagonal)), static_cast<int>(std::lround(20 - diagonal))));
  EXPECT_TRUE(drawnNear(surface, static_cast<int>(std::lround(10 + diagonal)), static_cast<int>(std::lround(20 - diagonal))));
  // Lower-left arc, centre (20, 40), at 135 degrees.
  EXPECT_TRUE(drawnNear(surface, static_cast<int>(std::lround(20 - diagonal)), static_cast<int>(std::lround(40 + diagonal))));
  // The top line runs backwards from (20, 10) to (10, 10); nothing reaches outside the box.
  EXPECT_TRUE(drawnNear(surface, 15, 10, 0));
  EXPECT_FALSE(drawnNear(surface, 5, 30, 3));
  EXPECT_FALSE(drawnNear(surface, 25, 30, 3));
}

TEST_F(GxGraphicsTest, FillRoundRectCoversTheOutlineOfDrawRoundRect) {
  const int x = 10, y = 10, w = 40, h = 30, r = 8;
  DrawingSurface outlined(70, 60);
  outline(outlined, x, y, w, h, r);
  DrawingSurface filled(70, 60);
  {
    GxGraphics graphics;
    graphics.CreateFromHDC(filled.deviceContext());
    GxBrush brush;
    brush.CreateSolidFill(0xFFFF0000);
    ASSERT_EQ(graphics.FillRoundRect(brush, x, y, w, h, r), gdiplus::Ok);
  }
  int outlinePixels = 0;
  for (int py = 0; py < outlined.height(); ++py) {
    for (int px = 0; px < outlined.width(); ++px) {
      if (alphaOf(outlined.pixel(px, py)) < 128) continue;
      ++outlinePixels;
      EXPECT_TRUE(drawnNear(filled, px, py)) << px << "," << py;
    }
  }
  EXPECT_GT(outlinePixels, 100);
  EXPECT_EQ(filled.pixel(30, 25), 0xFFFF0000u);   // inside
  EXPECT_EQ(filled.pixel(49, 25), 0xFFFF0000u);   // the right edge is closed by the line
  EXPECT_EQ(alphaOf(filled.pixel(x, y)), 0u);      // rounded corners stay empty
  EXPECT_EQ(alphaOf(filled.pixel(x + w - 1, y + h - 1)), 0u);
}

TEST_F(GxGraphicsTest, ChineseTextInSongTiLandsInItsBox) {
  DrawingSurface surface(120, 50);
  {
    GxGraphics graphics;
    ASSERT_EQ(graphics.CreateFromHDC(surface.deviceContext()), gdiplus::Ok);
    GxFont font;
    ASSERT_EQ(font.CreateFont(utf8ToCp936("宋体"), 13, 1, 2), gdiplus::Ok);
    GxBrush brush;
    brush.CreateSolidFill(0xFF000000);
    ASSERT_EQ(graphics.DrawString(utf8ToCp936("宋体测试"), 25, 8, font, brush), gdiplus::Ok);
  }
  int inside = 0, outside = 0;
  for (int py = 0; py < surface.height(); ++py) {
    for (int px = 0; px < surface.width(); ++px) {
      if (alphaOf(surface.pixel(px, py)) == 0) continue;
      // Four 13-pixel glyphs from (25, 8), with room for the line's leading.
      if (px >= 25 && px < 25 + 4 * 13 + 8 && py >= 8 && py < 8 + 22) ++inside;
      else ++outside;
    }
  }
  EXPECT_GT(inside, 60);
  EXPECT_EQ(outside, 0);
}

TEST_F(GxGraphicsTest, EmptyTextDrawsNothing) {
  DrawingSurface surface(40, 20);
  {
    GxGraphics graphics;
    graphics.CreateFromHDC(surface.deviceContext());
    GxFont font;
    font.CreateFont(utf8ToCp936("宋体"), 12, 0, 2);
    GxBrush brush;
    brush.CreateSolidFill(0xFF000000);
    EXPECT_EQ(graphics.DrawString("", 2, 2, font, brush), gdiplus::Ok);
  }
  EXPECT_FALSE(drawnNear(surface, 20, 10, 20));
}

TEST_F(GxGraphicsTest, ListCountsBeyondTheListAreRefused) {
  DrawingSurface surface(20, 20);
  GxGraphics graphics;
  graphics.CreateFromHDC(surface.deviceContext());
  GxPen pen;
  pen.CreatePen1(0xFF000000, 1);
  const GxPointF points[] = {{1, 1}, {10, 1}, {10, 10}};
  EXPECT_EQ(graphics.DrawLines(pen, points, 4), gdiplus::InvalidParameter);
  EXPECT_EQ(graphics.DrawLines(pen, points), gdiplus::Ok);
  EXPECT_TRUE(drawnNear(surface, 10, 5, 0));
  EXPECT_EQ(graphics.DrawCurve3(pen, points), gdiplus::Ok);
}

}  // namespace
}  // namespace pindora

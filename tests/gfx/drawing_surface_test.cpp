#include "platform/gdiplus/drawing_surface.h"

#include <gtest/gtest.h>

#include <vector>

#include "gfx/gx_brush.h"
#include "gfx/gx_graphics.h"
#include "tests/gfx/gx_test_support.h"

namespace pindora {
namespace {

using gdiplus::DrawingSurface;
using test::GxSessionTest;

// Half-transparent red, stored premultiplied: 0x80 alpha, red 0x80.
constexpr GxArgb halfRed = 0x80FF0000;
constexpr std::uint32_t halfRedPremultiplied = 0x80800000;

using DrawingSurfaceTest = GxSessionTest;

TEST_F(DrawingSurfaceTest, DrawsIntoItsOwnBuffer) {
  DrawingSurface surface(20, 10);
  ASSERT_TRUE(surface.valid());
  EXPECT_EQ(surface.stride(), 80);
  {
    GxGraphics graphics;
    ASSERT_EQ(graphics.CreateFromHDC(surface.deviceContext()), gdiplus::Ok);
    GxBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(halfRed), gdiplus::Ok);
    ASSERT_EQ(graphics.FillRectangle(brush, 2, 3, 4, 5), gdiplus::Ok);
  }
  EXPECT_EQ(surface.pixel(2, 3), halfRedPremultiplied);
  EXPECT_EQ(surface.pixel(5, 7), halfRedPremultiplied);
  EXPECT_EQ(surface.pixel(6, 3), 0u);
  EXPECT_EQ(surface.pixel(2, 8), 0u);
  EXPECT_EQ(surface.pixels()[3 * 20 + 2], halfRedPremultiplied);
}

TEST_F(DrawingSurfaceTest, DrawsIntoTheCallersBufferWithPaddedRows) {
  const int width = 8, height = 4, stride = 48;  // 16 bytes of padding per row
  std::vector<std::uint32_t> buffer(stride / 4 * height, 0xDEADBEEF);
  {
    DrawingSurface surface(width, height, buffer.data(), stride);
    ASSERT_TRUE(surface.valid());
    GxGraphics graphics;
    ASSERT_EQ(graphics.CreateFromHDC(surface.deviceContext()), gdiplus::Ok);
    GxBrush brush;
    brush.CreateSolidFill(0xFF0000FF);
    graphics.GraphicsClear(0);
    ASSERT_EQ(graphics.FillRectangle(brush, 0, 2, 8, 2), gdiplus::Ok);
  }
  EXPECT_EQ(buffer[1 * 12 + 3], 0u);             // cleared
  EXPECT_EQ(buffer[2 * 12 + 0], 0xFF0000FFu);    // row 2 starts 48 bytes after row 1
  EXPECT_EQ(buffer[3 * 12 + 7], 0xFF0000FFu);
  EXPECT_EQ(buffer[3 * 12 + 8], 0xDEADBEEFu);    // padding untouched
}

TEST_F(DrawingSurfaceTest, RefusesABufferTooNarrowForItsRows) {
  std::vector<std::uint32_t> buffer(16);
  DrawingSurface surface(8, 2, buffer.data(), 16);
  EXPECT_FALSE(surface.valid());
  EXPECT_EQ(surface.status(), gdiplus::InvalidParameter);
  GxGraphics graphics;
  EXPECT_NE(graphics.CreateFromHDC(surface.deviceContext()), gdiplus::Ok);
  EXPECT_EQ(graphics.GetHandle(), nullptr);
}

}  // namespace
}  // namespace pindora

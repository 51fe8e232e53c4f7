#include "gfx/gx_session.h"

#include <gtest/gtest.h>

#include "gfx/gx_brush.h"
#include "gfx/gx_font.h"
#include "gfx/gx_graphics.h"
#include "platform/codepage/codepage.h"
#include "platform/gdiplus/drawing_surface.h"
#include "platform/gdiplus/session.h"

namespace pindora {
namespace {

TEST(GxSession, StartsAndEndsCleanlyWithEveryObjectReleased) {
  ASSERT_EQ(GxStartup(), gdiplus::Ok);
  EXPECT_TRUE(gdiplus::sessionRunning());
  {
    gdiplus::DrawingSurface surface(30, 20);
    GxGraphics graphics;
    ASSERT_EQ(graphics.CreateFromHDC(surface.deviceContext()), gdiplus::Ok);
    GxFont font;
    ASSERT_EQ(font.CreateFont(utf8ToCp936("宋体"), 12, 0, 2), gdiplus::Ok);
    GxBrush brush;
    brush.CreateSolidFill(0xFF000000);
    EXPECT_EQ(graphics.DrawString("Ab", 1, 1, font, brush), gdiplus::Ok);
    EXPECT_EQ(gdiplus::liveSessionObjects(), 4);
  }
  EXPECT_EQ(gdiplus::liveSessionObjects(), 0);
  GxShutdown();
  EXPECT_FALSE(gdiplus::sessionRunning());
  EXPECT_EQ(gdiplus::sessionToken(), 0u);
  // A second session in the same process works as the first.
  ASSERT_EQ(GxStartup(), gdiplus::Ok);
  GxShutdown();
  EXPECT_FALSE(gdiplus::sessionRunning());
}

TEST(GxSession, EndWaitsForTheLastLiveObject) {
  ASSERT_EQ(GxStartup(), gdiplus::Ok);
  auto font = std::make_unique<GxFont>();
  ASSERT_EQ(font->CreateFont(utf8ToCp936("宋体"), 12, 0, 2), gdiplus::Ok);
  GxShutdown();  // a font is alive: libgdiplus would abort if the session ended now
  EXPECT_TRUE(gdiplus::sessionRunning());
  EXPECT_TRUE(gdiplus::sessionEndPending());
  float size = 0;
  EXPECT_EQ(font->GetFontSize(size), gdiplus::Ok);
  font.reset();
  EXPECT_FALSE(gdiplus::sessionRunning());
  EXPECT_FALSE(gdiplus::sessionEndPending());
}

TEST(GxSession, StartupWhileAnEndIsPendingKeepsTheSession) {
  ASSERT_EQ(GxStartup(), gdiplus::Ok);
  auto brush = std::make_unique<GxBrush>();
  brush->CreateSolidFill(0xFF000000);
  GxShutdown();
  EXPECT_EQ(GxStartup(), gdiplus::Ok);
  EXPECT_FALSE(gdiplus::sessionEndPending());
  brush.reset();
  EXPECT_TRUE(gdiplus::sessionRunning());
  GxShutdown();
  EXPECT_FALSE(gdiplus::sessionRunning());
}

}  // namespace
}  // namespace pindora

#pragma once
// A fixture that runs each test inside its own GDI+ session and checks that the test left no
// drawing object alive, plus pixel helpers for drawing surfaces.

#include <gtest/gtest.h>

#include <cstdint>

#include "gfx/gx_session.h"
#include "platform/gdiplus/drawing_surface.h"
#include "platform/gdiplus/session.h"

namespace pindora::test {

class GxSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(GxStartup(), gdiplus::Ok); }
  void TearDown() override {
    EXPECT_EQ(gdiplus::liveSessionObjects(), 0);
    GxShutdown();
    EXPECT_FALSE(gdiplus::sessionRunning());
  }
};

inline std::uint32_t alphaOf(std::uint32_t pixel) { return pixel >> 24; }

// True when a pixel within `radius` of (x, y) is not fully transparent.
inline bool drawnNear(const gdiplus::DrawingSurface& surface, int x, int y, int radius = 1) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const int px = x + dx, py = y + dy;
      if (px < 0 || py < 0 || px >= surface.width() || py >= surface.height()) continue;
      if (alphaOf(surface.pixel(px, py)) != 0) return true;
    }
  }
  return false;
}

}  // namespace pindora::test

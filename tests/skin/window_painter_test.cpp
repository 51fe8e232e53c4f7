// The painter's subclassing and paint surfaces, and the shaper's regions, on real windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "gfx/gx_brush.h"
#include "gfx/gx_graphics.h"
#include "gfx/gx_session.h"
#include "platform/window/painting.h"
#include "platform/window/qt_window.h"
#include "platform/window/window_control.h"
#include "skin/window_painter.h"
#include "skin/window_shaper.h"

namespace pindora {
namespace {

class PainterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GxStartup();
    widget.setWindowFlag(Qt::FramelessWindowHint);
    widget.resize(300, 160);
    widget.show();
    QApplication::processEvents();
    window = handleOf(&widget);
  }
  void TearDown() override { GxShutdown(); }

  QWidget widget;
  WindowHandle window = 0;
};

TEST_F(PainterTest, PaintSurfaceReachesTheUpdateRectanglePlusFiveAndIsCopiedToTheWindow) {
  WindowPainter painter;
  int surfaceWidth = 0, surfaceHeight = 0;
  painter.subclass(window, [&](WindowHandle w, Message message, WParam wp, LParam lp) -> MessageResult {
    if (message != Message::Paint) return painter.callPrevious(w, message, wp, lp);
    const gdiplus::DeviceContext dc = painter.beginPaint(w);
    surfaceWidth = painter.width();
    surfaceHeight = painter.height();
    {
      GxGraphics graphics;
      graphics.CreateFromHDC(dc);
      GxBrush brush;
      brush.CreateSolidFill(0xFF336699);
      graphics.FillRectangle(brush, 0, 0, 300, 160);
    }
    painter.endPaint();
    return 1;
  });
  invalidate(window, Rect{0, 0, 100, 50}, false);
  updateNow(window);
  EXPECT_EQ(surfaceWidth, 105);
  EXPECT_EQ(surfaceHeight, 55);
  const QImage shown = widget.grab().toImage();
  EXPECT_EQ(shown.pixel(50, 25), 0xFF336699u);
}

TEST_F(PainterTest, UnsubclassGivesThePreviousProcedureBack) {
  int previousCalls = 0, newCalls = 0;
  subclassWindow(window, [&](WindowHandle, Message, WParam, LParam) -> MessageResult { return ++previousCalls; });
  {
    WindowPainter painter;
    painter.subclass(window, [&](WindowHandle w, Message m, WParam wp, LParam lp) -> MessageResult {
      ++newCalls;
      return painter.callPrevious(w, m, wp, lp) + 100;
    });
    EXPECT_EQ(sendMessage(window, Message::User), 101);
  }  // destroying the painter unsubclasses
  EXPECT_EQ(sendMessage(window, Message::User), 2);
  EXPECT_EQ(newCalls, 1);
  subclassWindow(window, &defaultProcedure);  // the counters above end with this test
}

TEST_F(PainterTest, RoundTopRegionRoundsOnlyTheTopCorners) {
  WindowShaper().setRoundTopRegion(window, 300, 160, 5, 5);
  EXPECT_FALSE(windowRegionContains(window, {0, 0}));
  EXPECT_FALSE(windowRegionContains(window, {299, 0}));
  EXPECT_TRUE(windowRegionContains(window, {150, 0}));
  EXPECT_TRUE(windowRegionContains(window, {0, 159}));
  EXPECT_TRUE(windowRegionContains(window, {298, 159}));

  WindowShaper().setRoundRegion(window, 0, 0, 300, 160, 5, 5);
  EXPECT_FALSE(windowRegionContains(window, {0, 159}));
  EXPECT_TRUE(windowRegionContains(window, {150, 80}));
}

}  // namespace
}  // namespace pindora

// Invalidating, painting with the update rectangle, copying surfaces and layered pictures.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <vector>

#include "platform/window/painting.h"
#include "platform/window/popup.h"
#include "platform/window/qt_window.h"
#include "platform/window/window_control.h"

namespace pindora {
namespace {

// Paints like the skin's painter: a surface as large as the update rectangle's right and
// bottom plus 5, filled with one colour, copied onto the window.
struct SurfacePainter {
  std::uint32_t colour = 0xFF204080;
  std::vector<PaintInfo> paints;
  int surfaceWidth = 0, surfaceHeight = 0;
  bool copied = false;

  WindowProcedure procedure() {
    return [this](WindowHandle window, Message message, WParam w, LParam l) -> MessageResult {
      if (message != Message::Paint) return defaultProcedure(window, message, w, l);
      PaintInfo info = beginPaint(window);
      paints.push_back(info);
      surfaceWidth = info.updateRect.right + 5;
      surfaceHeight = info.updateRect.bottom + 5;
      std::vector<std::uint32_t> pixels(static_cast<size_t>(surfaceWidth) * surfaceHeight, colour);
      copied = copySurfaceToWindow(window, {pixels.data(), surfaceWidth, surfaceHeight, surfaceWidth * 4});
      endPaint(window);
      return 1;
    };
  }
};

TEST(Painting, InvalidateThenUpdateNowPaintsAtOnceWithTheUpdateRectangle) {
  SurfacePainter painter;
  QWidget widget;
  widget.resize(200, 120);
  widget.show();
  WindowHandle window = handleOf(&widget);
  subclassWindow(window, painter.procedure());
  QApplication::processEvents();
  painter.paints.clear();

  updateNow(window);  // nothing invalid: no paint
  EXPECT_TRUE(painter.paints.empty());

  invalidate(window, Rect{10, 20, 60, 45}, false);
  updateNow(window);
  ASSERT_EQ(painter.paints.size(), 1u);
  EXPECT_TRUE(painter.paints[0].painting);
  EXPECT_EQ(painter.paints[0].updateRect, (Rect{10, 20, 60, 45}));
  EXPECT_FALSE(painter.paints[0].erase);
  EXPECT_EQ(painter.surfaceWidth, 65);
  EXPECT_EQ(painter.surfaceHeight, 50);
  EXPECT_TRUE(painter.copied);

  invalidate(window, std::nullopt, true);
  sendMessage(window, Message::Paint);  // a sent paint paints the invalid part now
  ASSERT_EQ(painter.paints.size(), 2u);
  EXPECT_EQ(painter.paints[1].updateRect, (Rect{0, 0, 200, 120}));
  EXPECT_TRUE(painter.paints[1].erase);
}

TEST(Painting, OutsideAPaintNothingCanBeCopied) {
  QWidget widget;
  widget.show();
  WindowHandle window = handleOf(&widget);
  std::uint32_t pixel = 0xFFFFFFFF;
  EXPECT_FALSE(beginPaint(window).painting);
  EXPECT_FALSE(copySurfaceToWindow(window, {&pixel, 1, 1, 4}));
}

TEST(Painting, TheCopiedSurfaceIsWhatTheWindowShows) {
  SurfacePainter painter;
  QWidget widget;
  widget.resize(80, 60);
  widget.show();
  WindowHandle window = handleOf(&widget);
  painter.colour = 0xFF336699;
  subclassWindow(window, painter.procedure());
  QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(shown.size(), QSize(80, 60));
  EXPECT_EQ(shown.pixel(0, 0), 0xFF336699u);
  EXPECT_EQ(shown.pixel(79, 59), 0xFF336699u);
}

TEST(Painting, ALayeredPictureKeepsItsAlphaAndPlacesThePopup) {
  ASSERT_TRUE(registerPopupClass("LayeredTest", &defaultProcedure));
  WindowHandle popup = createPopupWindow("LayeredTest", Rect{0, 0, 10, 10});
  ASSERT_NE(popup, 0u);
  showWindow(popup);
  // Half-transparent red (premultiplied) on the left half, opaque blue on the right.
  std::vector<std::uint32_t> pixels(40 * 20);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) pixels[y * 40 + x] = x < 20 ? 0x80800000u : 0xFF0000FFu;
  }
  ASSERT_TRUE(showLayeredPicture(popup, Point{30, 40}, {pixels.data(), 40, 20, 160}));
  EXPECT_EQ(windowRect(popup), (Rect{30, 40, 70, 60}));
  QImage shown = widgetOf(popup)->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  ASSERT_EQ(shown.size(), QSize(40, 20));
  EXPECT_EQ(shown.pixel(5, 5), 0x80800000u);
  EXPECT_EQ(shown.pixel(35, 5), 0xFF0000FFu);
  destroyWindow(popup);
  unregisterPopupClass("LayeredTest");
}

TEST(Painting, AChangeToPartOfALayeredWindowRepaintsAllOfIt) {
  QWidget widget;
  widget.resize(40, 20);
  widget.show();
  WindowHandle window = handleOf(&widget);
  std::vector<Rect> updates;
  std::vector<std::uint32_t> pixels(40 * 20, 0xFF102030u);
  subclassWindow(window, [&](WindowHandle w, Message message, WParam wParam, LParam lParam) -> MessageResult {
    if (message != Message::Paint) return defaultProcedure(w, message, wParam, lParam);
    updates.push_back(beginPaint(w).updateRect);
    showLayeredPicture(w, Point{0, 0}, {pixels.data(), 40, 20, 160});
    return 1;
  });
  QApplication::processEvents();  // shown and exposed
  invalidate(window, std::nullopt, false);
  updateNow(window);
  ASSERT_FALSE(updates.empty());

  // The picture is replaced whole on every paint, so a changed item repaints the whole window.
  invalidate(window, Rect{2, 2, 6, 6}, false);
  updateNow(window);
  EXPECT_EQ(updates.back(), (Rect{0, 0, 40, 20}));
}

}  // namespace
}  // namespace pindora

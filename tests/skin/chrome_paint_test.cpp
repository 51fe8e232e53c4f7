// The chrome painted onto a memory surface and checked by its pixels, and one paint through a
// real window.

#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "gfx/gx_color.h"
#include "gfx/gx_graphics.h"
#include "gfx/gx_session.h"
#include "platform/gdiplus/drawing_surface.h"
#include "skin/chrome_layout.h"
#include "skin/chrome_painting.h"
#include "skin/skin_settings.h"
#include "skin/skin_state.h"
#include "skin_fixture.h"

namespace pindora {
namespace {

constexpr std::uint32_t opaque(std::uint32_t rgb) { return 0xFF000000u | rgb; }

int channelDistance(std::uint32_t a, std::uint32_t b) {
  int most = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  }
  return most;
}

QImage pictureImage(int n) {
  const Bytes bytes = backgroundPicture(n);
  return QImage::fromData(bytes.data(), static_cast<int>(bytes.size())).convertToFormat(QImage::Format_ARGB32);
}

class ChromePaint : public ::testing::Test {
 protected:
  void SetUp() override {
    GxStartup();
    createSkinState();
    SkinState& state = skinState();
    state.skinStyle = SkinStyleColor;
    state.skinColor = defaultSkinColor;
    state.skinPictureId = 1;
  }
  void TearDown() override {
    freeSkinState();
    GxShutdown();
  }

  // Paints a window of the given size and keeps its pixels.
  void paint(int width, int height, const ChromeText& texts = {"Title", "Notice"}) {
    if (skinState().systemButtons.empty()) createChromeButtons(width);
    gdiplus::DrawingSurface surface(width, height);
    ASSERT_TRUE(surface.valid());
    {
      GxGraphics graphics;
      ASSERT_EQ(graphics.CreateFromHDC(surface.deviceContext()), gdiplus::Ok);
      paintChrome(graphics, width, height, texts);
    }
    image = QImage(reinterpret_cast<const uchar*>(surface.pixels()), width, height, surface.stride(),
                   QImage::Format_ARGB32_Premultiplied)
                .convertToFormat(QImage::Format_ARGB32);
  }

  void usePicture(int n, int style = SkinStylePicture) {
    skinState().skinStyle = style;
    skinState().skinPictureId = n;
    loadSkinPicture(n);
  }

  std::uint32_t at(int x, int y) const { return image.pixel(x, y); }

  // Columns of the band [top, bottom) within [left, right) holding a pixel that differs from the
  // band's first pixel: the ink of a text drawn there.
  std::pair<int, int> inkColumns(int left, int right, int top, int bottom) const {
    const std::uint32_t ground = at(left, top);
    int first = -1, last = -1;
    for (int x = left; x < right; ++x) {
      for (int y = top; y < bottom; ++y) {
        if (channelDistance(at(x, y), ground) > 60) {
          if (first < 0) first = x;
          last = x;
          break;
        }
      }
    }
    return {first, last};
  }

  QImage image;
};

TEST_F(ChromePaint, ColourBackgroundWithWhitePanel) {
  skinState().skinColor = 0x3366CC;  // red CC, green 66, blue 33
  paint(650, 667);
  EXPECT_EQ(at(300, 60), opaque(0xCC6633));
  EXPECT_EQ(at(300, 103), opaque(0xCC6633));
  EXPECT_EQ(at(300, 300), opaque(0xFFFFFF));
  EXPECT_EQ(at(300, 667 - 25 + 3), opaque(0xCC6633));  // below the panel: the notice line
}

TEST_F(ChromePaint, PictureOneAndColourStyleAlwaysPaintTheColour) {
  struct Case {
    int picture, style;
  };
  for (const Case c : {Case{1, SkinStylePicture}, Case{5, SkinStyleColor}}) {
    usePicture(c.picture, c.style);
    if (c.picture == 1) skinState().skinPicture = backgroundPicture(4);  // a picture left over
    paint(650, 667);
    EXPECT_EQ(at(300, 60), 0xFF4DA6DEu) << c.picture;
  }
}

TEST_F(ChromePaint, PictureIsRightAlignedFromMinus190AtWidth650) {
  usePicture(4);
  paint(650, 667);
  const QImage picture = pictureImage(4);
  for (int x : {5, 100, 300, 590}) {
    for (int y : {40, 95}) {
      EXPECT_LE(channelDistance(at(x, y), picture.pixel(x + 190, y + 5)), 2) << x << "," << y;
    }
  }
  // Outside the picture and the panel (on the notice line) the sampled pixel (1, 204) shows.
  EXPECT_EQ(at(300, 667 - 10), picture.pixel(1, 204));
}

TEST_F(ChromePaint, WideWindowCoversTheLeftWithTwoTiles) {
  // 900 wide: the picture starts at x = 60, tiles at 0 and 50 (a third would start at 100).
  usePicture(7);
  paint(900, 667);
  QImage picture = pictureImage(7);
  for (int x : {10, 49, 55, 75, 99}) {
    EXPECT_LE(channelDistance(at(x, 95), picture.pixel(x % 50, 100)), 2) << x;
  }
  EXPECT_LE(channelDistance(at(120, 95), picture.pixel(60, 100)), 2);

  usePicture(4);  // pictures 2 to 6 stretch their first column
  paint(900, 667);
  picture = pictureImage(4);
  for (int x : {10, 75, 99}) EXPECT_LE(channelDistance(at(x, 95), picture.pixel(0, 100)), 3) << x;
  EXPECT_LE(channelDistance(at(120, 95), picture.pixel(60, 100)), 2);
}

TEST_F(ChromePaint, TitleIsBlackOnLightTonesAndWhiteOnDarkOnes) {
  struct Case {
    int picture;
    std::uint32_t color;
    bool black;
  };
  const Case cases[] = {
      {1, 0xDEA64D, true},   // red 77, green 166, blue 222: two bright channels
      {1, 0x00007E, false},  // dark red
      {1, 0x7D7D00, true},   // red 0, green 125, blue 125
      {1, 0x7C7D00, false},  // blue 124: one bright channel
      {3, 0, true},          // the light pictures
      {6, 0, true},
      {2, 0, false},
  };
  for (const Case& c : cases) {
    usePicture(c.picture);
    if (c.picture == 1) skinState().skinColor = c.color;
    paint(650, 667, {"HHHHHH", ""});
    int black = 0, white = 0;
    for (int x = 25; x < 90; ++x) {
      for (int y = 8; y < 24; ++y) {
        const QColor pixel = QColor::fromRgba(at(x, y));
        black += pixel.red() < 30 && pixel.green() < 30 && pixel.blue() < 30;
        white += pixel.red() > 225 && pixel.green() > 225 && pixel.blue() > 225;
      }
    }
    EXPECT_GT(c.black ? black : white, 20) << c.picture << " " << std::hex << c.color;
    EXPECT_EQ(c.black ? white : black, 0) << c.picture << " " << std::hex << c.color;
  }
}

TEST_F(ChromePaint, NoticeUsesTheTitleFontWithoutItemsAndTheLabelFontWithThem) {
  const ChromeText texts{"HHHHHHHH", "HHHHHHHH"};
  paint(650, 667, texts);
  const auto title = inkColumns(25, 300, 8, 26);
  const auto alone = inkColumns(4, 300, 667 - 19, 667 - 5);
  EXPECT_EQ(alone.second - alone.first, title.second - title.first);

  skinState().navItems.push_back(makeNavItem(1, "x", {}));
  paint(650, 667, texts);
  const auto withItems = inkColumns(4, 300, 667 - 19, 667 - 5);
  EXPECT_LT(withItems.second - withItems.first, alone.second - alone.first);
}

TEST_F(ChromePaint, ButtonsShowTheirStateAndTemplatesAreNotDrawn) {
  paint(650, 667);
  const QImage normal = image.copy(650 - 76, 1, 27, 19);
  auto& buttons = skinState().systemButtons;
  buttons[MaximiseRestoreButton - 1].state = StateHover;
  paint(650, 667);
  EXPECT_NE(image.copy(650 - 76, 1, 27, 19), normal);

  // The templates lie under button 2: they would change it if they were drawn.
  buttons[MaximiseRestoreButton - 1].state = StateNormal;
  buttons[MaximiseTemplate - 1].state = StatePressed;
  buttons[RestoreTemplate - 1].state = StatePressed;
  paint(650, 667);
  EXPECT_EQ(image.copy(650 - 76, 1, 27, 19), normal);
}

using WindowPaint = SkinWindowTest;

TEST_F(WindowPaint, ThePaintOfTheWindowShowsTheChrome) {
  skinState().skinColor = 0x3366CC;
  invalidate(window, std::nullopt, true);
  updateNow(window);
  const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(shown.width(), W);
  EXPECT_EQ(shown.pixel(300, 60), opaque(0xCC6633));
  EXPECT_EQ(shown.pixel(300, 300), opaque(0xFFFFFF));
}

}  // namespace
}  // namespace pindora

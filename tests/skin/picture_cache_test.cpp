// The cache of decoded pictures: found by content, its sample pixels read before any draw,
// emptied when the skin changes and before the drawing session ends; and the chrome painted
// from it pixel for pixel as when every picture is decoded on every paint.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "assets/assets.h"
#include "gfx/gx_graphics.h"
#include "gfx/gx_session.h"
#include "platform/codepage/codepage.h"
#include "platform/gdiplus/drawing_surface.h"
#include "platform/gdiplus/session.h"
#include "skin/chrome_layout.h"
#include "skin/chrome_painting.h"
#include "skin/picture_cache.h"
#include "skin/skin_pictures.h"
#include "skin/skin_settings.h"
#include "skin/skin_state.h"

namespace pindora {
namespace {

// Each test runs in its own drawing session and must leave no drawing object alive.
class DrawingSession : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GxStartup(), gdiplus::Ok);
    createSkinState();
  }
  void TearDown() override {
    dropDecodedPictures();
    freeSkinState();
    EXPECT_EQ(gdiplus::liveSessionObjects(), 0);
    GxShutdown();
    EXPECT_FALSE(gdiplus::sessionRunning());
  }
};

using PictureCacheTest = DrawingSession;

TEST_F(PictureCacheTest, EqualBytesInAnotherBufferFindTheSamePictureAndOtherBytesAnother) {
  PictureCache cache;
  const Bytes close = assetCopy("title/close_normal.png");
  const Bytes copy = close;
  const Bytes other = assetCopy("title/close_hover.png");
  const gdiplus::GpImage* first = cache.picture(close).GetHandle();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(cache.picture(copy).GetHandle(), first);
  EXPECT_EQ(cache.size(), 1u);

  // The same size and hash bucket do not matter: a picture whose bytes differ is its own.
  Bytes changed = close;
  changed[changed.size() / 2] ^= 0xFF;
  EXPECT_NE(cache.picture(other).GetHandle(), first);
  EXPECT_NE(cache.picture(changed).GetHandle(), first);
  EXPECT_EQ(cache.size(), 3u);

  EXPECT_EQ(cache.picture(Bytes{}).GetHandle(), nullptr);  // no picture, kept as none
  EXPECT_EQ(cache.picture(toBytes("not a picture")).GetHandle(), nullptr);
  EXPECT_EQ(cache.size(), 5u);
  cache.clear();
  EXPECT_EQ(cache.size(), 0u);
  EXPECT_EQ(gdiplus::liveSessionObjects(), 0);
}

TEST_F(PictureCacheTest, TooManyPicturesStartTheCacheAgain) {
  PictureCache cache;
  for (std::size_t i = 0; i <= PictureCache::capacity; ++i) cache.picture(toBytes("bytes " + std::to_string(i)));
  EXPECT_EQ(cache.size(), 1u);
}

TEST_F(PictureCacheTest, ThePixelIsTheOneOfAPictureNotYetDrawn) {
  const Bytes bytes = backgroundPicture(4);
  GxArgb expected = 0;
  {
    GxImage fresh = decodePicture(bytes);
    ASSERT_EQ(fresh.BitmapGetPixel(1, 204, expected), gdiplus::Ok);
  }
  ASSERT_NE(expected, 0u);

  // Asked first: read from the new picture before anyone draws it.
  {
    PictureCache cache;
    EXPECT_EQ(cache.pictureWithPixel(bytes, 1, 204).pixel, expected);
  }
  // Asked after the picture was handed out and drawn: still the pixel of an undrawn picture,
  // and kept for the next paints.
  PictureCache cache;
  gdiplus::DrawingSurface surface(100, 100);
  {
    GxGraphics graphics;
    ASSERT_EQ(graphics.CreateFromHDC(surface.deviceContext()), gdiplus::Ok);
    graphics.DrawImageRect(cache.picture(bytes), 0, 0, 100, 100);
  }
  for (int paint = 0; paint < 2; ++paint) {
    const PictureCache::Sampled sampled = cache.pictureWithPixel(bytes, 1, 204);
    EXPECT_EQ(sampled.pixel, expected);
    EXPECT_EQ(sampled.image.GetHandle(), cache.picture(bytes).GetHandle());
  }
  EXPECT_EQ(cache.size(), 1u);
  EXPECT_EQ(cache.pictureWithPixel(bytes, 5000, 1).pixel, std::nullopt);  // outside the picture
  EXPECT_EQ(cache.pictureWithPixel(toBytes("no picture"), 1, 1).pixel, std::nullopt);
}

TEST_F(PictureCacheTest, TheChromeCacheStartsAgainWhenTheSkinChanges) {
  SkinState& state = skinState();
  state.skinStyle = SkinStylePicture;
  state.skinColor = defaultSkinColor;
  loadSkinPicture(4);
  state.skinPictureId = 4;
  const Bytes grip = assetCopy("grip.png");

  const std::function<void()> changes[] = {
      [] { loadSkinPicture(5); },  // the same number, another picture
      [&] { state.skinPictureId = 5; },
      [&] { state.skinStyle = SkinStyleColor; },
      [&] { state.skinColor = 0x102030; },
  };
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    chromePictures().picture(grip);
    ASSERT_EQ(chromePictures().size(), 1u);
    changes[i]();
    EXPECT_EQ(chromePictures().size(), 0u) << i;
  }
  chromePictures().picture(grip);
  loadSkinPicture(10);  // not a picture: nothing changes
  EXPECT_EQ(chromePictures().size(), 1u);
  dropDecodedPictures();
  EXPECT_EQ(chromePictures().size(), 0u);
}

// The window painted with the pictures kept between paints and with every picture decoded
// on every paint, in colour and picture mode and with buttons and items in every state.
class CachedChromePaint : public DrawingSession {
 protected:
  static constexpr int W = 650;
  static constexpr int H = 667;

  void SetUp() override {
    DrawingSession::SetUp();
    createChromeButtons(W);
    const char* icons[] = {"app/nav_home.png", "app/nav_about.png", "app/nav_contact.png", "app/nav_bug.png",
                           "app/nav_usage.png"};
    for (int n = 1; n <= 5; ++n) {
      skinState().navItems.push_back(makeNavItem(n, utf8ToCp936("首页"), assetCopy(icons[n - 1])));
    }
  }

  std::vector<std::uint32_t> paint(bool decodeEveryPicture, int width = W) {
    if (decodeEveryPicture) dropDecodedPictures();
    gdiplus::DrawingSurface surface(width, H);
    EXPECT_TRUE(surface.valid());
    {
      GxGraphics graphics;
      EXPECT_EQ(graphics.CreateFromHDC(surface.deviceContext()), gdiplus::Ok);
      paintChrome(graphics, width, H, {utf8ToCp936("头像 Title"), utf8ToCp936("版本 Notice")});
    }
    return std::vector<std::uint32_t>(surface.pixels(), surface.pixels() + width * H);
  }

  // Paints twice from the cache (the second time with every picture drawn before) and once
  // decoding everything, and compares every pixel.
  void expectSamePixels(const char* what, int width = W) {
    const std::vector<std::uint32_t> decoded = paint(true, width);
    paint(false, width);
    const std::size_t kept = chromePictures().size();
    const std::vector<std::uint32_t> cached = paint(false, width);
    EXPECT_EQ(chromePictures().size(), kept) << what << ": the second paint decoded nothing new";
    EXPECT_GT(kept, 0u);
    ASSERT_EQ(cached.size(), decoded.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < cached.size(); ++i) differing += cached[i] != decoded[i];
    EXPECT_EQ(differing, 0u) << what;
  }

  void setStates(std::int32_t buttons, std::int32_t item2, std::int32_t picker) {
    for (int n = 1; n <= drawnSystemButtons; ++n) skinState().systemButtons[n - 1].state = buttons;
    skinState().navItems[1].state = item2;
    skinState().pickerButton.state = picker;
  }
};

TEST_F(CachedChromePaint, ColourAndPictureModesPaintTheSamePixelsAsDecodingEveryPaint) {
  SkinState& state = skinState();
  struct Look {
    const char* name;
    std::int32_t style, picture;
    std::uint32_t color;
  };
  const Look looks[] = {
      {"colour", SkinStyleColor, 1, defaultSkinColor},
      {"dark colour", SkinStyleColor, 1, 0x202020},
      {"picture 4", SkinStylePicture, 4, defaultSkinColor},
      {"picture 2", SkinStylePicture, 2, defaultSkinColor},
      {"picture 8", SkinStylePicture, 8, defaultSkinColor},
  };
  for (const Look& look : looks) {
    state.skinStyle = look.style;
    state.skinColor = look.color;
    state.skinPictureId = look.picture;
    loadSkinPicture(look.picture);
    setStates(StateNormal, StateNormal, StateNormal);
    expectSamePixels(look.name);
    setStates(StateHover, StateHover, StateHover);
    expectSamePixels(look.name);
    setStates(StatePressed, StateSelected, StatePressed);
    expectSamePixels(look.name);
  }
  // A wide window tiles the picture's left edge, drawing the cached picture again and again.
  state.skinPictureId = 7;
  loadSkinPicture(7);
  expectSamePixels("picture 7, 900 wide", 900);
}

TEST_F(CachedChromePaint, AChangeOfPictureBetweenPaintsShowsTheNewPicture) {
  const auto sampleOf = [](int n) {
    GxImage picture = decodePicture(backgroundPicture(n));
    GxArgb color = 0;
    picture.BitmapGetPixel(1, 204, color);
    return color;
  };
  const GxArgb before = sampleOf(3), after = sampleOf(6);
  ASSERT_NE(before, after);
  const std::size_t noticeLine = static_cast<std::size_t>(H - 10) * W + 300;  // the sampled colour shows there

  SkinState& state = skinState();
  state.skinStyle = SkinStylePicture;
  state.skinPictureId = 3;
  loadSkinPicture(3);
  EXPECT_EQ(paint(false)[noticeLine], before);
  loadSkinPicture(6);  // the picker's way: the picture, then its number
  state.skinPictureId = 6;
  const std::vector<std::uint32_t> afterChange = paint(false);
  EXPECT_EQ(afterChange[noticeLine], after);
  EXPECT_EQ(afterChange, paint(true));
}

}  // namespace
}  // namespace pindora

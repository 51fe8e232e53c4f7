#include "skin/chrome_painting.h"

#include "assets/assets.h"
#include "gfx/gx_brush.h"
#include "gfx/gx_color.h"
#include "gfx/gx_font.h"
#include "gfx/gx_image.h"
#include "gfx/gx_pen.h"
#include "platform/codepage/codepage.h"
#include "platform/window/window_control.h"
#include "skin/chrome_layout.h"
#include "skin/picture_cache.h"
#include "skin/skin_pictures.h"
#include "skin/skin_state.h"

namespace pindora {

namespace {

constexpr int smoothingHighQuality = 2;
constexpr int unitPixel = 2;
constexpr int fontBold = 1;
constexpr int fontRegular = 0;
constexpr int pictureWidth = 840;
constexpr int pictureStripTop = 5;
constexpr int pictureStripHeight = 200;
constexpr int tileWidth = 50;
constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t black = 0x000000;

// Paints the background and returns its tone: the colour (COLORREF) or the sampled pixel (ARGB).
std::uint32_t paintBackground(GxGraphics& graphics, int width, int height) {
  const SkinState& state = skinState();
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  if (state.skinStyle != SkinStyleColor && state.skinPictureId != 1) {
    // The cache reads the sample before the picture is first drawn: a read afterwards answers 0.
    const PictureCache::Sampled background = chromePictures().pictureWithPixel(state.skinPicture, 1, 204);
    const GxImage& picture = background.image;
    if (background.pixel) {
      const GxArgb sample = *background.pixel;
      GxBrush fill;
      fill.CreateSolidFill(sample);
      graphics.FillRectangle(fill, -1, -1, w, h);
      graphics.DrawImageRectRect(picture, w - pictureWidth, 0, pictureWidth, pictureStripHeight, 0,
                                 pictureStripTop, pictureWidth, pictureStripHeight, unitPixel);
      if (width > pictureWidth) {
        const int tiles = (width - pictureWidth) / tileWidth + 1;
        const float sourceWidth = state.skinPictureId <= 6 ? 1 : tileWidth;
        for (int i = 1; i <= tiles; ++i) {
          graphics.DrawImageRectRect(picture, static_cast<float>((i - 1) * tileWidth), 0, tileWidth,
                                     pictureStripHeight, 0, pictureStripTop, sourceWidth, pictureStripHeight,
                                     unitPixel);
        }
      }
      return sample;
    }
    // No picture to show (a picture number without a picture): the colour background.
  }
  GxBrush fill;
  fill.CreateSolidFill(GxColor::ToArgb(state.skinColor, 255));
  graphics.FillRectangle(fill, -1, -1, w, h);
  return state.skinColor;
}

void paintOutline(GxGraphics& graphics, int width, int height) {
  GxPen pen;
  pen.CreatePen1(GxColor::ToArgb(black, 120), 1);
  graphics.DrawRoundRect(pen, 0, 0, width - 2, height - 2, 3);
  pen.SetPenColor(GxColor::ToArgb(white, 100));
  graphics.DrawRoundRect(pen, 1, 1, width - 4, height - 4, 3);
}

void paintButton(GxGraphics& graphics, const ChromeButton& button) {
  const Bytes& picture = button.state == StateNormal  ? button.normalImage
                         : button.state == StateHover ? button.hoverImage
                                                      : button.pressedImage;
  drawPicture(graphics, picture, button.rect);
}

void paintNavItem(GxGraphics& graphics, const NavItem& item, const GxFont& font, const GxBrush& brush) {
  if (item.state == StateHover) drawPicture(graphics, item.hoverBackground, item.rect);
  if (item.state == StateSelected) drawPicture(graphics, item.selectedBackground, item.rect);
  drawPicture(graphics, item.icon, {item.rect.left + 20, item.rect.top + 10, 36, 36});
  graphics.DrawString(item.text, static_cast<float>(item.rect.left + 12), static_cast<float>(item.rect.top + 52),
                      font, brush);
}

void paintSkinButton(GxGraphics& graphics, const ChromeButton& button) {
  const ChromeRect& r = button.rect;
  const ChromeRect frame{r.left - 7, r.top - 4, r.width, r.height};
  if (button.state == StateHover) drawPicture(graphics, button.hoverImage, frame);
  if (button.state == StatePressed) drawPicture(graphics, button.pressedImage, frame);
  drawPicture(graphics, button.normalImage, {r.left, r.top, 14, 14});
}

}  // namespace

const Text& chromeFontFamily() {
  static const Text family = utf8ToCp936("宋体");
  return family;
}

void paintChrome(GxGraphics& graphics, int width, int height, const ChromeText& texts) {
  const SkinState& state = skinState();
  graphics.SetSmoothingMode(smoothingHighQuality);
  const std::uint32_t tone = paintBackground(graphics, width, height);
  paintOutline(graphics, width, height);

  drawPicture(graphics, iconPng(state.smallIcon), {7, 6, 16, 16});

  GxBrush textBrush;
  textBrush.CreateSolidFill(GxColor::ToArgb(GxColor::IsDark(tone) ? white : black, 255));
  GxFont font;
  font.CreateFont(chromeFontFamily(), 13, fontBold, unitPixel);
  graphics.DrawString(texts.title, 25, 8, font, textBrush);

  for (std::size_t i = 0; i < state.systemButtons.size() && i < drawnSystemButtons; ++i) {
    paintButton(graphics, state.systemButtons[i]);
  }

  if (!state.navItems.empty()) {
    // The notice below uses the font made last: the navigation font once there are items.
    font = GxFont();
    font.CreateFont(chromeFontFamily(), 12, fontRegular, unitPixel);
    for (const NavItem& item : state.navItems) paintNavItem(graphics, item, font, textBrush);
  }

  paintSkinButton(graphics, state.pickerButton);

  GxBrush panel;
  panel.CreateSolidFill(GxColor::ToArgb(white, 255));
  graphics.FillRectangle(panel, 2, 105, static_cast<float>(width - 6), static_cast<float>(height - 130));
  GxPen panelPen;
  panelPen.CreatePen1(GxColor::ToArgb(black, 100), 1);
  graphics.DrawRectangle(panelPen, 2, 105, static_cast<float>(width - 6), static_cast<float>(height - 130));

  graphics.DrawString(texts.notice, 4, static_cast<float>(height - 19), font, textBrush);

  drawPicture(graphics, assetCopy("grip.png"), {width - 13, height - 13, 9, 8});
}

}  // namespace pindora

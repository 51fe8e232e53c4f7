// Painting the skinned message box: skin-coloured title strip, outlines, icon and title, close
// button, the light panel with the message icon, the lines and the buttons.

#include "assets/assets.h"
#include "gfx/gx_brush.h"
#include "gfx/gx_color.h"
#include "gfx/gx_font.h"
#include "gfx/gx_graphics.h"
#include "gfx/gx_image.h"
#include "gfx/gx_path.h"
#include "gfx/gx_pen.h"
#include "platform/codepage/codepage.h"
#include "platform/window/window_control.h"
#include "skin/message_box.h"
#include "skin/message_box_model.h"
#include "skin/picture_cache.h"
#include "skin/skin_pictures.h"
#include "skin/skin_state.h"
#include "skin/window_painter.h"

namespace pindora {

namespace {

constexpr int smoothingHighQuality = 2;
constexpr int fillModeWinding = 1;
constexpr int unitPixel = 2;
constexpr int fontRegular = 0;
constexpr int fontBold = 1;

GxBrush solidBrush(GxArgb color) {
  GxBrush brush;
  brush.CreateSolidFill(color);
  return brush;
}

GxPen pen(GxArgb color) {
  GxPen result;
  result.CreatePen1(color, 1);
  return result;
}

GxFont songFont(int style) {
  GxFont font;
  font.CreateFont(utf8ToCp936("宋体"), 12, style, unitPixel);
  return font;
}

// An open figure: the two top corner arcs, then the right, bottom and left edges.
GxPath topRoundedPath(float x, float y, float w, float h, float r) {
  GxPath path;
  path.CreatePath(fillModeWinding);
  path.AddPathArc(x, y, 2 * r, 2 * r, 180, 90);
  path.AddPathArc(x + w - 2 * r, y, 2 * r, 2 * r, 270, 90);
  path.AddPathLine(x + w, y + r + 2, x + w, y + h - 2);
  path.AddPathLine(x + w, y + h - 1, x, y + h - 1);
  path.AddPathLine(x, y + h - 2, x, y + 4);
  return path;
}

// The background of the title strip, and the colour that decides the title's colour: the skin's
// colour, or the pixel (1, 204) of its picture, read before the picture is drawn.
std::uint32_t paintBackground(GxGraphics& graphics, const SkinState& skin, float height) {
  if (skin.skinStyle == SkinStyleColor || skin.skinPictureId == 1) {
    graphics.FillRectangle(solidBrush(GxColor::ToArgb(skin.skinColor, 255)), -1, -1, messageBoxWidth, height);
    return skin.skinColor;
  }
  const PictureCache::Sampled sampled = chromePictures().pictureWithPixel(skin.skinPicture, 1, 204);
  const GxImage& picture = sampled.image;
  if (!picture.GetHandle()) return 0;
  const GxArgb sample = sampled.pixel.value_or(0);
  if (height >= 200) graphics.FillRectangle(solidBrush(sample), -1, -1, messageBoxWidth, height);
  // Columns 540 to 839 of the picture's strip of rows 5 to 204.
  graphics.DrawImageRectRect(picture, -540, 0, 840, 200, 0, 5, 840, 200, unitPixel);
  return sample;
}

const char* buttonPictureName(std::int32_t state) {
  switch (state) {
    case BoxButtonHover: return "msgbox/button_hover.png";
    case BoxButtonPressed: return "msgbox/button_pressed.png";
    case BoxButtonDefaultLook: return "msgbox/button_default.png";
    default: return "msgbox/button_normal.png";
  }
}

const char* closePictureName(std::int32_t state) {
  switch (state) {
    case 0: return "msgbox/close_normal.png";
    case 1: return "msgbox/close_hover.png";
    default: return "msgbox/close_pressed.png";
  }
}

}  // namespace

void paintMessageBox(WindowHandle box) {
  const MessageBoxState& state = messageBoxState();
  const SkinState& skin = skinState();
  const float height = static_cast<float>(state.messageBoxHeight);
  WindowPainter painter;
  const gdiplus::DeviceContext surface = painter.beginPaint(box);
  {
    GxGraphics graphics;
    graphics.CreateFromHDC(surface);
    graphics.SetSmoothingMode(smoothingHighQuality);

    const std::uint32_t sample = paintBackground(graphics, skin, height);
    graphics.DrawPath(pen(0x78000000), topRoundedPath(0, 0, 298, height, 3));
    graphics.DrawPath(pen(0x64FFFFFF), topRoundedPath(1, 1, 296, height - 2, 3));

    drawPicture(graphics, iconPng(skin.smallIcon), {7, 5, 16, 16});
    graphics.DrawString(state.messageBoxTitle, 25, 7, songFont(fontBold),
                        solidBrush(messageBoxTitleColor(skin, sample)));
    drawPicture(graphics, assetCopy(closePictureName(state.closeButtonState)), {250, 1, 40, 19});

    graphics.FillRectangle(solidBrush(0xFFEFF4FA), 3, 26, 292, height - 30);
    graphics.DrawRectangle(pen(0x50000000), 3, 26, 292, height - 30);
    drawPicture(graphics, state.messageBoxIcon, {30, 45, 40, 40});

    const GxFont textFont = songFont(fontRegular);
    const GxBrush black = solidBrush(0xFF000000);
    float lineTop = 55;
    for (const Text& line : state.messageBoxLines) {
      graphics.DrawString(line, 80, lineTop, textFont, black);
      lineTop += 14;
    }
    for (const MessageBoxButton& button : state.messageBoxButtons) {
      const ChromeRect& r = button.rect;
      drawPicture(graphics, assetCopy(buttonPictureName(button.state)), r);
      graphics.DrawString(button.label, static_cast<float>(r.left + 22), static_cast<float>(r.top + 5), textFont,
                          black);
    }
  }  // the drawing objects go before the surface
  painter.endPaint();
}

}  // namespace pindora

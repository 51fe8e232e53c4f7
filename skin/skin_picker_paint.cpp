// Painting the skin picker: background, the two tabs by state with the baseline gap under the
// active one, and the active tab's panel (thumbnails with frames, or the colour grid with marks).
// The popup shows the picture with per-pixel alpha.

#include "assets/assets.h"
#include "gfx/gx_brush.h"
#include "gfx/gx_color.h"
#include "gfx/gx_graphics.h"
#include "gfx/gx_image.h"
#include "gfx/gx_pen.h"
#include "platform/window/window_control.h"
#include "skin/skin_picker.h"
#include "skin/skin_picker_model.h"
#include "skin/skin_pictures.h"
#include "skin/window_painter.h"

namespace pindora {

namespace {

constexpr int smoothingHighQuality = 2;
constexpr GxArgb baselineColor = 0xFFDCDCDB;

void drawAsset(GxGraphics& graphics, std::string_view name, const ChromeRect& rect) {
  drawPicture(graphics, assetCopy(name), rect);
}

GxPen pen(GxArgb color) {
  GxPen result;
  result.CreatePen1(color, 1);
  return result;
}

void paintThumbnailPanel(GxGraphics& graphics, const SkinPickerState& picker) {
  drawAsset(graphics, "picker/panel.png", {5, 35, 208, 133});
  for (const SkinThumbnail& thumbnail : picker.skinThumbnails) {
    drawPicture(graphics, thumbnail.picture, thumbnail.rect);
    if (thumbnail.state == PickerHover || thumbnail.state == PickerSelectedHover) {
      drawAsset(graphics, "picker/thumb_hover.png", thumbnail.rect);
    }
    if (thumbnail.state == PickerSelected || thumbnail.state == PickerSelectedHover) {
      drawAsset(graphics, "picker/thumb_selected.png", thumbnail.rect);
    }
  }
}

void paintColorPanel(GxGraphics& graphics, const SkinPickerState& picker) {
  const GxPen outline = pen(0xFF000000);
  for (int column = 1; column <= swatchColumns; ++column) {
    for (int row = 1; row <= swatchRows; ++row) {
      const ColorSwatch& swatch = picker.colorSwatches[(column - 1) * swatchRows + row - 1];
      // Each cell is one pixel larger than its swatch on every side; neighbours share an edge.
      const float left = static_cast<float>((column - 1) * 17 + 7);
      const float top = static_cast<float>((row - 1) * 18 + 36);
      GxBrush fill;
      fill.CreateSolidFill(GxColor::ToArgb(swatch.color, 255));
      graphics.FillRectangle(fill, left, top, 17, 18);
      graphics.DrawRectangle(outline, left, top, 17, 18);
    }
  }
  for (const ColorSwatch& swatch : picker.colorSwatches) {
    if (swatch.state != PickerNormal) {
      drawAsset(graphics, "picker/swatch_mark.png", {swatch.rect.left, swatch.rect.top, 16, 17});
    }
  }
}

void paintBaseline(GxGraphics& graphics, const GxPen& line, int number) {
  const float gapLeft = static_cast<float>((number - 1) * 40);
  graphics.DrawLine(line, 0, 29, gapLeft, 29);
  graphics.DrawLine(line, gapLeft + 40, 29, 217, 29);
}

void paintTab(GxGraphics& graphics, const SkinPickerState& picker, const PickerTab& tab) {
  const GxPen line = pen(baselineColor);
  switch (tab.state) {
    case PickerNormal: drawPicture(graphics, tab.normalPicture, tab.rect); return;
    case PickerHover: drawPicture(graphics, tab.hoverPicture, tab.rect); return;
    case PickerSelected:
      drawAsset(graphics, "picker/tab_selected_backing.png", tab.rect);
      drawPicture(graphics, tab.selectedPicture, tab.rect);
      break;
    case PickerSelectedHover:
      graphics.DrawLine(line, 39, 29, 213, 29);
      drawAsset(graphics, "picker/tab_selected_backing.png", tab.rect);
      drawPicture(graphics, tab.hoverPicture, tab.rect);
      break;
    default: return;
  }
  paintBaseline(graphics, line, tab.number);
  if (tab.number == 1) paintThumbnailPanel(graphics, picker);
  else paintColorPanel(graphics, picker);
}

}  // namespace

void paintSkinPicker(WindowHandle popup) {
  const SkinPickerState& picker = skinPickerState();
  WindowPainter painter;
  const gdiplus::DeviceContext surface = painter.beginPaintSized(popup, pickerWidth, pickerHeight);
  {
    GxGraphics graphics;
    graphics.CreateFromHDC(surface);
    graphics.SetSmoothingMode(smoothingHighQuality);
    drawAsset(graphics, "picker/background.png", {0, 0, pickerWidth, pickerHeight});
    for (const PickerTab& tab : picker.pickerTabs) paintTab(graphics, picker, tab);
  }  // the drawing objects go before the surface
  const Rect place = windowRect(popup);
  painter.endPaintLayered(place.left, place.top);
}

}  // namespace pindora
